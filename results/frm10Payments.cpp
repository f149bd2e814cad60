#include "results/frm10Payments.h"

#include "estimate/MonthlyPayments.h"
#include "estimate/clsHomeData.h"
#include "runtime/vb/Conversions.h"
#include "runtime/vb/Format.h"
#include "runtime/vb/VbError.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"
#include "shell/frmMain.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include <cmath>

namespace results
{

namespace
{

const QString kWholeDollars = QStringLiteral("$###,###");
const QString kDollarsAndCents = QStringLiteral("$###,###.00");
const QString kRate = QStringLiteral("#.0#");

constexpr int kCaptionLeft = 240;
constexpr int kCaptionWidth = 2880;
constexpr int kColumnLefts[] = {3360, 5400, 7440};
constexpr int kCellWidth = 1560;
constexpr int kRowHeight = 330;

constexpr QRgb kDarkBlue = 0x000080; // &H800000

using estimate::kDownShares;
using estimate::kLoanMonths;

void styleTableLabel(QLabel* label, bool bold)
{
    label->setFont(StyleFont(12, bold));
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, QColor(kDarkBlue));
    pal.setColor(QPalette::Window, Qt::white);
    label->setPalette(pal);
    label->setAutoFillBackground(true);
    label->setWordWrap(false);
}

// The amount a cell shows. A price of 0 shows as a bare "$", which reads as 0.
double shownValue(const QLabel* cell)
{
    const QString text = cell->text();
    if (text == QLatin1String("$")) return 0;
    return vb::CDbl(QVariant(text));
}

float shownSingle(const QLabel* cell)
{
    return vb::CSng(QVariant(shownValue(cell)));
}

// Whether every column's payment at this rate is an amount: the monthly rate worked out in
// single precision (column 1) and in double (columns 2 and 3).
bool paysFinitely(float rate)
{
    const double single = double(rate / 100.0f / 12.0f);
    const double dbl = double(rate) / 100 / 12;
    return std::isfinite(estimate::monthlyPrincipalInterest(1, single)) &&
           std::isfinite(estimate::monthlyPrincipalInterest(1, dbl));
}

// The stored rate as the box shows it: as the list writes rates where that reads back as the same
// rate, otherwise whole (a typed 5.375 stays 5.375, not 5.38).
QString rateText(float rate)
{
    const QString listed = vb::Format(double(rate), kRate);
    try {
        if (vb::CSng(QVariant(listed)) == rate) return listed;
    } catch (const vb::VbError&) {
    }
    return vb::CStr(rate);
}

QStringList interestRates()
{
    QStringList rates;
    for (int eighth = 32; eighth <= 72; ++eighth)
        rates << vb::Format(eighth / 8.0, kRate);
    return rates;
}

} // namespace

