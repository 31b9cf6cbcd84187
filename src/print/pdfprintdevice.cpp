#include "print/pdfprintdevice.h"

#include "platform/outputtarget.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPdfWriter>
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
// Texts whose widths are kept for each font: far more than a chart prints.
constexpr qsizetype MaxAdvances = 4096;

// The sheet's margins in points, from the printer's unprintable border (none for a PDF file).
QMarginsF PaperMargins(const QMarginsF &unprintable)
{
    const auto side = [](double border) { return std::max(EdgeClearance, border) + Overhang; };
    return {side(unprintable.left()), std::max(LeastTopAndBottom, side(unprintable.top())),
            side(unprintable.right()), std::max(LeastTopAndBottom, side(unprintable.bottom()))};
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

// Opens `file` as a new empty file in `folder` for a document to be drawn into: owner-only, or
// with the permissions any new file gets there (so that a finished PDF has them too). On failure
// the file is left without a name and `error` says why.
bool OpenPartFile(QFile &file, const QString &folder, bool ownerOnly, QString *error)
{
    constexpr QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::NewOnly;
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString name = QStringLiteral(".tidemark-%1.part")
                                 .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        file.setFileName(QDir(folder).filePath(name));
        if (ownerOnly ? file.open(mode, QFile::ReadOwner | QFile::WriteOwner) : file.open(mode))
            return true;
        *error = file.errorString();
        if (!file.exists())
            break;
    }
    file.setFileName(QString());
    return false;
}

// Draws with the text narrowed to `narrowing` of its width while it lives; at full width it
// leaves the painter as it is.
class Narrowed
{
public:
    Narrowed(QPainter &painter, double narrowing)
        : m_painter(narrowing != 1 ? &painter : nullptr)
    {
        if (m_painter) {
            m_painter->save();
            m_painter->scale(narrowing, 1);
        }
    }
    ~Narrowed()
    {
        if (m_painter)
            m_painter->restore();
    }
    Narrowed(const Narrowed &) = delete;
    Narrowed &operator=(const Narrowed &) = delete;

private:
    QPainter *m_painter;
};

} // namespace

bool CheckedFile::closeChecked()
{
    if (!flush() && m_failure.isEmpty())
        m_failure = errorString();
    close();
    return m_failure.isEmpty();
}

qint64 CheckedFile::writeData(const char *data, qint64 size)
{
    const qint64 written = QFile::writeData(data, size);
    if (written != size && m_failure.isEmpty())
        m_failure = errorString();
    return written;
}

QPageLayout PdfPageLayout(const PdfPrintTarget &target)
{
    const QPageSize paper = target.queue ? target.queue->paper : target.paper;
    return QPageLayout(paper.isValid() ? paper : QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       PaperMargins(target.queue ? target.queue->border : QMarginsF()), QPageLayout::Point);
}

PdfPrintDevice::PdfPrintDevice(PdfPrintTarget target, FileQuestion askFile)
    : m_target(std::move(target))
    , m_askFile(std::move(askFile))
    , m_writer(std::make_unique<QPdfWriter>(&m_file))
    , m_painter(m_target.preview ? m_target.preview->painter : &m_ownPainter)
    , m_font(QStringLiteral("Courier"))
{
    m_font.setPointSizeF(12);
    m_writer->setPageLayout(PdfPageLayout(m_target));
    m_writer->setTitle(m_target.title);
    m_writer->setCreator(QStringLiteral("Tidemark"));
    applyFont();
}

PdfPrintDevice::~PdfPrintDevice()
{
    if (m_state == State::Active)
        abort();
}

double PdfPrintDevice::pixelsPerTwip() const
{
    return m_writer->logicalDpiY() / TwipsPerInch;
}

double PdfPrintDevice::linePitch() const
{
    return m_font.pointSizeF() * m_writer->logicalDpiY() / PointsPerInch;
}

QRect PdfPrintDevice::pageRect() const
{
    return m_writer->pageLayout().paintRectPixels(m_writer->logicalDpiY());
}

