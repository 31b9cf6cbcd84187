#include "print/pdfnames.h"

#include <QCoreApplication>

namespace print {

namespace {

const QString PdfSuffix = QStringLiteral(".pdf");

QString SafeFileStem(const QString &name)
{
    QString stem = name.trimmed();
    for (QChar &c : stem) {
        if (c.unicode() < 32 || QStringView(u"\\/:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    }
    return stem.isEmpty() ? QStringLiteral("Biorhythm") : stem;
}

QString DocumentPart(PrintDocument document)
{
    return document == PrintDocument::CoverSheet ? QStringLiteral(" - cover sheet")
                                                 : QStringLiteral(" - chart");
}

} // namespace

QString SuggestedPdfName(PrintCommand command, const QString &personName)
{
    const QString stem = SafeFileStem(personName);
    switch (command) {
    case PrintCommand::CoverSheet:
        return stem + DocumentPart(PrintDocument::CoverSheet) + PdfSuffix;
    case PrintCommand::Chart:
        return stem + DocumentPart(PrintDocument::Chart) + PdfSuffix;
    case PrintCommand::CoverSheetAndChart:
        break;
    }
    return stem + PdfSuffix;
}

QString PdfQuestionCaption(PrintCommand command)
{
    switch (command) {
    case PrintCommand::CoverSheet:
        return QCoreApplication::translate("print", "No printer is installed: save the Cover Sheet as PDF");
    case PrintCommand::Chart:
        return QCoreApplication::translate("print", "No printer is installed: save the Chart as PDF");
    case PrintCommand::CoverSheetAndChart:
        break;
    }
    return QCoreApplication::translate("print",
                                       "No printer is installed: save the Cover Sheet and the Chart as "
                                       "PDF (two files, \"... - cover sheet.pdf\" and \"... - chart.pdf\")");
}

QString PdfPathFor(PrintCommand command, PrintDocument document, const QString &chosen)
{
    QString stem = chosen;
    if (stem.endsWith(PdfSuffix, Qt::CaseInsensitive))
        stem.chop(PdfSuffix.size());
    if (command != PrintCommand::CoverSheetAndChart)
        return stem + PdfSuffix;
    return stem + DocumentPart(document) + PdfSuffix;
}

} // namespace print
