#pragma once

#include "pages/frame/InterviewPage.h"

namespace pages
{

// Page 32: how far the front of the house stands from the street, in feet.
class frm01StreetDistance : public InterviewPage
{
    Q_OBJECT

public:
    frm01StreetDistance();

    QLabel* lbStatement = nullptr;
    QLabel* lbData1 = nullptr;
    QLineEdit* txtData1 = nullptr;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void CalcForm() override;
};

} // namespace pages