double PdfPrintDevice::pageWidth() const
{
    return pageRect().width() / pixelsPerTwip();
}

double PdfPrintDevice::textWidth(const QString &text) const
{
    return advance(text) * m_narrowing / pixelsPerTwip();
}

double PdfPrintDevice::advance(const QString &text) const
{
    // A chart prints the same few texts (dashes, letters, markers, sentences) on every line; the
    // single letters of its grid most of all, which are kept apart from the rest.
    if (text.size() == 1 && text.front().unicode() < m_letterAdvances.size()) {
        double &letter = m_letterAdvances[text.front().unicode()];
        if (letter < 0)
            letter = m_metrics->horizontalAdvance(text);
        return letter;
    }
    const auto known = m_advances.find(text);
    if (known != m_advances.cend())
        return known->second;
    const double width = m_metrics->horizontalAdvance(text);
    if (m_advances.size() < MaxAdvances)
        m_advances.emplace(text, width);
    return width;
}

std::size_t PdfPrintDevice::TextHash::operator()(const QString &text) const noexcept
{
    // FNV-1a over the UTF-16 code units.
    std::size_t hash = 14695981039346656037ULL;
    for (const QChar c : text)
        hash = (hash ^ c.unicode()) * 1099511628211ULL;
    return hash;
}

QString PdfPrintDevice::subject() const
{
    if (m_target.queue)
        return m_target.words("PrintMessages", QT_TRANSLATE_NOOP("PrintMessages", "The printer \"%1\""))
            .arg(m_target.queue->name);
    return m_target.words("PrintMessages", QT_TRANSLATE_NOOP("PrintMessages", "The PDF file \"%1\""))
        .arg(QDir::toNativeSeparators(m_destination));
}

void PdfPrintDevice::setFontName(const QString &face)
{
    m_font.setFamily(face);
    applyFont();
}

void PdfPrintDevice::setFontSize(double points)
{
    if (points > 0)
        m_font.setPointSizeF(points);
    applyFont();
}

void PdfPrintDevice::setFontBold(bool bold)
{
    m_font.setBold(bold);
    applyFont();
}

// A fixed-pitch face sets 80 columns on the line: when 80 of its characters at 12 points are
// wider than the line, its text is narrowed (the same for every size) until they fit, as a
// printer's condensed pitch would. Any other face keeps its width.
void PdfPrintDevice::applyFont()
{
    m_metrics.emplace(m_font, m_writer.get());
    m_advances.clear();
    m_letterAdvances.fill(-1);
    m_rawFont = QRawFont();
    m_narrowing = 1;
    if (QFontInfo(m_font).fixedPitch()) {
        QFont twelve = m_font;
        twelve.setPointSizeF(12);
        const double columns = ColumnsPerLine * QFontMetricsF(twelve, m_writer.get()).averageCharWidth();
        const double line = pageRect().width();
        if (columns > line)
            m_narrowing = line / columns;
    }
    if (m_state == State::Active && m_painter)
        m_painter->setFont(m_font);
}

void PdfPrintDevice::setTextColor(QRgb rgb)
{
    // A chart sets the colour around every letter; the pen changes only when the colour does.
    if (m_color == (rgb | 0xff000000))
        return;
    m_color = rgb | 0xff000000;
    if (m_state == State::Active && m_painter)
        m_painter->setPen(QColor::fromRgb(m_color));
}

