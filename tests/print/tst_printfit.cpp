// Every printed character stands on the paper, clear of its edges: the chart, the cover sheet
// and the "What Is" sheet, in both layouts, printed into PDF files on Letter and A4 paper and
// read back word by word with pdftotext -bbox.
#include "info/whatisprint.h"
#include "print/coversheet.h"
#include "print/printchart.h"
#include "print/printcommands.h"
#include "print/qtprintdevice.h"
#include "printfixture.h"
#include "support/recordingalerts.h"

#include <QProcess>
#include <QRectF>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using chart::PrinterType;
using print::PrintDocument;

namespace {

constexpr double EdgeClearance = 12; // points

struct PdfPage
{
    QRectF paper;
    QList<QPair<QString, QRectF>> words;
};

// The pages of a PDF with the box of every word, in points, as pdftotext -bbox reads them.
QList<PdfPage> PdfWords(const QString &path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished())
        return {};
    QList<PdfPage> pages;
    QXmlStreamReader xml(pdftotext.readAllStandardOutput());
    const auto number = [&xml](const char *name) {
        return xml.attributes().value(QLatin1String(name)).toDouble();
    };
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("page")) {
            pages.append({QRectF(0, 0, number("width"), number("height")), {}});
        } else if (xml.name() == QLatin1String("word") && !pages.isEmpty()) {
            const QRectF box(QPointF(number("xMin"), number("yMin")),
                             QPointF(number("xMax"), number("yMax")));
            pages.last().words.append({xml.readElementText(), box});
        }
    }
    return pages;
}

} // namespace

class TestPrintFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void wordsClearOfTheEdges_data();
    void wordsClearOfTheEdges();
};

void TestPrintFit::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QFAIL("pdftotext (poppler-utils) is needed to read the PDF back");
}

void TestPrintFit::wordsClearOfTheEdges_data()
{
    QTest::addColumn<QPageSize>("paper");
    QTest::addColumn<int>("document");
    QTest::addColumn<int>("printer");
    QTest::addColumn<QString>("font");

    const QList<QPair<const char *, PrintDocument>> documents = {{"chart", PrintDocument::Chart},
                                                                 {"cover sheet", PrintDocument::CoverSheet},
                                                                 {"What Is", PrintDocument::WhatIs}};
    for (const auto id : {QPageSize::Letter, QPageSize::A4}) {
        const QPageSize paper(id);
        for (const auto &[name, document] : documents) {
            QTest::addRow("%s, %s, dot-matrix", qPrintable(paper.name()), name)
                << paper << int(document) << int(PrinterType::Matrix) << "Arial";
            for (const char *font : {"Arial", "Courier"})
                QTest::addRow("%s, %s, laser in %s", qPrintable(paper.name()), name, font)
                    << paper << int(document) << int(PrinterType::Laser) << font;
        }
    }
}

void TestPrintFit::wordsClearOfTheEdges()
{
    QFETCH(QPageSize, paper);
    QFETCH(int, document);
    QFETCH(int, printer);
    QFETCH(QString, font);

    // Every line the chart has: the date on each page, special days (a birthday and a Friday
    // the 13th), the forecast and the dashed lines.
    chart::ChartFields fields = WorkedFields(PrinterType(printer));
    fields.preferences.font = font;
    fields.person.length = QStringLiteral("30");
    fields.preferences.holidays = true;
    fields.preferences.forecast = true;
    fields.preferences.dateEachPage = true;
    fields.preferences.spacing = chart::Spacing::WithLines;

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("fit.pdf"));
    print::QtPrintDevice device({{}, path, QStringLiteral("fit"), paper});
    RecordingAlerts alerts;
    QVERIFY(print::SetUpPrinterFont(device, fields));
    if (PrintDocument(document) == PrintDocument::Chart)
        QCOMPARE(print::PrintChart(fields, Today, device, alerts), print::PrintOutcome::Printed);
    else if (PrintDocument(document) == PrintDocument::CoverSheet)
        QCOMPARE(print::PrintCoverSheet(fields, device, alerts), print::PrintOutcome::Printed);
    else
        info::PrintWhatIsSheet(device, fields);
    QVERIFY2(device.ok(), qPrintable(device.errorText()));

    const QList<PdfPage> pages = PdfWords(path);
    QVERIFY(!pages.isEmpty());
    const QSizeF size = paper.size(QPageSize::Point);
    for (const PdfPage &page : pages) {
        QVERIFY(qAbs(page.paper.width() - size.width()) < 1 && qAbs(page.paper.height() - size.height()) < 1);
        QVERIFY(page.words.size() > 20);
        const QRectF clear =
            page.paper.marginsRemoved({EdgeClearance, EdgeClearance, EdgeClearance, EdgeClearance});
        for (const auto &[text, box] : page.words) {
            QVERIFY2(clear.contains(box), qPrintable(QStringLiteral("\"%1\" at %2 to %3 of %4 x %5")
                                                         .arg(text)
                                                         .arg(box.left())
                                                         .arg(box.right())
                                                         .arg(page.paper.width())
                                                         .arg(page.paper.height())));
        }
    }
}

QTEST_MAIN(TestPrintFit)
#include "tst_printfit.moc"
