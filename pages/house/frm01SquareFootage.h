#pragma once

#include "pages/frame/InterviewPage.h"

namespace pages
{

// Page 37: the area of each floor and of an optional bonus room.
class frm01SquareFootage : public InterviewPage
{
    Q_OBJECT

public:
    frm01SquareFootage();

    QLabel* lbStatement = nullptr;
    QLabel* lbData1 = nullptr;
    QLabel* lbData2 = nullptr;
    QLabel* lbData3 = nullptr;
    QLabel* lbData4 = nullptr;
    QLineEdit* txtData1 = nullptr;
    QLineEdit* txtData2 = nullptr;
    QLineEdit* txtData3 = nullptr;
    QLineEdit* txtData4 = nullptr;
    QLabel* lbTotal = nullptr;
    QLineEdit* txtTotal = nullptr;
    QFrame* fraBonus = nullptr;
    QLabel* lbStatement2 = nullptr;
    QList<QRadioButton*> optBonus;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void CalcForm() override;
    bool ValidateFormData() override;

private:
    void optBonus_Click(int Index);
    void updateTotal();
    // Puts the rows that the floors move or show back at their design places, hidden.
    void restoreDesignLayout();
};

} // namespace pages
