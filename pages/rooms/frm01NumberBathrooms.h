#pragma once

#include "pages/frame/InterviewPage.h"

namespace pages
{

// Page 14: full and half bathrooms.
class frm01NumberBathrooms : public InterviewPage
{
    Q_OBJECT

public:
    frm01NumberBathrooms();

    QLabel* lbStatement = nullptr;
    QLabel* lbFullBath = nullptr;
    QComboBox* cmbFullBath = nullptr;
    QLabel* lbHalfBath = nullptr;
    QComboBox* cmbHalfBath = nullptr;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void CalcForm() override;
};

} // namespace pages
