#pragma once

#include "platform/alerts.h"

class QWidget;

// The real Alerts: modal QMessageBox windows owned by a parent window.
class MessageBoxAlerts final : public Alerts
{
public:
    explicit MessageBoxAlerts(QWidget *parent = nullptr);
    void setParent(QWidget *parent) { m_parent = parent; }
    void critical(const QString &title, const QString &text) override;
    void plain(const QString &title, const QString &text) override;
    bool question(const QString &title, const QString &text) override;

private:
    QWidget *m_parent;
};
