#include "print/printchart.h"

#include "calendar/numbertext.h"
#include "chart/chartchecks.h"
#include "chart/chartline.h"
#include "chart/chartwalk.h"
#include "chart/daymarkers.h"
#include "print/printlayout.h"

#include <algorithm>

namespace print {

namespace {

constexpr int DashCount = 80;

// Where a marker stands in each layout's order, and its colour.
struct MarkerStyle
{
    int characterRank;
    int pageRank;
    PrintColor color;
};

MarkerStyle StyleOf(chart::DayMarker marker)
{
    switch (marker) {
    case chart::DayMarker::EmotionalCrossing:
        return {0, 0, PrintColor::Blue};
    case chart::DayMarker::PhysicalUp:
        return {1, 1, PrintColor::Red};
    case chart::DayMarker::IntellectualUp:
        return {2, 3, PrintColor::Green};
    case chart::DayMarker::PhysicalDown:
        return {3, 2, PrintColor::Red};
    case chart::DayMarker::IntellectualDown:
        return {4, 4, PrintColor::Green};
    case chart::DayMarker::TripleHigh:
        return {5, 5, PrintColor::Magenta};
    case chart::DayMarker::TripleLow:
        return {6, 6, PrintColor::Magenta};
    }
    return {0, 0, PrintColor::Black};
}

struct SpecialStyle
{
    int units; // page layout position; the character layout uses the line's own column
    PrintColor color;
};

SpecialStyle StyleOf(chart::SpecialDay kind)
{
    switch (kind) {
    case chart::SpecialDay::NewYear:
        return {41, PrintColor::Magenta};
    case chart::SpecialDay::Christmas:
        return {41, PrintColor::Green};
    case chart::SpecialDay::FridayThe13th:
        return {34, PrintColor::Cyan};
    case chart::SpecialDay::Birthday:
        return {41, PrintColor::Red};
    }
    return {41, PrintColor::Black};
}

// A grid character and its colour. The texts are static, so printing them allocates nothing.
std::pair<QString, PrintColor> GridSymbol(QChar symbol)
{
    switch (symbol.unicode()) {
    case u'E':
        return {QStringLiteral("E"), PrintColor::Blue};
    case u'P':
        return {QStringLiteral("P"), PrintColor::Red};
    case u'I':
        return {QStringLiteral("I"), PrintColor::Green};
    case u'|':
        return {QStringLiteral("|"), PrintColor::Black};
    }
    return {QString(symbol), PrintColor::Black};
}

// One chart document being printed: the page and line counts live here.
class ChartPrinter
{
public:
    ChartPrinter(const chart::ChartFields &fields, const QString &today, PrintDevice &device, Layout layout)
        : m_fields(fields)
        , m_today(today)
        , m_device(device)
        , m_placer(device, layout)
        , m_colors(fields.preferences.color)
        , m_linesPerPage(calendar::LeadingNumber(fields.preferences.linesPerPage))
    {}

    void header(Layout form);
    void checkPageBreak();
    void specialDayLines(const QList<chart::SpecialDayLine> &lines);
    void dayLine(const chart::ChartDay &day);
    void finishDay(const chart::ForecastLines &forecast);

private:
    void setColor(PrintColor color) { m_device.setTextColor(m_colors[color]); }
    // The name in the page title, shortened where the title would not fit the line.
    QString titleName();
    void dashedLine(Layout form);
    void checkForecastPageBreak(bool lineOpen);
    void grid(const chart::ChartDay &day);

