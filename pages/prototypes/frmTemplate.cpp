#include "pages/prototypes/frmTemplate.h"

#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"

#include <QLabel>
#include <QLineEdit>

namespace pages
{

frmTemplate::frmTemplate() : InterviewPage(QStringLiteral("frmTemplate"), QStringLiteral("Step 2"))
{
    lbStatement = addLabel(QStringLiteral("lbStatement"), QStringLiteral("This is a sample question?"), 1440,
                           960, 7440, 400);
    lbData1 = addLabel(QStringLiteral("lbData1"), QStringLiteral("TextBox"), 2160, 1680, 1800, 375);
    txtData1 = addTextBox(QStringLiteral("txtData1"), 4080, 1680, 1095, 32767);
    txtData1->setText(QStringLiteral("Text1"));
    txtData1->show();
}

void frmTemplate::Form_Load()
{
    InitLabel(lbPageTitle, PageTitleLabel);
    InitLabel(lbStatement, StatementLabel);
    InitLabel(lbData1, DataLabel);
    InitTextBox(txtData1);
}

void frmTemplate::Form_Activate()
{
    focusCurrent(QStringLiteral("cmdNavigation"));
}

void frmTemplate::CalcForm()
{
    // The skeleton reports under the name of the page it was made from.
    vb::Trap trap(QStringLiteral("frmStep2.CalcForm"));
    trap([] { g_CurrentStep = QStringLiteral("Calculate Form Data"); });
}

} // namespace pages