frm10Payments::frm10Payments()
    : InterviewPage(QStringLiteral("frm10Payments"),
                    QStringLiteral("Payment Options (%1 Year Fixed)").arg(kLoanMonths / 12))
{
    struct Row {
        const char16_t* caption;
        int top;
        Column* cells;
        const char16_t* name;
        const char16_t* designText;
    };
    const Row rows[] = {
        {u"Price:", 960, &lbPrice, u"lbPrice", u"$999,999"},
        {u"Down Payment (%):", 1440, nullptr, nullptr, nullptr},
        {u"Down Payment:", 1920, &lbDwnPmt, u"lbDwnPmt", u"$999,999"},
        {u"Loan Amount:", 2520, &lbLoanAmt, u"lbLoanAmt", u"$999,999"},
        {u"Interest Rate:", 3120, nullptr, nullptr, nullptr},
        {u"Principle & Interest:", 3840, &lbPandI, u"lbPandI", u"$9,999.00"},
        {u"Taxes:", 4200, &lbTaxes, u"lbTaxes", u"$9,999.00"},
        {u"Homeowners:", 4560, &lbHome, u"lbHome", u"$9,999.00"},
        {u"PMI", 4920, &lbPMI, u"lbPMI", u"$9,999.00"},
        {u"Total Monthly Pmt:", 5400, &lbPayment, u"lbPayment", u"$9,999.00"},
    };
    const auto addCell = [this](const QString& name, const QString& text, int column, int top) {
        QLabel* cell = addLabel(name, text, kColumnLefts[column], top, kCellWidth, kRowHeight);
        styleTableLabel(cell, false);
        cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return cell;
    };
    int captionIndex = 0;
    for (const Row& row : rows) {
        QLabel* caption =
            addLabel(QStringLiteral("lbCaption%1").arg(++captionIndex), QString::fromUtf16(row.caption),
                     kCaptionLeft, row.top, kCaptionWidth, kRowHeight);
        styleTableLabel(caption, true);
        if (!row.cells) continue;
        for (int column = 0; column < 3; ++column)
            (*row.cells)[column] = addCell(QString::fromUtf16(row.name) + QString::number(column + 1),
                                           QString::fromUtf16(row.designText), column, row.top);
    }
    lbPMI[2]->setText(QStringLiteral("$0.00"));

    // Each column's heading is the share of the price it puts down.
    for (int column = 0; column < 3; ++column) {
        QLabel* heading = addCell(QStringLiteral("lbDwnPct%1").arg(column + 1),
                                  QString::number(kDownShares[column] * 100) + u'%', column, 1440);
        styleTableLabel(heading, true);
    }
    lbIntRate2 = addCell(QStringLiteral("lbIntRate2"), QStringLiteral("5%"), 1, 3120);
    lbIntRate3 = addCell(QStringLiteral("lbIntRate3"), QStringLiteral("5%"), 2, 3120);

    cmbInterest = addComboBox(QStringLiteral("cmbInterest"), kColumnLefts[0], 3080, kCellWidth);
    // A rate may also be typed; the list offers the usual eighths. Typed text is never completed
    // from the list: what the user types is the rate.
    cmbInterest->setEditable(true);
    cmbInterest->setCompleter(nullptr);
    cmbInterest->setInsertPolicy(QComboBox::NoInsert);
    cmbInterest->setMaxVisibleItems(12);
    onClick(cmbInterest, [this] { CalcForm(); });
    // A typed rate is taken on Enter or when the box loses the focus, as a choice from the list.
    connect(cmbInterest->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        if (cmbInterest->currentText() != m_takenRate)
            guarded(QStringLiteral("cmbInterest_Click"), [this] { CalcForm(); });
    });
    cmbInterest->lineEdit()->installEventFilter(this);
}

frm10Payments::~frm10Payments()
{
    // Nothing of the page may run for a box that loses the focus while the page goes.
    QObject::disconnect(cmbInterest->lineEdit(), nullptr, this, nullptr);
    cmbInterest->lineEdit()->removeEventFilter(this);
}

bool frm10Payments::eventFilter(QObject* watched, QEvent* event)
{
    // Enter takes a typed rate and the page stays, so that the table shows what it makes.
    if (cmbInterest && watched == cmbInterest->lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && cmbInterest->currentText() != m_takenRate) {
            guarded(QStringLiteral("cmbInterest_Click"), [this] { CalcForm(); });
            return true;
        }
    }
    return InterviewPage::eventFilter(watched, event);
}

void frm10Payments::Form_Load()
{
    InitLabel(lbPageTitle, PageTitleLabel);
}

void frm10Payments::Form_Activate()
{
    fillList(cmbInterest, interestRates());
    const QString stored = rateText(HomeData().InterestRate());
    {
        // Showing the stored rate is not a choice: it runs no Click.
        const QSignalBlocker blocker(cmbInterest);
        cmbInterest->setCurrentIndex(cmbInterest->findText(stored, Qt::MatchExactly));
        cmbInterest->setEditText(stored);
    }
    cmbInterest->setEnabled(true);
    cmbInterest->show();
    focusCurrent(QStringLiteral("cmbInterest"));
    CalcForm();
}

