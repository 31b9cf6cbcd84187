#pragma once

#include <QString>

#include <array>

// The messages of every input check: the date boxes as they are typed, the chart and print
// commands on the window's fields, and a new entry of the name database. Each check names its
// message here, and the titles and sentences stand in one table.
namespace calendar {

// A message for the user: the title of its box and its sentence.
struct Message
{
    QString title;
    QString text;
    bool operator==(const Message &) const = default;
};

enum class Check {
    // The start date box as it is typed; the chart commands check it again the same way.
    StartTooMuchData,
    StartHyphens,
    StartMonth,
    StartDay,
    StartYear,
    // The birthdate box as it is typed; the chart commands reuse its too-much-data message.
    BirthTooMuchData,
    BirthMonth,
    BirthDay,
    BirthYear,
    // The chart and print commands, before they draw anything.
    ChartLinesPerPage,
    ChartLinesPerPageNotWhole,
    ChartNoName,
    ChartNoBirthdate,
    ChartBirthHyphens,
    ChartBirthMonth,
    ChartBirthDay,
    ChartBirthYear,
    ChartNoStart,
    ChartNoLength,
    ChartTooLong,
    // The cover sheet's own wording of the first two chart checks.
    CoverNoName,
    CoverNoBirthdate,
    // "Add This Entry" of the name database.
    EntryNoNameOrDate,
    EntryNoName,
    EntryNoDate,
    EntryMonth,
    EntryDay,
    EntryYear,
    EntryQuote,
    EntryLineBreak,
    EntryNotEightDigits,
    // A name holding a control character: every command that uses the name, and "Add This Entry".
    NameControlCharacter,
};

inline constexpr int CheckCount = int(Check::NameControlCharacter) + 1;

[[nodiscard]] Message MessageOf(Check check);

// The month, day and year checks of each place that checks a date's fields.
using FieldChecks = std::array<Check, 3>;
inline constexpr FieldChecks StartBoxFields = {Check::StartMonth, Check::StartDay, Check::StartYear};
inline constexpr FieldChecks BirthBoxFields = {Check::BirthMonth, Check::BirthDay, Check::BirthYear};
inline constexpr FieldChecks ChartBirthFields = {Check::ChartBirthMonth, Check::ChartBirthDay,
                                                 Check::ChartBirthYear};
inline constexpr FieldChecks EntryFields = {Check::EntryMonth, Check::EntryDay, Check::EntryYear};

} // namespace calendar
