#include "pages/prototypes/frmStep4.h"

#include "runtime/com/ComponentRegistry.h"
#include "runtime/com/PropertyBag.h"
#include "runtime/forms/MsgBox.h"
#include "runtime/forms/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace pages
{

frmStep4::frmStep4() : InterviewPage(QStringLiteral("frmStep4"), QString())
{
    // The sample has its own heading and no help button.
    delete lbPageTitle;
    lbPageTitle = nullptr;
    delete cmdHelp;
    cmdHelp = nullptr;
    m_moves.calcOnBack = false;
    m_moves.calcOnNavigation = false;
    m_moves.validate = false;

    Label1 = addLabel(QStringLiteral("Label1"), QStringLiteral("Step 4"), 720, 260, 4800, 495);
    QFont heading = Label1->font();
    heading.setBold(true);
    heading.setPointSize(18);
    Label1->setFont(heading);

    Label2 = addLabel(QStringLiteral("Label2"), QStringLiteral("List Box"), 720, 960, 2400, 375);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->addItems({QStringLiteral("Range"), QStringLiteral("2 Story"), QStringLiteral("Cape Code")});
    List1->setGeometry(forms::twipsRect(720, 1380, 2400, 1020));
    connect(List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) guarded(QStringLiteral("List1_Click"), [this] { List1_Click(); });
    });

    Label3 = addLabel(QStringLiteral("Label3"), QStringLiteral("TextBox"), 720, 2640, 1200, 375);
    Text1 = addTextBox(QStringLiteral("Text1"), 1920, 2640, 1200, 32767);
    Text1->setText(QStringLiteral("Text1"));
    Text1->show();

    Label4 = addLabel(QStringLiteral("Label4"), QStringLiteral("This is a sample question?"), 720, 3240, 3600,
                      375);
    Option1 = addOptions(QStringLiteral("Option1"), {QStringLiteral("Yes"), QStringLiteral("No")}, nullptr,
                         720, 3720, 1200, 375, 1440, 0);
    for (QRadioButton* option : Option1)
        option->show();

    lbFullBath =
        addLabel(QStringLiteral("lbFullBath"), QStringLiteral("Full Bathrooms"), 720, 4440, 2040, 375);
    cmbFullBath = addComboBox(QStringLiteral("cmbFullBath"), 2880, 4400, 960);
    cmbFullBath->show();

    Label5 = addLabel(QStringLiteral("Label5"), QStringLiteral("Check Boxes"), 4800, 960, 2400, 375);
    const QStringList rooms = {QStringLiteral("Living Room"),  QStringLiteral("Dining Room"),
                               QStringLiteral("Bonus Room"),   QStringLiteral("Great Room"),
                               QStringLiteral("Utility Room"), QStringLiteral("Family Room")};
    for (int i = 0; i < rooms.size(); ++i) {
        QCheckBox* box =
            addCheckBox(QStringLiteral("Check1") + QString::number(i), rooms[i], 4800, 1440 + i * 480, 3000);
        box->show();
        Check1.append(box);
    }

    // Two further buttons of the control library, without handlers.
    auto& registry = com::ComponentRegistry::instance();
    const QString progId = QStringLiteral("ombLustrel.Lustrel");
    Lustrel1 = registry.create(progId, this);
    Lustrel2 = registry.create(progId, this);
    if (Lustrel1) {
        Lustrel1->setObjectName(QStringLiteral("Lustrel1"));
        Lustrel1->setGeometry(forms::twipsRect(4800, 4560, 1695, 360));
    }
    if (Lustrel2) {
        Lustrel2->setObjectName(QStringLiteral("Lustrel2"));
        Lustrel2->setGeometry(forms::twipsRect(6720, 4560, 1695, 360));
    }
}

void frmStep4::List1_Click()
{
    const int index = List1->currentRow();
    forms::MsgBox(QString::number(index) + QStringLiteral(" - ") + List1->item(index)->text());
}

} // namespace pages