bool PdfPrintDevice::begin()
{
    if (m_state == State::Active)
        return true;
    if (m_state != State::Idle)
        return false;

    if (m_target.preview)
        return activate();
    QString folder;
    m_file.forget();
    if (!m_target.queue) {
        m_destination = m_target.pdfPath.isEmpty() && m_askFile ? m_askFile() : m_target.pdfPath;
        if (m_destination.isEmpty()) {
            m_state = State::Failed; // called off: nothing to report
            return false;
        }
        const OutputTarget output =
            m_target.descriptor >= 0
                ? OutputTarget{OutputTarget::Kind::Descriptor, m_destination, m_target.descriptor}
                : OutputTargetOf(m_destination);
        if (output.kind != OutputTarget::Kind::Replace) {
            QString error;
            if (!OpenInPlace(m_file, output, &error)) {
                fail(m_target
                         .words("PrintMessages", QT_TRANSLATE_NOOP("PrintMessages", "%1 could not start: %2"))
                         .arg(subject(), error));
                return false;
            }
            return startPainting();
        }
        m_replaced = output.path;
        folder = QFileInfo(m_replaced).absolutePath();
    } else if (!m_target.queue->handOver) {
        fail(m_target
                 .words("PrintMessages",
                        QT_TRANSLATE_NOOP("PrintMessages", "The printer \"%1\" is not available."))
                 .arg(m_target.queue->name));
        return false;
    } else {
        folder = SpoolFolder();
    }

    QString error;
    if (!OpenPartFile(m_file, folder, m_target.queue.has_value(), &error)) {
        fail(m_target.words("PrintMessages", QT_TRANSLATE_NOOP("PrintMessages", "%1 could not start: %2"))
                 .arg(subject(), error));
        return false;
    }
    m_partFile = true;
    return startPainting();
}

bool PdfPrintDevice::startPainting()
{
    if (!m_painter->begin(m_writer.get()) || !m_painter->isActive()) {
        fail(m_target.words("PrintMessages", QT_TRANSLATE_NOOP("PrintMessages", "%1 could not start."))
                 .arg(subject()));
        return false;
    }
    return activate();
}

bool PdfPrintDevice::activate()
{
    m_state = State::Active;
    m_page = std::max<qint64>(m_page, 1);
    if (!m_painter)
        return true;
    if (m_target.preview)
        m_painter->translate(pageRect().topLeft());
    m_painter->setFont(m_font);
    m_painter->setPen(QColor::fromRgb(m_color));
    return true;
}

bool PdfPrintDevice::drawing() const
{
    return m_painter && (!m_target.preview || m_page == m_target.preview->page);
}

bool PdfPrintDevice::nextPage()
{
    ++m_page;
    m_x = 0;
    m_y = 0;
    m_lineSpacing = 0;
    if (!m_target.preview && !m_writer->newPage()) {
        fail(m_target
                 .words("PrintMessages", QT_TRANSLATE_NOOP("PrintMessages", "%1 did not accept a new page."))
                 .arg(subject()));
        return false;
    }
    return true;
}

void PdfPrintDevice::setPosition(const SheetPosition &position)
{
    if (m_state != State::Idle)
        return;
    m_page = position.page;
    m_y = position.y;
}

bool PdfPrintDevice::startText()
{
    // A line's first text makes room for the line, which may start a page or fail the device.
    if (m_lineSpacing == 0)
        makeRoom(linePitch());
    if (m_state != State::Active)
        return false;
    m_lineSpacing = std::max(m_lineSpacing, linePitch());
    return true;
}

void PdfPrintDevice::fail(const QString &error)
{
    discard();
    m_state = State::Failed;
    m_error = error;
}

void PdfPrintDevice::discard()
{
    if (m_ownPainter.isActive())
        m_ownPainter.end();
    // A file written in place is not ours to remove: it is the device or FIFO itself.
    if (m_partFile)
        m_file.remove();
    m_file.close();
    m_file.setFileName(QString());
    m_partFile = false;
}

void PdfPrintDevice::makeRoom(double lineSpacing)
{
    if (m_y > 0 && m_y + lineSpacing > pageRect().height())
        (void)nextPage();
}

void PdfPrintDevice::print(const QString &text, bool endLine)
{
    if (!begin())
        return;
    if (!text.isEmpty()) {
        const QFontMetricsF &metrics = *m_metrics;
        if (!startText())
            return;
        if (drawing()) {
            const Narrowed narrowed(*m_painter, m_narrowing);
            m_painter->drawText(QPointF(m_x * pixelsPerTwip() / m_narrowing, m_y + metrics.ascent()), text);
        }
        m_x += advance(text) * m_narrowing / pixelsPerTwip();
    }
    if (endLine)
        this->endLine();
}

void PdfPrintDevice::endLine()
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
}

