#include "runtime/report/ReportRenderer.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

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

QFont labelFont(const Report& report, const Label& label)
{
    QFont font(report.fontFamily);
    font.setPointSizeF(label.pointSize);
    font.setBold(label.bold);
    return font;
}

// Lines are broken at a pixel per twip, where hinting no longer changes the glyphs' advances.
const QPaintDevice& twipDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = qRound(TwipsPerInch / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
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

LabelLayout layoutLabel(const Report& report, const Label& label, const QPaintDevice& device, double dpiX,
                        double dpiY)
{
    substituteFamily(report.fontFamily);
    const double sx = dpiX / TwipsPerInch;
    const double sy = dpiY / TwipsPerInch;
    const QFont font = labelFont(report, label);
    QString text = label.caption;
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);

    QTextLayout broken(text, font, &twipDevice());
    QTextOption option(label.alignment & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    broken.setTextOption(option);
    struct Part {
        QString text;
        double top;
        double height;
    };
    std::vector<Part> parts;
    double bottom = 0;
    broken.beginLayout();
    for (QTextLine line = broken.createLine(); line.isValid(); line = broken.createLine()) {
        line.setLineWidth(label.width);
        line.setPosition(QPointF(0, bottom));
        QString part = text.mid(line.textStart(), line.textLength());
        while (!part.isEmpty() && (part.back().isSpace() || part.back() == QChar::LineSeparator))
            part.chop(1);
        parts.push_back({part, bottom, line.height()});
        bottom += line.height();
    }
    broken.endLayout();

    LabelLayout layout;
    const double boxWidth = label.width * sx;
    layout.box = QRectF(0, 0, boxWidth, std::max<double>(label.height, std::ceil(bottom)) * sy);
    const QFontMetricsF metrics(font, &device);
    for (const Part& part : parts) {
        const double natural = metrics.horizontalAdvance(part.text);
        const double squeeze = natural > boxWidth && natural > 0 ? boxWidth / natural : 1;
        const double width = natural * squeeze;
        double x = 0;
        if (label.alignment & Qt::AlignRight)
            x = boxWidth - width;
        else if (label.alignment & Qt::AlignHCenter)
            x = (boxWidth - width) / 2;
        layout.lines.push_back({part.text, QRectF(x, part.top * sy, width, part.height * sy), squeeze});
    }
    return layout;
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
    constexpr int lineFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;

    painter.save();
    painter.setPen(Qt::black);
    for (const Placement& placed : page) {
        const Section& section = *placed.section;
        const double top = report.topMargin + placed.top;
        painter.setClipRect(rect(report.leftMargin, top, report.width, section.height()));
        for (const Rule& rule : section.rules()) {
            const QRectF r = rect(report.leftMargin + rule.left, top + rule.top, rule.width, RuleWeight);
            painter.fillRect(r, Qt::black);
            // A hairline along it keeps the rule at least a device pixel thick at any scale.
            painter.setPen(QPen(Qt::black, 0));
            painter.drawLine(QLineF(r.left(), r.center().y(), r.right(), r.center().y()));
        }
        for (const Label& label : section.labels()) {
            if (label.caption.isEmpty()) continue;
            painter.setFont(labelFont(report, label));
            const LabelLayout layout = layoutLabel(report, label, *painter.device(), dpiX, dpiY);
            const QPointF at = rect(report.leftMargin + label.left, top + label.top, 0, 0).topLeft();
            for (const LabelLine& line : layout.lines) {
                const QRectF r = line.rect.translated(at);
                if (line.squeeze == 1) {
                    painter.drawText(r, lineFlags, line.text);
                    continue;
                }
                painter.save();
                painter.translate(r.topLeft());
                painter.scale(line.squeeze, 1);
                painter.drawText(QRectF(0, 0, r.width() / line.squeeze, r.height()), lineFlags, line.text);
                painter.restore();
            }
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
