#include "mainwindow/formlayout.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>
#include <vector>

namespace layout {

namespace {

// One row of the font table. A share or splash size of 0 leaves that value as it was.
struct Row
{
    int screenHeight;
    qreal basePoints;
    double nameLabelShare; // of the window's height
    int headingFrameLabels;
    qreal splashTitlePoints;
    qreal databaseButtonPoints;
};

// The name database: its share of the inner area's width, and of its height before it fits its
// rows; the list's share of the latter. Its rows span 0.92 of its width (DatabasePanel::fitRows).
constexpr double DatabaseWidthShare = 0.6;
constexpr double DatabaseHeightShare = 0.8;
constexpr double DatabaseListShare = 0.3;
constexpr double DatabaseRowsShare = 0.92;

constexpr Row FontTable[] = {
    {18000, 18, 0.05, 9, 72, 18},  {15360, 18, 0.04, 10, 72, 18}, {14400, 18, 0.04, 10, 48, 14},
    {12960, 14, 0.04, 10, 48, 14}, {11520, 14, 0.04, 10, 48, 14}, {10800, 12, 0.03, 12, 48, 12},
    {9000, 10, 0, 12, 0, 10},      {7200, 8, 0, 11, 0, 8},
};

int Round(double value)
{
    return int(std::lround(value));
}

Item Next(Item item, int steps = 1)
{
    return Item(int(item) + steps);
}

bool Inside(const QRect &r, const QRect &area)
{
    return r.x() >= area.x() && r.y() >= area.y() && r.x() + r.width() <= area.x() + area.width() &&
           r.y() + r.height() <= area.y() + area.height();
}

class Placer
{
public:
    Placer(QSize window, QSize inner, const Scale &scale, const Needs &needs)
        : m_window(window)
        , m_inner(inner)
        , m_needs(needs)
    {
        m_placement.scale = scale;
    }

    Placement run()
    {
        placeTitle();
        placePersonColumn();
        placeFrames();
        placeSplash();
        placeChart();
        placeWhatIs();
        placeDatabase();
        placeHelp();
        placeGraph();
        placeCompare();
        return m_placement;
    }

private:
    [[nodiscard]] QSize need(Item item) const { return m_needs.size[std::size_t(item)]; }
    [[nodiscard]] QRect &at(Item item) { return m_placement.rect[std::size_t(item)]; }
    [[nodiscard]] const Scale &scale() const { return m_placement.scale; }
    [[nodiscard]] int wrapped(Item item, int width) const
    {
        return m_needs.wrappedHeight && width > 0 ? m_needs.wrappedHeight(item, width) : need(item).height();
    }
    // Where the first row of a frame stands: 45 twips for each point of the base font.
    [[nodiscard]] int firstRowTop() const { return Round(45 * scale().basePoints / TwipsPerPixel); }

    // The picture buttons keep their place at the top left; the title and the line under it stand
    // right-aligned at 95 % of the width, the rule under both.
    void placeTitle()
    {
        at(Item::PictureButtons) = QRect(QPoint(0, 0), need(Item::PictureButtons));
        const int right = Round(0.95 * m_window.width());
        const QSize title = need(Item::Title);
        at(Item::Title) = QRect(right - title.width(), 0, title.width(), title.height());
        const QSize subtitle = need(Item::Subtitle);
        at(Item::Subtitle) =
            QRect(right - subtitle.width(), title.height(), subtitle.width(), subtitle.height());
        const int ruleTop =
            std::max(at(Item::PictureButtons).height(), title.height() + subtitle.height()) + 2;
        const int left = columnLeft();
        at(Item::TitleRule) = QRect(left, ruleTop, right - left, need(Item::TitleRule).height());
    }

    [[nodiscard]] int columnLeft() const { return Round(m_window.width() - 0.98 * m_window.width()); }

