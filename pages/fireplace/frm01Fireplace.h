#pragma once

#include "pages/frame/InterviewPage.h"

namespace pages
{

// Page 43: whether the house has a fireplace; Yes and No preset the fireplace codes.
class frm01Fireplace : public InterviewPage
{
    Q_OBJECT

public:
    frm01Fireplace();

    QLabel* lbStatement = nullptr;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void cmdYes_Click() override;
    void cmdNo_Click() override;
};

} // namespace pages
