// Starts the program on a house file and writes a picture of every page of the page plan, the
// quick-navigation window, the help window, the about box and the report's preview.
// Usage: tavimoor_screenshots <house.tvm> <out-folder>

#include "estimate/clsHomeData.h"
#include "pages/registerPages.h"
#include "results/basReporting.h"
#include "results/registerResults.h"
#include "runtime/ado/Recordset.h"
#include "runtime/forms/App.h"
#include "runtime/forms/Forms.h"
#include "runtime/forms/Modal.h"
#include "runtime/vb/Conversions.h"
#include "shell/ProgramServices.h"
#include "shell/basGlobalVariables.h"
#include "shell/basNavigation.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QSet>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace
{

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

void settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

class Shots
{
public:
    explicit Shots(QString folder) : m_folder(std::move(folder)) {}

    void take(QWidget* window, const QString& name)
    {
        if (!window) {
            err() << "no window for " << name << Qt::endl;
            return;
        }
        settle();
        const QString file = u"%1/%2-%3.png"_s.arg(m_folder).arg(++m_count, 2, 10, QChar(u'0')).arg(name);
        if (window->grab().save(file)) {
            err() << file << Qt::endl;
        } else {
            err() << "could not write " << file << Qt::endl;
            m_failed = true;
        }
    }

    bool failed() const { return m_failed; }

private:
    QString m_folder;
    int m_count = 0;
    bool m_failed = false;
};

// Boxes answer themselves so that the run needs nobody: No to a question (the save question
// at the end above all), OK otherwise. Each is written to stderr.
class AnsweringMessageBoxes : public forms::MessageBoxService
{
public:
    AnsweringMessageBoxes() { m_previous = forms::setMessageBoxService(this); }
    ~AnsweringMessageBoxes() override { forms::setMessageBoxService(m_previous); }

    int show(const QString& prompt, int buttons, const QString& title) override
    {
        err() << "message box " << title << ": " << QString(prompt).replace(u"\r\n"_s, u" "_s) << Qt::endl;
        const int set = buttons & 7;
        return set == forms::vbYesNoCancel || set == forms::vbYesNo ? forms::vbNo : forms::vbOK;
    }

private:
    forms::MessageBoxService* m_previous = nullptr;
};

// A modal window (the about box) is shown, pictured and closed instead of waiting for the user.
class PicturedModals : public forms::ModalService
{
public:
    explicit PicturedModals(Shots& shots) : m_shots(shots) { m_previous = forms::setModalService(this); }
    ~PicturedModals() override { forms::setModalService(m_previous); }

    int exec(QDialog* dialog) override
    {
        dialog->show();
        m_shots.take(dialog, dialog->objectName());
        dialog->hide();
        return QDialog::Rejected;
    }

private:
    Shots& m_shots;
    forms::ModalService* m_previous = nullptr;
};

struct PlanRow {
    int formId;
    QString section;
};

QList<PlanRow> pagePlan()
{
    QList<PlanRow> plan;
    ado::Recordset& rs = *g_rsFormDefinition;
    if (rs.BOF() && rs.EOF()) return plan;
    rs.MoveFirst();
    while (!rs.EOF()) {
        plan.append({vb::CInt(rs.Field(u"Form_ID"_s)).value(), rs.Field(u"Section Name"_s).toString()});
        rs.MoveNext();
    }
    return plan;
}

QAction* menuItem(const QString& name)
{
    return g_frmMain ? g_frmMain->findChild<QAction*>(name) : nullptr;
}

QSet<QWidget*> visibleWindows()
{
    QSet<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) windows.insert(w);
    return windows;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: tavimoor_screenshots <house.tvm> <out-folder>\n");
        return 2;
    }
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString house = QFileInfo(args[1]).absoluteFilePath();
    const QString folder = QFileInfo(args[2]).absoluteFilePath();
    if (!QFileInfo(house).isFile()) {
        err() << "no house file " << house << Qt::endl;
        return 2;
    }
    if (!QDir().mkpath(folder)) {
        err() << "cannot make " << folder << Qt::endl;
        return 2;
    }

    forms::App::setPath(QStringLiteral(TAVIMOOR_BIN_DIR));
    ProgramServices services;
    AnsweringMessageBoxes boxes;
    Shots shots(folder);
    PicturedModals modals(shots);
    if (!services.loadButtonLibrary()) return 1;
    pages::registerPages();
    results::registerResults();

    services.start(&results::ShowOverviewReport, house);
    settle();
    if (!g_frmMain || !g_HomeData || !g_rsFormDefinition) {
        err() << "the program did not start" << Qt::endl;
        return 1;
    }

    // Every page as the house file has it: the record is read again before each page, since
    // showing a page stores what it shows.
    for (const PlanRow& row : pagePlan()) {
        HomeData().InitializeData();
        QWidget* caller = g_CurrentForm ? g_CurrentForm.data() : static_cast<QWidget*>(g_frmMain.data());
        LoadForm(caller, vb::Integer(row.formId));
        settle();
        const QString name = g_CurrentForm ? g_CurrentForm->objectName() : u"page%1"_s.arg(row.formId);
        shots.take(g_frmMain, name);
    }

    QWidget* navigation = forms::Forms::instance(u"frmNavigation"_s);
    navigation->show();
    shots.take(navigation, u"frmNavigation"_s);
    navigation->close();
    settle();

    const int topic = g_CurrentForm ? g_CurrentForm->property("HelpContextID").toInt() : 0;
    help::showTopic(topic > 0 ? topic : help::ContextContents);
    settle();
    if (QWidget* window = services.helpWindow().window()) {
        shots.take(window, u"help"_s);
        window->close();
    }

    if (QAction* about = menuItem(u"mnuHelpAbout"_s)) about->trigger();
    settle();

    // The preview may come up modal or modeless; either way it is pictured and closed.
    const QSet<QWidget*> before = visibleWindows();
    bool previewed = false;
    auto pictureModal = [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            shots.take(dialog, u"preview"_s);
            previewed = true;
            dialog->reject();
        }
    };
    QTimer::singleShot(200, pictureModal);
    if (QAction* preview = menuItem(u"mnuFilePrintPreview"_s)) preview->trigger();
    settle();
    if (!previewed) {
        for (QWidget* w : visibleWindows() - before) {
            if (!qobject_cast<QPrintPreviewDialog*>(w)) continue;
            shots.take(w, u"preview"_s);
            previewed = true;
            w->close();
        }
    }
    if (!previewed) err() << "no report preview came up: skipped" << Qt::endl;

    g_frmMain->close();
    settle();
    return shots.failed() ? 1 : 0;
}
