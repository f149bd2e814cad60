#pragma once

#include "runtime/report/PrintService.h"

#include <QPointer>

#include <memory>

class QPrinter;
class QPrintPreviewDialog;

namespace report
{

// The Qt implementation: QPrintDialog and one QPrintPreviewDialog, each showing a copy of the
// report as it was handed over. Paper starts as Letter; the printer keeps the user's choices.
// The program reaches it through the print library (PrintLibrary.h).
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

} // namespace report
