#pragma once

#include "print/textprintdevice.h"

#include <QStringList>

namespace print {

// Writes down every operation a print routine asks of the printer, one line each, and prints
// the same operations on a TextPrintDevice whose geometry (144 twips a column, 80 columns) it
// reports. The log reads like the print statements themselves:
//   font Courier | size 12 | bold 0 | print "PAGE #"; | print "DATE" | endline | tab 56
//   x 1440 | color 800000 | orientation 1 | newpage | enddoc | abort
// A printer failure can be staged: the operation with the given index (0 for the first one
// logged) fails instead of running, and everything after it is ignored. A failure with no
// error text stands for a document the user called off.
class RecordingPrintDevice final : public PrintDevice
{
public:
    explicit RecordingPrintDevice(int columns = TextPrintDevice::DefaultColumns);

    void failAt(int operation, const QString &error);

    void setFontName(const QString &face) override;
    void setFontSize(double points) override;
    void setFontBold(bool bold) override;
    [[nodiscard]] QString fontName() const override { return m_text.fontName(); }
    [[nodiscard]] double fontSize() const override { return m_text.fontSize(); }
    [[nodiscard]] bool fontBold() const override { return m_text.fontBold(); }

    void print(const QString &text, bool endLine) override;
    void endLine() override;
    void tab(int column) override;
    void setCurrentX(double twips) override;
    [[nodiscard]] double currentX() const override { return m_text.currentX(); }
    [[nodiscard]] double pageWidth() const override { return m_text.pageWidth(); }
    [[nodiscard]] double textWidth(const QString &text) const override { return m_text.textWidth(text); }
    void setTextColor(QRgb rgb) override;
    void setOrientation(Orientation orientation) override;
    void newPage() override;
    void endDoc() override;
    void abort() override;
    [[nodiscard]] bool ok() const override { return !m_failed; }
    [[nodiscard]] QString errorText() const override { return m_error; }

    [[nodiscard]] const QStringList &log() const { return m_log; }
    // The same operations as printed text.
    [[nodiscard]] const TextPrintDevice &text() const { return m_text; }

private:
    // Logs an operation and says whether it may run.
    bool record(const QString &operation);

    TextPrintDevice m_text;
    QStringList m_log;
    int m_failAt = -1;
    QString m_failure;
    bool m_failed = false;
    QString m_error;
};

} // namespace print
