#include "print/pdfnames.h"

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

// The words of these texts, in context PrintMessages.
struct Say
{
    Wording words;
    QString operator()(const char *english) const { return words("PrintMessages", english); }
};

// "a", "a and b", "a, b and c".
QString Enumerated(QStringList items, Say say)
{
    const QString last = items.isEmpty() ? QString() : items.takeLast();
    if (items.isEmpty())
        return last;
    //: Joins the last item of a list: "a, b and c"
    return items.join(QLatin1String(", ")) + say(QT_TRANSLATE_NOOP("PrintMessages", " and ")) + last;
}

// The file names, quoted, for a sentence.
QString QuotedNames(const QStringList &paths, Say say)
{
    QStringList names;
    for (const QString &path : paths)
        names << QLatin1Char('"') + QFileInfo(path).fileName() + QLatin1Char('"');
    return Enumerated(names, say);
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
    return stem;
}

QString PdfFilesNote(PrintCommand command, const QString &chosen, bool noPrinter, Wording words)
{
    const Say say{words};
    QString what;
    switch (command) {
    case PrintCommand::CoverSheet:
        what = say(QT_TRANSLATE_NOOP("PrintMessages", "The cover sheet"));
        break;
    case PrintCommand::Chart:
        what = say(QT_TRANSLATE_NOOP("PrintMessages", "The chart"));
        break;
    case PrintCommand::CoverSheetAndChart:
        what = say(QT_TRANSLATE_NOOP("PrintMessages", "The cover sheet and the chart"));
        break;
    case PrintCommand::WhatIs:
        what = say(QT_TRANSLATE_NOOP("PrintMessages", "\"What Is A Biorhythm?\""));
        break;
    }
    const QString name = QFileInfo(chosen).fileName();
    const bool two = command == PrintCommand::CoverSheetAndChart;
    QString files;
    if (name.isEmpty())
        files = (two ? say(QT_TRANSLATE_NOOP("PrintMessages", "%1 will be saved as two PDF files."))
                     : say(QT_TRANSLATE_NOOP("PrintMessages", "%1 will be saved as a PDF file.")))
                    .arg(what);
    else
        files = (two ? say(QT_TRANSLATE_NOOP("PrintMessages", "%1 will be saved as two PDF files, %2."))
                     : say(QT_TRANSLATE_NOOP("PrintMessages", "%1 will be saved as the PDF file %2.")))
                    .arg(what, QuotedNames(PdfPathsFor(command, name), say));
    return noPrinter ? say(QT_TRANSLATE_NOOP("PrintMessages", "No printer is installed.")) +
                           QLatin1Char(' ') + files
                     : files;
}

QString DocumentInSentence(PrintDocument document, Wording words)
{
    const Say say{words};
    switch (document) {
    case PrintDocument::CoverSheet:
        return say(QT_TRANSLATE_NOOP("PrintMessages", "the cover sheet"));
    case PrintDocument::Chart:
        return say(QT_TRANSLATE_NOOP("PrintMessages", "the chart"));
    case PrintDocument::WhatIs:
        break;
    }
    return say(QT_TRANSLATE_NOOP("PrintMessages", "\"What Is A Biorhythm?\""));
}

QString DocumentTitle(PrintDocument document, const QString &personName)
{
    switch (document) {
    case PrintDocument::CoverSheet:
        return QStringLiteral("Tidemark cover sheet - %1").arg(personName);
    case PrintDocument::Chart:
        return QStringLiteral("Tidemark chart - %1").arg(personName);
    case PrintDocument::WhatIs:
        break;
    }
    return QStringLiteral("Tidemark What Is A Biorhythm");
}

QString GraphDocumentTitle(const QString &personName)
{
    return QStringLiteral("Tidemark graph - %1").arg(personName);
}

QString SentToPrinterMessage(const QString &queue, const QList<SentDocument> &sent, Wording words)
{
    const Say say{words};
    QStringList documents;
    for (const SentDocument &document : sent)
        documents << (document.pages == 1
                          ? say(QT_TRANSLATE_NOOP("PrintMessages", "%1 (1 page)")).arg(document.what)
                          : say(QT_TRANSLATE_NOOP("PrintMessages", "%1 (%2 pages)"))
                                .arg(document.what, QString::number(document.pages)));
    return say(QT_TRANSLATE_NOOP("PrintMessages", "Sent %1 to the printer \"%2\"."))
        .arg(Enumerated(documents, say), queue);
}

QString PdfQuestionCaption(PrintCommand command, Wording words)
{
    const Say say{words};
    switch (command) {
    case PrintCommand::CoverSheet:
        return say(
            QT_TRANSLATE_NOOP("PrintMessages", "No printer is installed: save the Cover Sheet as PDF"));
    case PrintCommand::Chart:
        return say(QT_TRANSLATE_NOOP("PrintMessages", "No printer is installed: save the Chart as PDF"));
    case PrintCommand::WhatIs:
        return say(QT_TRANSLATE_NOOP("PrintMessages",
                                     "No printer is installed: save \"What Is A Biorhythm?\" as PDF"));
    case PrintCommand::CoverSheetAndChart:
        break;
    }
    return say(QT_TRANSLATE_NOOP("PrintMessages",
                                 "No printer is installed: save the Cover Sheet and the Chart as "
                                 "PDF (two files, \"... - cover sheet.pdf\" and \"... - chart.pdf\")"));
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

QString ReplaceFilesQuestion(const QStringList &existing, Wording words)
{
    const Say say{words};
    const QString text =
        existing.size() == 1
            ? say(QT_TRANSLATE_NOOP("PrintMessages", "%1 already exists in %2.\nReplace it?"))
            : say(QT_TRANSLATE_NOOP("PrintMessages", "%1 already exist in %2.\nReplace them?"));
    return text.arg(QuotedNames(existing, say), FolderOf(existing));
}

QString PdfWrittenMessage(const QStringList &written, Wording words)
{
    const Say say{words};
    return say(QT_TRANSLATE_NOOP("PrintMessages", "Saved %1 in %2"))
        .arg(QuotedNames(written, say), FolderOf(written));
}

} // namespace print
