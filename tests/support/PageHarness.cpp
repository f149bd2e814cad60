#include "tests/support/PageHarness.h"

#include "pages/registerPages.h"
#include "results/registerResults.h"
#include "runtime/com/ComponentRegistry.h"
#include "runtime/com/PropertyBag.h"
#include "runtime/forms/App.h"
#include "runtime/forms/CommonDialog.h"
#include "runtime/forms/Modal.h"
#include "runtime/help/ContextHelp.h"
#include "shell/basGlobalVariables.h"
#include "shell/basNavigation.h"
#include "shell/frmMain.h"
#include "tests/support/Application.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPushButton>
#include <QTemporaryDir>

namespace pagetest
{

namespace
{

// Plain button under the control library's ProgID, the members the program touches published
// as properties; it raises no Click().
class ClicklessButton : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(bool ShowFocus MEMBER m_showFocus)
    Q_PROPERTY(bool Default MEMBER m_default)
    Q_PROPERTY(QString ToolTipText READ toolTip WRITE setToolTip)
    Q_PROPERTY(QString Caption READ text WRITE setText)

public:
    using QPushButton::QPushButton;

    bool m_showFocus = false;
    bool m_default = false;
};

// The same, clicked raises Click().
class StandInButton : public ClicklessButton
{
    Q_OBJECT

public:
    explicit StandInButton(QWidget* parent) : ClicklessButton(parent)
    {
        connect(this, &QPushButton::clicked, this, &StandInButton::Click);
    }

Q_SIGNALS:
    void Click();
};

const QString ButtonProgId = QStringLiteral("ombLustrel.Lustrel");

struct Program {
    forms::ScriptedMessageBoxes* boxes = nullptr;
    help::ScriptedHelp* help = nullptr;
    forms::ScriptedFileDialogs* dialogs = nullptr;
    forms::ScriptedModals* modals = nullptr;
    QTemporaryDir* dir = nullptr;
};

Program& program()
{
    static Program p;
    return p;
}

class ProgramEnvironment : public testing::Environment
{
public:
    void SetUp() override
    {
        Program& p = program();
        testsupport::application();
        p.boxes = new forms::ScriptedMessageBoxes;
        p.help = new help::ScriptedHelp;
        p.dialogs = new forms::ScriptedFileDialogs;
        p.modals = new forms::ScriptedModals;
        help::installContextHelp();

        if (!com::ComponentRegistry::instance().isRegistered(ButtonProgId)) registerStandInButton();
        pages::registerPages();
        results::registerResults();

        forms::App::setPath(QStringLiteral(TAVIMOOR_BIN_DIR));
        p.dir = new QTemporaryDir;
        const QString house = p.dir->filePath(QStringLiteral("house.tvm"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(TAVIMOOR_BIN_DIR "/Tmplt.cfg"), house));
        QFile::setPermissions(house, QFile::ReadOwner | QFile::WriteOwner);
        Main(house);
        processEvents();
        ASSERT_TRUE(g_HomeData) << "the program did not start";
        p.boxes->clear();
    }

    // The house file's folder goes with the test program.
    void TearDown() override
    {
        delete program().dir;
        program().dir = nullptr;
    }
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new ProgramEnvironment);

} // namespace

void registerStandInButton(bool raisesClick)
{
    auto& registry = com::ComponentRegistry::instance();
    registry.unregisterClass(ButtonProgId);
    if (raisesClick)
        registry.registerClass(ButtonProgId,
                               [](QWidget* parent) -> QWidget* { return new StandInButton(parent); });
    else
        registry.registerClass(ButtonProgId,
                               [](QWidget* parent) -> QWidget* { return new ClicklessButton(parent); });
}

forms::ScriptedMessageBoxes& boxes()
{
    return *program().boxes;
}

std::string boxLog()
{
    QStringList prompts;
    for (const auto& call : boxes().calls())
        prompts << call.prompt;
    return prompts.join(QLatin1Char('\n')).toStdString();
}

help::ScriptedHelp& helpLog()
{
    return *program().help;
}

void processEvents()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

QWidget* currentPage()
{
    return g_CurrentForm.data();
}

int currentFormId()
{
    return g_CurrentFormID;
}

QWidget* showPage(int formId)
{
    // Pages 10 and 15 are each other's way out.
    if (currentFormId() == formId) {
        LoadForm(currentPage() ? currentPage() : static_cast<QWidget*>(g_frmMain.data()),
                 vb::Integer(formId == 10 ? 15 : 10));
        processEvents();
    }
    LoadForm(currentPage() ? currentPage() : static_cast<QWidget*>(g_frmMain.data()), vb::Integer(formId));
    processEvents();
    EXPECT_EQ(currentFormId(), formId);
    return currentPage();
}

void click(const QString& buttonName, const std::source_location& where)
{
    auto* button = control<QPushButton>(buttonName, where);
    EXPECT_TRUE(button->isVisible()) << buttonName.toStdString() << " is hidden";
    button->click();
    processEvents();
}

void pressEnter(QWidget* target)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(target, &press);
    processEvents();
}

} // namespace pagetest

#include "PageHarness.moc"
