#pragma once

#include "pages/frame/InterviewPage.h"

namespace pages
{

// Page 29: what grows on the building area, which prices the clearing.
class frm01LotCondition : public InterviewPage
{
    Q_OBJECT

public:
    frm01LotCondition();

    QLabel* lbIntro = nullptr;
    QLabel* lbStatement = nullptr;
    QList<QRadioButton*> optGrade;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void CalcForm() override;
};

} // namespace pages
