#include "preview/previewdialog.h"

#include "preview/pageview.h"
#include "preview/printdocuments.h"
#include "print/previewpages.h"

#include <QComboBox>
#include <QDeadlineTimer>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <array>

namespace {

// The counting goes on in slices this long between the window's events, so that it stays at
// hand while a long chart is counted.
constexpr int CountSliceMilliseconds = 12;

struct Zoom
{
    PageView::Fit fit;
    double factor;
};
constexpr std::array<Zoom, 8> Zooms = {{{PageView::Fit::Width, 1},
                                        {PageView::Fit::Whole, 1},
                                        {PageView::Fit::None, 0.5},
                                        {PageView::Fit::None, 0.75},
                                        {PageView::Fit::None, 1},
                                        {PageView::Fit::None, 1.25},
                                        {PageView::Fit::None, 1.5},
                                        {PageView::Fit::None, 2}}};

} // namespace

PreviewDialog::PreviewDialog(chart::ChartFields fields, QString today, Alerts &alerts, QWidget *parent)
    : QDialog(parent)
    , m_fields(std::move(fields))
    , m_today(std::move(today))
    , m_alerts(alerts)
{
    setObjectName(QStringLiteral("PrintPreview"));
    setWindowTitle(tr("Print Preview"));
    buildControls();
    setTabOrder();
    connect(&m_counting, &QTimer::timeout, this, &PreviewDialog::countOn);
    chooseDocument(0);

    // Nearly as tall as the screen, and wide enough for the controls in one row where it can be;
    // never narrower than the controls in two rows.
    layout()->setSizeConstraint(QLayout::SetNoConstraint);
    const QMargins margins = layout()->contentsMargins();
    setMinimumSize(
        std::max(m_pageControls->minimumSizeHint().width(), m_actionControls->minimumSizeHint().width()) +
            margins.left() + margins.right(),
        m_pageControls->sizeHint().height() * 8);
    const QRect room = screen()->availableGeometry();
    resize(std::min(room.width() * 9 / 10, std::max(oneRowWidth(), room.height() * 3 / 4)),
           room.height() * 9 / 10);
    placeControls();
    m_view->setFocus();
}

PreviewDialog::~PreviewDialog() = default;

