#pragma once

#include <QLineEdit>

// A box of the form, known by its form name.
inline QLineEdit *NamedLineEdit(const char *name, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    return box;
}
