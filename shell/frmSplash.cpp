#include "shell/frmSplash.h"

#include "runtime/forms/App.h"
#include "runtime/forms/ImageList.h"
#include "shell/basStyleControl.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QThread>
#include <QWindow>

using namespace Qt::Literals::StringLiterals;

frmSplash::frmSplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(u"frmSplash"_s);
    setFixedSize(520, 320);

    m_fraMainFrame = new QFrame(this);
    m_fraMainFrame->setObjectName(u"fraMainFrame"_s);
    m_fraMainFrame->setFrameShape(QFrame::StyledPanel);
    m_fraMainFrame->setGeometry(10, 10, width() - 20, height() - 20);

    m_Image1 = new QLabel(m_fraMainFrame);
    m_Image1->setObjectName(u"Image1"_s);
    m_Image1->setGeometry(20, 70, 200, 150);
    m_Image1->setAlignment(Qt::AlignCenter);

    auto label = [this](const QString& name, int pointSize, bool bold, QRect geometry, Qt::Alignment align) {
        auto* l = new QLabel(m_fraMainFrame);
        l->setObjectName(name);
        l->setFont(StyleFont(pointSize, bold));
        l->setGeometry(geometry);
        l->setAlignment(align);
        l->setWordWrap(true);
        l->setStyleSheet(u"color: #0b1f4d;"_s);
        return l;
    };
    // Only sizes that the main window and the first page use as well: each size of a font costs
    // the start-up a font engine of its own.
    m_lblCompanyProduct = label(u"lblCompanyProduct"_s, 12, false, QRect(20, 18, 460, 24), Qt::AlignLeft);
    m_lblProductName = label(u"lblProductName"_s, 18, true, QRect(236, 88, 250, 50), Qt::AlignRight);
    m_lblVersion = label(u"lblVersion"_s, 12, false, QRect(236, 140, 250, 24), Qt::AlignRight);
    m_lblCopyright = label(u"lblCopyright"_s, 9, false, QRect(20, 262, 460, 20), Qt::AlignLeft);

    Form_Load();
}

QString frmSplash::NoticeLine()
{
    return u"Copyright \u00a9 2026 Quorbel Software. All rights reserved."_s;
}

void frmSplash::Form_Load()
{
    m_lblCompanyProduct->setText(forms::App::CompanyName());
    m_lblVersion->setText(u"Version %1.%2"_s.arg(forms::App::Major()).arg(forms::App::Minor()));
    m_lblProductName->setText(forms::App::Title());
    m_lblCopyright->setText(NoticeLine());

    forms::ImageList pictures(QString(), QSize(200, 150));
    pictures.add(u"Style2"_s);
    m_Image1->setPixmap(pictures.picture(u"Style2"_s));
}

void frmSplash::showPainted()
{
    show();
    raise();
    QElapsedTimer waited;
    waited.start();
    // Waits only while the window system has not yet exposed the window.
    for (;;) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if ((windowHandle() && windowHandle()->isExposed()) || waited.elapsed() >= 2000) break;
        QThread::msleep(1);
    }
    // Painted already when the window's first exposure drew it whole.
    if (!m_painted) repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QGuiApplication::sync();
}

void frmSplash::paintEvent(QPaintEvent*)
{
    m_painted = true;
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(0xf7, 0xf9, 0xfc));
    g.setColorAt(1, QColor(0xdc, 0xe5, 0xf1));
    p.fillRect(rect(), g);
    p.setPen(QColor(0x0b, 0x1f, 0x4d));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
