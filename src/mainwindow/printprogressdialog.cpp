#include "mainwindow/printprogressdialog.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressDialog>

#include <memory>

namespace {

constexpr int Steps = 1000;
constexpr int ShowAfterMilliseconds = 1000;
constexpr int UpdateEveryMilliseconds = 50;

class PrintProgressDialog
{
public:
    PrintProgressDialog(const QString &label, QWidget *parent);
    // Moves the bar to `done` of `total`; false once the user pressed Cancel.
    bool advance(qint64 done, qint64 total);

private:
    std::unique_ptr<QProgressDialog> m_dialog;
    QElapsedTimer m_sinceUpdate;
};

// The window the box stands over: the parent, or the nearest window round it that shows. A box
// over a window not yet shown would be put at the corner of the screen.
QWidget *ShownWindow(QWidget *parent)
{
    while (parent && !parent->isVisible())
        parent = parent->parentWidget();
    return parent;
}

PrintProgressDialog::PrintProgressDialog(const QString &label, QWidget *parent)
    : m_dialog(std::make_unique<QProgressDialog>(
          label, QCoreApplication::translate("PrintProgressDialog", "Cancel"), 0, Steps, ShownWindow(parent)))
{
    m_dialog->setWindowModality(m_dialog->parentWidget() ? Qt::WindowModal : Qt::ApplicationModal);
    m_dialog->setMinimumDuration(ShowAfterMilliseconds);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setValue(0);
    m_sinceUpdate.start();
}

bool PrintProgressDialog::advance(qint64 done, qint64 total)
{
    if (m_sinceUpdate.elapsed() >= UpdateEveryMilliseconds) {
        m_sinceUpdate.restart();
        const double share = total > 0 ? double(done) / double(total) : 1.0;
        // setValue lets a modal dialog process events, Cancel among them.
        m_dialog->setValue(int(share * Steps));
    }
    return !m_dialog->wasCanceled();
}

} // namespace

print::ProgressFactory PrintProgressDialogs(QWidget *parent)
{
    return [parent](const QString &label) -> print::PrintProgress {
        const auto dialog = std::make_shared<PrintProgressDialog>(label, parent);
        return [dialog](qint64 done, qint64 total) { return dialog->advance(done, total); };
    };
}
