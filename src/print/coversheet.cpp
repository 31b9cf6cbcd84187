#include "print/coversheet.h"

#include "calendar/datecheck.h"
#include "calendar/namecheck.h"
#include "chart/chartchecks.h"
#include "print/printlayout.h"

#include <cmath>

namespace print {

namespace {

constexpr int CentreColumnOfLine = 40;
constexpr int TextColumn = 13;
constexpr double LegendIndent = 800; // twips from the left margin in the page layout

const char *const CharacterExplanation[] = {
    "The median line (0) is your CRITICAL POINT and is",
    "when most accidents occur.  The high periods (+) are",
    "when you have the most energy, and the low periods (-)",
    "are regarded as recuperative periods.",
};

const char *const PageExplanation[] = {
    "The median line (0) is your CRITICAL POINT and is",
    "the time when you may be most accident prone.  The",
    "high periods (+) are when you are likely to have the",
    "most energy, and the low periods (-) should be regarded",
    "as recuperative, or recharge periods.",
};

struct LegendRow
{
    const char *symbol;
    const char *description;
};

const LegendRow CycleLegend[] = {
    {"| = Median Line", "(0 Line)"},
    {"P = Physical Cycle", "(23 Days)"},
    {"E = Emotional Cycle", "(28 Days)"},
    {"I = Intellectual Cycle", "(33 Days)"},
};

const LegendRow MarkerLegend[] = {
    {"E* Ascending or Descending", "'E' Cycle"},
    {"P+ Ascending", "'P' Cycle"},
    {"I+ Ascending", "'I' Cycle"},
    {"P- Descending", "'P' Cycle"},
    {"I- Descending", "'I' Cycle"},
    {"HIGH", "Triple High"},
    {"LOW", "Triple Low"},
};
// The last two marker rows have their description two columns further left.
constexpr int ShortDescriptionRows = 2;

const char *const Disclaimer[] = {
    "The preparer of this chart is not responsible for the",
    "manner in which it is interpreted by the user.  Please",
    "study and use this chart wisely, keeping in mind that",
    "you may be able to prevent accidents, avoid arguments,",
    "and have a better understanding of your moods, simply",
    "by being 'aware' of the position of your biorhythm cycles.",
};

// The character column at which a centred line of these pieces starts on an 80-column line:
// 40 less half of each piece's length, fractions kept and the result rounded half to even,
// column 1 when that is below 1.
int CentredColumn(const QStringList &pieces)
{
    double halves = 0;
    for (const QString &piece : pieces)
        halves += double(piece.size()) / 2;
    // The default rounding mode sends a half to the even neighbour.
    return std::max(1, int(std::nearbyint(CentreColumnOfLine - halves)));
}

class CoverSheetPrinter
{
public:
    CoverSheetPrinter(PrintDevice &device, Layout layout)
        : m_device(device)
        , m_layout(layout)
    {}