    // Each label over its box: a box 1.2 label heights below its label's top, the next label 1.1
    // box heights below the box's top. "<< Reset" shares the start date's row at its right end.
    void placePersonColumn()
    {
        const int left = columnLeft();
        const int width = Round(0.26 * m_window.width());
        const int labelHeight = scale().nameLabelHeight;
        int top = Round(1.1 * at(Item::TitleRule).y());
        for (Item label = Item::NameLabel; label <= Item::EndLabel; label = Next(label, 2)) {
            const Item box = Next(label);
            at(label) = QRect(left, top, width, labelHeight);
            int height = need(box).height();
            if (box == Item::Start)
                height = std::max(height, need(Item::Reset).height());
            at(box) = QRect(left, top + Round(1.2 * labelHeight), width, height);
            top = at(box).y() + Round(1.1 * height);
        }
        QRect &start = at(Item::Start);
        const int reset = need(Item::Reset).width();
        at(Item::Reset) = QRect(left + width - reset, start.y(), reset, start.height());
        start.setWidth(width - reset - std::max(2, Round(0.02 * width)));
    }

    // The heading frame, with the printer and preference frames under it. The frames take the
    // font table's height, but no more than lets the lower two end inside the window: in a window
    // a little shorter than the table's proportions want (they fill nearly all of it) the frames
    // would otherwise lose their bottom edges at most heights and keep them at a few.
    void placeFrames()
    {
        const QRect label = at(Item::NameLabel);
        int height = scale().headingFrameHeight;
        while (height > 0 && label.y() + Round(1.05 * height) + height > m_inner.height())
            --height;
        const QRect heading(label.x() + label.width(), label.y(),
                            Round(m_window.width() - 1.3 * at(Item::Name).width()), height);
        at(Item::HeadingFrame) = heading;
        const int lowerTop = heading.y() + Round(1.05 * heading.height());
        const int half = heading.width() / 2;
        at(Item::PrinterFrame) = QRect(heading.x(), lowerTop, half, heading.height());
        at(Item::PreferencesFrame) = QRect(heading.x() + half, lowerTop, half, heading.height());
        placeHeadingRows();
        placePrinterRows();
        placePreferenceRows();
    }

    // Each heading row 0.7 of the frame wide with its "<< Clear" button right of it, 0.23 of the
    // row wide, and its caption left of it; the rows 1.5 row heights apart.
    void placeHeadingRows()
    {
        const int frame = at(Item::HeadingFrame).width();
        int rowWidth = Round(0.7 * frame);
        const int clearWidth = Round(0.23 * rowWidth);
        const int margin = Round(0.01 * frame);
        const int gap = std::max(1, Round(0.005 * frame));
        const int clearLeft = frame - margin - clearWidth;
        int rowLeft = clearLeft - gap - rowWidth;
        // Captions wider than their share (a longer language's) take the room from the boxes
        // beside them: a frame grown for one short column would grow the window far more.
        int caption = 0;
        for (Item label = Item::LeadInLabel; label <= Item::Line4Label; label = Next(label, 3))
            caption = std::max(caption, need(label).width());
        const int wanting = caption - (rowLeft - gap - margin);
        if (wanting > 0) {
            rowLeft += wanting;
            rowWidth -= wanting;
        }
        int top = firstRowTop();
        for (Item label = Item::LeadInLabel; label <= Item::Line4Label; label = Next(label, 3)) {
            const Item field = Next(label);
            const Item clear = Next(label, 2);
            const int height = std::max({need(label).height(), need(field).height(), need(clear).height()});
            at(label) = QRect(margin, top, rowLeft - gap - margin, height);
            at(field) = QRect(rowLeft, top, rowWidth, height);
            at(clear) = QRect(clearLeft, top, clearWidth, height);
            top += Round(1.5 * height);
        }
    }

    // A row 0.9 of the frame wide, centred, at `top`; returns the top of the row under it.
    int frameRow(Item item, int frame, int top)
    {
        const int height = need(item).height();
        at(item) = QRect(Round(0.05 * frame), top, Round(0.9 * frame), height);
        return top + Round(1.4 * height);
    }

