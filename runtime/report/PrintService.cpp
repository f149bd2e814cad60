#include "runtime/report/PrintService.h"

#include "runtime/forms/App.h"
#include "runtime/forms/MsgBox.h"
#include "runtime/report/PrintLibrary.h"
#include "runtime/report/ReportRenderer.h"

#include <QFileInfo>
#include <QLibrary>

using namespace Qt::Literals::StringLiterals;

namespace report
{

namespace
{

PrintService* g_service = nullptr;

DeferredPrintService& defaultService()
{
    static DeferredPrintService service;
    return service;
}

} // namespace

PrintService* setPrintService(PrintService* service)
{
    PrintService* previous = g_service;
    g_service = service;
    return previous;
}

PrintService* printService()
{
    return g_service ? g_service : &defaultService();
}

DeferredPrintService::DeferredPrintService(QString libraryPath) : m_libraryPath(std::move(libraryPath)) {}

DeferredPrintService::~DeferredPrintService() = default;

PrintService* DeferredPrintService::loaded()
{
    if (!m_tried) {
        m_tried = true;
        // Loaded here, with the first use, so that no start of the program loads Qt Print Support.
        const QString path = m_libraryPath.isEmpty()
                                 ? forms::App::Path() + u'/' + QLatin1StringView(PrintLibraryName)
                                 : m_libraryPath;
        QLibrary library(path);
        auto make = library.load()
                        ? reinterpret_cast<MakePrintServiceFn>(library.resolve(MakePrintServiceEntry))
                        : nullptr;
        if (make) m_service.reset(make());
        // The loader's reason names the file; for a missing file it names the last name it tried.
        if (!m_service) m_error = QFileInfo::exists(path) ? library.errorString() : path;
    }
    if (!m_service)
        forms::MsgBox(u"The print library could not be loaded:"_s + u"\r\n"_s + m_error, forms::vbCritical,
                      u"Error"_s);
    return m_service.get();
}

bool DeferredPrintService::print(const Report& report, QWidget* owner)
{
    PrintService* service = loaded();
    return service && service->print(report, owner);
}

void DeferredPrintService::preview(const Report& report, QWidget* owner)
{
    if (PrintService* service = loaded()) service->preview(report, owner);
}

bool DeferredPrintService::pageSetup(QWidget* owner)
{
    PrintService* service = loaded();
    return service && service->pageSetup(owner);
}

ScriptedPrintService::ScriptedPrintService() : m_previous(setPrintService(this)) {}

ScriptedPrintService::~ScriptedPrintService()
{
    if (g_service == this) setPrintService(m_previous);
}

ScriptedPrintService& ScriptedPrintService::accept()
{
    m_answers.push_back(true);
    return *this;
}

ScriptedPrintService& ScriptedPrintService::cancel()
{
    m_answers.push_back(false);
    return *this;
}

void ScriptedPrintService::clear()
{
    m_answers.clear();
    m_next = 0;
    m_calls.clear();
}

bool ScriptedPrintService::nextAnswer(Call& call)
{
    if (m_next < m_answers.size()) {
        call.printed = m_answers[m_next++];
        call.scripted = true;
    }
    return call.printed;
}

bool ScriptedPrintService::pageSetup(QWidget*)
{
    Call call{Call::Kind::PageSetup, Report(), false, false};
    const bool accepted = nextAnswer(call);
    m_calls.push_back(call);
    return accepted;
}

bool ScriptedPrintService::print(const Report& report, QWidget*)
{
    Call call{Call::Kind::Print, report, false, false};
    nextAnswer(call);
    if (call.printed && !m_pdfPath.isEmpty()) printToPdf(report, m_pdfPath);
    m_calls.push_back(call);
    return call.printed;
}

void ScriptedPrintService::preview(const Report& report, QWidget*)
{
    m_calls.push_back(Call{Call::Kind::Preview, report, false, false});
}

} // namespace report
