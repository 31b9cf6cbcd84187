// Display Chart to Screen: the chart as fixed-pitch text in the chart view, over the middle of the
// window; and checkedChartPlan, the checks every chart command makes first.

#include "mainwindow/mainwindow.h"

#include "chart/chartchecks.h"
#include "chart/chartplan.h"
#include "chart/screenchart.h"
#include "mainwindow/charttextview.h"
#include "mainwindow/personcolumn.h"
#include "platform/alerts.h"
#include "platform/datafolder.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QTextStream>
#include <QToolButton>

namespace {

// The most text the display box is given, some 400 MB held twice over while it is built: a
// million days without a forecast, or half a million with one. Beyond this the machine would
// start to swap long before the user could read a line of it.
constexpr qint64 MaxDisplayChars = 200'000'000;

// Writes each line to the temporary chart file as well as to the text for the display box, so
// the file holds the chart while the command runs, as it always has.
class DisplaySink final : public chart::LineSink
{
public:
    DisplaySink(QString &text, QTextStream *file)
        : m_text(text)
        , m_file(file)
    {}
    bool line(QStringView line) override
    {
        m_text.append(line);
        m_text.append(QLatin1Char('\n'));
        if (m_file)
            *m_file << line << "\r\n";
        return true;
    }

private:
    QString &m_text;
    QTextStream *m_file;
};

} // namespace

std::optional<chart::ChartPlan> MainWindow::checkedChartPlan()
{
    const chart::ChartFields fields = chartFields();
    if (const auto failure = chart::CheckChartFields(fields)) {
        showCritical(failure->title, failure->text);
        return std::nullopt;
    }
    return chart::PlanChart(fields);
}

void MainWindow::showChart()
{
    const auto plan = checkedChartPlan();
    if (!plan)
        return;
    const qint64 estimate = chart::EstimateScreenChartChars(*plan);
    if (estimate > MaxDisplayChars) {
        showCritical(QString::fromUtf8(chart::NotEnoughMemoryTitle),
                     QString::fromUtf8(chart::NotEnoughMemoryText));
        return;
    }

    // The chart goes to the temporary chart file as well, as it always has, where the data folder
    // can be written and nothing but a file of the program's own holds that name; the chart shows
    // either way.
    const QString chartFile = QDir(m_env.dataFolder).filePath(QStringLiteral("prntscrn.tmp"));
    QFile file(chartFile);
    const bool fileOpen = m_filesUsable && OpenOwnFile(file);
    QTextStream stream(&file);
    QString text;
    text.reserve(estimate);
    DisplaySink sink(text, fileOpen ? &stream : nullptr);

    QProgressDialog progress(tr("Preparing the chart..."), tr("Cancel"), 0, 1000, this);
    progress.setWindowTitle(tr("Display Chart to Screen"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(1000);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    const bool complete = chart::ComposeScreenChart(*plan, sink, [&progress](qint64 done, qint64 total) {
        progress.setValue(total > 0 ? int(done * 1000 / total) : 0);
        return !progress.wasCanceled();
    });
    stream.flush();
    file.close();
    if (fileOpen)
        QFile::remove(chartFile);
    if (!complete)
        return;

    m_chartView->setPlainText(text);
    m_chartView->show();
    m_closeChartButton->show();
    m_chartView->raise();
    m_closeChartButton->raise();
    // The chart takes the keys at once: the arrows and page keys move through it, Ctrl+A and
    // Ctrl+C copy it.
    m_chartView->setFocus(Qt::OtherFocusReason);
}

void MainWindow::closeChart()
{
    m_closeChartButton->hide();
    m_chartView->hide();
    m_person->home()->setFocus(Qt::OtherFocusReason);
}
