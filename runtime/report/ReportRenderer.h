#pragma once

#include "runtime/report/Report.h"

#include <QImage>
#include <QPageSize>

#include <vector>

class QPainter;
class QPagedPaintDevice;
class QPaintDevice;

namespace report
{

// One section as it falls on a page: its top in twips below the page's top margin.
struct Placement {
    const Section* section = nullptr;
    int top = 0;
};
using PageLayout = std::vector<Placement>;

// Lays the sections out on pages whose body (paper less margins) is bodyHeight twips tall: the
// report header first, the page header atop and the page footer at the foot of every page, the
// detail once per record, the report footer after the last one.
std::vector<PageLayout> paginate(const Report& report, int bodyHeight);

// The paper in twips for a page size in the report's orientation.
QSizeF paperTwips(const Report& report, const QPageSize& pageSize);

// A label's text as it is drawn on a device: broken into lines where it breaks at a pixel per
// twip, so that every resolution shows the same words on the same lines. Rectangles are in
// device pixels from the label's top-left corner. A line wider on the device than the label
// (hinted glyphs run wider at low resolutions) is drawn narrower to fit; a text of more lines than
// the label holds makes the box taller.
struct LabelLine {
    QString text;
    QRectF rect;
    double squeeze = 1; // horizontal scale the line is drawn at
};
struct LabelLayout {
    QRectF box;
    std::vector<LabelLine> lines;
};
LabelLayout layoutLabel(const Report& report, const Label& label, const QPaintDevice& device, double dpiX,
                        double dpiY);

// Draws one page. The painter's origin is the paper's top-left corner plus origin (device
// pixels); dpiX and dpiY convert twips to the device's pixels.
void drawPage(const Report& report, const PageLayout& page, QPainter& painter, double dpiX, double dpiY,
              QPointF origin = {});

// Draws every page onto a printer or PDF writer as it is set up; returns the number of pages.
int printReport(const Report& report, QPagedPaintDevice& device);

// Writes the report as a PDF file on the given paper; false when the file cannot be written.
bool printToPdf(const Report& report, const QString& path,
                const QPageSize& pageSize = QPageSize(QPageSize::Letter));

// One page as a white image at a resolution.
QImage renderPage(const Report& report, int pageIndex, int dpi,
                  const QPageSize& pageSize = QPageSize(QPageSize::Letter));

} // namespace report
