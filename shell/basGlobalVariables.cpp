#include "shell/basGlobalVariables.h"

#include "estimate/clsHomeData.h"
#include "runtime/vb/VbError.h"

std::unique_ptr<ado::Connection> g_cnHouse;
std::unique_ptr<ado::Connection> g_cnControl;
QString g_CurrentStep;
vb::Integer g_IsNewFile;
std::unique_ptr<clsHomeData> g_HomeData;
std::unique_ptr<ado::Recordset> g_rsFormStack;
std::unique_ptr<ado::Recordset> g_rsFormDefinition;
std::unique_ptr<ado::Recordset> g_rsVisitedForms;
double g_TotalCost = 0;
double g_MonthlyPrincipalInterest = 0;
double g_MonthlyMortgageInsurance = 0;
double g_MonthlyTaxes = 0;
double g_MonthlyInsurance = 0;
QPointer<frmMain> g_frmMain;
QPointer<QWidget> g_CurrentForm;
vb::Integer g_CurrentFormID;
QString g_HouseFilePath;

clsHomeData& HomeData()
{
    if (!g_HomeData) throw vb::VbError::objectNotSet();
    return *g_HomeData;
}
