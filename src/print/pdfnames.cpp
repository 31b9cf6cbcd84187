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
    switch (document) {
    case PrintDocument::CoverSheet:
        return QStringLiteral(" - cover sheet");
    case PrintDocument::Chart:
        return QStringLiteral(" - chart");
    case PrintDocument::WhatIs:
        break;
    }
    return QStringLiteral(" - what is a biorhythm");
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
    case PrintCommand::WhatIs:
        return QStringLiteral("What Is A Biorhythm") + PdfSuffix;
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
    case PrintCommand::WhatIs:
        return QCoreApplication::translate("print",
                                           "No printer is installed: save \"What Is A Biorhythm?\" as PDF");
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
