#pragma once

#include <QList>
#include <QRgb>
#include <QString>

// The system printer as every print routine drives it: a text-drawing device with a current
// print position, in the manner of a BASIC `Printer` object. The same printing code runs on
// PdfPrintDevice (pages drawn into a PDF, for a file or a print queue) and TextPrintDevice (a
// character grid, pages split by form feeds); tests put a recorder in their place.
//
// Units: horizontal positions and widths are twips (1440 per inch) from the left edge of the
// printable area. Character columns count from 1 at the left edge and are as wide as the
// current font's average character, so in a fixed-pitch font a tab reaches exactly that column.
//
// One device prints one document. The document starts with the first output (a print, an end
// of line, a tab, a position or a new page) and goes to the printer with endDoc(); setting the
// font or colour alone starts nothing. After endDoc() or abort() the device is
// spent and ignores further output.
//
// A printer can fail at any step (it cannot start, a page is refused, the disk is full). The
// device then stops printing, ok() turns false and errorText() says what failed; every later
// call is ignored. Callers check ok() where they can stop cleanly and call abort() so that
// nothing half-printed goes out as if complete. A device whose user called the document off
// (for example by declining to name its PDF file) is not ok() either, but its errorText() is
// empty: there is nothing to tell the user.
namespace print {

class PrintDevice
{
public:
    virtual ~PrintDevice() = default;

    virtual void setFontName(const QString &face) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setFontBold(bool bold) = 0;

    // Prints text at the current position. With endLine the line then ends and the position
    // goes to the left edge of the next line; without it the position stays just after the
    // text, where the next item follows directly.
    virtual void print(const QString &text, bool endLine) = 0;
    // Ends the current line (a print statement with no items). On a line that holds nothing
    // yet this prints an empty line.
    virtual void endLine() = 0;
    // Moves to character column `column` of the current line, or of the next line when the
    // position has already passed that column. Columns below 1 count as 1.
    virtual void tab(int column) = 0;
    virtual void setCurrentX(double twips) = 0;
    [[nodiscard]] virtual double currentX() const = 0;

    // Width of the printable line, in twips.
    [[nodiscard]] virtual double pageWidth() const = 0;
    // Width of `text` in the current font, in twips.
    [[nodiscard]] virtual double textWidth(const QString &text) const = 0;

    virtual void setTextColor(QRgb rgb) = 0;
    // Whether text colours show; a device that ignores them may be given a line's items as one.
    [[nodiscard]] virtual bool showsColor() const { return true; }

    // Prints each character of `text` at its own position (in twips, one for each character),
    // exactly as setting the position and printing the character would, so that the position
    // then stands after the last one. A device that can draws them as one run.
    virtual void printAt(const QString &text, const QList<double> &positions)
    {
        for (qsizetype n = 0; n < text.size(); ++n) {
            setCurrentX(positions[n]);
            printItem(QString(text[n]));
        }
    }

    virtual void newPage() = 0;
    // Ends the document and sends it to the printer.
    virtual void endDoc() = 0;
    // Abandons the document: nothing of it goes out, a partly written file is removed.
    virtual void abort() = 0;

    [[nodiscard]] virtual bool ok() const = 0;
    // What failed, as a sentence for the user; empty while ok() and when called off.
    [[nodiscard]] virtual QString errorText() const = 0;

    // Shorthands for the two forms of a print statement.
    void printLine(const QString &text) { print(text, true); }
    void printItem(const QString &text) { print(text, false); }
};

} // namespace print
