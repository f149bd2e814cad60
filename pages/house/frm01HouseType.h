#pragma once

#include "pages/frame/InterviewPage.h"

namespace pages
{

// Page 11: the style of the house, which presets the upper-floor areas.
class frm01HouseType : public InterviewPage
{
    Q_OBJECT

public:
    frm01HouseType();

    QLabel* lbStatement = nullptr;
    QFrame* fraStyle = nullptr;
    QList<QRadioButton*> optStyle;
    QLabel* imgHouse = nullptr;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void CalcForm() override;

private:
    void optStyle_Click(int Index);
};

} // namespace pages
