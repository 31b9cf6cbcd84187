// Display Chart to Screen: the chart as fixed-pitch text in Text18, over the middle of the window.

#include "mainwindow/frmmain.h"

#include "chart/chartchecks.h"
#include "chart/chartplan.h"
#include "chart/screenchart.h"
#include "mainwindow/charttextview.h"
#include "platform/alerts.h"

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

// The width of a chart line in characters, which the box shows whole.
constexpr int DisplayColumns = 77;

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

QFont frmMain::chartFont() const
{
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch())
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(Label10->font().pointSizeF());
    return font;
}

void frmMain::placeChartDisplay()
{
    const QSize inner = centralWidget()->size();
    const QFontMetrics metrics(chartFont());
    const int frame = 2 * (Text18->frameWidth() + ChartTextView::TextMargin);
    const int width = metrics.horizontalAdvance(QString(DisplayColumns, QLatin1Char('-'))) + frame +
                      Text18->verticalScrollBar()->sizeHint().width();
    const int height = int(inner.height() * 0.8);
    Text18->setGeometry((inner.width() - width) / 2, (inner.height() - height) / 2, width, height);
    const QSize button = Command24->sizeHint().expandedTo(QSize(Text3->width(), Command13->height()));
    Command24->setGeometry(inner.width() - button.width(), 0, button.width(), button.height());
}

void frmMain::mnuFilePrintCharttoFullScreen_Click()
{
    // The printer's orientation (portrait) is set by each print document itself; the screen
    // chart does not use the printer.
    DisplayChartToScreen();
}

void frmMain::DisplayChartToScreen()
{
    const chart::ChartFields fields = chartFields();
    if (const auto failure = chart::CheckChartFields(fields)) {
        showCritical(failure->title, failure->text);
        return;
    }
    const auto plan = chart::PlanChart(fields);
    if (!plan)
        return;
    const qint64 estimate = chart::EstimateScreenChartChars(*plan);
    if (estimate > MaxDisplayChars) {
        showCritical(chart::NotEnoughMemoryTitle.toString(), chart::NotEnoughMemoryText.toString());
        return;
    }

    QFile file(QDir(m_env.dataFolder).filePath(QStringLiteral("prntscrn.tmp")));
    const bool fileOpen = file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    QTextStream stream(&file);
    QString text;
    text.reserve(estimate);
    DisplaySink sink(text, fileOpen ? &stream : nullptr);

    QProgressDialog progress(QStringLiteral("Preparing the chart..."), QStringLiteral("Cancel"), 0, 1000,
                             this);
    progress.setWindowTitle(QStringLiteral("Display Chart to Screen"));
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
    file.remove();
    if (!complete)
        return;

    setMainCommandsEnabled(false);
    Command17->setEnabled(true);
    Text18->setFont(chartFont());
    placeChartDisplay();
    Text18->setPlainText(text);
    Text18->show();
    Command24->show();
    Text18->raise();
    Command24->raise();
    Text3->setFocus();
}

void frmMain::CloseChartDisplay()
{
    Text18->hide();
    Command24->hide();
    setMainCommandsEnabled(true);
}
