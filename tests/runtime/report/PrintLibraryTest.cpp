#include "runtime/report/PrintLibrary.h"
#include "runtime/forms/MsgBox.h"
#include "runtime/report/PrintService.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace
{

constexpr char PrintSupport[] = "libQt6PrintSupport.so.6";

bool isLoaded(const QString& library)
{
    void* handle = dlopen(QFile::encodeName(library).constData(), RTLD_NOW | RTLD_NOLOAD);
    if (handle) dlclose(handle);
    return handle != nullptr;
}

std::vector<QWidget*> previewWindows()
{
    std::vector<QWidget*> found;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows)
        if (w->isVisible() && w->inherits("QPrintPreviewDialog")) found.push_back(w);
    return found;
}

report::Report smallReport(const QString& caption)
{
    report::Report r;
    r.caption = caption;
    r.width = 10000;
    r.addSection(report::Section(u"Body"_s, report::Section::Kind::Detail, 2000))
        .addLabel(report::Label{u"lbValue"_s, u"Value"_s, 100, 100, 2000, 240});
    return r;
}

// This binary links no Qt Print Support: only the first use brings it in, with the library.
TEST(DeferredPrinting, LoadsThePrintLibraryOnceWithTheFirstUse)
{
    forms::ScriptedMessageBoxes boxes;
    const QString library =
        QCoreApplication::applicationDirPath() + u'/' + QLatin1StringView(report::PrintLibraryName);
    report::DeferredPrintService printing;
    EXPECT_FALSE(isLoaded(library));
    EXPECT_FALSE(isLoaded(QLatin1StringView(PrintSupport)));

    printing.preview(smallReport(u"First"_s), nullptr);
    EXPECT_TRUE(isLoaded(library));
    EXPECT_TRUE(isLoaded(QLatin1StringView(PrintSupport)));
    std::vector<QWidget*> shown = previewWindows();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0]->windowTitle(), u"First"_s);

    // The one service made from the library shows the next report in the same window.
    printing.preview(smallReport(u"Second"_s), nullptr);
    ASSERT_EQ(previewWindows(), shown);
    EXPECT_EQ(shown[0]->windowTitle(), u"Second"_s);
    EXPECT_TRUE(boxes.calls().empty());
    shown[0]->close();
}

TEST(DeferredPrinting, WithoutTheLibraryEachUseSaysSoAndNothingIsPrinted)
{
    forms::ScriptedMessageBoxes boxes;
    QTemporaryDir dir;
    const QString library = dir.filePath(QLatin1StringView(report::PrintLibraryName));
    report::DeferredPrintService printing(library);

    EXPECT_FALSE(printing.print(smallReport(u"Report"_s), nullptr));
    printing.preview(smallReport(u"Report"_s), nullptr);
    EXPECT_TRUE(previewWindows().empty());
    EXPECT_FALSE(printing.pageSetup(nullptr));

    ASSERT_EQ(boxes.calls().size(), 3u);
    for (const forms::ScriptedMessageBoxes::Call& box : boxes.calls()) {
        EXPECT_TRUE(box.prompt.startsWith(u"The print library could not be loaded:"_s))
            << box.prompt.toStdString();
        EXPECT_TRUE(box.prompt.contains(library)) << box.prompt.toStdString();
        EXPECT_EQ(box.buttons, forms::vbCritical);
    }
}

} // namespace
