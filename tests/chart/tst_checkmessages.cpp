#include "calendar/datecheck.h"
#include "chart/chartchecks.h"
#include "chartfixture.h"
#include "namedb/nameentry.h"
#include "print/coversheet.h"

#include <QTest>

#include "support/testmain.h"

using calendar::Check;
using calendar::Message;

namespace {

// Who makes the check: a date box as it is typed, a chart command, the combined print command
// (which leaves lines per page to the chart), the cover sheet, or "Add This Entry".
enum class By { StartBox, BirthBox, Chart, CombinedPrint, Cover, Entry };

struct Row
{
    const char *tag;
    By by;
    const char *field; // the chart field changed, or the name of a new entry
    const char *value;
    std::optional<Check> check; // nullopt: the input passes
};

// One row per check, each on an input of its own kind; then inputs that pass.
const Row Rows[] = {
    {"start box, eleven characters", By::StartBox, "", "05-20-20255", Check::StartTooMuchData},
    {"start box, slashes", By::StartBox, "", "03/15/2024", Check::StartHyphens},
    {"start box, month 00", By::StartBox, "", "00-10-2000", Check::StartMonth},
    {"chart, start day not digits", By::Chart, "start", "05-2x-2025", Check::StartDay},
    {"start box, year 1499", By::StartBox, "", "01-01-1499", Check::StartYear},
    {"chart, birthdate of eleven characters", By::Chart, "birth", "02-01-19901", Check::BirthTooMuchData},
    {"birth box, month 13", By::BirthBox, "", "13-10-2000", Check::BirthMonth},
    {"birth box, day 00", By::BirthBox, "", "01-00-2000", Check::BirthDay},
    {"birth box, year 2100", By::BirthBox, "", "01-01-2100", Check::BirthYear},
    {"chart, lines per page 05 sorts before 1", By::Chart, "lines", "05", Check::ChartLinesPerPage},
    {"combined print, no name and no lines per page", By::CombinedPrint, "name", "", Check::ChartNoName},
    {"chart, no birthdate", By::Chart, "birth", "", Check::ChartNoBirthdate},
    {"cover, dash missing", By::Cover, "birth", "5-20-1990", Check::ChartBirthHyphens},
    {"chart, birth month not digits", By::Chart, "birth", "0A-01-1990", Check::ChartBirthMonth},
    {"cover, birth day 32", By::Cover, "birth", "02-32-1990", Check::ChartBirthDay},
    {"chart, birth year cut short", By::Chart, "birth", "02-01-199", Check::ChartBirthYear},
    {"cover, start incomplete", By::Cover, "start", "05-20-202", Check::ChartNoStart},
    {"chart, no length", By::Chart, "length", "", Check::ChartNoLength},
    {"cover, no name", By::Cover, "name", "", Check::CoverNoName},
    {"cover, no birthdate", By::Cover, "birth", "", Check::CoverNoBirthdate},
    {"entry, nothing typed", By::Entry, "", "", Check::EntryNoNameOrDate},
    {"entry, no name", By::Entry, "", "03091975", Check::EntryNoName},
    {"entry, no date", By::Entry, "Ann", "", Check::EntryNoDate},
    {"entry, month 00", By::Entry, "Ann", "00091975", Check::EntryMonth},
    {"entry, day 32", By::Entry, "Ann", "03321975", Check::EntryDay},
    {"entry, too short to hold a year", By::Entry, "Ann", "0309", Check::EntryYear},
    {"entry, double quote in the name", By::Entry, "Ann \"Annie\" Lee", "03091975", Check::EntryQuote},
    {"entry, pasted line break", By::Entry, "Ann\nLee", "03091975", Check::EntryLineBreak},
    {"entry, nine digits", By::Entry, "Ann", "030919751", Check::EntryNotEightDigits},
    {"birth box, slashes pass as typed", By::BirthBox, "", "03/15/2024", std::nullopt},
    {"start box, letters pass as text", By::StartBox, "", "0A-01-2000", std::nullopt},
    {"chart, day past the month's end", By::Chart, "birth", "02-30-1990", std::nullopt},
    {"chart, lines per page 9", By::Chart, "lines", "9", std::nullopt},
    {"cover, start date is not read", By::Cover, "start", "0A-20-2025", std::nullopt},
    {"entry, day past the month's end", By::Entry, "Ann", "02301975", std::nullopt},
};

std::optional<Message> run(const Row &row)
{
    const QString value = QString::fromUtf8(row.value);
    chart::ChartFields fields = TypedFields("05-20-1990", "05-20-2025", "10");
    const QLatin1String field(row.field);
    if (field == QLatin1String("lines"))
        fields.preferences.linesPerPage = value;
    else if (field == QLatin1String("name"))
        fields.name = value;
    else if (field == QLatin1String("birth"))
        fields.person.birth = value;
    else if (field == QLatin1String("start"))
        fields.person.start = value;
    else if (field == QLatin1String("length"))
        fields.person.length = value;
    switch (row.by) {
    case By::StartBox:
        return calendar::CheckDateText(value, calendar::DateBox::Start);
    case By::BirthBox:
        return calendar::CheckDateText(value, calendar::DateBox::Birth);
    case By::Chart:
        return chart::CheckChartFields(fields);
    case By::CombinedPrint:
        fields.preferences.linesPerPage = QStringLiteral("0");
        return chart::CheckChartFields(fields, chart::LinesPerPageCheck::Skip);
    case By::Cover:
        return print::CheckCoverSheetFields(fields);
    case By::Entry:
        return namedb::CheckNewEntry(QString::fromUtf8(row.field), value);
    }
    return std::nullopt;
}

} // namespace

class TestCheckMessages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyCheckHasOneRow()
    {
        QList<int> rows(calendar::CheckCount, 0);
        for (const Row &row : Rows)
            rows[int(row.check.value_or(Check(0)))] += row.check ? 1 : 0;
        QCOMPARE(rows, QList<int>(calendar::CheckCount, 1));
    }

    void messageOfEachCheck_data()
    {
        QTest::addColumn<int>("row");
        for (int k = 0; k < int(std::size(Rows)); ++k)
            QTest::newRow(Rows[k].tag) << k;
    }

    void messageOfEachCheck()
    {
        QFETCH(int, row);
        const Message got = run(Rows[row]).value_or(Message{});
        const Message expected = Rows[row].check ? calendar::MessageOf(*Rows[row].check) : Message{};
        QCOMPARE(got.title, expected.title);
        QCOMPARE(got.text, expected.text);
    }
};

TIDEMARK_TEST(TestCheckMessages)
#include "tst_checkmessages.moc"
