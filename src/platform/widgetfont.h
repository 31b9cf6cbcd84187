#pragma once

#include <QtGlobal>

class QWidget;

// Gives a widget its font at another point size, keeping the face: the panels follow the size
// of the main window's Name label.
void SetPointSize(QWidget *widget, qreal points);
