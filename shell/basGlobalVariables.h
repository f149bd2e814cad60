#pragma once

#include "runtime/ado/Connection.h"
#include "runtime/ado/Recordset.h"
#include "runtime/vb/Integer.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

class clsHomeData;
class frmMain;

// Program-wide state, created by Main and released when the main window closes.

extern std::unique_ptr<ado::Connection> g_cnHouse;   // the open house file
extern std::unique_ptr<ado::Connection> g_cnControl; // "HomeControl.cfg", read only

// The step now running; shown by ErrorHandler after "Line Info: ". Set, never cleared.
extern QString g_CurrentStep;

// -1 while the open file is the working copy, 0 for a named file.
extern vb::Integer g_IsNewFile;

extern std::unique_ptr<clsHomeData> g_HomeData; // the one estimate record

// The estimate record; error 91 while there is none.
clsHomeData& HomeData();

extern std::unique_ptr<ado::Recordset> g_rsFormStack;      // [Form Stack] of the house file
extern std::unique_ptr<ado::Recordset> g_rsFormDefinition; // [Form Definition] by Sequence
extern std::unique_ptr<ado::Recordset> g_rsVisitedForms;   // [Visited Forms] of the house file

extern double g_TotalCost;
extern double g_MonthlyPrincipalInterest;
extern double g_MonthlyMortgageInsurance;
extern double g_MonthlyTaxes;
extern double g_MonthlyInsurance;

extern QPointer<frmMain> g_frmMain;     // the one main window
extern QPointer<QWidget> g_CurrentForm; // the page now shown
extern vb::Integer g_CurrentFormID;     // its Form_ID; 0 right after a house file opens
extern QString g_HouseFilePath;         // full path of the open house file, no quotes
