#pragma once

#include "pages/interior/QuestionPage.h"

namespace pages
{

// Page 41: a garden or whirlpool tub in the master bathroom.
class frm01GardenTub : public QuestionPage
{
    Q_OBJECT

public:
    frm01GardenTub();

    QLabel* Label2 = nullptr;
    QFrame* fraTub = nullptr;
    QLabel* Label1 = nullptr;
    QList<QRadioButton*> optTub;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void CalcForm() override;
};

} // namespace pages
