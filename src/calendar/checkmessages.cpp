#include "calendar/checkmessages.h"

#include <QtGlobal>

#include <iterator>

namespace calendar {

namespace {

struct Entry
{
    Check check;
    const char *title;
    const char *text;
};

// Shown in English by the command line; the window translates each title and sentence by its
// English text (platform/messageboxalerts.cpp).
constexpr Entry Messages[] = {
    {Check::StartTooMuchData, QT_TRANSLATE_NOOP("CheckMessages", "DATE ERROR!"),
     QT_TRANSLATE_NOOP("CheckMessages", "Input error in Starting Date! Too much data in Starting Date box.")},
    {Check::StartHyphens, QT_TRANSLATE_NOOP("CheckMessages", "DATE HYPHEN ERROR IN MM-DD-YYYY!"),
     QT_TRANSLATE_NOOP("CheckMessages", "Input error in Starting Date! The separators between the month and "
                                        "day, and between the day and year "
                                        "must be hyphens, for example MM-DD-YYYY.")},
    {Check::StartMonth, QT_TRANSLATE_NOOP("CheckMessages", "MONTH DATE INPUT ERROR"),
     QT_TRANSLATE_NOOP("CheckMessages", "Input error in Start date! The Month must be a number from 01 to 12 "
                                        "and be in the format: MM-DD-YYYY")},
    {Check::StartDay, QT_TRANSLATE_NOOP("CheckMessages", "DAY DATE INPUT ERROR"),
     QT_TRANSLATE_NOOP("CheckMessages", "Input error in Start date! The Day must be a number from 01 to 31 "
                                        "and be in the format: MM-DD-YYYY")},
    {Check::StartYear, QT_TRANSLATE_NOOP("CheckMessages", "YEAR DATE INPUT ERROR"),
     QT_TRANSLATE_NOOP(
         "CheckMessages",
         "Input error in Start date! The Year must be a number from 1500 to 2099 and be in the format: "
         "MM-DD-YYYY")},
    {Check::BirthTooMuchData, QT_TRANSLATE_NOOP("CheckMessages", "DATE ERROR!"),
     QT_TRANSLATE_NOOP("CheckMessages", "Input error in Birthdate! Too much data in Birthdate box.")},
    {Check::BirthMonth, QT_TRANSLATE_NOOP("CheckMessages", "MONTH DATE INPUT ERROR IN BIRTH DATE"),
     QT_TRANSLATE_NOOP("CheckMessages", "Input error in Birth date! The Month must be a number from 01 to 12 "
                                        "and be in the format: MM-DD-YYYY")},
    {Check::BirthDay, QT_TRANSLATE_NOOP("CheckMessages", "DAY DATE INPUT ERROR IN BIRTH DATE"),
     QT_TRANSLATE_NOOP("CheckMessages", "Input error in Birth date! The Day must be a number from 01 to 31 "
                                        "and be in the format: MM-DD-YYYY")},
    {Check::BirthYear, QT_TRANSLATE_NOOP("CheckMessages", "YEAR DATE INPUT ERROR IN BIRTH DATE"),
     QT_TRANSLATE_NOOP(
         "CheckMessages",
         "Input error in Birth date! The Year must be a number from 1500 to 2099 and be in the format: "
         "MM-DD-YYYY")},
    {Check::ChartLinesPerPage, QT_TRANSLATE_NOOP("CheckMessages", "LINES PER PAGE INCORRECT!"),
     QT_TRANSLATE_NOOP("CheckMessages", "Lines Per Page is zero or a minus number!")},
    {Check::ChartLinesPerPageNotWhole, QT_TRANSLATE_NOOP("CheckMessages", "LINES PER PAGE INCORRECT!"),
     QT_TRANSLATE_NOOP("CheckMessages", "Lines Per Page must be a whole number!")},
    {Check::ChartNoName, QT_TRANSLATE_NOOP("CheckMessages", "NO NAME ENTERED!"),
     QT_TRANSLATE_NOOP("CheckMessages", "There is no Name selected to use on chart!")},
    {Check::ChartNoBirthdate, QT_TRANSLATE_NOOP("CheckMessages", "NO BIRTHDATE ENTERED!"),
     QT_TRANSLATE_NOOP("CheckMessages", "There is no Birthdate selected to use on chart!")},
    {Check::ChartBirthHyphens, QT_TRANSLATE_NOOP("CheckMessages", "DATE ERROR!"),
     QT_TRANSLATE_NOOP(
         "CheckMessages",
         "Input error in Birthdate! The Date must include the dash (-) after the month, and after the day! "
         "Format must be MM-DD-YYYY.")},
    {Check::ChartBirthMonth, QT_TRANSLATE_NOOP("CheckMessages", "DATE ERROR!"),
     QT_TRANSLATE_NOOP("CheckMessages",
                       "Input error in Birthdate! The Month must be a number from 01 to 12")},
    {Check::ChartBirthDay, QT_TRANSLATE_NOOP("CheckMessages", "DATE ERROR!"),
     QT_TRANSLATE_NOOP("CheckMessages", "Input error in Birthdate! The Day must be a number from 01 to 31")},
    {Check::ChartBirthYear, QT_TRANSLATE_NOOP("CheckMessages", "DATE ERROR!"),
     QT_TRANSLATE_NOOP("CheckMessages",
                       "Input error in Birthdate! The Year must be a number from 1500 to 2099")},
    {Check::ChartNoStart, QT_TRANSLATE_NOOP("CheckMessages", "NO CHART STARTING DATE INDICATED!"),
     QT_TRANSLATE_NOOP("CheckMessages", "There is no correct date to indicate chart starting date!")},
    {Check::ChartNoLength, QT_TRANSLATE_NOOP("CheckMessages", "NO LENGTH OF CHART INDICATED!"),
     QT_TRANSLATE_NOOP("CheckMessages", "There is no number to indicate length of chart desired!")},
    {Check::ChartTooLong, QT_TRANSLATE_NOOP("CheckMessages", "LENGTH OF CHART TOO LONG!"),
     QT_TRANSLATE_NOOP("CheckMessages", "The chart would end after 12-31-9999.")},
    {Check::CoverNoName, QT_TRANSLATE_NOOP("CheckMessages", "NO NAME ENTERED!"),
     QT_TRANSLATE_NOOP("CheckMessages", "There is no Name selected to use on Cover Sheet!")},
    {Check::CoverNoBirthdate, QT_TRANSLATE_NOOP("CheckMessages", "NO BIRTHDATE ENTERED!"),
     QT_TRANSLATE_NOOP("CheckMessages", "There is no Birthdate selected to use on Cover Sheet!")},
    {Check::EntryNoNameOrDate, QT_TRANSLATE_NOOP("CheckMessages", "NAME & DATE INPUT ERROR"),
     QT_TRANSLATE_NOOP("CheckMessages", "No name or date has been entered")},
    {Check::EntryNoName, QT_TRANSLATE_NOOP("CheckMessages", "NAME INPUT ERROR"),
     QT_TRANSLATE_NOOP("CheckMessages", "No name has been entered")},
    {Check::EntryNoDate, QT_TRANSLATE_NOOP("CheckMessages", "DATE INPUT ERROR"),
     QT_TRANSLATE_NOOP("CheckMessages", "No date has been entered")},
    {Check::EntryMonth, QT_TRANSLATE_NOOP("CheckMessages", "MONTH DATE INPUT ERROR"),
     QT_TRANSLATE_NOOP("CheckMessages", "Input error in Month! The Month must be a number from 01 to 12")},
    {Check::EntryDay, QT_TRANSLATE_NOOP("CheckMessages", "DAY DATE INPUT ERROR"),
     QT_TRANSLATE_NOOP("CheckMessages", "Input error in Day! The Day must be a number from 01 to 31")},
    {Check::EntryYear, QT_TRANSLATE_NOOP("CheckMessages", "YEAR DATE INPUT ERROR"),
     QT_TRANSLATE_NOOP("CheckMessages", "Input error in Year! The Year must be a number from 1500 to 2099")},
    {Check::EntryQuote, QT_TRANSLATE_NOOP("CheckMessages", "NAME INPUT ERROR"),
     QT_TRANSLATE_NOOP(
         "CheckMessages",
         "A name cannot contain the double quote character (\"). Please remove it or use a single quote "
         "instead.")},
    {Check::EntryLineBreak, QT_TRANSLATE_NOOP("CheckMessages", "NAME INPUT ERROR"),
     QT_TRANSLATE_NOOP("CheckMessages", "A name cannot contain a line break. Please type it on one line.")},
    {Check::EntryNotEightDigits, QT_TRANSLATE_NOOP("CheckMessages", "DATE INPUT ERROR"),
     QT_TRANSLATE_NOOP("CheckMessages", "The birthdate must be eight digits, MMDDYYYY")},
    {Check::NameControlCharacter, QT_TRANSLATE_NOOP("CheckMessages", "NAME INPUT ERROR"),
     QT_TRANSLATE_NOOP("CheckMessages", "The name holds a control character!")},
};

// Each check's message stands at the check's own place, so the look-up is an index.
constexpr bool InCheckOrder()
{
    for (int k = 0; k < int(std::size(Messages)); ++k) {
        if (int(Messages[k].check) != k)
            return false;
    }
    return std::size(Messages) == CheckCount;
}
static_assert(InCheckOrder(), "one message per check, in the order of Check");

} // namespace

Message MessageOf(Check check)
{
    const Entry &entry = Messages[int(check)];
    return {QString::fromLatin1(entry.title), QString::fromLatin1(entry.text)};
}

} // namespace calendar
