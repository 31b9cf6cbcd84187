#pragma once

#include "platform/wording.h"

#include <QString>

// Every message the program shows the user goes through this seam, so that the
// commands can be driven in tests without anybody clicking OK.
class Alerts
{
public:
    virtual ~Alerts() = default;
    // A modal box with the critical (stop) icon and one OK button.
    virtual void critical(const QString &title, const QString &text) = 0;
    // A modal box with no icon and one OK button.
    virtual void plain(const QString &title, const QString &text) = 0;
    // A modal box with the question icon and Yes and No buttons; true for Yes. Where nobody can
    // be asked, the answer is No, so nothing is ever replaced or lost without consent.
    virtual bool question(const QString &, const QString &) { return false; }
    // The wording of the texts a library builds for these messages: English unless the
    // messages are shown in the user's language.
    [[nodiscard]] virtual Wording wording() const { return KeepEnglish; }
};
