#include "print/qtprintdevice.h"

#include "print/queuesubmission.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPrinter>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <filesystem>

namespace print {

namespace {

constexpr double TwipsPerInch = 1440.0;
constexpr double PointsPerInch = 72.0;
constexpr int ColumnsPerLine = 80;
// Points every character keeps clear of the paper's edge and of the border the printer cannot
// print on.
constexpr double EdgeClearance = 12;
// Room past the printing area for what may stand there: the page layout prints its last item
// at the very end of the line, and a descender hangs below the last line.
constexpr double Overhang = 12;
constexpr double LeastTopAndBottom = 36;

// The sheet's margins in points, from the printer's unprintable border (none for a PDF file).
QMarginsF PaperMargins(const QMarginsF &unprintable)
{
    const auto side = [](double border) { return std::max(EdgeClearance, border) + Overhang; };
    return {side(unprintable.left()), std::max(LeastTopAndBottom, side(unprintable.top())),
            side(unprintable.right()), std::max(LeastTopAndBottom, side(unprintable.bottom()))};
}

QString Tr(const char *text)
{
    return QCoreApplication::translate("print", text);
}

// A PDF that ends properly: a document cut short by a full disk has no end-of-file marker.
bool IsCompletePdf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 8)
        return false;
    if (!file.read(5).startsWith("%PDF-"))
        return false;
    file.seek(std::max<qint64>(0, file.size() - 1024));
    return file.readAll().contains("%%EOF");
}

// Where a document for a queue is drawn until the queue has taken it: it holds a person's name
// and birthdate, so it goes to the user's own runtime folder (emptied at logout), or to the
// user's cache folder where there is none.
QString SpoolFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return runtime;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QDir().mkpath(cache);
    return cache;
}

// A new empty file in `folder` for a document to be drawn into: owner-only, or with the
// permissions any new file gets there (so that a finished PDF has them too). A name without
// ".pdf" keeps a queue's own print engine, with its page size and margins.
QString CreatePartFile(const QString &folder, bool ownerOnly, QString *error)
{
    constexpr QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::NewOnly;
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString name = QStringLiteral(".tidemark-%1.part")
                                 .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        QFile file(QDir(folder).filePath(name));
        if (ownerOnly ? file.open(mode, QFile::ReadOwner | QFile::WriteOwner) : file.open(mode))
            return file.fileName();
        *error = file.errorString();
        if (!file.exists())
            break;
    }
    return {};
}

} // namespace

QtPrintDevice::QtPrintDevice(QtPrintTarget target, FileQuestion askFile)
    : m_target(std::move(target))
    , m_askFile(std::move(askFile))
    , m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
    , m_font(QStringLiteral("Courier"))
{
    m_font.setPointSizeF(12);
    if (m_target.queue.isEmpty())
        m_printer->setOutputFormat(QPrinter::PdfFormat);
    else
        m_printer->setPrinterName(m_target.queue);
    if (m_target.pageSize.isValid())
        m_printer->setPageSize(m_target.pageSize);
    m_printer->setDocName(m_target.title);
    m_printer->setCreator(QStringLiteral("Tidemark"));
    m_printer->setColorMode(QPrinter::Color);
    QPageLayout layout = m_printer->pageLayout();
    layout.setUnits(QPageLayout::Point);
    m_printer->setPageMargins(PaperMargins(layout.minimumMargins()), QPageLayout::Point);
    applyFont();
}

QtPrintDevice::~QtPrintDevice()
{
    if (m_state == State::Active)
        abort();
}

double QtPrintDevice::pixelsPerTwip() const
{
    return m_printer->resolution() / TwipsPerInch;
}

double QtPrintDevice::linePitch() const
{
    return m_font.pointSizeF() * m_printer->resolution() / PointsPerInch;
}

double QtPrintDevice::pageHeightPixels() const
{
    return m_printer->pageRect(QPrinter::DevicePixel).height();
}

