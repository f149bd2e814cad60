#pragma once

#include "pages/frame/InterviewPage.h"

namespace pages
{

// Skeleton of a page with one typed entry; no page of the interview leads to it.
class frmTemplate : public InterviewPage
{
    Q_OBJECT

public:
    frmTemplate();

    QLabel* lbStatement = nullptr;
    QLabel* lbData1 = nullptr;
    QLineEdit* txtData1 = nullptr;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void CalcForm() override;
    // The skeleton has no help of its own.
    void cmdHelp_Click() override {}
};

} // namespace pages
