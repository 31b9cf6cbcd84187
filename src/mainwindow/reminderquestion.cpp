#include "mainwindow/reminderquestion.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QRadioButton>
#include <QTimeEdit>
#include <QVBoxLayout>

std::optional<QTime> AskWithReminderDialog(QWidget *parent)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("ReminderQuestion", "Export to Calendar"));
    auto *none = new QRadioButton(QCoreApplication::translate("ReminderQuestion", "&No reminder"), &dialog);
    //: A choice followed by a box with the time of day
    auto *onTheDay = new QRadioButton(
        QCoreApplication::translate("ReminderQuestion", "&Remind me on the day, at"), &dialog);
    auto *time = new QTimeEdit(QTime(8, 0), &dialog);
    time->setDisplayFormat(QStringLiteral("HH:mm"));
    time->setAccessibleName(QCoreApplication::translate("ReminderQuestion", "Reminder time"));
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
    layout->addWidget(
        new QLabel(QCoreApplication::translate("ReminderQuestion",
                                               "Each day in the calendar can remind you when it comes:"),
                   &dialog));
    layout->addWidget(none);
    layout->addLayout(timeRow);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return onTheDay->isChecked() ? time->time() : QTime();
}
