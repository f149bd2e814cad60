#include "pages/fireplace/frm01Fireplace03.h"

#include "estimate/clsHomeData.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"

#include <QFrame>
#include <QLabel>
#include <QRadioButton>

namespace pages
{

namespace
{
// Design caption of the title: the doubled ampersand shows as one.
QString designCaption(const QString& caption)
{
    return QString(caption).replace(QStringLiteral("&&"), QStringLiteral("&"));
}
} // namespace

frm01Fireplace03::frm01Fireplace03()
    : QuestionPage(QStringLiteral("frm01Fireplace03"),
                   designCaption(QStringLiteral("Fireplace Facing && Hearth")))
{
    Label1 =
        addLabel(QStringLiteral("Label1"),
                 QStringLiteral("Choose which material you want to use for the facing and hearth of your "
                                "fireplace."),
                 1440, 960, 7440, 840);
    const Question face =
        addQuestion(QStringLiteral("fraStyle"), 2040, QString(), QString(), QStringLiteral("optStyle"),
                    {QStringLiteral("Brick"), QStringLiteral("Stone")});
    fraStyle = face.frame;
    optStyle = face.options;
    onClicks(optStyle, [this](int) { CalcForm(); });
}

void frm01Fireplace03::Form_Load()
{
    InitLabel(lbPageTitle, PageTitleLabel);
    InitLabel(Label1, StatementLabel);
    for (QRadioButton* option : optStyle)
        InitOptionButton(option);
}

void frm01Fireplace03::Form_Activate()
{
    fraStyle->show();
    const vb::Integer face = HomeData().FireplaceFace();
    if (face == 1 || face == 2) selectOption(optStyle, face - 1, true);
}

void frm01Fireplace03::CalcForm()
{
    vb::Trap trap = beginCalcForm();
    const vb::Integer index = selected(trap, optStyle);
    if (index == 0 || index == 1) trap([&] { HomeData().setFireplaceFace(vb::Integer(index + 1)); });
}

} // namespace pages
