#pragma once

#include "pages/frame/InterviewPage.h"

namespace pages
{

// Page 21: slab or crawl space for a house without a basement.
class frm01Foundation : public InterviewPage
{
    Q_OBJECT

public:
    frm01Foundation();

    QLabel* lbStatement = nullptr;
    QFrame* fraFoundation = nullptr;
    QList<QRadioButton*> optFoundation;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void CalcForm() override;
};

} // namespace pages