    // The two printer types, a rule 1.5 option heights below the second, then the lines per page
    // with its caption beside it, "Print In Color", and the font list after its caption.
    void placePrinterRows()
    {
        const int frame = at(Item::PrinterFrame).width();
        const int laserTop = frameRow(Item::DotMatrix, frame, firstRowTop());
        frameRow(Item::Laser, frame, laserTop);
        const int optionHeight = at(Item::Laser).height();
        const int ruleTop = laserTop + Round(1.5 * optionHeight);
        at(Item::PrinterRule) =
            QRect(Round(0.06 * frame), ruleTop, Round(0.88 * frame), need(Item::PrinterRule).height());
        const int left = Round(0.05 * frame);
        const int right = left + Round(0.9 * frame);
        const int gap = Round(0.03 * frame);
        auto pair = [&](Item first, Item second, int top) {
            const int height = std::max(need(first).height(), need(second).height());
            at(first) = QRect(left, top, need(first).width(), height);
            const int secondLeft = left + need(first).width() + gap;
            at(second) = QRect(secondLeft, top, right - secondLeft, height);
            return top + Round(1.4 * height);
        };
        const int colorTop =
            pair(Item::LinesPerPage, Item::LinesPerPageLabel, ruleTop + Round(0.5 * optionHeight));
        pair(Item::FontLabel, Item::Font, frameRow(Item::Color, frame, colorTop));
    }

    void placePreferenceRows()
    {
        const int frame = at(Item::PreferencesFrame).width();
        int top = firstRowTop();
        for (Item row = Item::SingleSpace; row <= Item::Forecast; row = Next(row))
            top = frameRow(row, frame, top);
    }

    // The notice 0.8 of the window wide, centred as if 0.8 high, then as high as its labels: the
    // title and version lines 23 twips a point high, one under the other, the notice text and the
    // hint under them, 0.94 of the panel wide.
    void placeSplash()
    {
        const int width = Round(0.8 * m_window.width());
        const int fullHeight = Round(0.8 * m_window.height());
        const int titleHeight = Round(23 * scale().splashTitlePoints / TwipsPerPixel);
        const int titleTop = Round(0.25 * titleHeight);
        at(Item::SplashTitle) = QRect(0, titleTop, width, titleHeight);
        at(Item::SplashVersion) = QRect(0, titleTop + titleHeight, width, titleHeight);
        const int textLeft = Round(0.03 * width);
        const int textWidth = Round(0.94 * width);
        const int noticeTop = at(Item::SplashVersion).y() + Round(1.5 * titleHeight);
        at(Item::SplashNotice) =
            QRect(textLeft, noticeTop, textWidth, wrapped(Item::SplashNotice, textWidth));
        const int hintTop = noticeTop + Round(1.2 * at(Item::SplashNotice).height());
        at(Item::SplashHint) = QRect(textLeft, hintTop, textWidth, wrapped(Item::SplashHint, textWidth));
        const int height = Round(1.5 * 2 * titleHeight +
                                 1.2 * (at(Item::SplashNotice).height() + at(Item::SplashHint).height()));
        at(Item::Splash) =
            QRect((m_inner.width() - width) / 2, (m_inner.height() - fullHeight) / 2, width, height);
    }

    // The close button at the inner area's top right, as wide as the name box and as high as a
    // picture button; the chart box as wide as its lines, 0.8 of the inner height, centred below it.
    void placeChart()
    {
        const QSize close(std::max(at(Item::Name).width(), need(Item::CloseChart).width()),
                          std::max(at(Item::PictureButtons).height(), need(Item::CloseChart).height()));
        at(Item::CloseChart) = QRect(QPoint(m_inner.width() - close.width(), 0), close);
        const int width = need(Item::ChartView).width();
        const int height = Round(0.8 * m_inner.height());
        const int top = std::max((m_inner.height() - height) / 2, close.height() + 2);
        at(Item::ChartView) = QRect((m_inner.width() - width) / 2, top, width, height);
    }

