#include "runtime/report/PrintService.h"
#include "runtime/report/Report.h"
#include "runtime/report/ReportRenderer.h"
#include "runtime/vb/VbError.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace
{

using report::Label;
using report::Report;
using report::Section;

Report smallReport()
{
    Report r;
    r.caption = QStringLiteral("Small");
    r.width = 10000;
    r.addSection(Section(QStringLiteral("Header"), Section::Kind::ReportHeader, 700));
    r.addSection(Section(QStringLiteral("Top"), Section::Kind::PageHeader, 300));
    Section& detail = r.addSection(Section(QStringLiteral("Body"), Section::Kind::Detail, 5000));
    detail.addLabel(Label{QStringLiteral("lbValue"), QStringLiteral("lbValue"), 100, 100, 2000, 240});
    r.addSection(Section(QStringLiteral("Foot"), Section::Kind::PageFooter, 400));
    r.addSection(Section(QStringLiteral("End"), Section::Kind::ReportFooter, 200));
    return r;
}

TEST(ReportModel, FindsSectionsAndLabelsWhateverTheCase)
{
    Report r = smallReport();
    Label& label = r.section(QStringLiteral("body")).control(QStringLiteral("LBVALUE"));
    EXPECT_EQ(&label, &r.section(QStringLiteral("Body")).control(QStringLiteral("lbValue")));
    label.caption = QStringLiteral("written");
    EXPECT_EQ(r.section(QStringLiteral("BODY")).control(QStringLiteral("lbvalue")).caption,
              QStringLiteral("written"));
    EXPECT_EQ(r.section(QStringLiteral("Body")).findControl(QStringLiteral("lbOther")), nullptr);
}

TEST(ReportModel, UnknownNamesRaiseItemNotFound)
{
    Report r = smallReport();
    for (auto lookUp :
         {+[](Report& r) { r.section(QStringLiteral("Section9")); },
          +[](Report& r) { r.section(QStringLiteral("Body")).control(QStringLiteral("lbNone")); }}) {
        try {
            lookUp(r);
            ADD_FAILURE() << "no error";
        } catch (const vb::VbError& e) {
            EXPECT_EQ(e.number(), vb::ErrItemNotFound);
        }
    }
}

TEST(ReportModel, CopiesAreIndependentOfTheOriginal)
{
    Report r = smallReport();
    Report copy = r;
    r.section(QStringLiteral("Body")).control(QStringLiteral("lbValue")).caption = QStringLiteral("changed");
    EXPECT_EQ(copy.section(QStringLiteral("Body")).control(QStringLiteral("lbValue")).caption,
              QStringLiteral("lbValue"));
}

// Sections on each page as "name@top".
std::vector<std::vector<std::string>> pagesOf(const Report& r, int bodyHeight)
{
    std::vector<std::vector<std::string>> out;
    for (const report::PageLayout& page : report::paginate(r, bodyHeight)) {
        out.emplace_back();
        for (const report::Placement& p : page)
            out.back().push_back(p.section->name().toStdString() + "@" + std::to_string(p.top));
    }
    return out;
}

TEST(ReportPaging, OneRecordFitsOnePageWithTheFooterAtTheFoot)
{
    using Pages = std::vector<std::vector<std::string>>;
    EXPECT_EQ(pagesOf(smallReport(), 14400),
              (Pages{{"Header@0", "Top@700", "Body@1000", "End@6000", "Foot@14000"}}));
}

TEST(ReportPaging, DetailThatDoesNotFitStartsANewPageUnderThePageHeader)
{
    using Pages = std::vector<std::vector<std::string>>;
    // 700 + 300 + 5000 fits in 6500 less the 400 footer; the report footer does not.
    EXPECT_EQ(pagesOf(smallReport(), 6500),
              (Pages{{"Header@0", "Top@700", "Body@1000", "Foot@6100"}, {"Top@0", "End@300", "Foot@6100"}}));
    // A section taller than the page stays on the page it starts, rather than paging forever.
    EXPECT_EQ(pagesOf(smallReport(), 3000).front().size(), 4u);
}

// The bounding box of everything that is not white.
QRect ink(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
    return box;
}

TEST(ReportRendering, DrawsCaptionsAtTheirTwipsInsideTheMargins)
{
    Report r = smallReport();
    const QImage page = report::renderPage(r, 0, 96);
    EXPECT_EQ(page.size(), QSize(816, 1056)); // Letter at 96 dpi
    // The label's box: (720 + 100, 720 + 1000 + 100) twips, 2000 by 240: 54.7, 121.3, 133 by 16 px.
    const QRect box = ink(page);
    ASSERT_FALSE(box.isEmpty());
    EXPECT_TRUE(QRect(54, 121, 135, 17).contains(box))
        << box.x() << "," << box.y() << " " << box.width() << "x" << box.height();

    r.section(QStringLiteral("Body")).control(QStringLiteral("lbValue")).caption.clear();
    EXPECT_TRUE(ink(report::renderPage(r, 0, 96)).isEmpty());
}

TEST(ReportRendering, ClipsALabelToTheReportWidth)
{
    Report r = smallReport();
    Label& label = r.section(QStringLiteral("Body")).control(QStringLiteral("lbValue"));
    label.left = 9000;
    label.width = 4000;
    label.caption = QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    const QRect box = ink(report::renderPage(r, 0, 96));
    ASSERT_FALSE(box.isEmpty());
    EXPECT_LE(box.right(), (720 + 10000) * 96 / 1440);
}

TEST(ReportRendering, WritesAPdfFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("small.pdf"));
    ASSERT_TRUE(report::printToPdf(smallReport(), path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF"));
    EXPECT_FALSE(report::printToPdf(smallReport(), dir.filePath(QStringLiteral("missing/folder/x.pdf"))));
}

TEST(ScriptedPrinting, AnswersFromTheQueueAndCancelsWhenUnscripted)
{
    report::ScriptedPrintService printing;
    EXPECT_EQ(report::printService(), &printing);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.pdf"));
    printing.printTo(path);
    printing.cancel().accept();

    EXPECT_FALSE(printing.print(smallReport(), nullptr));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(printing.print(smallReport(), nullptr));
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_FALSE(printing.print(smallReport(), nullptr));
    printing.preview(smallReport(), nullptr);

    ASSERT_EQ(printing.calls().size(), 4u);
    EXPECT_TRUE(printing.calls()[0].scripted);
    EXPECT_FALSE(printing.calls()[2].scripted);
    EXPECT_EQ(printing.calls()[3].kind, report::ScriptedPrintService::Call::Kind::Preview);
    EXPECT_EQ(printing.calls()[3].report.caption, QStringLiteral("Small"));
    EXPECT_EQ(printing.pending(), 0);
}

} // namespace
