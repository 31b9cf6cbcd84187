#pragma once

#include "platform/wording.h"
#include "print/printdevice.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QRawFont>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>

class QPagedPaintDevice;
class QPdfWriter;

namespace print {

// A file that remembers its first failed write: QFile forgets a failure at its next write, and
// the PDF writer does not look at what its writes return.
class CheckedFile final : public QFile
{
public:
    // Writes what is buffered and closes the file; false when any write failed.
    bool closeChecked();
    [[nodiscard]] bool failed() const { return !m_failure.isEmpty(); }
    [[nodiscard]] QString failure() const { return m_failure; }
    void forget() { m_failure.clear(); }

protected:
    qint64 writeData(const char *data, qint64 size) override;

private:
    QString m_failure;
};

// A print queue of the system, as the window side finds it: a PdfPrintDevice draws the document
// on the queue's paper, keeps clear of the border its printer cannot print on, and hands the
// finished PDF over.
struct PrintQueue
{
    QString name;     // as the print system lists it
    QPageSize paper;  // the queue's paper; invalid: A4
    QMarginsF border; // in points: what the printer cannot print on, at each edge of that paper
    // Gives a finished PDF to the queue under the document's title; returns an empty string once
    // the queue has taken it, else a sentence in the wording given that says what failed. Empty
    // when the print system does not know the queue.
    std::function<QString(const QString &pdfFile, const QString &title, Wording words)> handOver;
};

// A page of a preview: the document is laid out exactly as in a PDF file of it, but nothing is
// written, and only page `page` (1 for the first) is drawn, on `painter`, whose device has the
// PDF's resolution (1200 dots to the inch) and whose origin stands at the paper's top left
// corner. Without a painter nothing is drawn: the device only counts the pages.
struct PreviewSheet
{
    QPainter *painter = nullptr;
    qint64 page = 0;
};

// Where the next line of a document goes: its page (1 for the first; 0 before the document
// starts) and the top of the line, in device pixels below the top of the printable area.
struct SheetPosition
{
    qint64 page = 0;
    double y = 0;
};

// Where a PdfPrintDevice sends its document.
struct PdfPrintTarget
{
    std::optional<PrintQueue> queue; // a system print queue; none for a PDF file
    QString pdfPath; // the PDF file when there is no queue; empty: asked for when printing starts
    QString title;   // the document's name, as the queue lists the job
    QPageSize paper = QPageSize(); // the paper of a PDF file; invalid: A4
    // A preview's instead of a file or a queue: see PreviewSheet.
    std::optional<PreviewSheet> preview = std::nullopt;
    // An open descriptor (standard output) to draw the PDF straight into, pdfPath naming it in
    // messages; -1: the file pdfPath.
    int descriptor = -1;
    // The wording of what the device says when it fails.
    Wording words = KeepEnglish;
};

// The paper and margins of the target's pages.
[[nodiscard]] QPageLayout PdfPageLayout(const PdfPrintTarget &target);

// The printer as Qt draws on it: a QPainter on a QPdfWriter at 1200 dots to the inch. Twips
// become device pixels through that resolution. The printable line keeps every character at
// least 12 points clear of the paper's edges and of the border the printer cannot print on,
// with room to spare on the right for an item the page layout starts at the line's very end.
// A character column is the current font's average character width, and a fixed-pitch face
// keeps 80 columns on the line: "Courier" 12 point is 10 to the inch (144 twips) on a line of 8
// inches or more, and is narrowed just enough to fit 80 on a shorter one (portrait A4 and
// Letter). Lines advance by the point size of the largest font printed on them, six lines to
// the inch at 12 points as in a printer's own text mode: the faces that fontconfig puts in for
// "Courier" or "Times" differ in their line spacing by a fifth, and the lines a chart counts
// must fit the sheet alike on every machine. A line that would still pass the foot of the page
// goes to a new page, as a printer's own form feed would.
//
// The document is drawn into a file and goes out only when it is complete: a PDF file's
// document is drawn beside it (beside the target of a symbolic link) and endDoc() renames it
// into place; a queue's is drawn into an owner-only file in the user's runtime folder and handed
// to the queue (so a failed hand-over is seen and reported), then removed. abort(), a failure or
// the device's end removes it too, so nothing half-printed is ever left as if complete, and no
// one else can read a person's name and birthdate from it. A PDF file that cannot be replaced,
// a device, a FIFO or an open descriptor (OutputTargetOf), is drawn straight into instead.
class PdfPrintDevice final : public PrintDevice
{
public:
    // Asked for the PDF file when the document starts and none was given. An empty answer
    // calls the document off: ok() turns false with an empty errorText().
    using FileQuestion = std::function<QString()>;

