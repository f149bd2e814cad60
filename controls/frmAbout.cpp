#include "controls/frmAbout.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace ombLustrel
{

namespace
{

// The library's logo: a raised button face with the maker's initial.
QPixmap logo()
{
    QPixmap pixmap(48, 48);
    pixmap.fill(QColor(0xC0, 0xC0, 0xC0));
    QPainter p(&pixmap);
    p.setPen(Qt::white);
    p.drawLine(0, 0, 47, 0);
    p.drawLine(0, 0, 0, 47);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawLine(46, 1, 46, 47);
    p.drawLine(1, 46, 47, 46);
    p.setPen(Qt::black);
    p.drawLine(47, 0, 47, 47);
    p.drawLine(0, 47, 47, 47);
    QFont f = p.font();
    f.setPixelSize(30);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0x00, 0x00, 0x80));
    p.drawText(QRect(0, 0, 47, 47), Qt::AlignCenter, QStringLiteral("O"));
    return pixmap;
}

QFrame* separator(QWidget* parent, const QString& name)
{
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

QString frmAbout::applicationTitle()
{
    return QStringLiteral("ombLustrel");
}

QString frmAbout::companyName()
{
    return QStringLiteral("Ombrel Controls");
}

QString frmAbout::homePage()
{
    return QStringLiteral("https://ombrel.example/");
}

frmAbout::frmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Ombrel ") + applicationTitle());
    setModal(true);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(logo());
    lblVersion = new QLabel(
        QStringLiteral("%1 %2 %3.%4").arg(companyName(), applicationTitle()).arg(major()).arg(minor()), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblCopyright =
        new QLabel(QStringLiteral("Copyright \u00A9 2026 Ombrel Controls. All rights reserved."), this);
    lblCopyright->setObjectName(QStringLiteral("lblCopyright"));
    lblWarning =
        new QLabel(QStringLiteral("Warning: this program is protected by copyright law and international "
                                  "treaties. Unauthorized reproduction or distribution of this program, or "
                                  "any portion of it, may result in severe civil and criminal penalties, "
                                  "and will be prosecuted to the maximum extent possible under the law."),
                   this);
    lblWarning->setObjectName(QStringLiteral("lblWarning"));
    lblWarning->setWordWrap(true);
    lblVisitOnWeb = new QLabel(QStringLiteral("Visit us on the Web!"), this);
    lblVisitOnWeb->setObjectName(QStringLiteral("lblVisitOnWeb"));
    lblWebSite = new QLabel(homePage(), this);
    lblWebSite->setObjectName(QStringLiteral("lblWebSite"));
    lblWebSite->setStyleSheet(QStringLiteral("color: #0000FF;"));
    lblWebSite->setCursor(Qt::PointingHandCursor);
    lblWebSite->installEventFilter(this);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    auto* head = new QHBoxLayout;
    head->addWidget(Image1);
    auto* titles = new QVBoxLayout;
    titles->addWidget(lblVersion);
    titles->addWidget(lblCopyright);
    head->addLayout(titles, 1);
    layout->addLayout(head);
    layout->addWidget(separator(this, QStringLiteral("Line1")));
    layout->addWidget(lblWarning);
    layout->addWidget(separator(this, QStringLiteral("Line2")));
    auto* web = new QHBoxLayout;
    web->addWidget(lblVisitOnWeb);
    web->addWidget(lblWebSite, 1);
    web->addWidget(cmdOK);
    layout->addLayout(web);
    setFixedWidth(420);
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lblWebSite && event->type() == QEvent::MouseButtonRelease) {
        lblWebSite_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::lblWebSite_Click()
{
    QDesktopServices::openUrl(QUrl(homePage()));
}

} // namespace ombLustrel
