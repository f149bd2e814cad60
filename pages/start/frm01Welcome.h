#pragma once

#include "pages/frame/InterviewPage.h"

namespace pages
{

// Page 1: greets the user with the program's name and version.
class frm01Welcome : public InterviewPage
{
    Q_OBJECT

public:
    frm01Welcome();

    QLabel* Label2 = nullptr;
    QLabel* Image1 = nullptr;

protected:
    void Form_Load() override;
    void cmdContinue_Click() override;
};

} // namespace pages
