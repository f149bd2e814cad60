#pragma once

#include "pages/frame/InterviewPage.h"

class QListWidget;

namespace pages
{

// Sample page with one input of each kind; no page of the interview leads to it.
class frmStep4 : public InterviewPage
{
    Q_OBJECT

public:
    frmStep4();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QListWidget* List1 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Label4 = nullptr;
    QList<QRadioButton*> Option1;
    QLabel* Label5 = nullptr;
    QList<QCheckBox*> Check1;
    QLabel* lbFullBath = nullptr;
    QComboBox* cmbFullBath = nullptr;
    QWidget* Lustrel1 = nullptr;
    QWidget* Lustrel2 = nullptr;

protected:
    // Nothing is styled or loaded at run time, and nothing is stored.
    void Form_Load() override {}
    void CalcForm() override {}

private:
    void List1_Click();
};

} // namespace pages
