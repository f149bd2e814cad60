#pragma once

#include "pages/frame/InterviewPage.h"

namespace pages
{

// Page 10: what the estimate is good for.
class frm01Disclaimer : public InterviewPage
{
    Q_OBJECT

public:
    frm01Disclaimer();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;

protected:
    void Form_Load() override;
    void Form_Activate() override;
};

} // namespace pages
