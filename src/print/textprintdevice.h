#pragma once

#include "print/printdevice.h"

#include <QStringList>

namespace print {

// The generic text printer a dot-matrix chart was made for: a grid of characters, one per
// column, at a fixed pitch of 10 characters per inch (144 twips per column) whatever the font,
// on a line 80 columns wide. Pages end where newPage() says; the device itself never breaks a
// page. Colours and font sizes are taken and ignored. A horizontal position maps to the nearest
// column; printing over text already on the line replaces it, as a second strike would.
class TextPrintDevice final : public PrintDevice
{
public:
    static constexpr int TwipsPerColumn = 144;
    static constexpr int DefaultColumns = 80;

    explicit TextPrintDevice(int columns = DefaultColumns);

    void setFontName(const QString &face) override { m_fontName = face; }
    void setFontSize(double points) override { m_fontSize = points; }
    void setFontBold(bool bold) override { m_bold = bold; }
    [[nodiscard]] QString fontName() const override { return m_fontName; }
    [[nodiscard]] double fontSize() const override { return m_fontSize; }
    [[nodiscard]] bool fontBold() const override { return m_bold; }

    void print(const QString &text, bool endLine) override;
    void endLine() override;
    void tab(int column) override;
    void setCurrentX(double twips) override;
    [[nodiscard]] double currentX() const override { return double(m_column) * TwipsPerColumn; }
    [[nodiscard]] double pageWidth() const override { return double(m_columns) * TwipsPerColumn; }
    [[nodiscard]] double textWidth(const QString &text) const override
    {
        return double(text.size()) * TwipsPerColumn;
    }
    void setTextColor(QRgb) override {}
    void setOrientation(Orientation) override {}
    void newPage() override;
    void endDoc() override;
    void abort() override;
    [[nodiscard]] bool ok() const override { return true; }
    [[nodiscard]] QString errorText() const override { return {}; }

    // The pages printed so far, each a list of lines without line ends.
    [[nodiscard]] QList<QStringList> pages() const;
    // The document as a text stream: every line ended by "\n", pages split by a form feed.
    [[nodiscard]] QString text() const;
    [[nodiscard]] bool started() const { return m_started; }
    [[nodiscard]] bool ended() const { return m_ended; }

private:
    bool accepting();
    void closeLine();

    int m_columns;
    QString m_fontName;
    double m_fontSize = 0;
    bool m_bold = false;

    QList<QStringList> m_pages;
    QString m_line;
    int m_column = 0; // 0-based offset of the print position on the current line
    bool m_started = false;
    bool m_ended = false;
};

} // namespace print
