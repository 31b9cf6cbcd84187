#pragma once

#include "print/printdevice.h"

#include <QStringList>

namespace print {

// Writes down every operation a print routine asks of the printer, one line each, on a line of
// 80 columns of 144 twips. The log reads like the print statements themselves:
//   font Courier | size 12 | bold 0 | print "PAGE #"; | print "DATE" | endline | tab 56
//   x 1440 | color 800000 | newpage | enddoc | abort | print at 144 by 144 "---";
// A printer failure can be staged: the operation with the given index (0 for the first one
// logged) fails instead of running, and everything after it is ignored. A failure with no error
// text stands for a document the user called off.
class RecordingPrintDevice final : public PrintDevice
{
public:
    void failAt(int operation, const QString &error) { m_failAt = operation, m_failure = error; }
    [[nodiscard]] const QStringList &log() const { return m_log; }

    void setFontName(const QString &face) override { record(QStringLiteral("font ") + face); }
    void setFontSize(double points) override { record(QStringLiteral("size %1").arg(points)); }
    void setFontBold(bool bold) override { record(QStringLiteral("bold %1").arg(int(bold))); }
    void print(const QString &text, bool ends) override { record("print \"" + text + (ends ? "\"" : "\";")); }
    void endLine() override { record(QStringLiteral("endline")); }
    void tab(int column) override { record(QStringLiteral("tab %1").arg(column)); }
    void setCurrentX(double twips) override { record(QStringLiteral("x %1").arg(twips, 0, 'g', 12)); }
    [[nodiscard]] double currentX() const override { return 0; }
    [[nodiscard]] double pageWidth() const override { return 80 * 144; }
    [[nodiscard]] double textWidth(const QString &text) const override { return double(text.size()) * 144; }
    void setTextColor(QRgb rgb) override { record(QString::asprintf("color %06x", rgb & 0xffffff)); }
    void printAt(const QString &text, const QList<double> &positions) override
    {
        record(QStringLiteral("print at %1 by %2 \"")
                   .arg(positions.value(0))
                   .arg(positions.value(1) - positions.value(0)) +
               text + "\";");
    }
    void newPage() override { record(QStringLiteral("newpage")); }
    void endDoc() override { record(QStringLiteral("enddoc")); }
    void abort() override { m_log.append(QStringLiteral("abort")); }
    [[nodiscard]] bool ok() const override { return !m_failed; }
    [[nodiscard]] QString errorText() const override { return m_failed ? m_failure : QString(); }

private:
    void record(const QString &operation)
    {
        if (m_failed)
            return;
        m_failed = m_log.size() == m_failAt;
        m_log.append(m_failed ? QStringLiteral("FAILED ") + operation : operation);
    }

    QStringList m_log;
    int m_failAt = -1;
    QString m_failure;
    bool m_failed = false;
};

} // namespace print
