#pragma once

#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStringList>

// The text of a PDF as pdftotext extracts it with `options` ("-layout", "-bbox"...).
inline QString PdfText(const QString &path, const QStringList &options)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), options + QStringList{path, QStringLiteral("-")});
    return pdftotext.waitForFinished() ? QString::fromUtf8(pdftotext.readAllStandardOutput()) : QString();
}

// A field of what pdfinfo reports of a PDF file ("Pages", "Title"); empty when it has none.
inline QString PdfInfoField(const QString &path, const QString &field)
{
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {path});
    pdfinfo.waitForFinished();
    const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
    return QRegularExpression(QStringLiteral("(?:^|\\n)%1: +([^\\n]*)").arg(field)).match(info).captured(1);
}

// The number of pages of a PDF file as pdfinfo reports it; -1 when it is not a PDF.
inline int PdfPageCount(const QString &path)
{
    bool number = false;
    const int pages = PdfInfoField(path, QStringLiteral("Pages")).toInt(&number);
    return number ? pages : -1;
}

// What is wrong with where the words of a PDF stand, as pdftotext -bbox reads them: a word less
// than `margin` points inside its page's edges, or two words of one line (the same top) that
// overlap; empty when nothing is.
inline QString PdfPlacementFault(const QString &path, double margin)
{
    static const QRegularExpression item(
        "<page width=\"([^\"]+)\" height=\"([^\"]+)\"|"
        "<word xMin=\"([^\"]+)\" yMin=\"([^\"]+)\" xMax=\"([^\"]+)\" yMax=\"([^\"]+)\">([^<]*)<");
    QRectF page;
    QList<std::pair<QRectF, QString>> words; // of the page so far
    for (const auto &match : item.globalMatch(PdfText(path, {QStringLiteral("-bbox")}))) {
        const auto number = [&match](int n) { return match.captured(n).toDouble(); };
        if (match.captured(3).isEmpty()) {
            page = QRectF(0, 0, number(1), number(2));
            words.clear();
            continue;
        }
        const QRectF word(QPointF(number(3), number(4)), QPointF(number(5), number(6)));
        if (!page.adjusted(margin, margin, -margin, -margin).contains(word))
            return match.captured(7) + " leaves the page";
        for (const auto &[other, text] : std::as_const(words)) {
            if (other.top() == word.top() && other.left() < word.right() - 0.01 &&
                word.left() < other.right() - 0.01)
                return text + " overlaps " + match.captured(7);
        }
        words.append({word, match.captured(7)});
    }
    return {};
}
