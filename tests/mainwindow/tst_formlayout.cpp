// The proportional layout as a pure function: the font table's rows, and the rules every placement
// keeps at any window size.

#include "mainwindow/formlayout.h"
#include "mainwindow/textsize.h"
#include "support/datarows.h"

#include <QtTest>

#include <cmath>

#include "support/testmain.h"

using namespace layout;

namespace {

// Needs that grow with the fonts, as real captions do: every control some characters wide and a
// line high (a label of the person column a bare line), the chart 79 characters wide, the notice's
// text wrapping at the width it is given.
Needs NeedsFor(const Scale &scale)
{
    const double pixels = scale.basePoints * 4 / 3;
    Needs needs;
    needs.size.fill(QSize(int(7 * pixels), int(1.6 * pixels)));
    auto need = [&needs](Item item) -> QSize & { return needs.size[std::size_t(item)]; };
    for (auto label = int(Item::NameLabel); label < int(Item::Reset); label += 2)
        needs.size[label].setHeight(int(1.25 * pixels));
    need(Item::PictureButtons) = QSize(210, 30);
    need(Item::Title) = QSize(110, 26) * scale.textSize / NormalTextSize;
    need(Item::TitleRule) = need(Item::PrinterRule) = QSize(0, 2);
    need(Item::Splash) = need(Item::HeadingFrame) = need(Item::PrinterFrame) =
        need(Item::PreferencesFrame) = {};
    need(Item::SplashTitle) = need(Item::SplashVersion) =
        QSize(int(6 * scale.splashTitlePoints), int(1.5 * scale.splashTitlePoints));
    need(Item::ChartView) = QSize(int(79 * 0.6 * pixels) + 25, 0);
    need(Item::SplashNotice) = need(Item::SplashHint) = {};
    needs.wrappedHeight = [pixels](Item, int width) { return int(std::ceil(2500 * pixels / width)); };
    need(Item::DatabasePanel) = QSize(int(22 * pixels), int(20 * pixels));
    return needs;
}

QRect Rect(const Placement &p, Item item)
{
    return p.rect[std::size_t(item)];
}

// Everything on the form, the notice and the chart shows whole, within its frame or the window,
// and nothing overlaps another control of its layer; the name database fits the window. Help
// hides the panels it opens over, and the graph leaves the title showing.
void VerifyWhole(const Placement &p, QSize inner, const Needs &needs)
{
    QVERIFY(PanelsNeed(needs).boundedTo(inner) == PanelsNeed(needs));
    QVERIFY(
        Rect(p, Item::HelpPanel).contains(Rect(p, Item::WhatIsPanel).united(Rect(p, Item::DatabasePanel))));
    QVERIFY(Rect(p, Item::GraphPanel).top() > Rect(p, Item::TitleRule).bottom());
    for (int i = 0; i < ItemCount; ++i) {
        if (LayerOf(Item(i)) == Layer::Panels)
            continue;
        const Item parent = ParentOf(Item(i));
        const QRect r = p.rect[i];
        const QSize area = parent == Item::Count ? inner : Rect(p, parent).size();
        QVERIFY2(QRect(QPoint(), area).contains(r) && r.width() >= needs.size[i].width() &&
                     r.height() >= needs.size[i].height(),
                 qPrintable(QString::number(i)));
        for (int j = 0; j < i; ++j)
            QVERIFY2(ParentOf(Item(j)) != parent || LayerOf(Item(j)) != LayerOf(Item(i)) ||
                         !r.intersects(p.rect[j]),
                     qPrintable(QStringLiteral("%1 and %2").arg(i).arg(j)));
    }
}

} // namespace

class TestFormLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void followsTheRules_data()
    {
        // The font table's row for the screen's height in twips: the base points, the label height as
        // a share of the window's, Frame1's height in label heights, Label27's points and the database
        // buttons' (0: kept as it was). Other rows of the table take the same lookup.
        Columns<int, qreal, double, int, qreal, qreal>(
            {"screen", "base", "labelShare", "frameLabels", "title", "buttons"});
        Row("1200 pixels high", 18000, 18.0, 0.05, 9, 72.0, 18.0);
        Row("960 pixels high", 14400, 18.0, 0.04, 10, 48.0, 14.0);
        Row("720 pixels high", 10800, 12.0, 0.03, 12, 48.0, 12.0);
        Row("600 pixels high", 9000, 10.0, 0.0, 12, 0.0, 10.0);
        Row("480 pixels high", 7200, 8.0, 0.0, 11, 0.0, 8.0);
        Row("1080 pixels high, not in the table", 16200, 0.0, 0.0, 0, 0.0, 0.0);
    }

    void followsTheRules()
    {
        QFETCH(int, screen);
        QFETCH(qreal, base);
        QFETCH(double, labelShare);
        QFETCH(int, frameLabels);
        QFETCH(qreal, title);
        QFETCH(qreal, buttons);
        const Scale previous{11, 25, 300, 40, 11};
        const QSize chrome(0, 45);
        const Needs needs = NeedsFor(ScaleFor(screen, 700, previous));
        // The least size is the least that fits, under menu and status bars of three heights:
        // every height from it up to the screen's fits, and one pixel less (in height or width)
        // does not.
        for (const int bars : {10, 45, 96}) {
            const auto fits = [&](QSize window) {
                const QSize inner = window - QSize(0, bars);
                return Fits(PlaceControls(window, inner, ScaleFor(screen, window.height(), previous), needs),
                            inner, needs);
            };
            const QSize least = MinimumWindowSize(screen, previous, {0, bars}, needs);
            QVERIFY(!fits(least - QSize(0, 1)) && !fits(least - QSize(1, 0)));
            for (int height = least.height(); height <= screen / TwipsPerPixel; ++height)
                QVERIFY2(fits({least.width(), height}),
                         qPrintable(QStringLiteral("%1, %2").arg(bars).arg(height)));
        }
        const QSize least = MinimumWindowSize(screen, previous, chrome, needs);
        for (const QSize window :
             {QSize(0, 0), QSize(150, 90), least, least + QSize(333, 171), QSize(2560, 1400)}) {
            const Scale scale = ScaleFor(screen, window.height(), previous);
            QCOMPARE(scale,
                     (Scale{base ? base : previous.basePoints,
                            labelShare ? qRound(labelShare * window.height()) : previous.nameLabelHeight,
                            frameLabels ? frameLabels * scale.nameLabelHeight : previous.headingFrameHeight,
                            title ? title : previous.splashTitlePoints,
                            buttons ? buttons : previous.databaseButtonPoints}));
            const Placement p = PlaceControls(window, window - chrome, scale, needs);
            // The person column: 0.26 of the width, each label as wide as the column and directly over its
            // box.
            QCOMPARE(Rect(p, Item::Name).width(), qRound(0.26 * window.width()));
            for (auto label = int(Item::NameLabel); label < int(Item::Reset); label += 2) {
                const QRect above = Rect(p, Item(label));
                const QRect box = Rect(p, Item(label + 1));
                QVERIFY(above.left() == box.left() && above.width() == Rect(p, Item::Name).width());
                QCOMPARE(box.top(), above.top() + qRound(1.2 * scale.nameLabelHeight));
            }
            QCOMPARE(Rect(p, Item::Title).right() + 1, qRound(0.95 * window.width()));
            // From the least size up everything shows whole.
            if (window.width() >= least.width() && window.height() >= least.height())
                VerifyWhole(p, window - chrome, needs);
        }
    }

    // At 80 %, 100 %, 150 % and the largest text size whose least window fits the screen (less a
    // task bar and a title bar), everything shows whole at the least size and on the whole screen,
    // and the least size grows with the text. Larger Text stays at the largest. A first run takes
    // the size of the nearest listed height below the screen's, as far as the window fits.
    void textSizes_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("firstRun");
        constexpr int Screens[][3] = {
            {1920, 1200, 100}, {1280, 1024, 100}, {1280, 960, 100}, {1152, 864, 100}, {1366, 768, 100},
            {1280, 720, 100},  {800, 600, 100},   {640, 480, 100},  {640, 400, 100},  {1920, 1080, 180},
            {2560, 1440, 180}, {3840, 2160, 180}, {1600, 900, 140}};
        for (const auto &[width, height, firstRun] : Screens)
            QTest::newRow(qPrintable(QStringLiteral("%1x%2").arg(width).arg(height)))
                << QSize(width, height) << firstRun;
    }

    void textSizes()
    {
        QFETCH(QSize, screen);
        QFETCH(int, firstRun);
        const int twips = screen.height() * TwipsPerPixel;
        const QSize chrome(0, 45);
        const QSize room = screen - QSize(0, 70);
        const auto needsAt = [twips](int size) { return NeedsFor(ScaleFor(twips, 700, DesignScale, size)); };
        const auto least = [&](int size) {
            return MinimumWindowSize(twips, DesignScale, chrome, needsAt(size), size);
        };
        int largest = NormalTextSize;
        while (largest < LargestTextSize &&
               least(largest + TextSizeStep).boundedTo(room) == least(largest + TextSizeStep))
            largest += TextSizeStep;
        const auto fitted = [&](int wanted) {
            return FitTextSize(wanted, twips, DesignScale, chrome, room, needsAt).textSize;
        };
        if (largest < LargestTextSize)
            QCOMPARE(fitted(largest + TextSizeStep), largest);
        QCOMPARE(FirstRunTextSize(twips, DesignScale), firstRun);
        QCOMPARE(fitted(firstRun), std::max(NormalTextSize, std::min(firstRun, largest)));
        for (const int size : {80, 100, 150, largest}) {
            const Needs needs = needsAt(size);
            for (const QSize shown : {least(size), screen.expandedTo(least(size))}) {
                const Scale scale = ScaleFor(twips, shown.height(), DesignScale, size);
                VerifyWhole(PlaceControls(shown, shown - chrome, scale, needs), shown - chrome, needs);
            }
        }
        QCOMPARE(least(80).boundedTo(least(100)), least(80));
        QCOMPARE(least(100).boundedTo(least(150)), least(100));
        QVERIFY(least(150).height() > least(80).height());
    }
};

TIDEMARK_TEST(TestFormLayout)
#include "tst_formlayout.moc"
