#include "print/pdfnames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace print {

namespace {

const QString PdfSuffix = QStringLiteral(".pdf");

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

QString NameWithoutDoubleDots(const QString &stem, const QString &rest)
{
    static const QRegularExpression dots(QStringLiteral("\\.{2,}"));
    return QString(stem + rest).replace(dots, QStringLiteral("."));
}

// "a", "a" and "b", "a", "b" and "c": the file names, quoted, for a sentence.
QString QuotedNames(const QStringList &paths)
{
    QStringList names;
    for (const QString &path : paths)
        names << QLatin1Char('"') + QFileInfo(path).fileName() + QLatin1Char('"');
    const QString last = names.isEmpty() ? QString() : names.takeLast();
    if (names.isEmpty())
        return last;
    return names.join(QLatin1String(", ")) + QLatin1String(" and ") + last;
}

QString FolderOf(const QStringList &paths)
{
    return QDir::toNativeSeparators(QFileInfo(paths.value(0)).absolutePath());
}

} // namespace

QString SafeFileStem(const QString &name)
{
    QString stem = name.trimmed();
    for (QChar &c : stem) {
        if (c.unicode() < 32 || QStringView(u"\\/:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    }
    return stem.isEmpty() ? QStringLiteral("Biorhythm") : stem;
}

QString SuggestedPdfName(PrintCommand command, const QString &personName)
{
    const QString stem = SafeFileStem(personName);
    switch (command) {
    case PrintCommand::CoverSheet:
        return NameWithoutDoubleDots(stem, DocumentPart(PrintDocument::CoverSheet) + PdfSuffix);
    case PrintCommand::Chart:
        return NameWithoutDoubleDots(stem, DocumentPart(PrintDocument::Chart) + PdfSuffix);
    case PrintCommand::WhatIs:
        return QStringLiteral("What Is A Biorhythm") + PdfSuffix;
    case PrintCommand::CoverSheetAndChart:
        break;
    }
    return NameWithoutDoubleDots(stem, PdfSuffix);
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

QStringList PdfPathsFor(PrintCommand command, const QString &chosen)
{
    if (command == PrintCommand::CoverSheetAndChart)
        return {PdfPathFor(command, PrintDocument::CoverSheet, chosen),
                PdfPathFor(command, PrintDocument::Chart, chosen)};
    // The one document of any other command goes to the chosen file itself.
    return {PdfPathFor(command, PrintDocument::WhatIs, chosen)};
}

QString ReplaceFilesQuestion(const QStringList &existing)
{
    const QString text = existing.size() == 1
                             ? QCoreApplication::translate("print", "%1 already exists in %2.\nReplace it?")
                             : QCoreApplication::translate("print", "%1 already exist in %2.\nReplace them?");
    return text.arg(QuotedNames(existing), FolderOf(existing));
}

QString PdfWrittenMessage(const QStringList &written)
{
    return QCoreApplication::translate("print", "Saved %1 in %2")
        .arg(QuotedNames(written), FolderOf(written));
}

} // namespace print
