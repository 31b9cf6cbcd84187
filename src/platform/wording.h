#pragma once

#include <QString>

// How a library's English text reaches the user. A library marks each source text with
// QT_TRANSLATE_NOOP(context, text) and builds what it shows through the Wording it is handed, so
// that it never translates by itself: the window hands in one that looks the text up in the
// translation loaded (TranslatedText), the command line and the tests keep the English.
using Wording = QString (*)(const char *context, const char *english);

inline QString KeepEnglish(const char *, const char *english)
{
    return QString::fromUtf8(english);
}