void PdfPrintDevice::tab(int column)
{
    if (!begin())
        return;
    const double x =
        (std::max(column, 1) - 1) * m_metrics->averageCharWidth() * m_narrowing / pixelsPerTwip();
    if (m_x > x + 0.5)
        endLine();
    m_x = x;
}

void PdfPrintDevice::printAt(const QString &text, const QList<double> &positions)
{
    if (!begin() || text.isEmpty() || !startText())
        return;
    // Where nothing is drawn, only the position moves on, as it does below.
    if (!drawing()) {
        m_x = positions[text.size() - 1] + advance(text.back()) * m_narrowing / pixelsPerTwip();
        return;
    }
    if (!m_rawFont.isValid())
        m_rawFont = QRawFont::fromFont(QFont(m_font, m_writer.get()));
    const QList<quint32> glyphs = m_rawFont.glyphIndexesForString(text);
    // Characters the face lacks are left to the text drawing, which finds them in another.
    if (glyphs.size() != text.size() || glyphs.contains(0)) {
        PrintDevice::printAt(text, positions);
        return;
    }
    QList<QPointF> points;
    points.reserve(text.size());
    for (const double x : positions.first(text.size()))
        points.append(QPointF(x * pixelsPerTwip() / m_narrowing, m_y + m_metrics->ascent()));
    QGlyphRun run;
    run.setRawFont(m_rawFont);
    run.setGlyphIndexes(glyphs);
    run.setPositions(points);
    const Narrowed narrowed(*m_painter, m_narrowing);
    m_painter->drawGlyphRun(QPointF(), run);
    m_x = positions[text.size() - 1];
    m_x += advance(text.back()) * m_narrowing / pixelsPerTwip();
}

void PdfPrintDevice::setCurrentX(double twips)
{
    if (begin())
        m_x = twips;
}

void PdfPrintDevice::newPage()
{
    if (begin())
        (void)nextPage();
}

void PdfPrintDevice::endDoc()
{
    if (m_state == State::Idle) {
        m_state = State::Done; // nothing was printed, so nothing goes out
        return;
    }
    if (m_state != State::Active)
        return;
    if (m_target.preview) {
        m_state = State::Done;
        return;
    }
    const bool ended = m_painter->end();
    m_file.closeChecked();
    const QString error =
        ended ? finish()
              : m_target
                    .words("PrintMessages",
                           QT_TRANSLATE_NOOP("PrintMessages", "%1 could not finish the document."))
                    .arg(subject());
    if (error.isEmpty())
        m_state = State::Done;
    else
        fail(error);
}

QString PdfPrintDevice::finish()
{
    if (!m_partFile) {
        m_file.setFileName(QString());
        return m_file.failed()
                   ? m_target
                         .words("PrintMessages",
                                QT_TRANSLATE_NOOP("PrintMessages", "%1 could not be written: %2."))
                         .arg(subject(), m_file.failure())
                   : QString();
    }
    if (m_file.failed() || !IsCompletePdf(m_file.fileName()))
        return m_target
            .words(
                "PrintMessages",
                QT_TRANSLATE_NOOP("PrintMessages", "%1 could not be written completely (is the disk full?)."))
            .arg(subject());
    if (m_target.queue) {
        const QString error = m_target.queue->handOver(m_file.fileName(), m_target.title, m_target.words);
        discard();
        return error;
    }
    // One rename that replaces any file of that name: the old file stays whole until the new
    // one takes its place.
    std::error_code renamed;
    std::filesystem::rename(QFile::encodeName(m_file.fileName()).toStdString(),
                            QFile::encodeName(m_replaced).toStdString(), renamed);
    if (renamed)
        return m_target.words("PrintMessages", QT_TRANSLATE_NOOP("PrintMessages", "%1 could not be written."))
            .arg(subject());
    m_file.setFileName(QString());
    m_partFile = false;
    return {};
}

void PdfPrintDevice::abort()
{
    discard();
    if (m_state != State::Failed)
        m_state = State::Done;
    m_destination.clear();
}

} // namespace print