void frm10Payments::storeInterestRate()
{
    clsHomeData& home = HomeData();
    const QString text = cmbInterest->currentText();
    const QString shown = rateText(home.InterestRate());
    m_takenRate = text;
    // The stored rate as the box shows it stays exactly as stored.
    if (text == shown) return;
    float rate = 0;
    try {
        rate = vb::CSng(QVariant(text));
        // A loan carries no negative interest; 0 is a rate (the loan paid off in equal parts).
        if (rate < 0) throw vb::VbError::invalidCall();
        rate = std::fabs(rate); // a typed "-0" is stored as 0
        // A rate whose payment is no amount (too large).
        if (!paysFinitely(rate)) throw vb::VbError::overflow();
    } catch (const vb::VbError&) {
        // The stored rate stays, and the table is worked out from it.
        const QSignalBlocker blocker(cmbInterest);
        cmbInterest->setEditText(shown);
        m_takenRate = shown;
        throw;
    }
    home.setInterestRate(rate);
}

void frm10Payments::CalcForm()
{
    vb::Trap trap = beginCalcForm();
    const auto rateText = [this] { return QVariant(cmbInterest->currentText()); };

    trap([&] { storeInterestRate(); });
    // A figure that cannot be worked out (a failed step) shows nothing rather than an old one.
    for (const Column* column : {&lbPrice, &lbDwnPmt, &lbLoanAmt, &lbPandI, &lbTaxes, &lbHome, &lbPayment})
        for (QLabel* cell : *column)
            cell->clear();
    for (QLabel* cell : {lbPMI[0], lbPMI[1], lbIntRate2, lbIntRate3})
        cell->clear();

    trap([&] { lbPrice[0]->setText(vb::Format(double(HomeData().CalculateTotal()), kWholeDollars)); });
    trap([&] { lbPrice[1]->setText(lbPrice[0]->text()); });
    trap([&] { lbPrice[2]->setText(lbPrice[0]->text()); });

    for (int c = 0; c < 3; ++c)
        trap([&] {
            lbDwnPmt[c]->setText(vb::Format(shownValue(lbPrice[c]) * kDownShares[c], kWholeDollars));
        });
    for (int c = 0; c < 3; ++c)
        trap([&] {
            lbLoanAmt[c]->setText(
                vb::Format(shownValue(lbPrice[c]) - shownValue(lbDwnPmt[c]), kWholeDollars));
        });

    for (QLabel* cell : {lbIntRate2, lbIntRate3})
        trap([&] { cell->setText(vb::Format(vb::CDbl(rateText()), kRate) + QStringLiteral("%")); });

    // Column 1 works the monthly rate out in single precision, the others in double.
    trap([&] {
        const float monthlyRate = vb::CSng(rateText()) / 100.0f / 12.0f;
        lbPandI[0]->setText(
            vb::Format(estimate::monthlyPrincipalInterest(shownValue(lbLoanAmt[0]), double(monthlyRate)),
                       kDollarsAndCents));
    });
    for (int c = 1; c < 3; ++c)
        trap([&] {
            const double monthlyRate = vb::CDbl(rateText()) / 100 / 12;
            lbPandI[c]->setText(vb::Format(
                estimate::monthlyPrincipalInterest(shownValue(lbLoanAmt[c]), monthlyRate), kDollarsAndCents));
        });

    for (int c = 0; c < 3; ++c)
        trap([&] {
            lbTaxes[c]->setText(vb::Format(estimate::monthlyTaxes(shownValue(lbPrice[c])), kDollarsAndCents));
        });
    for (int c = 0; c < 3; ++c)
        trap([&] {
            lbHome[c]->setText(
                vb::Format(estimate::monthlyHomeowners(shownValue(lbPrice[c])), kDollarsAndCents));
        });
    // Twenty percent down carries no mortgage insurance: lbPMI3 keeps its "$0.00".
    for (int c = 0; c < 2; ++c)
        trap([&] {
            lbPMI[c]->setText(
                vb::Format(estimate::monthlyMortgageInsurance(shownValue(lbLoanAmt[c])), kDollarsAndCents));
        });

    for (int c = 0; c < 3; ++c)
        trap([&] {
            float total = shownSingle(lbTaxes[c]);
            total = total + shownSingle(lbPandI[c]);
            total = total + shownSingle(lbHome[c]);
            total = total + shownSingle(lbPMI[c]);
            lbPayment[c]->setText(vb::Format(double(total), kDollarsAndCents));
        });

    trap([] { UpdateTotalCost(); });
}

} // namespace results
