#pragma once

#include <QCoreApplication>
#include <QLocale>

// The window's side of translation: the libraries hand out English texts and build them through a
// Wording (platform/wording.h); the window's views look them up in the translation loaded.

// A library's English text in the translation loaded (the English itself when there is none).
inline QString TranslatedText(const char *context, const char *english)
{
    return QCoreApplication::translate(context, english);
}

// The locale the translation loaded is written for, US English without one: the dates and
// numbers the window writes into its sentences follow it.
inline QLocale TextLocale()
{
    //: The locale of this translation as Qt names it (de_DE, fr_FR, pt_BR): the dates the graph
    //: speaks and the counts in the name database's messages are written its way.
    return QLocale(QCoreApplication::translate("TextLocale", "en_US"));
}