    // Prints a centred line; `closing` is printed after the pieces and left out of the centring.
    // Returns the position the line started at in the page layout, in twips.
    double centred(const QStringList &pieces, const QString &closing = {});
    void setSize(double points);
    void indentedLines(const char *const *lines, qsizetype count, double leftMargin);
    void legend(const LegendRow *rows, qsizetype count, double leftMargin, qsizetype shortRows);

private:
    PrintDevice &m_device;
    Layout m_layout;
};

double CoverSheetPrinter::centred(const QStringList &pieces, const QString &closing)
{
    double start = 0;
    if (m_layout == Layout::Character) {
        m_device.tab(CentredColumn(pieces));
    } else {
        double halves = 0;
        for (const QString &piece : pieces)
            halves += m_device.textWidth(piece) / 2;
        start = std::max(0.0, m_device.pageWidth() / 2 - halves);
        m_device.setCurrentX(start);
    }
    m_device.printLine(pieces.join(QString()) + closing);
    return start;
}

void CoverSheetPrinter::setSize(double points)
{
    if (m_layout == Layout::Page)
        m_device.setFontSize(points);
}

void CoverSheetPrinter::indentedLines(const char *const *lines, qsizetype count, double leftMargin)
{
    for (qsizetype n = 0; n < count; ++n) {
        if (m_layout == Layout::Character)
            m_device.tab(TextColumn);
        else
            m_device.setCurrentX(leftMargin);
        m_device.printLine(QString::fromLatin1(lines[n]));
    }
}

void CoverSheetPrinter::legend(const LegendRow *rows, qsizetype count, double leftMargin, qsizetype shortRows)
{
    const bool character = m_layout == Layout::Character;
    for (qsizetype n = 0; n < count; ++n) {
        const bool shortRow = n >= count - shortRows;
        if (character)
            m_device.tab(20);
        else
            m_device.setCurrentX(leftMargin + LegendIndent);
        m_device.printItem(QString::fromLatin1(rows[n].symbol));
        m_device.tab((character ? 51 : 65) - (shortRow ? 2 : 0));
        m_device.printLine(QString::fromLatin1(rows[n].description));
    }
}

} // namespace

std::optional<calendar::Message> CheckCoverSheetFields(const chart::ChartFields &fields)
{
    using calendar::Check;
    using calendar::MessageOf;
    const QString &birth = fields.person.birth;
    if (fields.name.isEmpty())
        return MessageOf(Check::CoverNoName);
    if (auto failure = calendar::CheckNameCharacters(fields.name))
        return failure;
    if (birth.isEmpty())
        return MessageOf(Check::CoverNoBirthdate);
    if (!calendar::HasDateHyphens(birth))
        return MessageOf(Check::ChartBirthHyphens);
    if (auto failure = calendar::CheckDateFields(birth, calendar::ChartBirthFields))
        return failure;
    if (fields.person.start.size() < 10)
        return MessageOf(Check::ChartNoStart);
    if (fields.person.length.isEmpty())
        return MessageOf(Check::ChartNoLength);
    // The sheet tells the chart's length and end, so it holds to the chart's limit.
    return chart::CheckChartLength(fields.person.start, fields.person.length);
}

PrintOutcome PrintCoverSheet(const chart::ChartFields &fields, PrintDevice &device, Alerts &alerts)
{
    if (const auto failure = CheckCoverSheetFields(fields)) {
        alerts.critical(failure->title, failure->text);
        return PrintOutcome::Refused;
    }
    const Layout layout =
        fields.preferences.printer == chart::PrinterType::Matrix ? Layout::Character : Layout::Page;
    CoverSheetPrinter sheet(device, layout);
    const QString dot = QStringLiteral(".");

    for (int n = 0; n < 3; ++n)
        device.endLine();
    sheet.setSize(18);
    // A name wider than the page is shortened to fit it.
    sheet.centred({ElidedToWidth(fields.name, device.pageWidth(),
                                 [&device](const QString &text) { return device.textWidth(text); })});
    device.endLine();
    sheet.setSize(12);
    if (!fields.preferences.leadIn.isEmpty()) {
        sheet.centred({fields.preferences.leadIn});
        device.endLine();
    }
    for (const QString &line : fields.preferences.heading) {
        if (!line.isEmpty())
            sheet.centred({line});
    }
    device.endLine();
    const double left = sheet.centred({QStringLiteral("Your birthdate is "), fields.person.birth,
                                       QStringLiteral(" and occurred on a "), fields.person.weekday},
                                      dot);
    sheet.centred({QStringLiteral("Your astrological sign is "), fields.person.sign}, dot);
    sheet.centred({QStringLiteral("You are "), fields.person.ageYears,
                   QStringLiteral(" years old, which is "), fields.person.ageDays,
                   QStringLiteral(" in days.")});
    device.endLine();
    sheet.centred(
        {QStringLiteral("Your chart will be for "), fields.person.length, QStringLiteral(" days.")});
    sheet.centred({QStringLiteral("It starts at "), fields.person.start});
    sheet.centred({QStringLiteral("and will end at "), fields.person.end});
    device.endLine();
    if (layout == Layout::Character)
        sheet.indentedLines(CharacterExplanation, std::size(CharacterExplanation), left);
    else
        sheet.indentedLines(PageExplanation, std::size(PageExplanation), left);
    device.endLine();
    sheet.legend(CycleLegend, std::size(CycleLegend), left, 0);
    device.endLine();
    sheet.legend(MarkerLegend, std::size(MarkerLegend), left, ShortDescriptionRows);
    device.endLine();
    sheet.indentedLines(Disclaimer, std::size(Disclaimer), left);

    return EndDocument(device);
}

} // namespace print