void PreviewDialog::buildControls()
{
    auto toolButton = [this](const char *name, const QString &accessibleName) {
        auto *button = new QToolButton(this);
        button->setObjectName(QLatin1String(name));
        button->setAccessibleName(accessibleName);
        button->setToolTip(accessibleName);
        button->setFocusPolicy(Qt::StrongFocus);
        return button;
    };
    auto pushButton = [this](const char *name, const QString &caption) {
        auto *button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        // Enter in the page box goes to the page; it must not print.
        button->setAutoDefault(false);
        return button;
    };

    m_documentBox = new QComboBox(this);
    m_documentBox->setObjectName(QStringLiteral("PreviewDocument"));
    m_documentBox->addItems(PrintDocumentNames());
    m_documentBox->setAccessibleName(tr("Document"));
    //: Labels the choice of the document to preview: the chart, the cover sheet...
    auto *documentLabel = new QLabel(tr("&Document:"), this);
    documentLabel->setBuddy(m_documentBox);

    //: The tooltip and screen reader's name of the arrow button; Page Up is the key that does the same.
    m_previousButton = toolButton("PreviewPrevious", tr("Previous page (Page Up)"));
    m_previousButton->setArrowType(Qt::LeftArrow);
    m_pageBox = new QSpinBox(this);
    m_pageBox->setObjectName(QStringLiteral("PreviewPage"));
    //: The screen reader's name of the box that shows and takes the page number.
    m_pageBox->setAccessibleName(tr("Page"));
    m_pageBox->setKeyboardTracking(false);
    m_pageBox->setAlignment(Qt::AlignCenter);
    // As wide from the start as the longest chart's count needs, so that the row keeps its
    // width and every digit shows once the count is known.
    labelPageBox(QStringLiteral("88888888"));
    m_pageBox->setRange(1, 88888888);
    m_pageBox->setMinimumWidth(m_pageBox->sizeHint().width());
    //: The tooltip and screen reader's name of the arrow button; Page Down is the key that does the same.
    m_nextButton = toolButton("PreviewNext", tr("Next page (Page Down)"));
    m_nextButton->setArrowType(Qt::RightArrow);

    m_zoomOutButton = toolButton("PreviewZoomOut", tr("Zoom out"));
    m_zoomOutButton->setText(QStringLiteral("\u2212"));
    m_zoomBox = new QComboBox(this);
    m_zoomBox->setObjectName(QStringLiteral("PreviewZoom"));
    m_zoomBox->setAccessibleName(tr("Zoom"));
    //: A choice of the zoom box: the page as wide as the preview.
    const QString fitWidth = tr("Fit Width");
    //: A choice of the zoom box: the whole page in the preview.
    m_zoomBox->addItems({fitWidth, tr("Whole Page")});
    for (const Zoom &zoom : Zooms) {
        //: A choice of the zoom box: %1 is the share of the page's real size in percent.
        if (zoom.fit == PageView::Fit::None)
            m_zoomBox->addItem(tr("%1 %").arg(qRound(zoom.factor * 100)));
    }
    m_zoomInButton = toolButton("PreviewZoomIn", tr("Zoom in"));
    m_zoomInButton->setText(QStringLiteral("+"));

    //: A button: prints the document shown (a verb).
    m_printButton = pushButton("PreviewPrint", tr("&Print"));
    m_printButton->setToolTip(tr("Print this document (Ctrl+P)"));
    //: A button: closes the preview without printing.
    m_closeButton = pushButton("PreviewClose", tr("Close"));
    m_closeButton->setToolTip(tr("Close the preview (Esc)"));

    m_view = new PageView(this);
    m_view->setObjectName(QStringLiteral("PreviewPages"));
    //: The screen reader's name of the view that shows the pages.
    m_view->setAccessibleName(tr("Pages"));
    m_statusLabel = new QLabel(this);
    m_statusLabel->setObjectName(QStringLiteral("PreviewStatus"));

    // The document and the page on the left, the zoom and the buttons on the right: one row where
    // the dialog is wide enough, else two (placeControls()). Nothing folds away, and the
    // document chooser comes first.
    m_pageControls = new QWidget(this);
    auto *left = new QHBoxLayout(m_pageControls);
    left->setContentsMargins({});
    left->addWidget(documentLabel);
    left->addWidget(m_documentBox);
    left->addSpacing(12);
    for (QWidget *control : std::initializer_list<QWidget *>{m_previousButton, m_pageBox, m_nextButton})
        left->addWidget(control);
    left->addStretch(1);
    m_actionControls = new QWidget(this);
    auto *right = new QHBoxLayout(m_actionControls);
    right->setContentsMargins({});
    for (QWidget *control : std::initializer_list<QWidget *>{m_zoomOutButton, m_zoomBox, m_zoomInButton})
        right->addWidget(control);
    right->addStretch(1);
    right->addWidget(m_printButton);
    right->addWidget(m_closeButton);
    m_controlRows = new QGridLayout;
    m_controlRows->addWidget(m_pageControls, 0, 0);
    m_controlRows->addWidget(m_actionControls, 0, 1);
    auto *column = new QVBoxLayout(this);
    column->addLayout(m_controlRows);
    column->addWidget(m_view, 1);
    column->addWidget(m_statusLabel);

    connect(m_documentBox, &QComboBox::currentIndexChanged, this, &PreviewDialog::chooseDocument);
    connect(m_previousButton, &QToolButton::clicked, this,
            [this] { m_view->showPage(m_view->currentPage() - 1); });
    connect(m_nextButton, &QToolButton::clicked, this,
            [this] { m_view->showPage(m_view->currentPage() + 1); });
    connect(m_pageBox, &QSpinBox::valueChanged, m_view, &PageView::showPage);
    connect(m_view, &PageView::currentPageChanged, this, &PreviewDialog::showPageNumber);
    connect(m_zoomBox, &QComboBox::currentIndexChanged, this, &PreviewDialog::zoomTo);
    connect(m_zoomOutButton, &QToolButton::clicked, this, [this] { stepZoom(-1); });
    connect(m_zoomInButton, &QToolButton::clicked, this, [this] { stepZoom(1); });
    connect(m_view, &PageView::zoomStepped, this, &PreviewDialog::stepZoom);
    connect(m_printButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this, &QDialog::accept);
    connect(new QShortcut(QKeySequence::ZoomIn, this), &QShortcut::activated, this, [this] { stepZoom(1); });
    connect(new QShortcut(QKeySequence::ZoomOut, this), &QShortcut::activated, this,
            [this] { stepZoom(-1); });
}

int PreviewDialog::oneRowWidth() const
{
    const QMargins margins = layout()->contentsMargins();
    return m_pageControls->sizeHint().width() + m_controlRows->horizontalSpacing() +
           m_actionControls->sizeHint().width() + margins.left() + margins.right();
}

