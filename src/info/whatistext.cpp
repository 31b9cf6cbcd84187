#include "info/whatistext.h"

#include <QtGlobal>

#include <array>

namespace info {

namespace {

// A paragraph and the width at which the character layout breaks it into lines. Those widths
// differ from block to block (each block keeps the line count it always had, and its lines
// start three spaces in and stay within 80 columns); the page layout breaks every block at
// PageColumns.
struct Paragraph
{
    const char *words;
    int characterColumns;
};

constexpr int PageColumns = 76;

// The words the panel shows are marked for translation; the printed sheet keeps them in English.
constexpr std::array<Paragraph, 5> Body{{
    //: P, E and I are the letters of the three cycles on the chart, which is printed in English:
    //: keep them as they are.
    {QT_TRANSLATE_NOOP(
         "WhatIsText",
         "A biorhythm is a cyclical pattern of biological activity that begins at birth with three "
         "sine wave cycles: the (P)hysical, the (E)motional and the (I)ntellectual.  Each starts "
         "at zero on the day of birth."),
     76},
    {QT_TRANSLATE_NOOP(
         "WhatIsText",
         "The (P)hysical cycle begins every 23 days and controls our energy, strength, endurance "
         "and resistance to illness.  When the physical cycle is up, on the right side of the "
         "center critical line, it is said to be a time of energy, stamina and well-being, good "
         "for sports and hard work.  When it is down, on the left side of the line, it is said to "
         "be a time when we tire sooner and do better to rest and recharge."),
     68},
    {QT_TRANSLATE_NOOP(
         "WhatIsText",
         "The (E)motional cycle begins every 28 days and controls our sensitivity and temperament: "
         "our moods, feelings and creativity.  The right side of the center line is the positive "
         "side, said to favor a cheerful, cooperative and creative frame of mind.  On the left, "
         "negative side we may be moodier, more easily irritated and quicker to see the dark side "
         "of things."),
     74},
    {QT_TRANSLATE_NOOP(
         "WhatIsText",
         "Our (I)ntellectual cycle begins every 33 days and controls our thinking capacity: "
         "memory, alertness, reasoning and the ability to learn.  When it is up, it is said to be "
         "a good time to study, to plan and to make decisions.  When it is down, the mind is said "
         "to be better suited to review, routine work and rest than to new ideas and hard "
         "choices."),
     70},
    {QT_TRANSLATE_NOOP(
         "WhatIsText",
         "The magnitudes of the cycles have no significance, except to indicate negative, zero and "
         "positive values.  How far a letter stands from the center line does not make a day "
         "better or worse; only its side counts.  The days on which a curve crosses the center "
         "line are zero days, also called CRITICAL days.  On a critical day that cycle is "
         "changing over, and one may be more accident prone, so it is a day to take a little "
         "extra care."),
     76},
}};

//: ">HIGH>" is the mark on the chart, which is printed in English: keep it as it is.
constexpr const char *TripleHigh = QT_TRANSLATE_NOOP(
    "WhatIsText", "TRIPLE HIGH DAYS occur within the area when all three cycles are converging together "
                  "on the RIGHT side of the center line.  On such a day all three cycles are positive at "
                  "once, the peak of the model: a day said to be well suited to effort, activity and "
                  "getting things done.  The chart marks these days >HIGH>.");

//: "<LOW<" is the mark on the chart, which is printed in English: keep it as it is.
constexpr const char *TripleLow = QT_TRANSLATE_NOOP(
    "WhatIsText", "TRIPLE LOW DAYS happen when all three cycles occur on the LEFT side of the chart.  All "
                  "three cycles are negative at once, a day said to call for rest, patience and extra "
                  "care.  The chart marks these days <LOW<.");

// The character layout prints the two triple paragraphs as one block.
constexpr int TripleCharacterColumns = 75;

// Only the printed sheet carries the closing statement.
constexpr Paragraph Closing{
    "These charts are compiled for entertainment purposes only, and NO CLAIM is made that "
    "anyone might be guided by them.  Study and use your chart wisely.",
    72};

// Breaks a paragraph into lines of at most `columns` characters, as many words to a line as
// fit; the blanks at a break are dropped. A word longer than a line stands on a line of its own.
QStringList BreakIntoLines(const QString &words, int columns)
{
    QStringList lines;
    QString line;
    qsizetype pos = 0;
    while (pos < words.size()) {
        const qsizetype wordStart = pos;
        while (pos < words.size() && words[pos] != QLatin1Char(' '))
            ++pos;
        const QStringView word = QStringView(words).mid(wordStart, pos - wordStart);
        const qsizetype blanksStart = pos;
        while (pos < words.size() && words[pos] == QLatin1Char(' '))
            ++pos;
        const QStringView blanks = QStringView(words).mid(blanksStart, pos - blanksStart);
        if (!line.isEmpty() && line.size() + word.size() > columns) {
            lines << line.trimmed();
            line.clear();
        }
        line += word;
        line += blanks;
    }
    if (!line.trimmed().isEmpty())
        lines << line.trimmed();
    return lines;
}

WhatIsSheetText BuildSheet(WhatIsLayout layout)
{
    const bool character = layout == WhatIsLayout::Character;
    WhatIsSheetText sheet;
    for (const Paragraph &paragraph : Body)
        sheet.body << BreakIntoLines(QString::fromLatin1(paragraph.words),
                                     character ? paragraph.characterColumns : PageColumns);
    const QString high = QString::fromLatin1(TripleHigh);
    const QString low = QString::fromLatin1(TripleLow);
    if (character)
        sheet.triple << BreakIntoLines(high + QStringLiteral("  ") + low, TripleCharacterColumns);
    else
        sheet.triple << BreakIntoLines(high, PageColumns) << BreakIntoLines(low, PageColumns);
    sheet.closing = BreakIntoLines(QString::fromLatin1(Closing.words),
                                   character ? Closing.characterColumns : PageColumns);
    return sheet;
}

} // namespace

QString WhatIsHeading1()
{
    return QStringLiteral("**** WHAT IS A BIORHYTHM? ****");
}

QString WhatIsHeading2()
{
    return QStringLiteral("**** TRIPLE HIGH & TRIPLE LOW DAYS ****");
}

QList<const char *> WhatIsScreenItems()
{
    //: The heading of the "What Is A Biorhythm?" panel's text.
    QList<const char *> items{QT_TRANSLATE_NOOP("WhatIsText", "--- WHAT IS A BIORHYTHM ---")};
    for (const Paragraph &paragraph : Body)
        items << paragraph.words;
    //: The heading of the "What Is A Biorhythm?" panel's second part.
    items << QT_TRANSLATE_NOOP("WhatIsText", "--- TRIPLE HIGH AND TRIPLE LOW DAYS ---") << TripleHigh
          << TripleLow;
    return items;
}

QString WhatIsScreenText(const QStringList &items)
{
    const QString indent(5, QLatin1Char(' '));
    QStringList indented;
    for (const QString &item : items)
        indented << indent + item;
    return indented.join(QStringLiteral("\n\n"));
}

const WhatIsSheetText &WhatIsSheet(WhatIsLayout layout)
{
    static const WhatIsSheetText character = BuildSheet(WhatIsLayout::Character);
    static const WhatIsSheetText page = BuildSheet(WhatIsLayout::Page);
    return layout == WhatIsLayout::Character ? character : page;
}

} // namespace info
