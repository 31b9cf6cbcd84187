#include "info/frmabout.h"

#include "info/systemregistry.h"

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

frmAbout::frmAbout(info::SystemRegistry &registry, Alerts &alerts, QWidget *owner, const QIcon &icon)
    : QDialog(owner)
    , picIcon(new QLabel(this))
    , lblTitle(new QLabel(this))
    , lblVersion(new QLabel(QStringLiteral("Version 5.6"), this))
    , lblDescription(
          NoticeLabel(this, "lblDescription",
                      QStringLiteral("Biorhythm charts on screen and on paper, for entertainment only.")))
    , Label1(NoticeLabel(this, "Label1",
                         QStringLiteral("Warning: this computer program is protected by copyright law.")))
    , lblDisclaimer(
          NoticeLabel(this, "lblDisclaimer",
                      QStringLiteral("Unauthorized reproduction or distribution of this program, or any "
                                     "portion of it, may result in severe civil and criminal penalties, "
                                     "and will be prosecuted to the maximum extent possible under the law.")))
    , Line1{SeparatorLine(this, "Line1_0"), SeparatorLine(this, "Line1_1")}
    , cmdOK(new QPushButton(QStringLiteral("OK"), this))
    , cmdSysInfo(new QPushButton(QStringLiteral("&System Info..."), this))
    , m_registry(registry)
    , m_alerts(alerts)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Tidemark"));
    setModal(true);

    picIcon->setObjectName(QStringLiteral("picIcon"));
    const QIcon programIcon = icon.isNull() ? QApplication::windowIcon() : icon;
    if (!programIcon.isNull())
        picIcon->setPixmap(programIcon.pixmap(32, 32));
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));

    // OK is both the default button (Enter) and the cancel button (Escape closes the dialog).
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    buildLayout();
    Form_Load();
}

void frmAbout::Form_Load()
{
    lblVersion->setText(QStringLiteral(TIDEMARK_VERSION));
    lblTitle->setText(QStringLiteral("Tidemark"));
}

void frmAbout::buildLayout()
{
    auto *top = new QGridLayout;
    top->addWidget(picIcon, 0, 0, 3, 1, Qt::AlignTop);
    top->addWidget(lblTitle, 0, 1);
    top->addWidget(lblVersion, 1, 1);
    top->addWidget(lblDescription, 2, 1);
    top->setColumnStretch(1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSysInfo);
    buttons->addWidget(cmdOK);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Line1[0]);
    layout->addWidget(Label1);
    layout->addWidget(lblDisclaimer);
    layout->addWidget(Line1[1]);
    layout->addLayout(buttons);
    setMinimumWidth(420);
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::cmdSysInfo_Click()
{
    info::StartSysInfo(m_registry, m_alerts);
}
