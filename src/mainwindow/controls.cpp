// Builds the main window's form: the title, the person column and the three frames of the
// PreferencesForm, with their captions and tooltips. Where each stands is the layout's business
// (WindowLayout).

#include "mainwindow/mainwindow.h"

#include "mainwindow/personcolumn.h"
#include "mainwindow/preferencesform.h"
#include "mainwindow/windowlayout.h"

#include <QFrame>
#include <QLabel>

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
    m_layout->add(Item::Title, titleLabel);
    m_layout->add(Item::Subtitle, subtitle);
    m_layout->add(Item::TitleRule, titleRule);

    m_person = std::make_unique<PersonColumn>(central, m_env.alerts, m_env.clock, m_layout->adder());
    m_preferences = std::make_unique<PreferencesForm>(central, m_layout->adder());
}
