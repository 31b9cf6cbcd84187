#include "settings/windowplacement.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace settings;

Q_DECLARE_METATYPE(settings::WindowPlacement)

namespace {

bool PutFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

const QRect Primary(0, 0, 1920, 1080);
const QRect Second(1920, 0, 1280, 1024);

} // namespace

class TestWindowPlacement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void load_data();
    void load();
    void saveWritesSingleText_data();
    void saveWritesSingleText();
    void saveThenLoad();
    void twips_data();
    void twips();
    void placementToPixels_data();
    void placementToPixels();
    void placementFromPixels();
    void placeOnScreen_data();
    void placeOnScreen();
};

void TestWindowPlacement::load_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<WindowPlacement>("expected");
    QTest::newRow("empty store") << QByteArray() << WindowPlacement{1000, 1000, 6500, 6500};
    QTest::newRow("all four keys") << QByteArray("[Settings]\nMainLeft=1200\nMainTop=800\nMainWidth=9000\n"
                                                 "MainHeight=7000\n")
                                   << WindowPlacement{1200, 800, 9000, 7000};
    QTest::newRow("some keys missing")
        << QByteArray("[Settings]\nMainTop=300\nMainHeight=4000\n") << WindowPlacement{1000, 300, 6500, 4000};
    QTest::newRow("fractions and negatives") << QByteArray("[Settings]\nMainLeft=1234.5\nMainTop=-300\n")
                                             << WindowPlacement{1234.5, -300, 6500, 6500};
    QTest::newRow("read as single precision") << QByteArray("[Settings]\nMainLeft=0.1\nMainWidth=16777217\n")
                                              << WindowPlacement{double(0.1f), 1000, 16777216, 6500};
    QTest::newRow("blanks around the number")
        << QByteArray("[Settings]\nMainLeft=\" 1500 \"\n") << WindowPlacement{1500, 1000, 6500, 6500};
    QTest::newRow("not a number") << QByteArray("[Settings]\nMainLeft=abc\nMainTop=12px\nMainWidth=7000\n")
                                  << WindowPlacement{1000, 1000, 7000, 6500};
    QTest::newRow("empty value") << QByteArray("[Settings]\nMainWidth=\n")
                                 << WindowPlacement{1000, 1000, 6500, 6500};
    QTest::newRow("infinity and nan") << QByteArray("[Settings]\nMainLeft=inf\nMainTop=nan\nMainWidth=-inf\n")
                                      << WindowPlacement{1000, 1000, 6500, 6500};
    QTest::newRow("too large for single precision")
        << QByteArray("[Settings]\nMainHeight=1e40\n") << WindowPlacement{1000, 1000, 6500, 6500};
    QTest::newRow("list value") << QByteArray("[Settings]\nMainLeft=1, 2\n")
                                << WindowPlacement{1000, 1000, 6500, 6500};
    QTest::newRow("other group ignored")
        << QByteArray("[Other]\nMainLeft=5\n") << WindowPlacement{1000, 1000, 6500, 6500};
}

void TestWindowPlacement::load()
{
    QFETCH(QByteArray, ini);
    QFETCH(WindowPlacement, expected);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Tidemark.ini"));
    QVERIFY(PutFile(path, ini));
    const QSettings store(path, QSettings::IniFormat);
    QCOMPARE(LoadWindowPlacement(store), expected);
}

void TestWindowPlacement::saveWritesSingleText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole number") << 1000.0 << QStringLiteral("1000");
    QTest::newRow("half") << 1234.5 << QStringLiteral("1234.5");
    QTest::newRow("shortest single text") << 0.1 << QStringLiteral("0.1");
    QTest::newRow("million without exponent") << 1e6 << QStringLiteral("1000000");
    QTest::newRow("negative") << -15.0 << QStringLiteral("-15");
    QTest::newRow("rounded to single precision") << 16777217.0 << QStringLiteral("16777216");
}

void TestWindowPlacement::saveWritesSingleText()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Tidemark.ini"));
    {
        QSettings store(path, QSettings::IniFormat);
        SaveWindowPlacement(store, {value, 2, 3, 4});
        store.sync();
        QCOMPARE(store.status(), QSettings::NoError);
    }
    const QSettings reread(path, QSettings::IniFormat);
    QCOMPARE(reread.value(QStringLiteral("Settings/MainLeft")).toString(), text);
    QCOMPARE(reread.value(QStringLiteral("Settings/MainHeight")).toString(), QStringLiteral("4"));
}

void TestWindowPlacement::saveThenLoad()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Tidemark.ini"));
    const WindowPlacement placement{1500, 750, 12000, 9000.5};
    {
        QSettings store(path, QSettings::IniFormat);
        SaveWindowPlacement(store, placement);
    }
    const QSettings store(path, QSettings::IniFormat);
    QCOMPARE(LoadWindowPlacement(store), placement);
}

