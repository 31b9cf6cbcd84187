#include "print/printprogressdialog.h"

#include <QProgressDialog>

namespace print {

namespace {
constexpr int Steps = 1000;
constexpr int ShowAfterMilliseconds = 1000;
constexpr int UpdateEveryMilliseconds = 50;
} // namespace

PrintProgressDialog::PrintProgressDialog(const QString &label, QWidget *parent)
    : m_dialog(std::make_unique<QProgressDialog>(label, QProgressDialog::tr("Cancel"), 0, Steps, parent))
{
    m_dialog->setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    m_dialog->setMinimumDuration(ShowAfterMilliseconds);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setValue(0);
    m_sinceUpdate.start();
}

PrintProgressDialog::~PrintProgressDialog() = default;

PrintProgress PrintProgressDialog::callback()
{
    return [this](qint64 done, qint64 total) { return advance(done, total); };
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

} // namespace print