    explicit PdfPrintDevice(PdfPrintTarget target, FileQuestion askFile = {});
    ~PdfPrintDevice() override;
    PdfPrintDevice(const PdfPrintDevice &) = delete;
    PdfPrintDevice &operator=(const PdfPrintDevice &) = delete;

    void setFontName(const QString &face) override;
    void setFontSize(double points) override;
    void setFontBold(bool bold) override;

    void print(const QString &text, bool endLine) override;
    void endLine() override;
    void tab(int column) override;
    void setCurrentX(double twips) override;
    [[nodiscard]] double currentX() const override { return m_x; }
    [[nodiscard]] double pageWidth() const override;
    [[nodiscard]] double textWidth(const QString &text) const override;
    void setTextColor(QRgb rgb) override;
    void printAt(const QString &text, const QList<double> &positions) override;
    void newPage() override;
    void endDoc() override;
    void abort() override;
    [[nodiscard]] bool ok() const override { return m_state != State::Failed; }
    [[nodiscard]] QString errorText() const override { return m_error; }

    // The pages of the document so far: 0 before it starts.
    [[nodiscard]] qint64 pageCount() const { return m_page; }
    // The PDF file written, once the document has gone out.
    [[nodiscard]] QString outputPath() const { return m_state == State::Done ? m_destination : QString(); }

    [[nodiscard]] SheetPosition position() const { return {m_page, m_y}; }
    // Before the document starts: puts the position where an earlier device printing the same
    // document stood after one of its lines, so that this one prints on from there as that one did.
    void setPosition(const SheetPosition &position);

private:
    enum class State { Idle, Active, Done, Failed };

    bool begin();
    // The painter starts on the file just opened.
    bool startPainting();
    void fail(const QString &error);
    void discard();
    void applyFont();
    void makeRoom(double lineSpacing);
    // Painting starts: the painter takes the font and colour set so far.
    bool activate();
    // Whether what is printed now is drawn: always into a file or a queue, on one page for a preview.
    [[nodiscard]] bool drawing() const;
    // A page ends, for any reason; false when the printer did not take it.
    bool nextPage();
    // Before text on the line: room for it; false when the device has failed.
    bool startText();
    [[nodiscard]] double pixelsPerTwip() const;
    // The printable area in device pixels.
    [[nodiscard]] QRect pageRect() const;
    // The advance of a line in the current font, in device pixels.
    [[nodiscard]] double linePitch() const;
    // The advance of text in the current font, in device pixels, measured once.
    [[nodiscard]] double advance(const QString &text) const;
    [[nodiscard]] QString finish();
    // "The printer "name"" or "The PDF file "path"", to begin a message.
    [[nodiscard]] QString subject() const;

    PdfPrintTarget m_target;
    FileQuestion m_askFile;
    CheckedFile m_file;      // the file the document is drawn into
    bool m_partFile = false; // m_file is drawn beside its destination, and removed unless finished
    QString m_replaced;      // the file that m_file replaces: the destination, its links followed
    std::unique_ptr<QPdfWriter> m_writer;
    QPainter m_ownPainter;
    QPainter *m_painter; // the own painter on the writer, a preview's, or none
    QFont m_font;
    // The font's measures on the PDF, and the font as glyphs, made again with each change of font.
    std::optional<QFontMetricsF> m_metrics;
    QRawFont m_rawFont;
    // A chart's texts are short: a plain hash of their characters finds them sooner than QHash's.
    struct TextHash
    {
        std::size_t operator()(const QString &text) const noexcept;
    };
    mutable std::unordered_map<QString, double, TextHash> m_advances; // device pixels, by text
    mutable std::array<double, 128> m_letterAdvances{}; // of one ASCII letter; below 0 while unknown
    double m_narrowing = 1; // the horizontal scale of the font's text, below 1 where applyFont says
    QRgb m_color = 0xff000000;
    State m_state = State::Idle;
    QString m_error;
    QString m_destination; // the PDF file, for a PDF target

    qint64 m_page = 0;        // the page being printed, from 1
    double m_x = 0;           // twips from the left of the printable area
    double m_y = 0;           // device pixels from the top of the printable area to this line
    double m_lineSpacing = 0; // of the largest font printed on this line, 0 while it is empty
};

} // namespace print