    // A panel 0.8 of the inner area's width and height, centred (the free space halved, the
    // remainder dropped).
    [[nodiscard]] QRect centredPanel() const
    {
        const int width = Round(0.8 * m_inner.width());
        const int height = Round(0.8 * m_inner.height());
        return {(m_inner.width() - width) / 2, (m_inner.height() - height) / 2, width, height};
    }

    // "What Is": the Print button sits as far into the panel as the panel sits in the inner area,
    // one button width further right; Close follows 1.1 button widths after Print's left edge.
    // The text box is directly below Print, 0.95 of the panel's width and centred, 0.8 of its
    // height but never past the panel's bottom edge (so that its scroll bar stays whole).
    void placeWhatIs()
    {
        const QRect panel = centredPanel();
        const QSize button = need(Item::WhatIsPrint);
        at(Item::WhatIsPanel) = panel;
        const QRect print(QPoint(panel.left() + button.width(), panel.top()), button);
        at(Item::WhatIsPrint) = print;
        at(Item::WhatIsClose) =
            QRect(QPoint(print.left() + Round(1.1 * button.width()), print.top()), button);
        const int width = Round(0.95 * panel.width());
        const int top = print.top() + print.height();
        const int height = std::clamp(Round(0.8 * panel.height()), 0, std::max(0, panel.height() - top));
        at(Item::WhatIsText) = QRect((panel.width() - width) / 2, top, width, height);
    }

    // Help: the title spans the panel with the close button at its right end; below it, each one
    // title height apart, the topic list (0.95 of the panel's width, centred, 0.25 of its first
    // height), the instruction (as high as it wraps to at the list's width) and the topic's text
    // (as large as the list). The panel is then as high as five title heights and those three,
    // and no less high than the "What Is" and name database panels, which it opens over: the
    // topic's text takes the rest.
    void placeHelp()
    {
        QRect panel = centredPanel();
        const int title = need(Item::HelpTitle).height();
        at(Item::HelpTitle) = QRect(0, 0, panel.width(), title);
        at(Item::HelpClose) = QRect(panel.width() - title, 0, title, title);
        const int width = Round(0.95 * panel.width());
        const int left = (panel.width() - width) / 2;
        const int listHeight = Round(0.25 * panel.height());
        const QRect list(left, at(Item::HelpTitle).bottom() + 1 + title, width, listHeight);
        at(Item::HelpList) = list;
        const QRect instruction(left, list.bottom() + 1 + title, width,
                                wrapped(Item::HelpInstruction, width));
        at(Item::HelpInstruction) = instruction;
        const int own = 5 * title + list.height() + instruction.height() + listHeight;
        const int under =
            std::max(at(Item::WhatIsPanel).bottom(), at(Item::DatabasePanel).bottom()) + 1 - panel.top();
        const int height = std::max(own, under);
        at(Item::HelpText) = QRect(left, instruction.bottom() + 1 + title, width, listHeight + height - own);
        panel.setHeight(height);
        at(Item::HelpPanel) = panel;
    }

    // The name database 0.6 of the inner area's width, centred as if 0.8 high, then as high as
    // its rows and a list 0.3 of that height.
    void placeDatabase()
    {
        const int width = Round(m_inner.width() * DatabaseWidthShare);
        const int fullHeight = Round(m_inner.height() * DatabaseHeightShare);
        const int height = need(Item::DatabasePanel).height() + Round(fullHeight * DatabaseListShare);
        at(Item::DatabasePanel) =
            QRect((m_inner.width() - width) / 2, (m_inner.height() - fullHeight) / 2, width, height);
    }

