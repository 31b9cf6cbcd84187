#include "chart/forecast.h"

// The forecast sentences, word for word as the chart has always printed them (the spellings
// "fatiqued" and "activites" and the two blanks in the P = 46 sentence included).
namespace chart {

namespace {

constexpr std::array<PhraseRow, 15> EmotionalPhrases = {{
    {30, u"You may be moody. Don't let small situations get you down.",
     u"Your emotions may be fluctuating. Stay to the routine."},
    {31, u"Don't worry about material things today.",
     u"The day may seem more emotionally trying than it actually is."},
    {32, u"Avoid emotional situations while your cycle is so low.",
     u"If you feel moody today, put your mind on other thoughts."},
    {34, u"Remain stable and keep your thoughts on good things.",
     u"Don't worry so much about details. Keep things simple."},
    {38, u"Keep emotional activities to the more routine matters.",
     u"If you keep activities routine, you may be better off."},
    {42, u"Concentrate on current topics. May be an emotionally trying day.",
     u"Your emotions may seem drained. Turn thoughts elsewhere."},
    {46, u"Don't get emotionally involved without giving it time.",
     u"If you feel extra sensitive today, put it to good use."},
    {50, u"An (E)motional recharge day. Avoid stressful situations. Sensitivity runs high.",
     u"Avoid stress. Emotions may be particularly draining while being recharged."},
    {54, u"Emotionally, things should be looking very satisfying.",
     u"Things are looking up. Emotional level is on an upswing."},
    {58, u"Emotion rhythm should characterize your system most positively.",
     u"Your mood should be good, and your day enjoyable."},
    {62, u"Try to keep your emotions stable. An inspirational period.",
     u"Control your emotions if you are feeling extra sensitive today."},
    {66, u"Sensitivity may be running high. Control your desires.",
     u"Your high values may inspire someone close to you."},
    {68, u"Concentrate on your capacity for creative work.",
     u"A good-feeling time to enjoy the company of another."},
    {69, u"Compensation can be obtained from your high emotional cycle.",
     u"Creativeness may make a difference. Guard your emotions."},
    {70, u"An emotionally good day and a very positive period.",
     u"Enjoy a cheerful day. A very stable time for you."},
}};

constexpr std::array<PhraseRow, 21> PhysicalPhrases = {{
    {32, u"A physically low time in your cycle. You may be fatiqued.",
     u"You may feel lackluster and physically drained."},
    {33, u"Don't be weary just because your (P)hysical cycle is down today.",
     u"You may tire easily today. Find other things to occupy yourself."},
    {34, u"You likely may feel tiring today. Take things easy.",
     u"You may not have much physical initiative today."},
    {35, u"Relax and reflect today. Minimize your physical energy.",
     u"Not a good day for continuous endurance. Try one step at a time."},
    {37, u"Keep things routine for today. Don't be taxed physically.",
     u"Stick to your regular schedule while your vitality is low."},
    {39, u"Avoid any physical activities that may appear too stressful.",
     u"Concentrate on activites that require less physical involvement."},
    {41, u"Relaxation should be high on your list today.",
     u"Vigor and vitality on the low side. Avoid physical stress."},
    {43, u"Be cautious of physical performance.",
     u"Know your physical limitations and don't push the limit."},
    {46, u"Do something routine. Don't take on any new activities.",
     u"Be aware that your (P)hysical rhythm is low.  You may tire easily."},
    {48, u"A good time to rest. Stay calm. Physical activity can wait.",
     u"Take a break and put your feet up. Energy level is low today."},
    {50, u"An accident-prone period. Avoid strenuous physical activity.",
     u"(P)hysical cycle has entered a zero state. Keep your guard up."},
    {52, u"Use your physical powers sparingly. Your cycle is crossing the zero line.",
     u"Limit yourself physically today. Potential accident-prone period."},
    {54, u"A physically good day, but keep things in moderation.",
     u"Physical rhythm is moving in a positive direction."},
    {57, u"You are physically strong. Take things as they come.",
     u"Energy level is growing stronger. Put your energy to good use."},
    {59, u"Put your abundant physical energy to good use.",
     u"Strength and endurance is high. A good day is in sight."},
    {61, u"If you feel energetic today, take full advantage of it.",
     u"Physical energy is high. Stamina is above the norm."},
    {63, u"Physical cycle remains high. Should be a good day.",
     u"Your physical cycle continues to build. Energy level is high."},
    {65, u"A physically good period in your cycle. Go for it.",
     u"Enjoy your physical activities today. You set the pace."},
    {66, u"Normal physical schedule is the day's routine.",
     u"Vigor and vitality very high. Take the physical initiative."},
    {67, u"Physical activity looks good. Keep to your regular schedule.",
     u"You are physically strong. Energy runs high."},
    {68, u"You are at your physical height. A good day for activity.",
     u"If you are physically fit and able, outdoor activity looks good."},
}};

constexpr std::array<PhraseRow, 29> IntellectualPhrases = {{
    {29, u"Intellectual cycle at its lowest. Not a good day for decisions.",
     u"You may find it hard to concentrate. Rest your thoughts."},
    {30, u"You may be drained of mentality. Give your brain a rest.",
     u"Intellectual rhythm is low. Decisions will not come easy."},
    {31, u"Mental capacity is low. Control your thinking today.",
     u"It is possible you may feel that you are mentally drained."},
    {32, u"Could be a bad day if you are required to give answers.",
     u"Studying may be a waste of time, but some reading may be nice."},
    {33, u"If you come to a conclusion, you may need to rethink it.",
     u"Concentration will not come easy for you today."},
    {34, u"Not a good idea to make choices if it can be put off.",
     u"Take a break while your thinking capacity is on the low side."},
    {36, u"Too much concentration may only confuse matters.", u"Put off decisions. Not a good planning day."},
    {37, u"You may find that someone else has a better idea.",
     u"Changing your mind is not so bad. It may help the situation."},
    {39, u"Finding the right answer may have to wait.",
     u"Awareness is required for you to overcome your intellectual low."},
    {41, u"Mental conditions are not favorable today.",
     u"Thinking capacity is low today. Let someone else answer."},
    {43, u"Don't put yourself in a position where you will need to make decisions.",
     u"Don't put on your thinking cap. Give it a rest, along with your brain."},
    {44, u"Inspiration may come today... from another, or a book.",
     u"Don't let your Intellectual low dominate your actions."},
    {46, u"Keep your thoughts limited. Save your ideas for another day.",
     u"A low-pitched day for you Intellectually. No planning today."},
    {48, u"Today could be trying and mentally exhausting.",
     u"Intellectual rhythm has just gone into the negative cycle."},
    {50, u"Caution and judgment may be required. Put decisions on hold.",
     u"Intellectual rhythm pattern has entered a critical period."},
    {52, u"Your (I)ntellectual cycle is beginning a recharge. No decisions today.",
     u"Decisions should wait today while your Intellect recharges."},
    {54, u"You may be called on for answers. Give it your best shot.",
     u"Thinking comes easy today as you begin a positive cycle."},
    {56, u"Feel confident that you will have the right answers.",
     u"Intellectual is up. Thinking will come quick and easy."},
    {57, u"Put your mind power to the test. Conditions are favorable.",
     u"Your memory and judgment are looking favorable today."},
    {59, u"Your intellectual high favors clear thinking today.",
     u"If you are looking for answers, it's clear sailing ahead."},
    {61, u"Being courteous may be as important as any decision.",
     u"You may not want to give away all your answers."},
    {63, u"You may want to hold off the answer until you are asked.",
     u"You should feel confident on your decisions today."},
    {64, u"A good day for planning. You may be able to help.",
     u"A good time for concentration. Memory retention is high."},
    {66, u"Take advantage that your thinking capacity is so high.",
     u"Today is a good day for mind games. Retention is positive."},
    {67, u"You may have the answers, but don't be afraid to ask questions.",
     u"Intellectual abilities are positively high."},
    {68, u"It is vital to realize what is going on around you.",
     u"Take advantage of your ability to solve problems."},
    {69, u"You have the competence to think clearly, but think twice.",
     u"You may be required to share your intelligence with others."},
    {70, u"You have high intellectual aptitude.", u"Retaining information will be no problem for you."},
    {71, u"Think! Think! Think! Put your ability to good use.",
     u"(I)ntellectual rhythm is high. You may have to put it to the test."},
}};
} // namespace

std::span<const PhraseRow> ForecastPhrases(Cycle cycle)
{
    switch (cycle) {
    case Cycle::Physical:
        return PhysicalPhrases;
    case Cycle::Emotional:
        return EmotionalPhrases;
    case Cycle::Intellectual:
        return IntellectualPhrases;
    }
    return {};
}

} // namespace chart
