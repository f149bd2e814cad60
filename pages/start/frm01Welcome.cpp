#include "pages/start/frm01Welcome.h"

#include "runtime/forms/App.h"
#include "runtime/forms/ImageList.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"
#include "shell/frmMain.h"

#include <QLabel>

namespace pages
{

frm01Welcome::frm01Welcome()
    : InterviewPage(QStringLiteral("frm01Welcome"), QStringLiteral("Welcome"), ButtonRow::WelcomeOnly)
{
    Label2 = addLabel(QStringLiteral("Label2"), QString(), 720, 1080, 8160, 1200);
    Image1 = addImage(QStringLiteral("Image1"), 2400, 2400, 4800, 3600, true);
}

void frm01Welcome::Form_Load()
{
    lbPageTitle->setText(QStringLiteral("Welcome to %1 %2.%3")
                             .arg(forms::App::Title())
                             .arg(forms::App::Major())
                             .arg(forms::App::Minor()));
    Label2->setText(QStringLiteral(
        "Our intuitive interview guides you through all phases of preparing an estimate for the "
        "construction of your new home.  Just answer the questions and we will do the calculations "
        "for you!"));
    InitLabel(lbPageTitle, PageTitleLabel);
    InitLabel(Label2, QuestionLabel);
    // The page's own picture, from the folder of the main window's pictures.
    const QString folder =
        g_frmMain ? g_frmMain->ImageList1().folder() : forms::App::Path() + QStringLiteral("/pictures");
    forms::ImageList pictures(folder, Image1->size());
    pictures.add(QStringLiteral("Welcome"));
    Image1->setPixmap(pictures.picture(QStringLiteral("Welcome")));
}

void frm01Welcome::cmdContinue_Click()
{
    // Nothing to save on the welcome page.
    moveTo(cmdContinue, false);
}

} // namespace pages
