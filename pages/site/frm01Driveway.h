#pragma once

#include "pages/interior/QuestionPage.h"

namespace pages
{

// Page 2: the driveway surface.
class frm01Driveway : public QuestionPage
{
    Q_OBJECT

public:
    frm01Driveway();

    QLabel* lbStatement = nullptr;
    QList<QRadioButton*> optDriveway;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void CalcForm() override;
};

} // namespace pages
