#include "mainwindow/reminderquestion.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QRadioButton>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace {

QString Tr(const char *text)
{
    return QCoreApplication::translate("ReminderQuestion", text);
}

} // namespace

std::optional<QTime> AskWithReminderDialog(QWidget *parent)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(Tr("Export to Calendar"));
    auto *none = new QRadioButton(Tr("&No reminder"), &dialog);
    auto *onTheDay = new QRadioButton(Tr("&Remind me on the day, at"), &dialog);
    auto *time = new QTimeEdit(QTime(8, 0), &dialog);
    time->setDisplayFormat(QStringLiteral("HH:mm"));
    time->setAccessibleName(Tr("Reminder time"));
    time->setEnabled(false);
    none->setChecked(true);
    QObject::connect(onTheDay, &QRadioButton::toggled, time, &QWidget::setEnabled);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *timeRow = new QHBoxLayout;
    timeRow->addWidget(onTheDay);
    timeRow->addWidget(time);
    timeRow->addStretch();
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(Tr("Each day in the calendar can remind you when it comes:"), &dialog));
    layout->addWidget(none);
    layout->addLayout(timeRow);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return onTheDay->isChecked() ? time->time() : QTime();
}
