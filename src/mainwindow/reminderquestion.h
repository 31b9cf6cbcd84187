#pragma once

#include <QTime>

#include <functional>
#include <optional>

class QWidget;

// Export to Calendar's question before it asks where to save: whether each event reminds of its
// day, and at what time of that day. Asked through MainWindowEnv::askReminder, so that tests
// answer it directly. The answer: none when the user cancelled the export; an invalid QTime for no
// reminder; else the time of day.
using AskReminder = std::function<std::optional<QTime>(QWidget *parent)>;

// The real question: a dialog with "No reminder" chosen and 08:00 offered.
[[nodiscard]] std::optional<QTime> AskWithReminderDialog(QWidget *parent);
