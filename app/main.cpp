#include "runtime/com/ComponentRegistry.h"
#include "runtime/com/PropertyBag.h"
#include "runtime/forms/App.h"
#include "runtime/forms/CommonDialog.h"
#include "runtime/forms/MsgBox.h"
#include "runtime/help/HelpService.h"
#include "runtime/os/Browser.h"
#include "shell/basNavigation.h"

#if defined(TAVIMOOR_HAVE_PAGES) && __has_include("pages/registerPages.h")
#include "pages/registerPages.h"
#define TAVIMOOR_REGISTER_PAGES 1
#endif

#include <QApplication>
#include <QFileInfo>
#include <QPushButton>

namespace
{

const QString ButtonProgId = QStringLiteral("ombLustrel.Lustrel");

// A plain button in place of the control library's while the library is not beside the program.
class StandInButton : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(bool ShowFocus MEMBER m_showFocus)
public:
    explicit StandInButton(QWidget* parent) : QPushButton(parent)
    {
        connect(this, &QPushButton::clicked, this, &StandInButton::Click);
    }
Q_SIGNALS:
    void Click();

private:
    bool m_showFocus = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavimoor"));

    forms::QtMessageBoxes messageBoxes;
    forms::setMessageBoxService(&messageBoxes);
    forms::QtFileDialogs fileDialogs;
    forms::setFileDialogService(&fileDialogs);
    help::QtHelpWindow helpWindow;
    help::setHelpService(&helpWindow);
    os::DesktopBrowser browser;
    os::setBrowserService(&browser);

    const QString buttonLibrary = forms::App::Path() + QStringLiteral("/libombLustrel.so");
    auto& registry = com::ComponentRegistry::instance();
    if (QFileInfo::exists(buttonLibrary)) registry.loadLibrary(buttonLibrary);
    if (!registry.isRegistered(ButtonProgId))
        registry.registerClass(ButtonProgId,
                               [](QWidget* parent) -> QWidget* { return new StandInButton(parent); });

#ifdef TAVIMOOR_REGISTER_PAGES
    pages::registerPages();
#endif

    Main();
    const int result = QApplication::exec();

    help::setHelpService(nullptr);
    forms::setFileDialogService(nullptr);
    forms::setMessageBoxService(nullptr);
    os::setBrowserService(nullptr);
    return result;
}

#include "main.moc"
