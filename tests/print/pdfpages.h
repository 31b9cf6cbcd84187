#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

// The text of a PDF as pdftotext extracts it with `options` ("-layout", "-bbox"...).
inline QString PdfText(const QString &path, const QStringList &options)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), options + QStringList{path, QStringLiteral("-")});
    return pdftotext.waitForFinished() ? QString::fromUtf8(pdftotext.readAllStandardOutput()) : QString();
}

// The number of pages of a PDF file as pdfinfo reports it; -1 when it is not a PDF.
inline int PdfPageCount(const QString &path)
{
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {path});
    pdfinfo.waitForFinished();
    const QString info = QString::fromLocal8Bit(pdfinfo.readAllStandardOutput());
    const auto pages = QRegularExpression(QStringLiteral("\\nPages: +(\\d+)")).match(info);
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}
