#include "graph/graphlook.h"

#include <QSettings>

namespace graph {

namespace {

const QString PaletteKey = QStringLiteral("View/Palette");
const QString CyclesKey = QStringLiteral("View/Cycles");
const QString OkabeItoText = QStringLiteral("okabe-ito");
constexpr std::array<const char *, SecondaryCycleCount> SecondaryKeys = {"intuitive", "aesthetic",
                                                                         "awareness", "spiritual"};

} // namespace

QList<GraphCycle> DrawnCycles(const GraphLook &look)
{
    QList<GraphCycle> cycles{GraphCycle::Physical, GraphCycle::Emotional, GraphCycle::Intellectual};
    for (int k = 0; k < SecondaryCycleCount; ++k) {
        if (look.secondary[std::size_t(k)])
            cycles << GraphCycle(CycleCount + k);
    }
    return cycles;
}

GraphLook LoadGraphLook(const QSettings &store)
{
    GraphLook look;
    if (store.value(PaletteKey).toString() == OkabeItoText)
        look.palette = Palette::OkabeIto;
    const QStringList names = store.value(CyclesKey).toString().split(QLatin1Char(','));
    for (int k = 0; k < SecondaryCycleCount; ++k)
        look.secondary[std::size_t(k)] = names.contains(QLatin1String(SecondaryKeys[std::size_t(k)]));
    return look;
}

void SaveGraphLook(QSettings &store, const GraphLook &look)
{
    store.setValue(PaletteKey, look.palette == Palette::OkabeIto ? OkabeItoText : QStringLiteral("standard"));
    QStringList names;
    for (int k = 0; k < SecondaryCycleCount; ++k) {
        if (look.secondary[std::size_t(k)])
            names << QLatin1String(SecondaryKeys[std::size_t(k)]);
    }
    store.setValue(CyclesKey, names.join(QLatin1Char(',')));
}

} // namespace graph
