#pragma once

#include "pages/frame/InterviewPage.h"

namespace pages
{

// Page 31: the landscaped part of the lot in acres.
class frm01LotSize : public InterviewPage
{
    Q_OBJECT

public:
    frm01LotSize();

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
