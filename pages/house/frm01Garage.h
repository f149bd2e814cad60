#pragma once

#include "pages/frame/InterviewPage.h"

namespace pages
{

// Page 22: garage bays and, with a garage, door openers.
class frm01Garage : public InterviewPage
{
    Q_OBJECT

public:
    frm01Garage();

    QLabel* lbStatement = nullptr;
    QLabel* lbData1 = nullptr;
    QComboBox* cmbGarageBays = nullptr;
    QFrame* fraOpeners = nullptr;
    QLabel* Label1 = nullptr;
    QList<QRadioButton*> optOpeners;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void CalcForm() override;
};

} // namespace pages
