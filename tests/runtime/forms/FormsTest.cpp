#include "runtime/forms/Forms.h"
#include "runtime/forms/App.h"
#include "runtime/forms/ImageList.h"
#include "runtime/vb/VbError.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

TEST(Forms, OneInstancePerClassUntilUnloaded)
{
    int created = 0;
    forms::Forms::registerClass(u"frmProbe"_s, [&created] {
        ++created;
        return new QWidget;
    });
    EXPECT_FALSE(forms::Forms::isLoaded(u"frmProbe"_s));
    QPointer<QWidget> first = forms::Forms::instance(u"frmProbe"_s);
    EXPECT_EQ(forms::Forms::instance(u"frmProbe"_s), first.data());
    EXPECT_EQ(first->objectName(), u"frmProbe"_s);
    EXPECT_TRUE(forms::Forms::isLoaded(u"frmProbe"_s));
    EXPECT_TRUE(forms::Forms::loadedClasses().contains(u"frmProbe"_s));

    first->show();
    forms::Forms::unload(first);
    EXPECT_FALSE(first->isVisible());
    EXPECT_FALSE(forms::Forms::isLoaded(u"frmProbe"_s));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());

    // The next use makes a fresh window.
    QWidget* second = forms::Forms::instance(u"frmProbe"_s);
    EXPECT_EQ(created, 2);
    forms::Forms::unload(second);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(Forms, DeletedWindowIsNoLongerLoaded)
{
    forms::Forms::registerClass(u"frmGone"_s, [] { return new QWidget; });
    delete forms::Forms::instance(u"frmGone"_s);
    EXPECT_FALSE(forms::Forms::isLoaded(u"frmGone"_s));
}

TEST(Forms, UnknownClassRaises)
{
    EXPECT_THROW(forms::Forms::instance(u"frmNobody"_s), vb::VbError);
}

TEST(App, PathIsTheProgramFolderUnlessSet)
{
    EXPECT_EQ(forms::App::Path(), QCoreApplication::applicationDirPath());
    forms::App::setPath(u"/opt/tavimoor/"_s);
    EXPECT_EQ(forms::App::Path(), u"/opt/tavimoor"_s);
    forms::App::setPath(QString());
    EXPECT_EQ(forms::App::Title(), u"Tavimoor"_s);
}

TEST(ImageList, PicturesByKeyFromTheFolder)
{
    QTemporaryDir dir;
    QFile svg(dir.filePath(u"Gable.svg"_s));
    ASSERT_TRUE(svg.open(QIODevice::WriteOnly));
    svg.write(R"(<svg xmlns="http://www.w3.org/2000/svg" width="200" height="100">)"
              R"(<polygon points="0,100 100,0 200,100" fill="#804020"/></svg>)");
    svg.close();

    forms::ImageList list(dir.path(), QSize(100, 100));
    for (const QString& key : forms::ImageList::standardKeys())
        list.add(key);
    const QPixmap gable = list.picture(u"Gable"_s);
    ASSERT_FALSE(gable.isNull());
    EXPECT_EQ(gable.size(), QSize(100, 50)) << "kept in proportion";
    EXPECT_NE(gable.toImage().pixelColor(50, 45).alpha(), 0);
    EXPECT_FALSE(list.picture(u"gable"_s).isNull()) << "keys match whatever their case";
    EXPECT_TRUE(list.picture(u"Hip"_s).isNull()) << "a listed key without a drawing";
    try {
        list.picture(u"Mansard"_s);
        FAIL();
    } catch (const vb::VbError& e) {
        EXPECT_EQ(e.number(), 35601);
    }
}

} // namespace
