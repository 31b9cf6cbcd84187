#include "info/aboutdialog.h"

#include "platform/alerts.h"
#include "tidemarkversion.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QFrame *SeparatorLine(QWidget *parent, const char *name)
{
    auto *line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QLabel *NoticeLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    return label;
}

} // namespace

AboutDialog::AboutDialog(info::SystemInfoSearch systemInfo, Alerts &alerts, QWidget *owner, const QIcon &icon)
    : QDialog(owner)
    , m_iconLabel(new QLabel(this))
    , m_titleLabel(new QLabel(QStringLiteral("Tidemark"), this))
    , m_versionLabel(new QLabel(QStringLiteral(TIDEMARK_VERSION), this))
    , m_descriptionLabel(NoticeLabel(this, "lblDescription",
                                     tr("Biorhythm charts on screen and on paper, for entertainment only.")))
    , m_warningLabel(
          NoticeLabel(this, "Label1", tr("Warning: this computer program is protected by copyright law.")))
    , m_disclaimerLabel(
          NoticeLabel(this, "lblDisclaimer",
                      tr("Unauthorized reproduction or distribution of this program, or any "
                         "portion of it, may result in severe civil and criminal penalties, "
                         "and will be prosecuted to the maximum extent possible under the law.")))
    , m_rules{SeparatorLine(this, "Line1_0"), SeparatorLine(this, "Line1_1")}
    , m_okButton(new QPushButton(tr("OK"), this))
    //: Starts the desktop's system information program.
    , m_systemInfoButton(new QPushButton(tr("&System Info..."), this))
    , m_systemInfo(std::move(systemInfo))
    , m_alerts(alerts)
{
    setObjectName(QStringLiteral("frmAbout"));
    //: The About window's title; Tidemark is the program's name.
    setWindowTitle(tr("About Tidemark"));
    setModal(true);

    m_iconLabel->setObjectName(QStringLiteral("picIcon"));
    const QIcon programIcon = icon.isNull() ? QApplication::windowIcon() : icon;
    if (!programIcon.isNull())
        m_iconLabel->setPixmap(programIcon.pixmap(32, 32));
    m_titleLabel->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = m_titleLabel->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    m_titleLabel->setFont(titleFont);
    m_versionLabel->setObjectName(QStringLiteral("lblVersion"));

    // OK is both the default button (Enter) and the cancel button (Escape closes the dialog).
    m_okButton->setObjectName(QStringLiteral("cmdOK"));
    m_okButton->setDefault(true);
    m_systemInfoButton->setObjectName(QStringLiteral("cmdSysInfo"));
    m_systemInfoButton->setAutoDefault(false);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_systemInfoButton, &QPushButton::clicked, this, &AboutDialog::startSystemInfo);

    buildLayout();
}

void AboutDialog::buildLayout()
{
    auto *top = new QGridLayout;
    top->addWidget(m_iconLabel, 0, 0, 3, 1, Qt::AlignTop);
    top->addWidget(m_titleLabel, 0, 1);
    top->addWidget(m_versionLabel, 1, 1);
    top->addWidget(m_descriptionLabel, 2, 1);
    top->setColumnStretch(1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_systemInfoButton);
    buttons->addWidget(m_okButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_rules[0]);
    layout->addWidget(m_warningLabel);
    layout->addWidget(m_disclaimerLabel);
    layout->addWidget(m_rules[1]);
    layout->addLayout(buttons);
    setMinimumWidth(420);
}

void AboutDialog::startSystemInfo()
{
    if (!info::StartSystemInfo(m_systemInfo))
        m_alerts.plain(QStringLiteral("Tidemark"), tr("System Information Is Unavailable At This Time"));
}
