#pragma once

#include "pages/frame/InterviewPage.h"

namespace pages
{

// Page 20: the construction quality that scales many costs, with a description of the grade.
class frm01DefaultGrade : public InterviewPage
{
    Q_OBJECT

public:
    frm01DefaultGrade();

    QLabel* lbStatement = nullptr;
    QLabel* lbStatement1 = nullptr;
    QList<QRadioButton*> optGrade;
    QLabel* lbDescription = nullptr;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void CalcForm() override;
};

} // namespace pages
