#pragma once

#include "print/printdevice.h"

#include <QFont>
#include <QPageSize>
#include <QPainter>
#include <QString>

#include <functional>
#include <memory>

class QPrinter;

namespace print {

// Where a QtPrintDevice sends its document.
struct QtPrintTarget
{
    QString queue;   // a system print queue; empty for a PDF file
    QString pdfPath; // the PDF file when there is no queue; empty: asked for when printing starts
    QString title;   // the document's name, as the queue lists the job
    QPageSize pageSize = QPageSize(); // the paper; invalid: the printer's default
    bool operator==(const QtPrintTarget &) const = default;
};

// The printer as Qt draws on it: a QPainter on a QPrinter at high resolution. Twips become
// device pixels through the printer's resolution. The printable line keeps every character at
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
// document is drawn beside it and endDoc() renames it into place; a queue's is drawn into an
// owner-only file in the user's runtime folder and handed to the queue with the print system's
// `lp` (so a failed hand-over is seen and reported), then removed. abort(), a failure or the
// device's end removes it too, so nothing half-printed is ever left as if complete, and no
// one else can read a person's name and birthdate from it.
class QtPrintDevice final : public PrintDevice
{
public:
    // Asked for the PDF file when the document starts and none was given. An empty answer
    // calls the document off: ok() turns false with an empty errorText().
    using FileQuestion = std::function<QString()>;

    explicit QtPrintDevice(QtPrintTarget target, FileQuestion askFile = {});
    ~QtPrintDevice() override;
    QtPrintDevice(const QtPrintDevice &) = delete;
    QtPrintDevice &operator=(const QtPrintDevice &) = delete;

    void setFontName(const QString &face) override;
    void setFontSize(double points) override;
    void setFontBold(bool bold) override;
    [[nodiscard]] QString fontName() const override { return m_font.family(); }
    [[nodiscard]] double fontSize() const override { return m_font.pointSizeF(); }
    [[nodiscard]] bool fontBold() const override { return m_font.bold(); }

    void print(const QString &text, bool endLine) override;
    void endLine() override;
    void tab(int column) override;
    void setCurrentX(double twips) override;
    [[nodiscard]] double currentX() const override { return m_x; }
    [[nodiscard]] double pageWidth() const override;
    [[nodiscard]] double textWidth(const QString &text) const override;
    void setTextColor(QRgb rgb) override;
    void setOrientation(Orientation orientation) override;
    void newPage() override;
    void endDoc() override;
    void abort() override;
    [[nodiscard]] bool ok() const override { return m_state != State::Failed; }
    [[nodiscard]] QString errorText() const override { return m_error; }

    // Pages drawn so far, automatic page breaks included.
    [[nodiscard]] int pageCount() const { return m_pages; }
    // The PDF file written, once the document has gone out.
    [[nodiscard]] QString outputPath() const { return m_state == State::Done ? m_destination : QString(); }

private:
    enum class State { Idle, Active, Done, Failed };

    bool begin();
    void fail(const QString &error);
    void discard();
    void applyFont();
    void makeRoom(double lineSpacing);
    [[nodiscard]] double pixelsPerTwip() const;
    [[nodiscard]] double pageHeightPixels() const;
    // The advance of a line in the current font, in device pixels.
    [[nodiscard]] double linePitch() const;
    [[nodiscard]] QString finish();
    // "The printer "name"" or "The PDF file "path"", to begin a message.
    [[nodiscard]] QString subject() const;

    QtPrintTarget m_target;
    FileQuestion m_askFile;
    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    QFont m_font;
    double m_narrowing = 1; // the horizontal scale of the font's text, below 1 where applyFont says
    QRgb m_color = 0xff000000;
    State m_state = State::Idle;
    QString m_error;
    QString m_destination; // the PDF file, for a PDF target
    QString m_partPath;    // the file the document is drawn into

    double m_x = 0;           // twips from the left of the printable area
    double m_y = 0;           // device pixels from the top of the printable area to this line
    double m_lineSpacing = 0; // of the largest font printed on this line, 0 while it is empty
    int m_pages = 0;
};

} // namespace print
