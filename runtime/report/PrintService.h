#pragma once

#include "runtime/report/Report.h"

#include <QPointer>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QPrinter;
class QPrintPreviewDialog;
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

// Installs a service (not owned; nullptr restores the Qt one) and returns the previous one.
PrintService* setPrintService(PrintService* service);
PrintService* printService();

// The Qt implementation: QPrintDialog and one QPrintPreviewDialog, each showing a copy of the
// report as it was handed over. Paper starts as Letter; the printer keeps the user's choices.
class QtPrintService : public PrintService
{
public:
    QtPrintService();
    ~QtPrintService() override;
    QtPrintService(const QtPrintService&) = delete;
    QtPrintService& operator=(const QtPrintService&) = delete;

    bool print(const Report& report, QWidget* owner) override;
    void preview(const Report& report, QWidget* owner) override;
    bool pageSetup(QWidget* owner) override;

    QPrintPreviewDialog* previewWindow() const;

private:
    QPrinter& printer();

    std::unique_ptr<QPrinter> m_printer;
    QPointer<QPrintPreviewDialog> m_preview;
    std::shared_ptr<Report> m_previewed;
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
