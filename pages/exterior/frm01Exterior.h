#pragma once

#include "pages/frame/InterviewPage.h"

namespace pages
{

// Page 42: the primary exterior material and, for brick, its configuration and a secondary
// material.
class frm01Exterior : public InterviewPage
{
    Q_OBJECT

public:
    frm01Exterior();

    QFrame* fraPrimary = nullptr;
    QLabel* lbStatement4 = nullptr;
    QLabel* lbData3 = nullptr;
    QComboBox* cmbPrimary = nullptr;
    QFrame* fraConfiguration = nullptr;
    QLabel* lbStatement2 = nullptr;
    QLabel* lbData1 = nullptr;
    QComboBox* cmbBrick = nullptr;
    QFrame* fraSecondary = nullptr;
    QLabel* lbStatement3 = nullptr;
    QLabel* lbData2 = nullptr;
    QComboBox* cmbSecondary = nullptr;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void CalcForm() override;
    bool ValidateFormData() override;

private:
    void cmbPrimary_Click();
    void cmbBrick_Click();
    QFrame* addQuestionFrame(const QString& frameName, int top, const QString& statementName,
                             const QString& statement, const QString& dataName, const QString& caption,
                             const QString& listName, QLabel*& statementLabel, QLabel*& dataLabel,
                             QComboBox*& list);
    bool refuseList(const QString& listName, const QString& message);
};

} // namespace pages