    const chart::ChartFields &m_fields;
    const QString &m_today;
    PrintDevice &m_device;
    Placer m_placer;
    PrintColors m_colors;
    double m_linesPerPage;
    qint64 m_page = 0;
    double m_lineCount = 0;
    chart::DayLineWriter m_lineWriter;
    QString m_date;
    const QString m_dashes = QString(DashCount, QLatin1Char('-'));
    QList<double> m_dashPositions;
    double m_titleRoom = -1; // the room the last title gave the name
    QString m_titleName;
};

void ChartPrinter::header(Layout form)
{
    Placer placer(m_device, form);
    for (int n = 0; n < 3; ++n)
        m_device.endLine();
    m_lineCount = 3;
    ++m_page;

    placer.place(1);
    m_device.printItem(QStringLiteral("PAGE #"));
    m_device.printItem(chart::NumberField(m_page));
    m_device.printItem(QStringLiteral("- "));
    m_device.printItem(titleName());
    m_device.printItem(QStringLiteral(" - "));
    m_device.printItem(m_fields.person.birth);
    if (m_fields.preferences.dateEachPage) {
        // A title that has passed the date's place leaves the date to the next line, as a tab
        // does in the character layout; that line is not counted either.
        if (form == Layout::Page && m_device.currentX() > 56 * placer.unit())
            m_device.endLine();
        placer.place(56);
        m_device.printItem(QStringLiteral("DATE PREPARED: "));
        m_device.printItem(m_today);
    }
    m_device.endLine();
    m_device.endLine();

    placer.place(6, 7);
    m_device.printItem(QStringLiteral("DATE"));
    placer.place(32);
    m_device.printItem(QStringLiteral("(-)"));
    placer.place(51);
    m_device.printItem(QStringLiteral("(0)"));
    placer.place(70);
    m_device.printItem(QStringLiteral("(+)"));
    m_device.endLine();
    m_device.endLine();
    m_lineCount = 8;
}

QString ChartPrinter::titleName()
{
    // The name takes what the line leaves it after the page number and before the birthdate.
    const double room = m_device.pageWidth() - m_device.currentX() -
                        m_device.textWidth(QStringLiteral(" - ")) - m_device.textWidth(m_fields.person.birth);
    if (room != m_titleRoom) {
        m_titleRoom = room;
        m_titleName = ElidedToWidth(m_fields.name.toUpper(), room,
                                    [this](const QString &text) { return m_device.textWidth(text); });
    }
    return m_titleName;
}

void ChartPrinter::checkPageBreak()
{
    if (m_lineCount >= m_linesPerPage) {
        m_device.newPage();
        header(m_placer.layout());
    }
}

void ChartPrinter::specialDayLines(const QList<chart::SpecialDayLine> &lines)
{
    for (const chart::SpecialDayLine &line : lines) {
        const SpecialStyle style = StyleOf(line.kind);
        setColor(style.color);
        m_placer.place(line.column, style.units);
        m_device.printLine(line.text);
        m_lineCount += 1;
        setColor(PrintColor::Black);
        checkPageBreak();
    }
}

void ChartPrinter::dayLine(const chart::ChartDay &day)
{
    // Without colours, a character-layout line begun at the left edge with an 18-character date
    // column holds what the screen line holds, in the same columns (the markers stay short of the
    // grid, and each grid item starts at or past the end of the one before), less the blanks the
    // screen pads it with; so it goes to the printer whole.
    if (m_placer.layout() == Layout::Character && !m_device.showsColor() && m_device.currentX() == 0 &&
        m_lineWriter.dateColumn(day).size() == chart::DateColumnWidth) {
        QStringView line = m_lineWriter.dayLine(day);
        while (line.endsWith(u' '))
            line.chop(1);
        m_device.printItem(QString::fromRawData(reinterpret_cast<const QChar *>(line.utf16()), line.size()));
        m_device.endLine();
        m_lineCount += 1;
        return;
    }
    if (m_placer.layout() == Layout::Character) {
        m_date.resize(0);
        m_date.append(m_lineWriter.dateColumn(day));
        m_device.printItem(m_date);
    } else {
        m_placer.place(0, 1);
        m_device.printItem(calendar::WeekdayAbbrev(day.weekday));
        m_placer.place(0, 6);
        m_device.printItem(calendar::MonthAbbrev(day.month));
        m_placer.place(0, day.day < 10 ? 11 : 10);
        m_device.printItem(chart::NumberField(day.day));
        m_placer.place(0, 14);
        m_device.printItem(chart::NumberField(day.year));
        m_placer.place(0, 20);
    }

    const chart::DayMarkerList markers = chart::DayMarkers(day);
    std::array<chart::DayMarker, 3> ordered = markers.items;
    const bool page = m_placer.layout() == Layout::Page;
    const auto rank = [page](chart::DayMarker m) {
        return page ? StyleOf(m).pageRank : StyleOf(m).characterRank;
    };
    // Three markers at most: an insertion sort in place.
    for (int i = 1; i < markers.count; ++i) {
        for (int j = i; j > 0 && rank(ordered[j]) < rank(ordered[j - 1]); --j)
            std::swap(ordered[j], ordered[j - 1]);
    }
    for (int n = 0; n < markers.count; ++n) {
        setColor(StyleOf(ordered[n]).color);
        // The marker texts are static: the device takes them without a copy being made.
        const QStringView marker = chart::MarkerText(ordered[n]);
        m_device.printItem(
            QString::fromRawData(reinterpret_cast<const QChar *>(marker.utf16()), marker.size()));
        setColor(PrintColor::Black);
    }

    grid(day);
    m_device.endLine();
    m_lineCount += 1;
}

// The grid walk is the screen chart's; here each letter takes its own colour.
void ChartPrinter::grid(const chart::ChartDay &day)
{
    for (const chart::GridItem &item : chart::WalkGrid(day)) {
        m_placer.place(chart::ColumnOf(item.position));
        for (const QChar symbol : item.text) {
            const auto [text, color] = GridSymbol(symbol);
            setColor(color);
            m_device.printItem(text);
        }
        setColor(PrintColor::Black);
    }
}

void ChartPrinter::dashedLine(Layout form)
{
    if (form == Layout::Character) {
        m_device.printLine(m_dashes);
        return;
    }
    // The dashes stand one eightieth of the page apart, from the first eightieth on: one run.
    if (m_dashPositions.isEmpty()) {
        const Placer placer(m_device, Layout::Page);
        for (int i = 1; i <= DashCount; ++i)
            m_dashPositions.append(i * placer.unit());
    }
    m_device.printAt(m_dashes, m_dashPositions);
    m_device.endLine();
}

void ChartPrinter::checkForecastPageBreak(bool lineOpen)
{
    if (m_lineCount < m_linesPerPage)
        return;
    if (m_fields.preferences.spacing == chart::Spacing::WithLines) {
        if (lineOpen)
            m_device.endLine();
        if (m_fields.preferences.printer == chart::PrinterType::Laser)
            dashedLine(Layout::Page);
        else if (m_fields.preferences.printer == chart::PrinterType::Matrix)
            dashedLine(Layout::Character);
    }
    m_device.newPage();
    header(m_fields.preferences.printer == chart::PrinterType::Laser ? Layout::Page : Layout::Character);
}

void ChartPrinter::finishDay(const chart::ForecastLines &forecast)
{
    for (int n = 0; n < forecast.count; ++n) {
        const bool last = n == forecast.count - 1;
        m_device.endLine();
        m_device.print(forecast.items[n].toString(), last);
        m_lineCount += 1;
        checkForecastPageBreak(!last);
    }
    if (m_fields.preferences.spacing == chart::Spacing::Double) {
        m_device.printLine(QStringLiteral(" "));
        checkPageBreak();
        m_lineCount += 1;
    }
    if (m_fields.preferences.spacing == chart::Spacing::WithLines) {
        dashedLine(m_placer.layout());
        m_lineCount += 1;
        checkPageBreak();
    }
    checkPageBreak();
}

} // namespace

PrintOutcome PrintChart(const chart::ChartFields &fields, const QString &today, PrintDevice &device,
                        Alerts &alerts, const PrintProgress &progress)
{
    if (const auto failure = chart::CheckChartFields(fields)) {
        alerts.critical(failure->title, failure->text);
        return PrintOutcome::Refused;
    }
    const Layout layout =
        fields.preferences.printer == chart::PrinterType::Matrix ? Layout::Character : Layout::Page;
    // Both layouts align the day count with the weekday of birth, as the screen chart does, so a
    // day carries the same markers on the screen and on either printer.
    const auto plan = chart::PlanChart(fields);
    if (!plan)
        return PrintOutcome::Refused;

    ChartPrinter printer(fields, today, device, layout);
    printer.header(layout);
    for (chart::ChartWalk walk(*plan); walk.next();) {
        printer.specialDayLines(walk.specialLines());
        printer.dayLine(walk.day());
        printer.finishDay(walk.forecast());
        if (!device.ok()) {
            device.abort();
            return PrintOutcome::Failed;
        }
        if (progress && !progress(walk.done(), plan->length)) {
            device.abort();
            return PrintOutcome::Cancelled;
        }
    }
    return EndDocument(device);
}

} // namespace print
