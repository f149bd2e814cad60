#pragma once

#include "pages/interior/QuestionPage.h"

namespace pages
{

// Page 44: prefabricated or masonry fireplace, and a brick chase for a prefabricated one.
class frm01Fireplace02 : public QuestionPage
{
    Q_OBJECT

public:
    frm01Fireplace02();

    QFrame* fraStyle = nullptr;
    QLabel* Label1 = nullptr;
    QList<QRadioButton*> optStyle;
    QFrame* fraChase = nullptr;
    QLabel* Label2 = nullptr;
    QList<QRadioButton*> optChase;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void CalcForm() override;

private:
    void optStyle_Click(int Index);
};

} // namespace pages
