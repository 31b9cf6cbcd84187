#include "settings/textsize.h"

#include <QSettings>

namespace settings {

namespace {

const QString TextSizeKey = QStringLiteral("View/TextSize");

} // namespace

std::optional<int> LoadTextSize(const QSettings &store)
{
    bool ok = false;
    const int percent = store.value(TextSizeKey).toString().trimmed().toInt(&ok);
    return ok ? std::optional(percent) : std::nullopt;
}

void SaveTextSize(QSettings &store, int percent)
{
    store.setValue(TextSizeKey, percent);
}

} // namespace settings
