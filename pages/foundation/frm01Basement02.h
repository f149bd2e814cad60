#pragma once

#include "pages/frame/InterviewPage.h"

namespace pages
{

// Page 17: a full basement, or a partial one with its area.
class frm01Basement02 : public InterviewPage
{
    Q_OBJECT

public:
    frm01Basement02();

    QLabel* lbStatement = nullptr;
    QLabel* lbStatement1 = nullptr;
    QList<QRadioButton*> optBasement;
    QLabel* lbData1 = nullptr;
    QLineEdit* txtData1 = nullptr;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void CalcForm() override;
    bool ValidateFormData() override;

private:
    void optBasement_Click(int Index);
    void setEntry(const QString& text);
};

} // namespace pages
