#pragma once

#include "pages/interior/QuestionPage.h"

namespace pages
{

// Page 45: brick or stone for the fireplace facing and hearth.
class frm01Fireplace03 : public QuestionPage
{
    Q_OBJECT

public:
    frm01Fireplace03();

    QLabel* Label1 = nullptr;
    QFrame* fraStyle = nullptr;
    QList<QRadioButton*> optStyle;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void CalcForm() override;
};

} // namespace pages
