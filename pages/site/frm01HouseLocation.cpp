#include "pages/site/frm01HouseLocation.h"

#include "estimate/clsHomeData.h"
#include "runtime/ado/Recordset.h"
#include "runtime/vb/Conversions.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>

namespace pages
{

namespace
{

ado::Connection& controlDatabase()
{
    if (!g_cnControl) throw vb::VbError::objectNotSet();
    return *g_cnControl;
}

// One column of every row, in the order returned; no rows give an empty list.
QStringList column(ado::Recordset& rs, const QString& field)
{
    QStringList values;
    while (!rs.EOF()) {
        values << vb::CStr(rs.Field(field));
        rs.MoveNext();
    }
    return values;
}

} // namespace

frm01HouseLocation::frm01HouseLocation()
    : InterviewPage(QStringLiteral("frm01HouseLocation"), QStringLiteral("Location of House"))
{
    lbStatement =
        addLabel(QStringLiteral("lbStatement"),
                 QStringLiteral("Select the closest city and state to the location of your future house."),
                 1440, 960, 7440, 600);
    lbIntro =
        addLabel(QStringLiteral("lbIntro"),
                 QStringLiteral("The location of a house will effect the price.  The cost of living is "
                                "different based upon the city and state your house will be built.  The "
                                "location of the house will be factored into the cost."),
                 1440, 1560, 7440, 1200);
    lbState = addLabel(QStringLiteral("lbState"), QStringLiteral("State"), 2160, 3240, 1080, 375, false);
    cmbState = addComboBox(QStringLiteral("cmbState"), 3240, 3220, 3840);
    lbCity = addLabel(QStringLiteral("lbCity"), QStringLiteral("City"), 2160, 3840, 1080, 375, false);
    cmbCity = addComboBox(QStringLiteral("cmbCity"), 3240, 3820, 3840);
    // Long lists drop down below the box and scroll, rather than cover the window.
    for (QComboBox* list : {cmbState, cmbCity}) {
        list->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
        list->setMaxVisibleItems(12);
        list->view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
    onClick(cmbState, [this] { cmbState_Click(); });
    onClick(cmbCity, [this] { cmbCity_Click(); });
}

void frm01HouseLocation::Form_Load()
{
    InitLabel(lbPageTitle, PageTitleLabel);
    InitLabel(lbStatement, StatementLabel);
    InitLabel(lbIntro, StatementLabel);
    InitLabel(lbState, DataLabel);
    InitLabel(lbCity, DataLabel);
    InitComboBox(cmbState);
    InitComboBox(cmbCity);
}

void frm01HouseLocation::Form_Activate()
{
    ado::Recordset rs;
    rs.setCursorLocation(ado::adUseClient);
    rs.Open(QStringLiteral("Select Distinct State from [Locations] Order By State"), controlDatabase());
    fillList(cmbState, column(rs, QStringLiteral("State")));
    rs.Close();

    // A stored location without its row selects nothing: the lists wait for the user's choice.
    rs.Open(QStringLiteral("Select * from [Locations] Where LocationID=?"), controlDatabase(),
            {QVariant(qlonglong(HomeData().Location().value()))});
    if (!rs.EOF()) {
        const QString state = vb::CStr(rs.Field(QStringLiteral("State")));
        const QString city = vb::CStr(rs.Field(QStringLiteral("City")));
        selectItem(cmbState, state);
        selectItem(cmbCity, city);
    }
    rs.Close();

    for (const QString& name : {QStringLiteral("lbState"), QStringLiteral("cmbState"),
                                QStringLiteral("lbCity"), QStringLiteral("cmbCity")}) {
        if (QWidget* control = currentControl(name)) control->show();
    }
    focusCurrent(QStringLiteral("cmbState"));
}

void frm01HouseLocation::cmbState_Click()
{
    ado::Recordset rs;
    rs.setCursorLocation(ado::adUseClient);
    rs.Open(QStringLiteral("Select LocationID, City from [Locations] Where State = ? Order By City"),
            controlDatabase(), {QVariant(cmbState->currentText())});
    fillList(cmbCity, column(rs, QStringLiteral("City")));
    rs.Close();
    if (auto* city = qobject_cast<QComboBox*>(currentControl(QStringLiteral("cmbCity"))))
        city->setCurrentIndex(city->count() > 0 ? 0 : -1);
}

void frm01HouseLocation::cmbCity_Click()
{
    ado::Recordset rs;
    rs.setCursorLocation(ado::adUseClient);
    rs.Open(QStringLiteral("Select * from [Locations] Where State=? AND [City]=?"), controlDatabase(),
            {QVariant(cmbState->currentText()), QVariant(cmbCity->currentText())});
    const vb::Integer location = rs.EOF() ? vb::Integer(1) : vb::CInt(rs.Field(QStringLiteral("LocationID")));
    rs.Close();
    HomeData().setLocation(location);
}

} // namespace pages
