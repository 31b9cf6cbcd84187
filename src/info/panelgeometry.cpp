#include "info/panelgeometry.h"

#include <algorithm>

namespace info {

QRect CentredPanel(QSize host)
{
    const int width = qRound(0.8 * host.width());
    const int height = qRound(0.8 * host.height());
    return {(host.width() - width) / 2, (host.height() - height) / 2, width, height};
}

WhatIsGeometry WhatIsPanelGeometry(QSize host, QSize button)
{
    WhatIsGeometry g;
    g.panel = CentredPanel(host);
    g.print = QRect(QPoint(g.panel.left() + button.width(), g.panel.top()), button);
    g.close = QRect(QPoint(g.print.left() + qRound(1.1 * button.width()), g.print.top()), button);

    const int width = qRound(0.95 * g.panel.width());
    const int top = g.print.top() + g.print.height();
    const int height = std::clamp(qRound(0.8 * g.panel.height()), 0, std::max(0, g.panel.height() - top));
    g.text = QRect((g.panel.width() - width) / 2, top, width, height);
    return g;
}

HelpGeometry HelpPanelGeometry(QSize host, int titleHeight,
                               const std::function<int(int width)> &instructionHeight)
{
    HelpGeometry g;
    g.panel = CentredPanel(host);
    g.title = QRect(0, 0, g.panel.width(), titleHeight);
    g.close = QRect(g.panel.width() - titleHeight, 0, titleHeight, titleHeight);

    const int width = qRound(0.95 * g.panel.width());
    const int left = (g.panel.width() - width) / 2;
    const int listHeight = qRound(0.25 * g.panel.height());
    g.list = QRect(left, g.title.bottom() + 1 + titleHeight, width, listHeight);
    g.instruction = QRect(left, g.list.bottom() + 1 + titleHeight, width, instructionHeight(width));
    g.text = QRect(left, g.instruction.bottom() + 1 + titleHeight, width, listHeight);
    g.panel.setHeight(5 * titleHeight + g.list.height() + g.instruction.height() + g.text.height());
    return g;
}

} // namespace info