void TestWindowPlacement::twips_data()
{
    QTest::addColumn<double>("twips");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<double>("pixels");
    QTest::newRow("one inch at 96 dpi") << 1440.0 << 96.0 << 96.0;
    QTest::newRow("fifteen twips a pixel at 96 dpi") << 15.0 << 96.0 << 1.0;
    QTest::newRow("one inch at 120 dpi") << 1440.0 << 120.0 << 120.0;
    QTest::newRow("negative position") << -720.0 << 144.0 << -72.0;
    QTest::newRow("zero dpi taken as 96") << 1440.0 << 0.0 << 96.0;
    QTest::newRow("negative dpi taken as 96") << 1440.0 << -5.0 << 96.0;
    QTest::newRow("nan dpi taken as 96") << 1440.0 << std::nan("") << 96.0;
}

void TestWindowPlacement::twips()
{
    QFETCH(double, twips);
    QFETCH(double, dpi);
    QFETCH(double, pixels);
    QCOMPARE(TwipsToPixels(twips, dpi), pixels);
    QCOMPARE(PixelsToTwips(pixels, dpi), twips);
}

void TestWindowPlacement::placementToPixels_data()
{
    QTest::addColumn<WindowPlacement>("placement");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("defaults at 96 dpi") << WindowPlacement{} << QRect(67, 67, 433, 433);
    QTest::newRow("negative edges") << WindowPlacement{-1500, -15, 3000, 1500} << QRect(-100, -1, 200, 100);
    QTest::newRow("huge values kept within bounds")
        << WindowPlacement{1e30, -1e30, 1e30, 6500} << QRect(1000000, -1000000, 1000000, 433);
    QTest::newRow("not finite values")
        << WindowPlacement{std::nan(""), 1000, HUGE_VAL, 6500} << QRect(0, 67, 0, 433);
}

void TestWindowPlacement::placementToPixels()
{
    QFETCH(WindowPlacement, placement);
    QFETCH(QRect, rect);
    QCOMPARE(PlacementToPixels(placement, 96), rect);
}

void TestWindowPlacement::placementFromPixels()
{
    QCOMPARE(PlacementFromPixels(QRect(100, 50, 800, 600), 96), (WindowPlacement{1500, 750, 12000, 9000}));
    QCOMPARE(PlacementFromPixels(QRect(-10, 0, 1, 1), 144), (WindowPlacement{-100, 0, 10, 10}));
}

// The window opens on the screen that holds most of its title bar, else on the first (primary)
// one, wholly inside it, at least its minimum size and at most the screen's.
void TestWindowPlacement::placeOnScreen_data()
{
    QTest::addColumn<QRect>("wanted");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QRect>("expected");
    const QList<QRect> both{Primary, Second};
    const QSize none;
    const QSize minimum(700, 500);
    auto row = [&](const char *tag, QRect wanted, const QList<QRect> &screens, QSize least, QRect expected) {
        QTest::newRow(tag) << wanted << screens << least << expected;
    };
    row("inside primary", QRect(100, 100, 800, 600), both, none, QRect(100, 100, 800, 600));
    row("on the second screen", QRect(2000, 100, 800, 600), both, none, QRect(2000, 100, 800, 600));
    row("mostly on the second screen", QRect(1800, 100, 800, 600), both, none, QRect(1920, 100, 800, 600));
    row("bottom below the screen", QRect(100, 900, 800, 600), both, none, QRect(100, 480, 800, 600));
    row("left part off", QRect(-700, 100, 800, 600), both, none, QRect(0, 100, 800, 600));
    row("right of every screen", QRect(4000, 100, 800, 600), both, none, QRect(1120, 100, 800, 600));
    row("above the screens", QRect(100, -500, 800, 600), both, none, QRect(100, 0, 800, 600));
    row("below the shorter second screen", QRect(2000, 1030, 800, 600), both, none,
        QRect(1120, 480, 800, 600));
    row("larger than the screen it is on", QRect(2000, 0, 1500, 1200), both, none,
        QRect(1920, 0, 1280, 1024));
    row("larger than primary and off screen", QRect(5000, 5000, 2500, 1500), both, none, Primary);
    row("no width", QRect(100, 100, 0, 600), both, none, QRect(100, 100, 1, 600));
    row("negative size", QRect(100, 100, -20, -20), both, none, QRect(100, 100, 1, 1));
    row("no screens", QRect(3000, 100, 800, 600), {}, minimum, QRect(3000, 100, 800, 600));
    row("no width, far right, at the minimum", QRect(1'000'000, 100, 0, 433), {Primary}, minimum,
        QRect(1220, 100, 700, 500));
    row("no height, far below, at the minimum", QRect(100, 1'000'000, 800, 0), {Primary}, minimum,
        QRect(100, 580, 800, 500));
    row("minimum larger than the screen", QRect(5000, 100, 10, 10), {Primary}, QSize(2500, 1500), Primary);
}

void TestWindowPlacement::placeOnScreen()
{
    QFETCH(QRect, wanted);
    QFETCH(QList<QRect>, screens);
    QFETCH(QSize, minimum);
    QFETCH(QRect, expected);
    QCOMPARE(FitOnScreen(wanted, screens.value(ScreenFor(wanted, screens)), minimum), expected);
}

QTEST_GUILESS_MAIN(TestWindowPlacement)
#include "test_windowplacement.moc"
