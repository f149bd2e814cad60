#pragma once

#include "pages/frame/InterviewPage.h"

namespace pages
{

// Page 47: the areas of the covered front and rear porches.
class frm01Porches : public InterviewPage
{
    Q_OBJECT

public:
    frm01Porches();

    QLabel* lbStatement = nullptr;
    QLabel* lbIntro = nullptr;
    QLabel* lbData1 = nullptr;
    QLineEdit* txtData1 = nullptr;
    QLabel* lbData2 = nullptr;
    QLineEdit* txtData2 = nullptr;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void CalcForm() override;
};

} // namespace pages
