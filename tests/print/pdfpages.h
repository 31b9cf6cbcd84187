#pragma once

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>

// The number of pages of a PDF file: as pdfinfo reports it when poppler-utils is installed,
// otherwise by counting the page objects; -1 when the file is not a PDF.
inline int PdfPageCount(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith("%PDF-"))
        return -1;
    if (!QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()) {
        QProcess pdfinfo;
        pdfinfo.start(QStringLiteral("pdfinfo"), {path});
        pdfinfo.waitForFinished();
        const auto match =
            QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
                .match(QString::fromLocal8Bit(pdfinfo.readAllStandardOutput()));
        if (match.hasMatch())
            return match.captured(1).toInt();
    }
    return int(QString::fromLatin1(bytes).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

// The text of a PDF as pdftotext extracts it with `options` (for example "-layout"); empty when
// the tool is missing.
inline QString PdfText(const QString &path, const QStringList &options)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), options + QStringList{path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished())
        return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}
