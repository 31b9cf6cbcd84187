#include "cli/streamalerts.h"

#include <QString>

namespace cli {

void StreamAlerts::write(const QString &title, const QString &text)
{
    const QByteArray line =
        (QStringLiteral("tidemark-chart: ") + title + QStringLiteral(": ") + text + QLatin1Char('\n'))
            .toUtf8();
    std::fwrite(line.constData(), 1, size_t(line.size()), m_err);
    std::fflush(m_err);
}

} // namespace cli
