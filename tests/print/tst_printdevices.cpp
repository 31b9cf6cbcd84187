#include "pdfpages.h"
#include "print/qtprintdevice.h"
#include "print/recordingprintdevice.h"
#include "print/textprintdevice.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Runs a little script on a device: "p:text" prints and stays on the line, "l:text" prints and
// ends the line, "e" ends the line, "t:n" tabs, "x:twips" sets the position, "n" starts a page,
// "d" ends the document; steps are separated by "|".
void Run(print::PrintDevice &device, const QString &script)
{
    for (const QString &step : script.split(QLatin1Char('|'))) {
        const QString arg = step.mid(2);
        switch (step.at(0).toLatin1()) {
        case 'p':
            device.printItem(arg);
            break;
        case 'l':
            device.printLine(arg);
            break;
        case 'e':
            device.endLine();
            break;
        case 't':
            device.tab(arg.toInt());
            break;
        case 'x':
            device.setCurrentX(arg.toDouble());
            break;
        case 'n':
            device.newPage();
            break;
        case 'd':
            device.endDoc();
            break;
        }
    }
}

QStringList FilesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

class TestPrintDevices : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textGrid_data();
    void textGrid();
    void textGridAbort();
    void recorderLogsAndFails();
    void qtDeviceColumns_data();
    void qtDeviceColumns();
    void qtDevicePages_data();
    void qtDevicePages();
    void qtDeviceAbortLeavesNothing();
    void qtDeviceUnwritableFile();
    void qtDeviceDeclinedFile();
    void qtDeviceNothingPrinted();
    void qtDeviceReplacesFile();
    void qtDeviceUnknownQueue();
};

void TestPrintDevices::textGrid_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("text");

    QTest::newRow("tab forward on the same line") << "t:5|p:ab|t:10|l:c"
                                                  << "    ab   c\n";
    QTest::newRow("tab to a passed column: next line") << "p:abcdef|t:3|l:x"
                                                       << "abcdef\n  x\n";
    QTest::newRow("tab to the position itself stays") << "p:ab|t:3|l:c"
                                                      << "abc\n";
    QTest::newRow("tab below 1 is column 1") << "t:0|l:a"
                                             << "a\n";
    QTest::newRow("a position maps to its column") << "x:432|l:x"
                                                   << "   x\n";
    QTest::newRow("a position between columns: the nearest") << "x:200|p:a|x:420|l:b"
                                                             << " a b\n";
    QTest::newRow("printing over text replaces it") << "p:abcdef|x:144|l:XY"
                                                    << "aXYdef\n";
    QTest::newRow("an empty line") << "e|l:a"
                                   << "\na\n";
    QTest::newRow("an item ends no line") << "p:a|p:b|e"
                                          << "ab\n";
    QTest::newRow("pages split by a form feed") << "l:a|n|l:b"
                                                << "a\n\fb\n";
    QTest::newRow("a new page ends an open line") << "p:a|n|l:b"
                                                  << "a\n\fb\n";
    QTest::newRow("a new page first leaves a blank page") << "n|l:a"
                                                          << "\fa\n";
    QTest::newRow("the document ends an open line") << "p:a|d"
                                                    << "a\n";
    QTest::newRow("nothing after the end") << "l:a|d|l:b"
                                           << "a\n";
    QTest::newRow("a position alone prints nothing") << "l:a|t:9|d"
                                                     << "a\n";
}

void TestPrintDevices::textGrid()
{
    QFETCH(QString, script);
    QFETCH(QString, text);
    print::TextPrintDevice device;
    Run(device, script);
    QCOMPARE(device.text(), text);
    QVERIFY(device.ok());
    QCOMPARE(device.pageWidth(), 80 * 144.0);
    QCOMPARE(device.textWidth(QStringLiteral("abc")), 3 * 144.0);
}