void PreviewDialog::placeControls()
{
    const bool twoRows = width() < oneRowWidth();
    if (m_controlRows->itemAtPosition(1, 0) &&
        m_controlRows->itemAtPosition(1, 0)->widget() == m_actionControls) {
        if (twoRows)
            return;
    } else if (!twoRows) {
        return;
    }
    m_controlRows->removeWidget(m_actionControls);
    m_controlRows->addWidget(m_actionControls, twoRows ? 1 : 0, twoRows ? 0 : 1);
}

void PreviewDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    placeControls();
}

void PreviewDialog::setTabOrder()
{
    const QList<QWidget *> order{m_documentBox, m_previousButton, m_pageBox, m_nextButton,  m_zoomOutButton,
                                 m_zoomBox,     m_zoomInButton,   m_view,    m_printButton, m_closeButton};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

print::PrintCommand PreviewDialog::command() const
{
    return PrintDocuments[std::size_t(m_documentBox->currentIndex())].first;
}

void PreviewDialog::chooseDocument(int index)
{
    m_counting.stop();
    m_pages = std::make_unique<print::PreviewPages>(PrintDocuments[std::size_t(index)].first, m_fields,
                                                    m_today, m_alerts);
    // The first page at once; the rest is counted between the window's events.
    m_pages->countOn(QDeadlineTimer(0));
    m_view->setDocument(print::PreviewPages::pageLayout().fullRectPixels(1200).size(),
                        [this](qint64 page, QPainter *painter) { m_pages->drawPage(page, painter); });
    showCount();
    m_view->showPage(1);
    if (!m_pages->counted())
        m_counting.start(0);
}

void PreviewDialog::countOn()
{
    if (m_pages->countOn(QDeadlineTimer(CountSliceMilliseconds)))
        m_counting.stop();
    showCount();
}

void PreviewDialog::showCount()
{
    const bool final = m_pages->counted();
    const qint64 pages = m_pages->pageCount();
    m_view->setPageCount(final ? pages : std::max<qint64>(pages, 1), final);
    {
        const QSignalBlocker quiet(m_pageBox);
        labelPageBox(final ? QString::number(pages) : QStringLiteral("\u2026"));
        m_pageBox->setRange(pages > 0 ? 1 : 0, int(std::max<qint64>(m_view->pageCount(), 0)));
    }
    if (m_pages->stoppedShort())
        //: %1 is the number of the last page the preview shows.
        m_statusLabel->setText(
            tr("The pages could not all be counted: the preview ends at page %1.").arg(pages));
    else if (!final)
        //: %1 is the share of the document counted so far, in percent.
        m_statusLabel->setText(tr("Counting the pages: %1 %").arg(qRound(m_pages->share() * 100)));
    else
        m_statusLabel->clear();
    showPageNumber(m_view->currentPage());
}

void PreviewDialog::labelPageBox(const QString &count)
{
    // The box reads "Page 3 of 478", or "Page 1 of …" while the pages are being counted: the
    // number is typed between the words.
    //: The page number box: %1 stands where the page number is typed, %2 is the number of pages
    //: (or "…" while they are counted). Keep both.
    const QString text = tr("Page %1 of %2");
    const qsizetype number = text.indexOf(QLatin1String("%1"));
    // A translation that lost the %1 puts the number after its words.
    const QString prefix = number < 0 ? text + QLatin1Char(' ') : text.left(number);
    const QString suffix = number < 0 ? QString() : text.mid(number + 2);
    m_pageBox->setPrefix(QString(prefix).replace(QLatin1String("%2"), count));
    m_pageBox->setSuffix(QString(suffix).replace(QLatin1String("%2"), count));
}

void PreviewDialog::showPageNumber(qint64 page)
{
    {
        const QSignalBlocker quiet(m_pageBox);
        m_pageBox->setValue(int(page));
    }
    m_previousButton->setEnabled(page > 1);
    m_nextButton->setEnabled(page < m_view->pageCount());
    m_view->setAccessibleDescription(m_pageBox->text());
}

void PreviewDialog::zoomTo(int index)
{
    const Zoom zoom = Zooms[std::size_t(index)];
    m_view->setZoom(zoom.fit, zoom.factor);
}

void PreviewDialog::stepZoom(int steps)
{
    // The next share of real size beyond the scale in view, in the direction asked.
    const double now = m_view->scale() * 1200 / m_view->logicalDpiX();
    int chosen = -1;
    for (int i = 0; i < int(Zooms.size()); ++i) {
        if (Zooms[std::size_t(i)].fit != PageView::Fit::None)
            continue;
        const double factor = Zooms[std::size_t(i)].factor;
        if ((steps > 0 && factor > now * 1.01 && chosen < 0) || (steps < 0 && factor < now * 0.99))
            chosen = i;
    }
    if (chosen >= 0)
        m_zoomBox->setCurrentIndex(chosen);
}
