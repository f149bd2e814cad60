#pragma once

#include "pages/interior/QuestionPage.h"

namespace pages
{

// Page 39: a kitchen island and a bar.
class frm01KitchenExtras : public QuestionPage
{
    Q_OBJECT

public:
    frm01KitchenExtras();

    QLabel* lbIntro = nullptr;
    QLabel* lbStatement1 = nullptr;
    QFrame* fraIsland = nullptr;
    QList<QRadioButton*> optIsland;
    QFrame* fraBar = nullptr;
    QLabel* lbStatement2 = nullptr;
    QList<QRadioButton*> optBar;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void CalcForm() override;
};

} // namespace pages
