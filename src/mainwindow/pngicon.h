#pragma once

#include <QIcon>
#include <QList>
#include <QString>

// An icon drawn from PNG files of a few sizes, `pattern` naming each with %1 for its size
// (":/icons/%1/printchart.png"). The files are read when the icon is first drawn, not when it is
// made: reading them at start-up would cost more than making the rest of the toolbar.
[[nodiscard]] QIcon PngIcon(const QString &pattern, const QList<int> &sizes);
