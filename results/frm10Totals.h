#pragma once

#include "pages/frame/InterviewPage.h"

namespace results
{

// Result page 36: the estimate broken out into its 22 cost groups, computed on every showing.
class frm10Totals : public pages::InterviewPage
{
    Q_OBJECT

public:
    frm10Totals();

protected:
    void Form_Load() override;
    void Form_Activate() override;
};

} // namespace results
