#pragma once

#include "pages/frame/InterviewPage.h"

namespace pages
{

// Page 16: whether the house has a basement. The answer is the branch Yes or No takes.
class frm01Basement : public InterviewPage
{
    Q_OBJECT

public:
    frm01Basement();

    QLabel* lbStatement = nullptr;
    QLabel* lbStatement2 = nullptr;

protected:
    void Form_Load() override;
    void Form_Activate() override;
};

} // namespace pages
