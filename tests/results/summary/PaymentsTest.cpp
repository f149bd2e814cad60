#include "tests/support/PageHarness.h"

#include "estimate/clsHomeData.h"
#include "shell/basGlobalVariables.h"
#include "shell/frmMain.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using namespace pagetest;

namespace
{

// The estimate is made exactly the lot price: a house with rooms at location factor 0 prices
// every cost category at 0.
void setPrice(float price, float rate)
{
    clsHomeData& h = *g_HomeData;
    h.setNumBedrooms(3);
    h.setLocationFactor(0);
    h.setLotPrice(price);
    h.setInterestRate(rate);
    ASSERT_EQ(h.CalculateTotal(), int32_t(price));
}

void restoreHouse()
{
    g_HomeData->setLocation(98);
    g_HomeData->setLotPrice(0);
    g_HomeData->setInterestRate(7);
}

QString cell(const QString& name)
{
    auto* label = control<QLabel>(name);
    return label ? label->text() : QString();
}

// The three cells of a row, joined by " | ".
QString row(const char* name)
{
    QStringList cells;
    for (int c = 1; c <= 3; ++c)
        cells << cell(QString::fromLatin1(name) + QString::number(c));
    return cells.join(QStringLiteral(" | "));
}

QComboBox* rateList()
{
    return control<QComboBox>(QStringLiteral("cmbInterest"));
}

QString bandPayment()
{
    return g_frmMain->findChild<QLabel*>(QStringLiteral("lblEstimatedPayment"))->text();
}

// Figures worked out by hand, each cell from the cells shown before it:
//
// 200,000 at 6 %: down 5/10/20 % = 10,000 / 20,000 / 40,000, loans 190,000 / 180,000 / 160,000.
//   Monthly rate 0.5 % (column 1: 6 / 100 / 12 in single precision = 0.00499999989).
//   P&I = L x m / (1 - (1 + m)^-360): 1139.1460 / 1079.1909 / 959.2808.
//   Taxes 200,000 x 0.0011 (single, 0.00109999999) = 219.9999988 -> 220.00.
//   Homeowners 200,000 x 0.000266 (single) = 53.1999976 -> 53.20.
//   PMI 190,000 and 180,000 x 0.00039 (single) = 74.1000002 / 70.2000002; column 3 none.
//   Totals in single: 220 + 1139.15 + 53.20 + 74.10 = 1486.45; 1422.59; 220 + 959.28 + 53.20 = 1232.48.
// 200,010 at 6 %: 5 % is 10,000.50, shown as 10,001, so the loan is 190,009 (not 190,009.50);
//   10 % 20,001, loan 180,009; 20 % 40,002, loan 160,008.
//   P&I 1139.1999 / 1079.2449 / 959.3288; taxes 220.0110; homeowners 53.2027;
//   PMI 190,009 x 0.00039 = 74.1035, 180,009 x 0.00039 = 70.2035.
//   Totals 220.01 + 1139.20 + 53.20 + 74.10 = 1486.51; 1422.65; 1232.54.
// A price of 0 shows the bare "$" in the whole-dollar cells, read back as 0.
struct PaymentCase {
    float price;
    const char* prices;
    const char* downPayments;
    const char* loans;
    const char* principalInterest;
    const char* taxes;
    const char* homeowners;
    const char* mortgageInsurance;
    const char* totals;
};

TEST(PaymentsPage, FiguresWorkedOutByHand)
{
    const PaymentCase cases[] = {
        {200000, "$200,000 | $200,000 | $200,000", "$10,000 | $20,000 | $40,000",
         "$190,000 | $180,000 | $160,000", "$1,139.15 | $1,079.19 | $959.28", "$220.00 | $220.00 | $220.00",
         "$53.20 | $53.20 | $53.20", "$74.10 | $70.20 | $0.00", "$1,486.45 | $1,422.59 | $1,232.48"},
        {200010, "$200,010 | $200,010 | $200,010", "$10,001 | $20,001 | $40,002",
         "$190,009 | $180,009 | $160,008", "$1,139.20 | $1,079.24 | $959.33", "$220.01 | $220.01 | $220.01",
         "$53.20 | $53.20 | $53.20", "$74.10 | $70.20 | $0.00", "$1,486.51 | $1,422.65 | $1,232.54"},
        {0, "$ | $ | $", "$ | $ | $", "$ | $ | $", "$.00 | $.00 | $.00", "$.00 | $.00 | $.00",
         "$.00 | $.00 | $.00", "$.00 | $.00 | $0.00", "$.00 | $.00 | $.00"},
    };
    for (const PaymentCase& c : cases) {
        SCOPED_TRACE(c.price);
        setPrice(c.price, 6);
        boxes().clear();
        showPage(4);
        EXPECT_EQ(rateList()->currentText(), QStringLiteral("6.0"));
        EXPECT_EQ(cell(QStringLiteral("lbIntRate2")), QStringLiteral("6.0%"));
        EXPECT_EQ(cell(QStringLiteral("lbIntRate3")), QStringLiteral("6.0%"));
        EXPECT_EQ(cell(QStringLiteral("lbPageTitle")), QStringLiteral("Payment Options (30 Year Fixed)"));
        EXPECT_EQ(row("lbDwnPct"), QStringLiteral("5% | 10% | 20%"));
        EXPECT_EQ(row("lbPrice"), QString::fromLatin1(c.prices));
        EXPECT_EQ(row("lbDwnPmt"), QString::fromLatin1(c.downPayments));
        EXPECT_EQ(row("lbLoanAmt"), QString::fromLatin1(c.loans));
        EXPECT_EQ(row("lbPandI"), QString::fromLatin1(c.principalInterest));
        EXPECT_EQ(row("lbTaxes"), QString::fromLatin1(c.taxes));
        EXPECT_EQ(row("lbHome"), QString::fromLatin1(c.homeowners));
        EXPECT_EQ(row("lbPMI"), QString::fromLatin1(c.mortgageInsurance));
        EXPECT_EQ(row("lbPayment"), QString::fromLatin1(c.totals));
        EXPECT_TRUE(boxes().calls().empty()) << boxLog();
        EXPECT_EQ(g_HomeData->InterestRate(), 6.0f);
    }
    restoreHouse();
}

TEST(PaymentsPage, RateListHoldsTheEighthsOnceEachTime)
{
    setPrice(200000, 6);
    for (int showing = 0; showing < 2; ++showing) {
        SCOPED_TRACE(showing);
        showPage(4);
        QComboBox* list = rateList();
        ASSERT_EQ(list->count(), 41);
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        EXPECT_EQ(items.mid(0, 9).join(QLatin1Char(' ')),
                  QStringLiteral("4.0 4.13 4.25 4.38 4.5 4.63 4.75 4.88 5.0"));
        EXPECT_EQ(items.last(), QStringLiteral("9.0"));
        EXPECT_EQ(items.removeDuplicates(), 0);
        EXPECT_TRUE(list->isVisible());
        QWidget* focus = currentPage()->window()->focusWidget();
        EXPECT_TRUE(focus == list || focus == list->lineEdit());
        EXPECT_EQ(row("lbPayment"), QStringLiteral("$1,486.45 | $1,422.59 | $1,232.48"));
    }
    restoreHouse();
}

TEST(PaymentsPage, StoredRateShowsAsTheListWritesItOrWholeAndStaysAsStored)
{
    struct Case {
        float stored;
        const char* shown;
        int index; // in the list, -1 when the list does not offer it
        const char* rateCell;
    };
    const Case cases[] = {
        {7, "7.0", 24, "7.0%"},         {6.13f, "6.13", 17, "6.13%"},   {6.3f, "6.3", -1, "6.3%"},
        {6.125f, "6.125", -1, "6.13%"}, {5.375f, "5.375", -1, "5.38%"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        setPrice(200000, c.stored);
        showPage(4);
        EXPECT_EQ(rateList()->currentText(), QString::fromLatin1(c.shown));
        EXPECT_EQ(rateList()->currentIndex(), c.index);
        EXPECT_EQ(g_HomeData->InterestRate(), c.stored);
        EXPECT_EQ(cell(QStringLiteral("lbIntRate3")), QString::fromLatin1(c.rateCell));
    }
    restoreHouse();
}

// 7.5 % on 200,000: monthly 0.625 %; P&I 1328.5076 / 1258.5861 / 1118.7432; totals
// 220 + 1328.51 + 53.20 + 74.10 = 1675.81; 220 + 1258.59 + 53.20 + 70.20 = 1601.99;
// 220 + 1118.74 + 53.20 = 1391.94. The main window: P&I on 190,000 plus 78 mortgage insurance,
// 220 taxes and 53.20 insurance on the whole price: 1490.35 at 6 %, 1679.71 at 7.5 %.
TEST(PaymentsPage, ChoosingARateStoresItAndRefreshesTheMainWindow)
{
    setPrice(200000, 6);
    showPage(4);
    EXPECT_EQ(bandPayment(), QStringLiteral("Estimated Payment: $1,490.35"));
    QComboBox* list = rateList();
    list->setCurrentIndex(list->findText(QStringLiteral("7.5")));
    EXPECT_EQ(g_HomeData->InterestRate(), 7.5f);
    EXPECT_EQ(cell(QStringLiteral("lbIntRate2")), QStringLiteral("7.5%"));
    EXPECT_EQ(row("lbPandI"), QStringLiteral("$1,328.51 | $1,258.59 | $1,118.74"));
    EXPECT_EQ(row("lbPayment"), QStringLiteral("$1,675.81 | $1,601.99 | $1,391.94"));
    EXPECT_EQ(row("lbDwnPmt"), QStringLiteral("$10,000 | $20,000 | $40,000"));
    EXPECT_EQ(bandPayment(), QStringLiteral("Estimated Payment: $1,679.71"));
    restoreHouse();
}

TEST(PaymentsPage, RateThatIsNotANumberKeepsTheStoredRate)
{
    setPrice(200000, 6);
    showPage(4);
    boxes().clear();
    rateList()->lineEdit()->setText(QStringLiteral("six"));
    click(QStringLiteral("cmdNavigation"));
    EXPECT_EQ(g_HomeData->InterestRate(), 6.0f);
    ASSERT_EQ(boxes().calls().size(), 1u) << boxLog();
    EXPECT_TRUE(boxes().calls().front().prompt.contains(QStringLiteral("<frm10Payments.CalcForm>")))
        << boxLog();
    EXPECT_EQ(rateList()->currentText(), QStringLiteral("6.0"));
    EXPECT_EQ(cell(QStringLiteral("lbIntRate2")), QStringLiteral("6.0%"));
    EXPECT_EQ(row("lbPayment"), QStringLiteral("$1,486.45 | $1,422.59 | $1,232.48"));
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("frmNavigation")) window->hide();

    // A typed rate that is a number is stored on the move.
    boxes().clear();
    rateList()->lineEdit()->setText(QStringLiteral("5.5"));
    click(QStringLiteral("cmdBack"));
    EXPECT_EQ(g_HomeData->InterestRate(), 5.5f);
    EXPECT_TRUE(boxes().calls().empty()) << boxLog();
    restoreHouse();
}

} // namespace
