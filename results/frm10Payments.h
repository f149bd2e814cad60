#pragma once

#include "pages/frame/InterviewPage.h"

#include <array>

class QComboBox;

namespace results
{

// Result page 4: the monthly cost of a 30-year loan on the estimate for 5, 10 and 20 percent
// down at the chosen interest rate, which the page stores in the record.
class frm10Payments : public pages::InterviewPage
{
    Q_OBJECT

public:
    frm10Payments();
    ~frm10Payments() override;

    using Column = std::array<QLabel*, 3>;
    Column lbPrice{}, lbDwnPmt{}, lbLoanAmt{}, lbPandI{}, lbTaxes{}, lbHome{}, lbPMI{}, lbPayment{};
    QLabel* lbIntRate2 = nullptr;
    QLabel* lbIntRate3 = nullptr;
    QComboBox* cmbInterest = nullptr;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void CalcForm() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void storeInterestRate();

    // The rate text CalcForm last took: Enter or leaving the box takes a text that differs.
    QString m_takenRate;
};

} // namespace results
