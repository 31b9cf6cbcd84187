// The JSON Lines of a chart. The input holds a name, a birthdate, a start date, a length and the
// options, separated by the part separator (fuzzplan.h). Every line parses alone as one JSON
// object, one per chart day in order, with the day's date as YYYY-MM-DD and its day count,
// whatever the name holds.
#include "chart/chartwalk.h"
#include "export/jsonchart.h"
#include "fuzzcheck.h"
#include "fuzzplan.h"

#include <QJsonDocument>
#include <QJsonObject>

constexpr qint64 MaxDays = 400;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::optional<chart::ChartPlan> plan = fuzz::PlanOfParts(fuzz::InputParts(data, size), MaxDays);
    if (!plan)
        return 0;
    QString text;
    chart::StringLineSink sink(text);
    FUZZ_CHECK(exports::ComposeJsonChart(*plan, sink));
    QStringList lines = text.split(u'\n');
    FUZZ_CHECK(lines.takeLast().isEmpty()); // every line ends
    FUZZ_CHECK(lines.size() == plan->length);
    chart::ChartWalk walk(*plan);
    for (const QString &line : lines) {
        FUZZ_CHECK(walk.next());
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(line.toUtf8(), &error);
        FUZZ_CHECK(error.error == QJsonParseError::NoError && document.isObject());
        const QJsonObject day = document.object();
        FUZZ_CHECK(day.value(u"date").toString() == chart::DateOf(walk.day()).toString(Qt::ISODate));
        FUZZ_CHECK(day.value(u"dayCount").toDouble() == walk.day().dayCount);
        FUZZ_CHECK(day.value(u"forecast").isArray() == plan->forecast);
    }
    FUZZ_CHECK(!walk.next());
    return 0;
}