double QtPrintDevice::pageWidth() const
{
    return m_printer->pageRect(QPrinter::DevicePixel).width() / pixelsPerTwip();
}

double QtPrintDevice::textWidth(const QString &text) const
{
    return QFontMetricsF(m_font, m_printer.get()).horizontalAdvance(text) * m_narrowing / pixelsPerTwip();
}

QString QtPrintDevice::subject() const
{
    if (!m_target.queue.isEmpty())
        return Tr("The printer \"%1\"").arg(m_target.queue);
    return Tr("The PDF file \"%1\"").arg(QDir::toNativeSeparators(m_destination));
}

void QtPrintDevice::setFontName(const QString &face)
{
    m_font.setFamily(face);
    applyFont();
}

void QtPrintDevice::setFontSize(double points)
{
    if (points > 0)
        m_font.setPointSizeF(points);
    applyFont();
}

void QtPrintDevice::setFontBold(bool bold)
{
    m_font.setBold(bold);
    applyFont();
}

// A fixed-pitch face sets 80 columns on the line: when 80 of its characters at 12 points are
// wider than the line, its text is narrowed (the same for every size) until they fit, as a
// printer's condensed pitch would. Any other face keeps its width.
void QtPrintDevice::applyFont()
{
    m_narrowing = 1;
    if (QFontInfo(m_font).fixedPitch()) {
        QFont twelve = m_font;
        twelve.setPointSizeF(12);
        const double columns = ColumnsPerLine * QFontMetricsF(twelve, m_printer.get()).averageCharWidth();
        const double line = m_printer->pageRect(QPrinter::DevicePixel).width();
        if (columns > line)
            m_narrowing = line / columns;
    }
    if (m_state == State::Active)
        m_painter.setFont(m_font);
}

void QtPrintDevice::setTextColor(QRgb rgb)
{
    m_color = rgb | 0xff000000;
    if (m_state == State::Active)
        m_painter.setPen(QColor::fromRgb(m_color));
}

void QtPrintDevice::setOrientation(Orientation orientation)
{
    if (m_state != State::Idle)
        return;
    const auto wanted =
        orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    if (!m_printer->setPageOrientation(wanted))
        fail(Tr("%1 refused the page orientation.").arg(subject()));
    applyFont(); // the line is as wide as the page now is
}

bool QtPrintDevice::begin()
{
    if (m_state == State::Active)
        return true;
    if (m_state != State::Idle)
        return false;

    QString folder;
    if (m_target.queue.isEmpty()) {
        m_destination = m_target.pdfPath.isEmpty() && m_askFile ? m_askFile() : m_target.pdfPath;
        if (m_destination.isEmpty()) {
            m_state = State::Failed; // called off: nothing to report
            return false;
        }
        folder = QFileInfo(m_destination).absolutePath();
    } else if (m_printer->outputFormat() != QPrinter::NativeFormat ||
               m_printer->printerName() != m_target.queue) {
        fail(Tr("The printer \"%1\" is not available.").arg(m_target.queue));
        return false;
    } else {
        folder = SpoolFolder();
    }

    QString error;
    m_partPath = CreatePartFile(folder, !m_target.queue.isEmpty(), &error);
    if (m_partPath.isEmpty()) {
        fail(Tr("%1 could not start: %2").arg(subject(), error));
        return false;
    }
    m_printer->setOutputFileName(m_partPath);

    if (!m_painter.begin(m_printer.get()) || !m_painter.isActive()) {
        QFile::remove(m_partPath);
        fail(Tr("%1 could not start.").arg(subject()));
        return false;
    }
    m_state = State::Active;
    m_pages = 1;
    m_painter.setFont(m_font);
    m_painter.setPen(QColor::fromRgb(m_color));
    return true;
}

void QtPrintDevice::fail(const QString &error)
{
    discard();
    m_state = State::Failed;
    m_error = error;
}

void QtPrintDevice::discard()
{
    if (m_state == State::Active && m_painter.isActive()) {
        m_printer->abort();
        m_painter.end();
    }
    if (!m_partPath.isEmpty())
        QFile::remove(m_partPath);
    m_partPath.clear();
}

