#include "info/whatistext.h"

namespace info {

QString WhatIsHeading1()
{
    return QStringLiteral("**** WHAT IS A BIORHYTHM? ****");
}

QString WhatIsHeading2()
{
    return QStringLiteral("**** TRIPLE HIGH & TRIPLE LOW DAYS ****");
}

QString WhatIsScreenText()
{
    static const QString text = QStringLiteral(
        "     --- WHAT IS A BIORHYTHM ---\n\n"
        "     A biorhythm is a cyclical pattern of biological activity that begins at birth with three "
        "sine wave cycles: the (P)hysical, the (E)motional and the (I)ntellectual.  Each starts "
        "at zero on the day of birth.\n\n"
        "     The (P)hysical cycle begins every 23 days and controls our energy, strength, endurance "
        "and resistance to illness.  When the physical cycle is up, on the right side of the "
        "center critical line, it is said to be a time of energy, stamina and well-being, good "
        "for sports and hard work.  When it is down, on the left side of the line, it is said to "
        "be a time when we tire sooner and do better to rest and recharge.\n\n"
        "     The (E)motional cycle begins every 28 days and controls our sensitivity and temperament: "
        "our moods, feelings and creativity.  The right side of the center line is the positive "
        "side, said to favor a cheerful, cooperative and creative frame of mind.  On the left, "
        "negative side we may be moodier, more easily irritated and quicker to see the dark side "
        "of things.\n\n"
        "     Our (I)ntellectual cycle begins every 33 days and controls our thinking capacity: "
        "memory, alertness, reasoning and the ability to learn.  When it is up, it is said to be "
        "a good time to study, to plan and to make decisions.  When it is down, the mind is said "
        "to be better suited to review, routine work and rest than to new ideas and hard choices.\n\n"
        "     The magnitudes of the cycles have no significance, except to indicate negative, zero and "
        "positive values.  How far a letter stands from the center line does not make a day "
        "better or worse; only its side counts.  The days on which a curve crosses the center "
        "line are zero days, also called CRITICAL days.  On a critical day that cycle is changing "
        "over, and one may be more accident prone, so it is a day to take a little extra care.\n\n"
        "     --- TRIPLE HIGH AND TRIPLE LOW DAYS ---\n\n"
        "     TRIPLE HIGH DAYS occur within the area when all three cycles are converging together on "
        "the RIGHT side of the center line.  On such a day all three cycles are positive at once, "
        "the peak of the model: a day said to be well suited to effort, activity and getting "
        "things done.  The chart marks these days >HIGH>.\n\n"
        "     TRIPLE LOW DAYS happen when all three cycles occur on the LEFT side of the chart.  All "
        "three cycles are negative at once, a day said to call for rest, patience and extra care.  "
        "The chart marks these days <LOW<.");
    return text;
}

const WhatIsSheetText &WhatIsSheet(WhatIsLayout layout)
{
    static const WhatIsSheetText character{
        // body
        {
            {
                QStringLiteral("A biorhythm is a cyclical pattern of biological activity that begins at"),
                QStringLiteral("birth with three sine wave cycles: the (P)hysical, the (E)motional and the"),
                QStringLiteral("(I)ntellectual.  Each starts at zero on the day of birth."),
            },
            {
                QStringLiteral("The (P)hysical cycle begins every 23 days and controls our energy,"),
                QStringLiteral("strength, endurance and resistance to illness.  When the physical"),
                QStringLiteral("cycle is up, on the right side of the center critical line, it is"),
                QStringLiteral("said to be a time of energy, stamina and well-being, good for sports"),
                QStringLiteral("and hard work.  When it is down, on the left side of the line, it is"),
                QStringLiteral("said to be a time when we tire sooner and do better to rest and"),
                QStringLiteral("recharge."),
            },
            {
                QStringLiteral("The (E)motional cycle begins every 28 days and controls our sensitivity"),
                QStringLiteral("and temperament: our moods, feelings and creativity.  The right side of"),
                QStringLiteral("the center line is the positive side, said to favor a cheerful,"),
                QStringLiteral("cooperative and creative frame of mind.  On the left, negative side we may"),
                QStringLiteral("be moodier, more easily irritated and quicker to see the dark side of"),
                QStringLiteral("things."),
            },
            {
                QStringLiteral("Our (I)ntellectual cycle begins every 33 days and controls our"),
                QStringLiteral("thinking capacity: memory, alertness, reasoning and the ability to"),
                QStringLiteral("learn.  When it is up, it is said to be a good time to study, to plan"),
                QStringLiteral("and to make decisions.  When it is down, the mind is said to be better"),
                QStringLiteral("suited to review, routine work and rest than to new ideas and hard"),
                QStringLiteral("choices."),
            },
            {
                QStringLiteral("The magnitudes of the cycles have no significance, except to indicate"),
                QStringLiteral(
                    "negative, zero and positive values.  How far a letter stands from the center"),
                QStringLiteral(
                    "line does not make a day better or worse; only its side counts.  The days on"),
                QStringLiteral("which a curve crosses the center line are zero days, also called CRITICAL"),
                QStringLiteral("days.  On a critical day that cycle is changing over, and one may be more"),
                QStringLiteral("accident prone, so it is a day to take a little extra care."),
            },
        },
        // triple
        {
            {
                QStringLiteral("TRIPLE HIGH DAYS occur within the area when all three cycles are converging"),
                QStringLiteral("together on the RIGHT side of the center line.  On such a day all three"),
                QStringLiteral("cycles are positive at once, the peak of the model: a day said to be well"),
                QStringLiteral("suited to effort, activity and getting things done.  The chart marks these"),
                QStringLiteral("days >HIGH>.  TRIPLE LOW DAYS happen when all three cycles occur on the"),
                QStringLiteral("LEFT side of the chart.  All three cycles are negative at once, a day said"),
                QStringLiteral("to call for rest, patience and extra care.  The chart marks these days"),
                QStringLiteral("<LOW<."),
            },
        },
        // closing
        {
            QStringLiteral("These charts are compiled for entertainment purposes only, and NO CLAIM"),
            QStringLiteral("is made that anyone might be guided by them.  Study and use your chart"),
            QStringLiteral("wisely."),
        },
    };
    static const WhatIsSheetText page{
        // body
        {
            {
                QStringLiteral("A biorhythm is a cyclical pattern of biological activity that begins at"),
                QStringLiteral("birth with three sine wave cycles: the (P)hysical, the (E)motional and the"),
                QStringLiteral("(I)ntellectual.  Each starts at zero on the day of birth."),
            },
            {
                QStringLiteral(
                    "The (P)hysical cycle begins every 23 days and controls our energy, strength,"),
                QStringLiteral("endurance and resistance to illness.  When the physical cycle is up, on the"),
                QStringLiteral("right side of the center critical line, it is said to be a time of energy,"),
                QStringLiteral("stamina and well-being, good for sports and hard work.  When it is down, on"),
                QStringLiteral("the left side of the line, it is said to be a time when we tire sooner and"),
                QStringLiteral("do better to rest and recharge."),
            },
            {
                QStringLiteral("The (E)motional cycle begins every 28 days and controls our sensitivity and"),
                QStringLiteral("temperament: our moods, feelings and creativity.  The right side of the"),
                QStringLiteral("center line is the positive side, said to favor a cheerful, cooperative and"),
                QStringLiteral("creative frame of mind.  On the left, negative side we may be moodier, more"),
                QStringLiteral("easily irritated and quicker to see the dark side of things."),
            },
            {
                QStringLiteral("Our (I)ntellectual cycle begins every 33 days and controls our thinking"),
                QStringLiteral(
                    "capacity: memory, alertness, reasoning and the ability to learn.  When it is"),
                QStringLiteral("up, it is said to be a good time to study, to plan and to make decisions."),
                QStringLiteral("When it is down, the mind is said to be better suited to review, routine"),
                QStringLiteral("work and rest than to new ideas and hard choices."),
            },
            {
                QStringLiteral("The magnitudes of the cycles have no significance, except to indicate"),
                QStringLiteral(
                    "negative, zero and positive values.  How far a letter stands from the center"),
                QStringLiteral(
                    "line does not make a day better or worse; only its side counts.  The days on"),
                QStringLiteral("which a curve crosses the center line are zero days, also called CRITICAL"),
                QStringLiteral("days.  On a critical day that cycle is changing over, and one may be more"),
                QStringLiteral("accident prone, so it is a day to take a little extra care."),
            },
        },
        // triple
        {
            {
                QStringLiteral("TRIPLE HIGH DAYS occur within the area when all three cycles are converging"),
                QStringLiteral("together on the RIGHT side of the center line.  On such a day all three"),
                QStringLiteral("cycles are positive at once, the peak of the model: a day said to be well"),
                QStringLiteral("suited to effort, activity and getting things done.  The chart marks these"),
                QStringLiteral("days >HIGH>."),
            },
            {
                QStringLiteral("TRIPLE LOW DAYS happen when all three cycles occur on the LEFT side of the"),
                QStringLiteral("chart.  All three cycles are negative at once, a day said to call for rest,"),
                QStringLiteral("patience and extra care.  The chart marks these days <LOW<."),
            },
        },
        // closing
        {
            QStringLiteral("These charts are compiled for entertainment purposes only, and NO CLAIM is"),
            QStringLiteral("made that anyone might be guided by them.  Study and use your chart wisely."),
        },
    };
    return layout == WhatIsLayout::Character ? character : page;
}

} // namespace info
