#pragma once

#include "platform/lineeditaccessible.h"

#include <QLineEdit>

// A box known by its form name.
//
// Its cursor is placed once at the start, so that a screen reader hears the first Tab into the
// empty box: a QLineEdit that has never placed its cursor reports the select-all of a Tab as a
// cursor move, and Qt sends that before the focus event. Orca 43 then takes the cursor move for
// the focus change, silently, and leaves the focus event unspoken, so the box's label went unsaid.
// Making one installs, once, the account screen readers get of every line edit that shows its text
// (LineEditAccessible).
inline QLineEdit *NamedLineEdit(const char *name, QWidget *parent)
{
    InstallLineEditAccessible();
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setCursorPosition(0);
    return box;
}
