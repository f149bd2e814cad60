#include "runtime/report/QtPrintService.h"

#include "runtime/forms/WindowFit.h"
#include "runtime/report/ReportRenderer.h"

#include <QAction>
#include <QCoreApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>

#include <algorithm>

namespace report
{

namespace
{

constexpr int MinPreviewWidth = 420;

void prepare(QPrinter& printer, const Report& report)
{
    printer.setDocName(report.caption);
    printer.setPageOrientation(report.orientation == Report::Landscape ? QPageLayout::Landscape
                                                                       : QPageLayout::Portrait);
}

// Beside the owner's window where the screen has room, so that both stay in view.
void placeBeside(QWidget* window, QWidget* owner)
{
    if (!owner || !owner->isVisible() || !owner->screen()) return;
    const QRect main = owner->window()->frameGeometry();
    const QRect screen = owner->screen()->availableGeometry();
    const QMargins frame = forms::frameMarginsOf(window);
    const int frameWidth = frame.left() + frame.right();
    const int frameHeight = frame.top() + frame.bottom();
    const int room = std::max(screen.right() - main.right(), main.left() - screen.left());
    if (room < MinPreviewWidth + frameWidth) return;
    const int width = std::min(window->width(), room - frameWidth);
    const int height = std::min(window->height(), screen.height() - frameHeight);
    const int left = screen.right() - main.right() >= width + frameWidth ? main.right() + 1
                                                                         : main.left() - width - frameWidth;
    window->resize(width, height);
    window->move(left, std::clamp(main.top(), screen.top(), screen.bottom() + 1 - height - frameHeight));
}

} // namespace

QtPrintService::QtPrintService() = default;

QtPrintService::~QtPrintService()
{
    if (QCoreApplication::instance()) delete m_preview.data();
}

QPrintPreviewDialog* QtPrintService::previewWindow() const
{
    return m_preview;
}

QPrinter& QtPrintService::printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setPageSize(QPageSize(QPageSize::Letter));
    }
    return *m_printer;
}

bool QtPrintService::pageSetup(QWidget* owner)
{
    QPageSetupDialog dialog(&printer(), owner);
    dialog.setWindowTitle(QStringLiteral("Page Setup"));
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrintService::print(const Report& report, QWidget* owner)
{
    printer();
    prepare(*m_printer, report);
    m_printer->setPrintRange(QPrinter::AllPages);
    QPrintDialog dialog(m_printer.get(), owner);
    dialog.setWindowTitle(QStringLiteral("Print"));
    if (dialog.exec() != QDialog::Accepted) return false;
    return printReport(report, *m_printer) > 0;
}

void QtPrintService::preview(const Report& report, QWidget* owner)
{
    if (!m_previewed) m_previewed = std::make_shared<Report>();
    *m_previewed = report;
    if (m_preview && m_preview->parentWidget() != owner) delete m_preview.data();
    if (!m_preview) {
        auto* dialog = new QPrintPreviewDialog(owner);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setWindowModality(Qt::NonModal);
        dialog->printer()->setPageSize(QPageSize(QPageSize::Letter));
        std::weak_ptr<Report> shown = m_previewed;
        QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, dialog, [shown](QPrinter* printer) {
            if (auto r = shown.lock()) printReport(*r, *printer);
        });
        dialog->resize(820, 900);
        forms::keepOnScreen(dialog);
        forms::fitToScreen(dialog);
        placeBeside(dialog, owner);
        // The whole page in view.
        if (auto* fitPage = dialog->findChild<QAction*>(QStringLiteral("fitPageAction"))) fitPage->trigger();
        m_preview = dialog;
    }
    prepare(*m_preview->printer(), report);
    m_preview->setWindowTitle(report.caption);
    if (m_preview->isVisible()) {
        if (auto* pages = m_preview->findChild<QPrintPreviewWidget*>()) pages->updatePreview();
    }
    m_preview->show();
    m_preview->raise();
    m_preview->activateWindow();
}

} // namespace report
