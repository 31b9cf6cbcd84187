#include "calendar/checkmessages.h"

#include <iterator>

namespace calendar {

namespace {

struct Entry
{
    Check check;
    const char *title;
    const char *text;
};

constexpr Entry Messages[] = {
    {Check::StartTooMuchData, "DATE ERROR!",
     "Input error in Starting Date! Too much data in Starting Date box."},
    {Check::StartHyphens, "DATE HYPHEN ERROR IN MM-DD-YYYY!",
     "Input error in Starting Date! The separators between the month and day, and between the day and year "
     "must be hyphens, for example MM-DD-YYYY."},
    {Check::StartMonth, "MONTH DATE INPUT ERROR",
     "Input error in Start date! The Month must be a number from 01 to 12 and be in the format: MM-DD-YYYY"},
    {Check::StartDay, "DAY DATE INPUT ERROR",
     "Input error in Start date! The Day must be a number from 01 to 31 and be in the format: MM-DD-YYYY"},
    {Check::StartYear, "YEAR DATE INPUT ERROR",
     "Input error in Start date! The Year must be a number from 1500 to 2099 and be in the format: "
     "MM-DD-YYYY"},
    {Check::BirthTooMuchData, "DATE ERROR!", "Input error in Birthdate! Too much data in Birthdate box."},
    {Check::BirthMonth, "MONTH DATE INPUT ERROR IN BIRTH DATE",
     "Input error in Birth date! The Month must be a number from 01 to 12 and be in the format: MM-DD-YYYY"},
    {Check::BirthDay, "DAY DATE INPUT ERROR IN BIRTH DATE",
     "Input error in Birth date! The Day must be a number from 01 to 31 and be in the format: MM-DD-YYYY"},
    {Check::BirthYear, "YEAR DATE INPUT ERROR IN BIRTH DATE",
     "Input error in Birth date! The Year must be a number from 1500 to 2099 and be in the format: "
     "MM-DD-YYYY"},
    {Check::ChartLinesPerPage, "LINES PER PAGE INCORRECT!", "Lines Per Page is zero or a minus number!"},
    {Check::ChartLinesPerPageNotWhole, "LINES PER PAGE INCORRECT!", "Lines Per Page must be a whole number!"},
    {Check::ChartNoName, "NO NAME ENTERED!", "There is no Name selected to use on chart!"},
    {Check::ChartNoBirthdate, "NO BIRTHDATE ENTERED!", "There is no Birthdate selected to use on chart!"},
    {Check::ChartBirthHyphens, "DATE ERROR!",
     "Input error in Birthdate! The Date must include the dash (-) after the month, and after the day! "
     "Format must be MM-DD-YYYY."},
    {Check::ChartBirthMonth, "DATE ERROR!",
     "Input error in Birthdate! The Month must be a number from 01 to 12"},
    {Check::ChartBirthDay, "DATE ERROR!", "Input error in Birthdate! The Day must be a number from 01 to 31"},
    {Check::ChartBirthYear, "DATE ERROR!",
     "Input error in Birthdate! The Year must be a number from 1500 to 2099"},
    {Check::ChartNoStart, "NO CHART STARTING DATE INDICATED!",
     "There is no correct date to indicate chart starting date!"},
    {Check::ChartNoLength, "NO LENGTH OF CHART INDICATED!",
     "There is no number to indicate length of chart desired!"},
    {Check::ChartTooLong, "LENGTH OF CHART TOO LONG!", "The chart would end after 12-31-9999."},
    {Check::CoverNoName, "NO NAME ENTERED!", "There is no Name selected to use on Cover Sheet!"},
    {Check::CoverNoBirthdate, "NO BIRTHDATE ENTERED!",
     "There is no Birthdate selected to use on Cover Sheet!"},
    {Check::EntryNoNameOrDate, "NAME & DATE INPUT ERROR", "No name or date has been entered"},
    {Check::EntryNoName, "NAME INPUT ERROR", "No name has been entered"},
    {Check::EntryNoDate, "DATE INPUT ERROR", "No date has been entered"},
    {Check::EntryMonth, "MONTH DATE INPUT ERROR",
     "Input error in Month! The Month must be a number from 01 to 12"},
    {Check::EntryDay, "DAY DATE INPUT ERROR", "Input error in Day! The Day must be a number from 01 to 31"},
    {Check::EntryYear, "YEAR DATE INPUT ERROR",
     "Input error in Year! The Year must be a number from 1500 to 2099"},
    {Check::EntryQuote, "NAME INPUT ERROR",
     "A name cannot contain the double quote character (\"). Please remove it or use a single quote "
     "instead."},
    {Check::EntryLineBreak, "NAME INPUT ERROR",
     "A name cannot contain a line break. Please type it on one line."},
    {Check::EntryNotEightDigits, "DATE INPUT ERROR", "The birthdate must be eight digits, MMDDYYYY"},
    {Check::NameControlCharacter, "NAME INPUT ERROR", "The name holds a control character!"},
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