    // The graph leaves a twentieth of the form showing at each side and at the foot, and the
    // picture buttons, the title and the rule under them above it.
    void placeGraph()
    {
        const int top = std::max(m_inner.height() / 20, at(Item::NameLabel).y());
        at(Item::GraphPanel) =
            QRect(m_inner.width() / 20, top, m_inner.width() * 9 / 10, m_inner.height() * 19 / 20 - top);
    }

    // The comparison half the inner area wide and 0.7 of it high, or as large as its rows want,
    // centred, never past the inner area.
    void placeCompare()
    {
        const QSize rows = need(Item::ComparePanel);
        const int width = std::min(m_inner.width(), std::max(rows.width(), Round(0.5 * m_inner.width())));
        const int height = std::min(m_inner.height(), std::max(rows.height(), Round(0.7 * m_inner.height())));
        at(Item::ComparePanel) =
            QRect((m_inner.width() - width) / 2, (m_inner.height() - height) / 2, width, height);
    }

    QSize m_window;
    QSize m_inner;
    const Needs &m_needs;
    Placement m_placement;
};

} // namespace

Scale ScaleFor(int screenHeightTwips, int windowHeight, const Scale &previous, int textSize)
{
    const auto row = std::find_if(std::begin(FontTable), std::end(FontTable),
                                  [&](const Row &r) { return r.screenHeight == screenHeightTwips; });
    const bool listed = row != std::end(FontTable);
    Scale scale = previous;
    if (listed) {
        scale.basePoints = row->basePoints;
        if (row->nameLabelShare > 0)
            scale.nameLabelHeight = Round(row->nameLabelShare * windowHeight);
        scale.headingFrameHeight = row->headingFrameLabels * scale.nameLabelHeight;
        if (row->splashTitlePoints > 0)
            scale.splashTitlePoints = row->splashTitlePoints;
        scale.databaseButtonPoints = row->databaseButtonPoints;
    }
    if (textSize == NormalTextSize)
        return scale;
    const auto sized = [textSize](double value) { return value * textSize / NormalTextSize; };
    scale.textSize = textSize;
    scale.basePoints = sized(scale.basePoints);
    scale.splashTitlePoints = sized(scale.splashTitlePoints);
    scale.databaseButtonPoints = sized(scale.databaseButtonPoints);
    // A height taken from the window's grows as the window does, which larger text makes larger;
    // a height kept as it was grows with larger text itself. Neither shrinks with smaller text:
    // boxes and buttons keep their margins, so their heights shrink less than the text.
    const auto grown = [textSize](int height) {
        return Round(double(height) * std::max(textSize, NormalTextSize) / NormalTextSize);
    };
    if (!listed || row->nameLabelShare == 0)
        scale.nameLabelHeight = grown(scale.nameLabelHeight);
    scale.headingFrameHeight =
        listed ? row->headingFrameLabels * scale.nameLabelHeight : grown(scale.headingFrameHeight);
    return scale;
}

int ListedHeightAtOrBelow(int screenHeightTwips)
{
    int best = 0;
    for (const Row &row : FontTable) {
        if (row.screenHeight <= screenHeightTwips)
            best = std::max(best, row.screenHeight);
    }
    return best;
}

Item ParentOf(Item item)
{
    if (item > Item::HeadingFrame && item < Item::PrinterFrame)
        return Item::HeadingFrame;
    if (item > Item::PrinterFrame && item < Item::PreferencesFrame)
        return Item::PrinterFrame;
    if (item > Item::PreferencesFrame && item < Item::Splash)
        return Item::PreferencesFrame;
    if (item > Item::Splash && item < Item::ChartView)
        return Item::Splash;
    if (item > Item::WhatIsPanel && item < Item::HelpPanel)
        return Item::WhatIsPanel;
    if (item > Item::HelpPanel && item < Item::DatabasePanel)
        return Item::HelpPanel;
    return Item::Count;
}

Layer LayerOf(Item item)
{
    if (item >= Item::Splash && item <= Item::SplashHint)
        return Layer::Notice;
    if (item >= Item::WhatIsPanel)
        return Layer::Panels;
    return item >= Item::ChartView ? Layer::Chart : Layer::Form;
}

Placement PlaceControls(QSize window, QSize inner, const Scale &scale, const Needs &needs)
{
    return Placer(window, inner, scale, needs).run();
}

QSize PanelsNeed(const Needs &needs)
{
    // The rows other than the list keep their height; the panel starts a tenth of the inner
    // area's height down and the list takes 0.3 of 0.8 of it.
    const QSize rows = needs.size[std::size_t(Item::DatabasePanel)];
    const double topShare = (1 - DatabaseHeightShare) / 2;
    return {int(std::ceil(rows.width() / DatabaseRowsShare / DatabaseWidthShare)),
            int(std::ceil(rows.height() / (1 - topShare - DatabaseHeightShare * DatabaseListShare)))};
}

bool Fits(const Placement &placement, QSize inner, const Needs &needs)
{
    // The items that may not overlap, by frame and layer, found once: the search for the least
    // window size asks this hundreds of times.
    static const std::vector<std::vector<std::size_t>> neighbours = [] {
        std::map<std::pair<Item, Layer>, std::vector<std::size_t>> groups;
        for (int i = 0; i < ItemCount; ++i) {
            if (LayerOf(Item(i)) != Layer::Panels)
                groups[{ParentOf(Item(i)), LayerOf(Item(i))}].push_back(std::size_t(i));
        }
        std::vector<std::vector<std::size_t>> lists;
        lists.reserve(groups.size());
        for (auto &[key, items] : groups)
            lists.push_back(std::move(items));
        return lists;
    }();

    const QSize panels = PanelsNeed(needs);
    if (inner.width() < panels.width() || inner.height() < panels.height())
        return false;
    for (const std::vector<std::size_t> &items : neighbours) {
        for (auto i = items.cbegin(); i != items.cend(); ++i) {
            const QRect &rect = placement.rect[*i];
            if (rect.width() < needs.size[*i].width() || rect.height() < needs.size[*i].height())
                return false;
            const Item parent = ParentOf(Item(*i));
            const QRect area(QPoint(0, 0), parent == Item::Count ? inner : placement[parent].size());
            if (!Inside(rect, area))
                return false;
            for (auto j = std::next(i); j != items.cend(); ++j) {
                if (rect.intersects(placement.rect[*j]))
                    return false;
            }
        }
    }
    return true;
}

QSize MinimumWindowSize(int screenHeightTwips, const Scale &previous, QSize chrome, const Needs &needs,
                        int textSize, QSize room)
{
    constexpr int Largest = 10000;
    auto fits = [&](QSize window) {
        const QSize inner = window - chrome;
        const Scale scale = ScaleFor(screenHeightTwips, window.height(), previous, textSize);
        return Fits(PlaceControls(window, inner, scale, needs), inner, needs);
    };
    // Wider never takes room from a control, so the least width is found by halving, with all
    // the height there is.
    int low = 1;
    int high = Largest;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (fits({middle, Largest}))
            high = middle;
        else
            low = middle + 1;
    }
    const int width = low;
    if (!room.isEmpty() && width > room.width())
        return {width, Largest};
    // Higher is not always better: label heights round and frame bottoms move in steps, so a
    // height can fit where one a pixel higher does not. The least height is the lowest from
    // which every height up to the screen's fits; a screen lower than any height that fits
    // gives the least height above it that does.
    const int screen = std::clamp(screenHeightTwips / TwipsPerPixel, 1, Largest);
    int height = screen;
    while (height < Largest && !fits({width, height})) {
        if (!room.isEmpty() && height > room.height())
            return {width, height};
        ++height;
    }
    if (height == screen) {
        while (height > 1 && fits({width, height - 1}))
            --height;
    }
    return {width, height};
}

} // namespace layout
