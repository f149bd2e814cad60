#pragma once

#include "pages/frame/InterviewPage.h"

namespace pages
{

// Page 33: whether sidewalks are required, and then the lot's front width and a corner lot.
class frm01SidewalksReq : public InterviewPage
{
    Q_OBJECT

public:
    frm01SidewalksReq();

    QFrame* fraSidewalk = nullptr;
    QLabel* Label1 = nullptr;
    QList<QRadioButton*> optSidewalk;
    QFrame* fraWidth = nullptr;
    QLabel* lbStatement = nullptr;
    QLabel* lbData1 = nullptr;
    QLineEdit* txtData1 = nullptr;
    QFrame* fraCorner = nullptr;
    QLabel* Label2 = nullptr;
    QList<QRadioButton*> optCorner;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void CalcForm() override;

private:
    void storeCornerLot(vb::Trap& trap);
};

} // namespace pages
