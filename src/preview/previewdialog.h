#pragma once

#include "chart/chartfields.h"
#include "print/printcommands.h"

#include <QDialog>
#include <QTimer>

#include <memory>

class Alerts;
class PageView;
class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace print {
class PreviewPages;
}

// Print Preview: the pages of the chart, the cover sheet, both, or the "What Is" sheet, exactly
// as PDF files of them have them (print::PreviewPages). It opens at once on the first page and
// counts the pages while it shows them: the page box reads "Page 1 of …" until the count is
// final. Print closes it and asks for the chosen document's print command, which the window runs
// as File > Print does.
//
// Its controls, by object name:
//   PrintPreview     the dialog
//   PreviewDocument  m_documentBox     which document shows
//   PreviewPrevious  m_previousButton  the page before
//   PreviewPage      m_pageBox         "Page 3 of 478": the page in view; typing goes to a page
//   PreviewNext      m_nextButton      the page after
//   PreviewZoomOut   m_zoomOutButton
//   PreviewZoom      m_zoomBox         fit to the width, the whole page, or a share of real size
//   PreviewZoomIn    m_zoomInButton
//   PreviewPrint     m_printButton     (Ctrl+P)
//   PreviewClose     m_closeButton     (Escape)
//   PreviewPages     m_view            the pages
//   PreviewStatus    m_statusLabel     how far the count has come, or why it stopped
class PreviewDialog final : public QDialog
{
    Q_OBJECT

public:
    // The fields have passed the chart's checks.
    PreviewDialog(chart::ChartFields fields, QString today, Alerts &alerts, QWidget *parent = nullptr);
    ~PreviewDialog() override;

    // The document chosen: Print asks for its command.
    [[nodiscard]] print::PrintCommand command() const;
    // The pages of the document shown.
    [[nodiscard]] const print::PreviewPages &pages() const { return *m_pages; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildControls();
    // One row of controls where they fit, else two.
    void placeControls();
    [[nodiscard]] int oneRowWidth() const;
    void setTabOrder();
    void chooseDocument(int index);
    void countOn();
    void showCount();
    // The words round the page number, with the count (or "…" while it is not known).
    void labelPageBox(const QString &count);
    void showPageNumber(qint64 page);
    void zoomTo(int index);
    void stepZoom(int steps);

    chart::ChartFields m_fields;
    QString m_today;
    Alerts &m_alerts;
    std::unique_ptr<print::PreviewPages> m_pages;
    QTimer m_counting;

    QGridLayout *m_controlRows = nullptr;
    QWidget *m_pageControls = nullptr;   // the document chooser and the page
    QWidget *m_actionControls = nullptr; // the zoom, Print and Close
    QComboBox *m_documentBox = nullptr;
    QToolButton *m_previousButton = nullptr;
    QSpinBox *m_pageBox = nullptr;
    QToolButton *m_nextButton = nullptr;
    QToolButton *m_zoomOutButton = nullptr;
    QComboBox *m_zoomBox = nullptr;
    QToolButton *m_zoomInButton = nullptr;
    QPushButton *m_printButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    PageView *m_view = nullptr;
    QLabel *m_statusLabel = nullptr;
};
