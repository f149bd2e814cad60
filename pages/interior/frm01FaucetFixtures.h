#pragma once

#include "pages/interior/QuestionPage.h"

namespace pages
{

// Page 38: the finish of the faucet fixtures.
class frm01FaucetFixtures : public QuestionPage
{
    Q_OBJECT

public:
    frm01FaucetFixtures();

    QLabel* lbStatement = nullptr;
    QList<QRadioButton*> optGrade;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void CalcForm() override;
};

} // namespace pages
