#include "platform/widgetfont.h"

#include <QWidget>

void SetPointSize(QWidget *widget, qreal points)
{
    QFont font = widget->font();
    font.setPointSizeF(points);
    widget->setFont(font);
}
