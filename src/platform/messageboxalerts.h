#pragma once

#include "platform/alerts.h"

#include "platform/translation.h"

class QWidget;

// The real Alerts: modal QMessageBox windows owned by a parent window, in the user's language.
// The messages of the input checks arrive in English from the libraries and are translated
// here; every other text arrives translated already.
class MessageBoxAlerts final : public Alerts
{
public:
    explicit MessageBoxAlerts(QWidget *parent = nullptr);
    void setParent(QWidget *parent) { m_parent = parent; }
    void critical(const QString &title, const QString &text) override;
    void plain(const QString &title, const QString &text) override;
    bool question(const QString &title, const QString &text) override;
    [[nodiscard]] Wording wording() const override { return TranslatedText; }

private:
    QWidget *m_parent;
};
