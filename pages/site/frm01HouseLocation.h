#pragma once

#include "pages/frame/InterviewPage.h"

namespace pages
{

// Page 28: the state and city of the house from [Locations]; the city's LocationID is stored at
// every selection.
class frm01HouseLocation : public InterviewPage
{
    Q_OBJECT

public:
    frm01HouseLocation();

    QLabel* lbStatement = nullptr;
    QLabel* lbIntro = nullptr;
    QLabel* lbState = nullptr;
    QComboBox* cmbState = nullptr;
    QLabel* lbCity = nullptr;
    QComboBox* cmbCity = nullptr;

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    void cmbState_Click();
    void cmbCity_Click();
};

} // namespace pages
