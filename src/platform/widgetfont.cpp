#include "platform/widgetfont.h"

#include <QPalette>
#include <QWidget>

void SetPointSize(QWidget *widget, qreal points)
{
    QFont font = widget->font();
    font.setPointSizeF(points);
    widget->setFont(font);
}

void StylePanelTitle(QWidget *title)
{
    title->setAutoFillBackground(true);
    title->setBackgroundRole(QPalette::Highlight);
    title->setForegroundRole(QPalette::HighlightedText);
    QFont font = title->font();
    font.setBold(true);
    title->setFont(font);
}
