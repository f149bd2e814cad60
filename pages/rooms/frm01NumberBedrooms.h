#pragma once

#include "pages/frame/InterviewPage.h"

namespace pages
{

// Page 12: the number of bedrooms.
class frm01NumberBedrooms : public InterviewPage
{
    Q_OBJECT

public:
    frm01NumberBedrooms();

    QLabel* lbStatement = nullptr;
    QLabel* lbData1 = nullptr;
    QComboBox* cmbBedrooms = nullptr;
    QLabel* imgBedroom = nullptr;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void CalcForm() override;
};

} // namespace pages