void QtPrintDevice::makeRoom(double lineSpacing)
{
    if (m_y > 0 && m_y + lineSpacing > pageHeightPixels()) {
        if (!m_printer->newPage()) {
            fail(Tr("%1 did not accept a new page.").arg(subject()));
            return;
        }
        ++m_pages;
        m_y = 0;
    }
}

void QtPrintDevice::print(const QString &text, bool endLine)
{
    if (!begin())
        return;
    if (!text.isEmpty()) {
        const QFontMetricsF metrics(m_font, m_printer.get());
        if (m_lineSpacing == 0)
            makeRoom(linePitch());
        if (m_state != State::Active)
            return;
        m_lineSpacing = std::max(m_lineSpacing, linePitch());
        m_painter.save();
        m_painter.scale(m_narrowing, 1);
        m_painter.drawText(QPointF(m_x * pixelsPerTwip() / m_narrowing, m_y + metrics.ascent()), text);
        m_painter.restore();
        m_x += metrics.horizontalAdvance(text) * m_narrowing / pixelsPerTwip();
    }
    if (endLine)
        this->endLine();
}

void QtPrintDevice::endLine()
{
    if (!begin())
        return;
    if (m_lineSpacing == 0) {
        m_lineSpacing = linePitch();
        makeRoom(m_lineSpacing);
        if (m_state != State::Active)
            return;
    }
    m_y += m_lineSpacing;
    m_lineSpacing = 0;
    m_x = 0;
    if (m_printer->printerState() == QPrinter::Error)
        fail(Tr("%1 reported an error.").arg(subject()));
}

void QtPrintDevice::tab(int column)
{
    if (!begin())
        return;
    const double x = (std::max(column, 1) - 1) * QFontMetricsF(m_font, m_printer.get()).averageCharWidth() *
                     m_narrowing / pixelsPerTwip();
    if (m_x > x + 0.5)
        endLine();
    m_x = x;
}

void QtPrintDevice::setCurrentX(double twips)
{
    if (begin())
        m_x = twips;
}

void QtPrintDevice::newPage()
{
    if (!begin())
        return;
    if (!m_printer->newPage()) {
        fail(Tr("%1 did not accept a new page.").arg(subject()));
        return;
    }
    ++m_pages;
    m_x = 0;
    m_y = 0;
    m_lineSpacing = 0;
}

void QtPrintDevice::endDoc()
{
    if (m_state == State::Idle) {
        m_state = State::Done; // nothing was printed, so nothing goes out
        return;
    }
    if (m_state != State::Active)
        return;
    const bool ended = m_painter.end();
    const QString error = ended && m_printer->printerState() != QPrinter::Error
                              ? finish()
                              : Tr("%1 could not finish the document.").arg(subject());
    if (error.isEmpty())
        m_state = State::Done;
    else
        fail(error);
}

QString QtPrintDevice::finish()
{
    if (!IsCompletePdf(m_partPath))
        return Tr("%1 could not be written completely (is the disk full?).").arg(subject());
    if (!m_target.queue.isEmpty()) {
        const QString error = SubmitToQueue(m_partPath, m_target.queue, m_target.title,
                                            m_printer->pageLayout().pageSize().key());
        QFile::remove(m_partPath);
        m_partPath.clear();
        return error;
    }
    // One rename that replaces any file of that name: the old file stays whole until the new
    // one takes its place.
    std::error_code renamed;
    std::filesystem::rename(QFile::encodeName(m_partPath).toStdString(),
                            QFile::encodeName(m_destination).toStdString(), renamed);
    if (renamed)
        return Tr("%1 could not be written.").arg(subject());
    m_partPath.clear();
    return {};
}

void QtPrintDevice::abort()
{
    discard();
    if (m_state != State::Failed)
        m_state = State::Done;
    m_destination.clear();
}

} // namespace print
