#include "shell/frmAbout.h"

#include "estimate/clsHomeData.h"
#include "runtime/forms/App.h"
#include "runtime/forms/Forms.h"
#include "runtime/forms/ImageList.h"
#include "runtime/forms/MsgBox.h"
#include "runtime/forms/WindowFit.h"
#include "runtime/os/Programs.h"
#include "runtime/vb/Format.h"
#include "runtime/vb/Trap.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"
#include "shell/frmSplash.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

frmAbout::frmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(u"frmAbout"_s);
    setFixedSize(500, 360);
    setModal(true);
    forms::keepOnScreen(this);

    auto label = [this](const QString& name, int pointSize, bool bold, QRect geometry) {
        auto* l = new QLabel(this);
        l->setObjectName(name);
        l->setFont(StyleFont(pointSize, bold));
        l->setGeometry(geometry);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return l;
    };
    m_Image1 = label(u"Image1"_s, 10, false, QRect(16, 16, 120, 90));
    m_Image1->setAlignment(Qt::AlignCenter);
    m_lbProduct = label(u"lbProduct"_s, 10, false, QRect(150, 16, 334, 70));
    m_lbFileVersion = label(u"lbFileVersion"_s, 10, false, QRect(150, 88, 334, 20));
    m_lbStatement = label(u"lbStatement"_s, 9, false, QRect(16, 122, 468, 50));
    m_lbStatement2 = label(u"lbStatement2"_s, 9, false, QRect(16, 174, 468, 36));
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(16, 216, 468, 4);
    m_Image2 = label(u"Image2"_s, 10, false, QRect(16, 228, 80, 60));
    m_Image2->setAlignment(Qt::AlignCenter);
    m_lbContact = label(u"lbContact"_s, 9, false, QRect(104, 228, 260, 64));

    m_cmdOK = new QPushButton(u"OK"_s, this);
    m_cmdOK->setObjectName(u"cmdOK"_s);
    m_cmdOK->setGeometry(384, 260, 100, 28);
    m_cmdOK->setDefault(true);
    m_cmdSysInfo = new QPushButton(u"&System Info..."_s, this);
    m_cmdSysInfo->setObjectName(u"cmdSysInfo"_s);
    m_cmdSysInfo->setGeometry(384, 300, 100, 28);
    connect(m_cmdOK, &QPushButton::clicked, this,
            [this] { vb::guard(u"frmAbout.cmdOK_Click"_s, [this] { forms::Forms::unload(this); }); });
    connect(m_cmdSysInfo, &QPushButton::clicked, this,
            [this] { vb::guard(u"frmAbout.cmdSysInfo_Click"_s, [this] { StartSysInfo(); }); });

    vb::guard(u"frmAbout.Form_Load"_s, [this] { Form_Load(); });
}

void frmAbout::Form_Load()
{
    const QString version = u"%1.%2"_s.arg(forms::App::Major()).arg(forms::App::Minor());
    setWindowTitle(forms::App::Title() + u" Version "_s + version);
    m_lbProduct->setText(forms::App::Title() + u"\nVersion "_s + version + u" (Build "_s +
                         QString::number(forms::App::Revision()) + u")\n"_s + frmSplash::NoticeLine());
    m_lbStatement->setText(
        u"Tavimoor estimates what it costs to build the house you describe, from your answers, "
        "the quality of construction you choose and the building costs where you live."_s);
    m_lbStatement2->setText(u"The figures are a guide for planning and for talks with builders and lenders; "
                            "they are not a bid or a quote."_s);
    m_lbContact->setText(u"Quorbel Software\nsupport@quorbel.example\nwww.quorbel.example"_s);

    forms::ImageList pictures(QString(), QSize(120, 90));
    pictures.add(u"Style1"_s);
    pictures.add(u"Gable"_s);
    m_Image1->setPixmap(pictures.picture(u"Style1"_s));
    const QPixmap gable = pictures.picture(u"Gable"_s);
    QPixmap smaller =
        gable.scaled(QSize(80, 60) * gable.devicePixelRatio(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    smaller.setDevicePixelRatio(gable.devicePixelRatio());
    m_Image2->setPixmap(smaller);

    m_lbFileVersion->setText(u"File Version: "_s);
    m_lbFileVersion->setText(u"File Version: "_s + vb::Format(double(HomeData().DBVersion()), u"#.#0"_s));
}

void frmAbout::StartSysInfo()
{
    bool started = false;
    vb::Trap::silent()([&] {
        const QString tool = os::findSystemInformationTool();
        if (!tool.isEmpty()) started = os::programLauncher()->start(tool, {});
    });
    if (!started) forms::MsgBox(u"System Information Is Unavailable At This Time"_s);
}
