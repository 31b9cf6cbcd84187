#pragma once

#include "print/printoutcome.h"

#include <QElapsedTimer>
#include <QString>

#include <memory>

class QProgressDialog;
class QWidget;

namespace print {

// A progress dialog with Cancel for a long print. It appears only when the print has run for
// about a second; it is window-modal, so the window takes no other input meanwhile.
class PrintProgressDialog
{
public:
    PrintProgressDialog(const QString &label, QWidget *parent);
    ~PrintProgressDialog();
    PrintProgressDialog(const PrintProgressDialog &) = delete;
    PrintProgressDialog &operator=(const PrintProgressDialog &) = delete;

    // The callback for a print routine: advance() as a PrintProgress.
    [[nodiscard]] PrintProgress callback();
    // Moves the bar to `done` of `total`; false once the user pressed Cancel.
    bool advance(qint64 done, qint64 total);

private:
    std::unique_ptr<QProgressDialog> m_dialog;
    QElapsedTimer m_sinceUpdate;
};

} // namespace print
