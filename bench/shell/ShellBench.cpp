#include "estimate/clsHomeData.h"
#include "runtime/com/ComponentRegistry.h"
#include "runtime/com/PropertyBag.h"
#include "runtime/forms/App.h"
#include "runtime/forms/CommonDialog.h"
#include "runtime/forms/Forms.h"
#include "runtime/forms/MsgBox.h"
#include "runtime/vb/Conversions.h"
#include "runtime/vb/Trap.h"
#include "shell/basGlobalVariables.h"
#include "shell/basNavigation.h"

#include "pages/registerPages.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace
{

// A plain button standing in for the control library's: Click() on every click.
class BenchButton : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(bool ShowFocus MEMBER m_showFocus)
public:
    explicit BenchButton(QWidget* parent) : QPushButton(parent)
    {
        connect(this, &QPushButton::clicked, this, &BenchButton::Click);
    }
Q_SIGNALS:
    void Click();

private:
    bool m_showFocus = false;
};


struct Program {
    QTemporaryDir dir;
    forms::ScriptedMessageBoxes boxes;
    forms::ScriptedFileDialogs dialogs;
    QString house;
};

Program& program()
{
    static Program* p = [] {
        auto* prog = new Program;
        for (const char* file : {"HomeControl.cfg", "Tmplt.cfg"})
            QFile::copy(QStringLiteral(TAVIMOOR_BIN_DIR) + u'/' + QString::fromLatin1(file),
                        prog->dir.filePath(QString::fromLatin1(file)));
        forms::App::setPath(prog->dir.path());
        auto& registry = com::ComponentRegistry::instance();
        const QString buttonLibrary = QStringLiteral(TAVIMOOR_BIN_DIR) + u"/libombLustrel.so"_s;
        if (QFile::exists(buttonLibrary)) registry.loadLibrary(buttonLibrary);
        if (!registry.isRegistered(u"ombLustrel.Lustrel"_s))
            registry.registerClass(u"ombLustrel.Lustrel"_s,
                                   [](QWidget* parent) -> QWidget* { return new BenchButton(parent); });
        pages::registerPages();
        prog->house = prog->dir.filePath(u"bench.tvm"_s);
        QFile::copy(prog->dir.filePath(u"Tmplt.cfg"_s), prog->house);
        QFile::setPermissions(prog->house, QFile::ReadOwner | QFile::WriteOwner);
        Main(prog->house);
        LoadForm(g_CurrentForm, vb::Integer(12));
        QCoreApplication::processEvents();
        return prog;
    }();
    return *p;
}

void clickButton(const QString& name)
{
    QWidget* b = g_CurrentForm ? g_CurrentForm->findChild<QWidget*>(name) : nullptr;
    if (!b) return;
    if (b->metaObject()->indexOfSignal("Click()") >= 0)
        QMetaObject::invokeMethod(b, "Click");
    else if (auto* button = qobject_cast<QPushButton*>(b))
        button->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// One move per iteration: Continue from the bedrooms page, or Back to it.
void BM_ContinueMove(benchmark::State& state)
{
    program();
    for (auto _ : state)
        clickButton(g_CurrentFormID == vb::Integer(12) ? u"cmdContinue"_s : u"cmdBack"_s);
    if (!program().boxes.calls().empty())
        state.SkipWithError(program().boxes.calls().back().prompt.toUtf8().constData());
}
BENCHMARK(BM_ContinueMove)->Unit(benchmark::kMillisecond);

// Saving the open named house file: the record and both page stacks.
void BM_SaveHouseFile(benchmark::State& state)
{
    program();
    int16_t bedrooms = 2;
    for (auto _ : state) {
        g_HomeData->setNumBedrooms(bedrooms);
        bedrooms = bedrooms == 2 ? 3 : 2;
        SaveHomeDatabaseFile(true);
    }
    if (!program().boxes.calls().empty())
        state.SkipWithError(program().boxes.calls().back().prompt.toUtf8().constData());
}
BENCHMARK(BM_SaveHouseFile)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

#include "ShellBench.moc"
