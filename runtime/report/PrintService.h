#pragma once

#include "runtime/report/Report.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QWidget;

namespace report
{

class PrintService
{
public:
    virtual ~PrintService() = default;
    // Shows the print dialog, then prints every page. False when the dialog was cancelled:
    // nothing is printed.
    virtual bool print(const Report& report, QWidget* owner) = 0;
    // Shows the report in its preview window, modeless; a second call shows the new report
    // in the same window.
    virtual void preview(const Report& report, QWidget* owner) = 0;
    // Shows the page set-up dialog for the printer that later prints. False when cancelled.
    virtual bool pageSetup(QWidget* owner) = 0;
};

// Installs a service (not owned; nullptr restores a DeferredPrintService) and returns the previous one.
PrintService* setPrintService(PrintService* service);
PrintService* printService();

// The Qt print service from the print library beside the program (PrintLibrary.h), loaded with
// the first call. When it cannot be loaded, each call says so in a message box: print and page
// set-up return false, preview shows nothing.
class DeferredPrintService : public PrintService
{
public:
    // The library at libraryPath; by default the one in the program folder.
    explicit DeferredPrintService(QString libraryPath = QString());
    ~DeferredPrintService() override;
    DeferredPrintService(const DeferredPrintService&) = delete;
    DeferredPrintService& operator=(const DeferredPrintService&) = delete;

    bool print(const Report& report, QWidget* owner) override;
    void preview(const Report& report, QWidget* owner) override;
    bool pageSetup(QWidget* owner) override;

private:
    PrintService* loaded();

    QString m_libraryPath;
    bool m_tried = false;
    QString m_error;
    std::unique_ptr<PrintService> m_service;
};

// Test fake: installs itself while it lives. Each print dialog takes the next scripted answer;
// an unscripted one is cancelled. An accepted print is written as PDF to the file set with
// printTo, if any. Every call is logged with a copy of the report it got.
class ScriptedPrintService : public PrintService
{
public:
    struct Call {
        enum class Kind { Print, Preview, PageSetup };
        Kind kind = Kind::Print;
        Report report;
        bool printed = false;
        bool scripted = false;
    };

    ScriptedPrintService();
    ~ScriptedPrintService() override;
    ScriptedPrintService(const ScriptedPrintService&) = delete;
    ScriptedPrintService& operator=(const ScriptedPrintService&) = delete;

    ScriptedPrintService& accept();
    ScriptedPrintService& cancel();
    void printTo(const QString& pdfPath) { m_pdfPath = pdfPath; }
    int pending() const { return static_cast<int>(m_answers.size() - m_next); }
    const std::vector<Call>& calls() const { return m_calls; }
    void clear();

    bool print(const Report& report, QWidget* owner) override;
    void preview(const Report& report, QWidget* owner) override;
    bool pageSetup(QWidget* owner) override;

private:
    bool nextAnswer(Call& call);

    std::vector<bool> m_answers;
    size_t m_next = 0;
    QString m_pdfPath;
    std::vector<Call> m_calls;
    PrintService* m_previous = nullptr;
};

} // namespace report