void TestPrintDevices::textGridAbort()
{
    print::TextPrintDevice device;
    Run(device, QStringLiteral("l:a|n|p:b"));
    device.abort();
    Run(device, QStringLiteral("l:c"));
    QCOMPARE(device.text(), QString());
    QVERIFY(device.ended());
}

void TestPrintDevices::recorderLogsAndFails()
{
    print::RecordingPrintDevice device;
    device.setFontName(QStringLiteral("Courier"));
    device.setFontSize(12);
    device.setFontBold(false);
    device.setTextColor(qRgb(128, 0, 128));
    device.setOrientation(print::Orientation::Portrait);
    Run(device, QStringLiteral("t:6|p:DATE|x:288|l:E|e|n|d"));
    QCOMPARE(device.log(),
             (QStringList{"font Courier", "size 12", "bold 0", "color 800080", "orientation 1", "tab 6",
                          "print \"DATE\";", "x 288", "print \"E\"", "endline", "newpage", "enddoc"}));
    QCOMPARE(device.text().text(), QStringLiteral("  E  DATE\n\n\f"));

    print::RecordingPrintDevice failing;
    failing.failAt(1, QStringLiteral("The printer \"Office\" went away."));
    Run(failing, QStringLiteral("l:a|l:b|l:c|d"));
    QVERIFY(!failing.ok());
    QCOMPARE(failing.errorText(), QStringLiteral("The printer \"Office\" went away."));
    QCOMPARE(failing.log(), (QStringList{"print \"a\"", "FAILED print \"b\""}));
    failing.abort();
    QCOMPARE(failing.log().last(), QStringLiteral("abort"));
}

void TestPrintDevices::qtDeviceColumns_data()
{
    QTest::addColumn<QPageSize>("paper");
    QTest::addColumn<int>("orientation");

    QTest::newRow("Letter: 80 columns, a little narrowed")
        << QPageSize(QPageSize::Letter) << int(print::Orientation::Portrait);
    QTest::newRow("A4: 80 columns, a little narrowed")
        << QPageSize(QPageSize::A4) << int(print::Orientation::Portrait);
    QTest::newRow("A4 landscape: ten to the inch")
        << QPageSize(QPageSize::A4) << int(print::Orientation::Landscape);
}

void TestPrintDevices::qtDeviceColumns()
{
    QFETCH(QPageSize, paper);
    QFETCH(int, orientation);
    QTemporaryDir folder;
    print::QtPrintDevice device(
        {{}, folder.filePath(QStringLiteral("columns.pdf")), QStringLiteral("t"), paper});
    device.setOrientation(print::Orientation(orientation));
    device.setFontName(QStringLiteral("Courier"));
    device.setFontSize(12);
    // A fixed-pitch 12 point face has ten characters to the inch where the line holds 80 of
    // them, and exactly 80 to the line where it does not.
    const double column = std::min(144.0, device.pageWidth() / 80);
    QVERIFY2(qAbs(device.textWidth(QString(80, QLatin1Char('0'))) - 80 * column) < 1,
             qPrintable(QString::number(device.textWidth(QString(80, QLatin1Char('0'))))));
    device.tab(11);
    QVERIFY2(qAbs(device.currentX() - 10 * column) < 1, qPrintable(QString::number(device.currentX())));
    device.printItem(QStringLiteral("abc"));
    QVERIFY(qAbs(device.currentX() - 13 * column) < 1);
    // A tab back to a column already passed starts a new line there.
    device.tab(2);
    QVERIFY(qAbs(device.currentX() - column) < 1);
    device.endDoc();
    QVERIFY(device.ok());
    QCOMPARE(PdfPageCount(device.outputPath()), 1);
}

void TestPrintDevices::qtDevicePages_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("pages");

    QTest::newRow("one page") << "l:a|d" << 1;
    QTest::newRow("three pages") << "l:a|n|l:b|n|l:c|d" << 3;
    QString long_;
    for (int n = 0; n < 150; ++n)
        long_ += QStringLiteral("l:line %1|").arg(n);
    QTest::newRow("a page too long breaks by itself") << long_ + "d" << 3;
}

