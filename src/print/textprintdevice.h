#pragma once

#include "print/printdevice.h"

#include <QStringList>

#include <functional>
#include <string>

namespace print {

// The generic text printer a dot-matrix chart was made for: a grid of characters, one per
// column, at a fixed pitch of 10 characters per inch (144 twips per column) whatever the font,
// on a line 80 columns wide. Pages end where newPage() says; the device itself never breaks a
// page. Colours and font sizes are taken and ignored. A horizontal position maps to the nearest
// column; printing over text already on the line replaces it, as a second strike would.
//
// The device keeps its pages for pages() and text(), or, given an output, keeps nothing and hands
// on each piece of the text stream as soon as it is final: every line with its "\n", and the form
// feed that starts each later page. What was handed on stays out even if the document is then
// abandoned.
class TextPrintDevice : public PrintDevice
{
public:
    static constexpr int TwipsPerColumn = 144;
    static constexpr int Columns = 80;

    using TextOutput = std::function<void(QStringView text)>;

    TextPrintDevice() = default;
    explicit TextPrintDevice(TextOutput output);

    void setFontName(const QString &) override {}
    void setFontSize(double) override {}
    void setFontBold(bool) override {}

    void print(const QString &text, bool endLine) override;
    void endLine() override;
    void tab(int column) override;
    void setCurrentX(double twips) override;
    [[nodiscard]] double currentX() const override { return double(m_column) * TwipsPerColumn; }
    [[nodiscard]] double pageWidth() const override { return double(Columns) * TwipsPerColumn; }
    [[nodiscard]] double textWidth(const QString &text) const override
    {
        return double(text.size()) * TwipsPerColumn;
    }
    void setTextColor(QRgb) override {}
    [[nodiscard]] bool showsColor() const override { return false; }
    void newPage() override;
    void endDoc() override;
    void abort() override;
    [[nodiscard]] bool ok() const override { return true; }
    [[nodiscard]] QString errorText() const override { return {}; }

    // The pages printed so far, each a list of lines without line ends; none with an output.
    [[nodiscard]] QList<QStringList> pages() const;
    // The document as a text stream: every line ended by "\n", pages split by a form feed.
    [[nodiscard]] QString text() const;

private:
    bool accepting();
    void closeLine();

    TextOutput m_output;
    QList<QStringList> m_pages;
    std::u16string m_line;
    int m_column = 0; // 0-based offset of the print position on the current line
    bool m_started = false;
    bool m_ended = false;
};

} // namespace print
