// Builds the main window's form: the title, the person column and the three frames of the
// PreferencesForm, with their captions and tooltips. Where each stands is the layout's business
// (placement.cpp).

#include "mainwindow/mainwindow.h"

#include "mainwindow/personcolumn.h"
#include "mainwindow/preferencesform.h"

#include <QFrame>
#include <QLabel>

void MainWindow::placed(layout::Item item, QWidget *widget)
{
    m_placed[std::size_t(item)] = widget;
}

void MainWindow::buildControls()
{
    using layout::Item;
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("Form"));
    setCentralWidget(central);

    // Title at the top right, a rule under it.
    auto *titleLabel = new QLabel(QStringLiteral("Tidemark"), central);
    titleLabel->setObjectName(QStringLiteral("Label26"));
    QFont titleFont = titleLabel->font();
    titleFont.setPointSize(16);
    titleFont.setBold(true);
    titleLabel->setFont(titleFont);
    auto *subtitle = new QLabel(QStringLiteral("Biorhythm Charts"), central);
    subtitle->setObjectName(QStringLiteral("Label25"));
    QFont subtitleFont = subtitle->font();
    subtitleFont.setPointSize(9);
    subtitle->setFont(subtitleFont);
    subtitle->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *titleRule = new QFrame(central);
    titleRule->setObjectName(QStringLiteral("Line14"));
    titleRule->setFrameShape(QFrame::HLine);
    titleRule->setFrameShadow(QFrame::Sunken);
    placed(Item::Title, titleLabel);
    placed(Item::Subtitle, subtitle);
    placed(Item::TitleRule, titleRule);

    const layout::AddControl place = [this](Item item, QWidget *widget) { placed(item, widget); };
    m_person = std::make_unique<PersonColumn>(central, m_env.alerts, m_env.clock, place);
    m_preferences = std::make_unique<PreferencesForm>(central, place);
}
