#pragma once

#include "pages/frame/InterviewPage.h"

namespace pages
{

// Page 27: the heating system and, for gas heat, central air conditioning.
class frm01HeatType : public InterviewPage
{
    Q_OBJECT

public:
    frm01HeatType();

    QLabel* lbStatement = nullptr;
    QFrame* fraHeat = nullptr;
    QList<QRadioButton*> optHVAC;
    QFrame* fraAC = nullptr;
    QLabel* Label1 = nullptr;
    QList<QRadioButton*> optAC;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void CalcForm() override;
};

} // namespace pages
