#pragma once

// Where every control of the main window's form and every panel over it stands, and at which font
// sizes, computed from the window's size and the screen's height alone: plain rectangles from
// plain sizes, so that the rules can be tested at any size without a screen. WindowLayout applies
// the result.
//
// Positions follow the window: the person column is 0.26 of the window's width, the three frames
// fill the rest, the title's right edge stands at 95 %. Font sizes and a few heights come from a
// table indexed by the screen's height in twips (15 to a pixel), compared for exact equality;
// on a screen the table does not list they keep the values they had before.

#include <QRect>
#include <QSize>

class QWidget;

#include <array>
#include <functional>

namespace layout {

// Screen heights in the font table are in twips: 1440 to the inch, 15 to a pixel at 96 dpi.
inline constexpr int TwipsPerPixel = 15;

// The user's text size, in percent of the fonts the table (or the design) gives.
inline constexpr int NormalTextSize = 100;

// The values the font table sets. A screen the table does not list keeps the ones the controls
// have; the first layout starts from DesignScale.
struct Scale
{
    qreal basePoints = 10;           // the form's labels, boxes, buttons and the panels
    int nameLabelHeight = 17;        // pixels; every label of the person column takes it
    int headingFrameHeight = 210;    // pixels; the printer and preference frames take it too
    qreal splashTitlePoints = 36;    // the start-up notice's two title lines
    qreal databaseButtonPoints = 10; // the four buttons of the name database panel
    int textSize = NormalTextSize;   // the text size these values are at
    bool operator==(const Scale &) const = default;
};

inline constexpr Scale DesignScale{};

// The row of the font table for a screen `screenHeightTwips` high, for a window `windowHeight`
// pixels high; a screen the table does not list keeps `previous` (its values at the normal text
// size). At another text size every point size follows it, and so do, at larger sizes, the
// heights the row keeps instead of taking them from the window's height.
[[nodiscard]] Scale ScaleFor(int screenHeightTwips, int windowHeight, const Scale &previous,
                             int textSize = NormalTextSize);

// The nearest screen height the font table lists at or below `screenHeightTwips`; 0 below its lowest.
[[nodiscard]] int ListedHeightAtOrBelow(int screenHeightTwips);

// Every control the layout places. Frame rows stand in their frame's coordinates, the notice's
// labels in the notice's, all others in the window's inner area.
enum class Item {
    PictureButtons,
    Title,
    Subtitle,
    TitleRule,
    // The person column, each label over its box; Reset shares the start date's row.
    NameLabel,
    Name,
    BirthdateLabel,
    Birthdate,
    SignLabel,
    Sign,
    WeekdayLabel,
    Weekday,
    AgeDaysLabel,
    AgeDays,
    AgeYearsLabel,
    AgeYears,
    StartLabel,
    Start,
    LengthLabel,
    Length,
    EndLabel,
    End,
    Reset,
    HeadingFrame,
    LeadInLabel,
    LeadIn,
    LeadInClear,
    Line1Label,
    Line1,
    Line1Clear,
    Line2Label,
    Line2,
    Line2Clear,
    Line3Label,
    Line3,
    Line3Clear,
    Line4Label,
    Line4,
    Line4Clear,
    PrinterFrame,
    DotMatrix,
    Laser,
    PrinterRule,
    LinesPerPage,
    LinesPerPageLabel,
    Color,
    FontLabel,
    Font,
    PreferencesFrame,
    SingleSpace,
    DoubleSpace,
    LinedSpace,
    Holidays,
    DateEachPage,
    Forecast,
    // Over the form: the start-up notice and the chart display.
    Splash,
    SplashTitle,
    SplashVersion,
    SplashNotice,
    SplashHint,
    ChartView,
    CloseChart,
    // The panels over the form. The name database, the graph and the comparison lay their rows out
    // themselves.
    WhatIsPanel,
    WhatIsPrint,
    WhatIsClose,
    WhatIsText,
    HelpPanel,
    HelpTitle,
    HelpClose,
    HelpList,
    HelpInstruction,
    HelpText,
    DatabasePanel,
    GraphPanel,
    ComparePanel,
    Count
};
inline constexpr int ItemCount = int(Item::Count);

// Hands a control to whoever places it: the main window, which applies PlaceControls.
using AddControl = std::function<void(Item item, QWidget *widget)>;

// The frame or panel an item stands in; Item::Count for the window's inner area.
[[nodiscard]] Item ParentOf(Item item);
// Items of one layer may not overlap; the start-up notice and the chart display lie over the form.
// The panels lie over the form and over each other, and the help panel's close button on its
// title: they show whole when the inner area is as large as Needs::panels says.
enum class Layer { Form, Notice, Chart, Panels };
[[nodiscard]] Layer LayerOf(Item item);

// What the controls need at the fonts of a Scale: the least size each shows its caption and
// content in, and the height a word-wrapped label takes at a width. A panel's need is that of
// its own layout: for the name database, the least width of its rows and their height without
// the list; for the "What Is" buttons, the larger of the two; for the help title, its height.
struct Needs
{
    std::array<QSize, ItemCount> size{};
    std::function<int(Item, int width)> wrappedHeight;
};

// The least inner area in which the name database's rows show whole.
[[nodiscard]] QSize PanelsNeed(const Needs &needs);

struct Placement
{
    Scale scale;
    std::array<QRect, ItemCount> rect{};
    [[nodiscard]] const QRect &operator[](Item item) const { return rect[std::size_t(item)]; }
};

// Places every item for a window of `window` pixels whose inner area is `inner`. Rectangles may
// come out empty or negative when the window is smaller than its minimum size.
[[nodiscard]] Placement PlaceControls(QSize window, QSize inner, const Scale &scale, const Needs &needs);

// Whether every item of the form, the notice and the chart shows whole: at least its need,
// inside its frame or the inner area, and clear of the others on its layer; and whether the
// panels fit the inner area.
[[nodiscard]] bool Fits(const Placement &placement, QSize inner, const Needs &needs);

// The smallest window in which everything fits, on a screen `screenHeightTwips` high, with
// `chrome` the window's size less its inner area (the menu and status bars), at a text size whose
// needs are `needs`. Given a `room`, a size larger than it stops the search: some size larger
// than the room comes back.
[[nodiscard]] QSize MinimumWindowSize(int screenHeightTwips, const Scale &previous, QSize chrome,
                                      const Needs &needs, int textSize = NormalTextSize, QSize room = {});

} // namespace layout
