#pragma once

#include "pages/frame/InterviewPage.h"

namespace pages
{

// Page 46: the price of the lot, added to the total.
class frm01LotPrice : public InterviewPage
{
    Q_OBJECT

public:
    frm01LotPrice();

    QLabel* lbStatement = nullptr;
    QLabel* lbData1 = nullptr;
    QLineEdit* txtData1 = nullptr;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void CalcForm() override;
    bool ValidateFormData() override;
};

} // namespace pages
