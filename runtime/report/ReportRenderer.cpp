#include "runtime/report/ReportRenderer.h"

#include <QFont>
#include <QFontDatabase>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace report
{

namespace
{

constexpr int RuleWeight = 15;

// Reports name Arial; where it is missing a metric-compatible family stands in.
void substituteFamily(const QString& family)
{
    if (family.compare(QStringLiteral("Arial"), Qt::CaseInsensitive) != 0) return;
    static const bool done = [] {
        const QStringList families = QFontDatabase::families();
        if (families.contains(QStringLiteral("Arial"), Qt::CaseInsensitive)) return true;
        QStringList present;
        for (const char* candidate : {"Liberation Sans", "Arimo", "Nimbus Sans", "DejaVu Sans"})
            if (families.contains(QString::fromLatin1(candidate), Qt::CaseInsensitive))
                present << QString::fromLatin1(candidate);
        if (!present.isEmpty()) QFont::insertSubstitutions(QStringLiteral("Arial"), present);
        return true;
    }();
    Q_UNUSED(done);
}

int height(const Section* section)
{
    return section ? section->height() : 0;
}

const Section* first(const Report& report, Section::Kind kind)
{
    for (const Section& s : report.sections())
        if (s.kind() == kind) return &s;
    return nullptr;
}

} // namespace

std::vector<PageLayout> paginate(const Report& report, int bodyHeight)
{
    const Section* reportHeader = first(report, Section::Kind::ReportHeader);
    const Section* pageHeader = first(report, Section::Kind::PageHeader);
    const Section* detail = first(report, Section::Kind::Detail);
    const Section* pageFooter = first(report, Section::Kind::PageFooter);
    const Section* reportFooter = first(report, Section::Kind::ReportFooter);
    const int footerTop = bodyHeight - height(pageFooter);

    std::vector<PageLayout> pages;
    int y = 0;
    auto startPage = [&] {
        pages.emplace_back();
        y = 0;
    };
    auto put = [&](const Section* section) {
        if (!section) return;
        pages.back().push_back({section, y});
        y += section->height();
    };
    auto finishPage = [&] {
        if (pageFooter) pages.back().push_back({pageFooter, footerTop});
    };
    // A section that does not fit below what the page holds goes to the next page.
    auto flow = [&](const Section* section) {
        if (!section) return;
        const int bodyTop = height(pageHeader) + (pages.size() == 1 ? height(reportHeader) : 0);
        if (y + section->height() > footerTop && y > bodyTop) {
            finishPage();
            startPage();
            put(pageHeader);
        }
        put(section);
    };

    startPage();
    put(reportHeader);
    put(pageHeader);
    for (int i = 0; detail && i < report.detailCount(); ++i)
        flow(detail);
    flow(reportFooter);
    finishPage();
    return pages;
}

QSizeF paperTwips(const Report& report, const QPageSize& pageSize)
{
    const QPageLayout layout(
        pageSize, report.orientation == Report::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF());
    return layout.fullRect(QPageLayout::Point).size() * 20.0;
}

void drawPage(const Report& report, const PageLayout& page, QPainter& painter, double dpiX, double dpiY,
              QPointF origin)
{
    substituteFamily(report.fontFamily);
    const double sx = dpiX / TwipsPerInch;
    const double sy = dpiY / TwipsPerInch;
    auto rect = [&](double left, double top, double width, double height) {
        return QRectF(origin.x() + left * sx, origin.y() + top * sy, width * sx, height * sy);
    };

    painter.save();
    painter.setPen(Qt::black);
    for (const Placement& placed : page) {
        const Section& section = *placed.section;
        const double top = report.topMargin + placed.top;
        painter.setClipRect(rect(report.leftMargin, top, report.width, section.height()));
        for (const Rule& rule : section.rules())
            painter.fillRect(rect(report.leftMargin + rule.left, top + rule.top, rule.width, RuleWeight),
                             Qt::black);
        for (const Label& label : section.labels()) {
            if (label.caption.isEmpty()) continue;
            QFont font(report.fontFamily);
            font.setPointSizeF(label.pointSize);
            font.setBold(label.bold);
            painter.setFont(font);
            painter.drawText(rect(report.leftMargin + label.left, top + label.top, label.width, label.height),
                             int(label.alignment | Qt::AlignTop | Qt::TextWordWrap), label.caption);
        }
    }
    painter.restore();
}

int printReport(const Report& report, QPagedPaintDevice& device)
{
    const QPageLayout layout = device.pageLayout();
    const double dpiX = device.logicalDpiX();
    const double dpiY = device.logicalDpiY();
    const QRectF paper = layout.fullRect(QPageLayout::Point);
    const int bodyHeight = int(paper.height() * 20.0) - report.topMargin - report.bottomMargin;
    // The painter starts at the device's paint rectangle, not at the paper's corner.
    const QPointF origin = -QPointF(layout.paintRectPixels(int(dpiX)).topLeft());

    const std::vector<PageLayout> pages = paginate(report, bodyHeight);
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) device.newPage();
        drawPage(report, pages[i], painter, dpiX, dpiY, origin);
    }
    painter.end();
    return int(pages.size());
}

bool printToPdf(const Report& report, const QString& path, const QPageSize& pageSize)
{
    QPdfWriter writer(path);
    writer.setTitle(report.caption);
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(
        pageSize, report.orientation == Report::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF()));
    return printReport(report, writer) > 0;
}

QImage renderPage(const Report& report, int pageIndex, int dpi, const QPageSize& pageSize)
{
    const QSizeF paper = paperTwips(report, pageSize);
    const std::vector<PageLayout> pages =
        paginate(report, int(paper.height()) - report.topMargin - report.bottomMargin);
    QImage image((paper * dpi / TwipsPerInch).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    if (pageIndex < 0 || pageIndex >= int(pages.size())) return image;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawPage(report, pages[size_t(pageIndex)], painter, dpi, dpi);
    return image;
}

} // namespace report
