#include "pages/interior/frm01FinishRooms.h"

#include "estimate/clsHomeData.h"
#include "runtime/forms/Twips.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"

#include <QFrame>
#include <QLabel>
#include <QRadioButton>

namespace pages
{

frm01FinishRooms::frm01FinishRooms()
    : QuestionPage(QStringLiteral("frm01FinishRooms"), QStringLiteral("Finish Rooms"))
{
    const QStringList yesNo = {QStringLiteral("Yes"), QStringLiteral("No")};
    const Question garage = addQuestion(QStringLiteral("fraGarage"), GarageTop, QStringLiteral("Label1"),
                                        QStringLiteral("Do you want to insulate and drywall the garage?"),
                                        QStringLiteral("optGarage"), yesNo);
    fraGarage = garage.frame;
    Label1 = garage.label;
    optGarage = garage.options;
    const Question basement = addQuestion(
        QStringLiteral("fraBasement"), BasementTop, QStringLiteral("Label2"),
        QStringLiteral("Do you want to finish the basement?"), QStringLiteral("optBasement"), yesNo);
    fraBasement = basement.frame;
    Label2 = basement.label;
    optBasement = basement.options;
    const Question bonus = addQuestion(QStringLiteral("fraBonusRoom"), BonusRoomTop, QStringLiteral("Label3"),
                                       QStringLiteral("Do you want to finish the bonus room?"),
                                       QStringLiteral("optBonusRoom"), yesNo);
    fraBonusRoom = bonus.frame;
    Label3 = bonus.label;
    optBonusRoom = bonus.options;
    for (const auto* group : {&optGarage, &optBasement, &optBonusRoom})
        onClicks(*group, [this](int) { CalcForm(); });
}

void frm01FinishRooms::Form_Load()
{
    InitLabel(lbPageTitle, PageTitleLabel);
    for (QLabel* label : {Label1, Label2, Label3})
        InitLabel(label, QuestionLabel);
    for (const auto* group : {&optGarage, &optBasement, &optBonusRoom})
        for (QRadioButton* option : *group)
            InitOptionButton(option);
}

void frm01FinishRooms::Form_Activate()
{
    clsHomeData& home = HomeData();
    fraGarage->show();
    selectYesNo(optGarage, home.FinishGarage(), true);
    selectYesNo(optBasement, home.FinishBasement());
    selectYesNo(optBonusRoom, home.FinishBonusRoom());

    const vb::Integer foundation = home.FoundationType();
    const bool noBasement = foundation == 1 || foundation == 2;
    fraBasement->setVisible(!noBasement);

    if (home.rmBonusRoom()) {
        // Without a basement the bonus-room question takes the basement question's place; a page
        // shown again for a house with a basement puts it back.
        const int top = noBasement ? fraBasement->y() : forms::twipsToPixels(BonusRoomTop);
        fraBonusRoom->move(fraBonusRoom->x(), top);
        fraBonusRoom->show();
    } else {
        fraBonusRoom->hide();
    }
}

void frm01FinishRooms::CalcForm()
{
    vb::Trap trap = beginCalcForm();
    clsHomeData& home = HomeData();
    storeYesNo(trap, optGarage, [&](bool v) { home.setFinishGarage(v); });
    storeYesNo(trap, optBasement, [&](bool v) { home.setFinishBasement(v); });
    storeYesNo(trap, optBonusRoom, [&](bool v) { home.setFinishBonusRoom(v); });
}

} // namespace pages