void TestPrintDevices::qtDevicePages()
{
    QFETCH(QString, script);
    QFETCH(int, pages);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("pages.pdf"));
    print::QtPrintDevice device({{}, path, QStringLiteral("t")});
    device.setFontName(QStringLiteral("Courier"));
    device.setFontSize(12);
    Run(device, script);
    QVERIFY2(device.ok(), qPrintable(device.errorText()));
    QCOMPARE(device.outputPath(), path);
    QCOMPARE(device.pageCount(), pages);
    QCOMPARE(PdfPageCount(path), pages);
    QCOMPARE(FilesIn(folder.path()), QStringList{QStringLiteral("pages.pdf")});
    // The PDF is as open to others as any new file in that folder.
    QFile fresh(folder.filePath(QStringLiteral("fresh")));
    QVERIFY(fresh.open(QIODevice::WriteOnly));
    QCOMPARE(QFileInfo(path).permissions(), QFileInfo(fresh.fileName()).permissions());
}

void TestPrintDevices::qtDeviceAbortLeavesNothing()
{
    QTemporaryDir folder;
    print::QtPrintDevice device({{}, folder.filePath(QStringLiteral("aborted.pdf")), QStringLiteral("t")});
    Run(device, QStringLiteral("l:a|n|l:b"));
    QCOMPARE(FilesIn(folder.path()).size(), 1); // the document being drawn
    device.abort();
    QVERIFY(FilesIn(folder.path()).isEmpty());
    QVERIFY(device.outputPath().isEmpty());
    Run(device, QStringLiteral("l:c|d"));
    QVERIFY(FilesIn(folder.path()).isEmpty());
}

void TestPrintDevices::qtDeviceUnwritableFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("missing/chart.pdf"));
    print::QtPrintDevice device({{}, path, QStringLiteral("t")});
    Run(device, QStringLiteral("l:a|n|l:b|d"));
    QVERIFY(!device.ok());
    QVERIFY2(device.errorText().contains(QDir::toNativeSeparators(path)), qPrintable(device.errorText()));
    QVERIFY(device.errorText().startsWith(QLatin1String("The PDF file \"")));
    QVERIFY(!QFile::exists(path));
}

void TestPrintDevices::qtDeviceDeclinedFile()
{
    int asked = 0;
    print::QtPrintDevice device({}, [&asked] {
        ++asked;
        return QString();
    });
    Run(device, QStringLiteral("l:a|l:b|d"));
    QCOMPARE(asked, 1);
    QVERIFY(!device.ok());
    QVERIFY(device.errorText().isEmpty());
}

void TestPrintDevices::qtDeviceNothingPrinted()
{
    QTemporaryDir folder;
    int asked = 0;
    print::QtPrintDevice device({}, [&] {
        ++asked;
        return folder.filePath(QStringLiteral("empty.pdf"));
    });
    device.setFontName(QStringLiteral("Arial"));
    device.endDoc();
    QVERIFY(device.ok());
    QCOMPARE(asked, 0);
    QVERIFY(FilesIn(folder.path()).isEmpty());
}

void TestPrintDevices::qtDeviceReplacesFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("old.pdf"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("not a pdf");
    old.close();
    print::QtPrintDevice device({{}, path, QStringLiteral("t")});
    Run(device, QStringLiteral("l:a|n|l:b|d"));
    QVERIFY(device.ok());
    QCOMPARE(PdfPageCount(path), 2);
}

void TestPrintDevices::qtDeviceUnknownQueue()
{
    print::QtPrintDevice device({QStringLiteral("NoSuchQueue-Tidemark"), {}, QStringLiteral("t")});
    Run(device, QStringLiteral("l:a|d"));
    QVERIFY(!device.ok());
    QCOMPARE(device.errorText(), QStringLiteral("The printer \"NoSuchQueue-Tidemark\" is not available."));
}

QTEST_MAIN(TestPrintDevices)
#include "tst_printdevices.moc"
