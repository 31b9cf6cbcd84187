#include "print/recordingprintdevice.h"

namespace print {

namespace {

QString Quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString Number(double value)
{
    return QString::number(value, 'g', 12);
}

} // namespace

RecordingPrintDevice::RecordingPrintDevice(int columns)
    : m_text(columns)
{}

void RecordingPrintDevice::failAt(int operation, const QString &error)
{
    m_failAt = operation;
    m_failure = error;
}

bool RecordingPrintDevice::record(const QString &operation)
{
    if (m_failed)
        return false;
    if (m_log.size() == m_failAt) {
        m_failed = true;
        m_error = m_failure;
        m_log.append(QStringLiteral("FAILED ") + operation);
        return false;
    }
    m_log.append(operation);
    return true;
}

void RecordingPrintDevice::setFontName(const QString &face)
{
    if (record(QStringLiteral("font ") + face))
        m_text.setFontName(face);
}

void RecordingPrintDevice::setFontSize(double points)
{
    if (record(QStringLiteral("size ") + Number(points)))
        m_text.setFontSize(points);
}

void RecordingPrintDevice::setFontBold(bool bold)
{
    if (record(QStringLiteral("bold ") + (bold ? QLatin1Char('1') : QLatin1Char('0'))))
        m_text.setFontBold(bold);
}

void RecordingPrintDevice::print(const QString &text, bool endLine)
{
    if (record(QStringLiteral("print ") + Quoted(text) + (endLine ? QString() : QStringLiteral(";"))))
        m_text.print(text, endLine);
}

void RecordingPrintDevice::endLine()
{
    if (record(QStringLiteral("endline")))
        m_text.endLine();
}

void RecordingPrintDevice::tab(int column)
{
    if (record(QStringLiteral("tab ") + QString::number(column)))
        m_text.tab(column);
}

void RecordingPrintDevice::setCurrentX(double twips)
{
    if (record(QStringLiteral("x ") + Number(twips)))
        m_text.setCurrentX(twips);
}

void RecordingPrintDevice::setTextColor(QRgb rgb)
{
    if (record(QStringLiteral("color %1").arg(rgb & 0xffffff, 6, 16, QLatin1Char('0'))))
        m_text.setTextColor(rgb);
}

void RecordingPrintDevice::setOrientation(Orientation orientation)
{
    if (record(QStringLiteral("orientation ") + QString::number(int(orientation))))
        m_text.setOrientation(orientation);
}

void RecordingPrintDevice::newPage()
{
    if (record(QStringLiteral("newpage")))
        m_text.newPage();
}

void RecordingPrintDevice::endDoc()
{
    if (record(QStringLiteral("enddoc")))
        m_text.endDoc();
}

void RecordingPrintDevice::abort()
{
    m_log.append(QStringLiteral("abort"));
    m_text.abort();
}

} // namespace print
