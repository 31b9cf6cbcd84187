#pragma once

#include <QtGlobal>

class QWidget;

// Gives a widget its font at another point size, keeping the face: the panels follow the size
// of the main window's Name label.
void SetPointSize(QWidget *widget, qreal points);

// Makes a label a panel's title bar: bold, in the desktop's selection colours, as the help and
// compare panels head themselves.
void StylePanelTitle(QWidget *title);
