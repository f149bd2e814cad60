#include "pages/site/frm01LotSize.h"

#include "estimate/clsHomeData.h"
#include "runtime/vb/Conversions.h"
#include "runtime/vb/VbError.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"

#include <QLabel>
#include <QLineEdit>

#include <cmath>
#include <optional>

namespace pages
{

namespace
{

// The most of a lot taken as landscaped (acres).
constexpr int kMaxLandscapedAcres = 5;

// The entry as a number, or nothing when it is not a finite one (an empty text, several points).
std::optional<double> acres(const QString& text)
{
    try {
        const double value = vb::CDbl(QVariant(text));
        if (std::isfinite(value)) return value;
    } catch (const vb::VbError&) {
    }
    return std::nullopt;
}

} // namespace

frm01LotSize::frm01LotSize() : InterviewPage(QStringLiteral("frm01LotSize"), QStringLiteral("Lot Size"))
{
    lbStatement =
        addLabel(QStringLiteral("lbStatement"),
                 QStringLiteral("For the purpose of landscaping, what is the size of lot in acres?  "
                                "Enter only the area to be landscaped."),
                 1440, 960, 7440, 660);
    lbData1 = addLabel(QStringLiteral("lbData1"), QStringLiteral("Acres"), 2160, 1920, 1080, 375, false);
    txtData1 = addTextBox(QStringLiteral("txtData1"), 3240, 1920, 1095, 6);
    selectOnFocus(txtData1);
}

void frm01LotSize::Form_Load()
{
    InitLabel(lbPageTitle, PageTitleLabel);
    InitLabel(lbStatement, StatementLabel);
    InitLabel(lbData1, DataLabel);
    InitTextBox(txtData1);
    InstallKeyFilter(txtData1, FilterDecimalKey);
}

void frm01LotSize::Form_Activate()
{
    lbData1->show();
    txtData1->show();
    txtData1->setText(vb::CStr(HomeData().LotSize()));
    txtData1->setCursorPosition(0); // the first focus selects the whole entry
    focusCurrent(QStringLiteral("txtData1"));
}

bool frm01LotSize::ValidateFormData()
{
    const std::optional<double> value = acres(txtData1->text());
    if (!value) return refuse(txtData1, QStringLiteral("Invalid Number Format"));
    if (*value > kMaxLandscapedAcres)
        return refuse(txtData1,
                      QStringLiteral("Portion of lot being landscaped cannot be greater than %1 acres.")
                          .arg(kMaxLandscapedAcres));
    return true;
}

void frm01LotSize::CalcForm()
{
    vb::Trap trap = beginCalcForm();
    trap([&] {
        // The stored value as shown stays exact (its text has only seven digits).
        const QString text = txtData1->text();
        if (text != vb::CStr(HomeData().LotSize())) HomeData().setLotSize(vb::CSng(QVariant(text)));
    });
}

} // namespace pages
