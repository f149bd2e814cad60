#include "tests/support/PageHarness.h"

#include "runtime/forms/App.h"
#include "runtime/forms/Forms.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

using namespace pagetest;

namespace
{

TEST(PrototypePages, StepFourListClickTellsIndexAndTextInAPlainBox)
{
    ASSERT_TRUE(forms::Forms::isRegistered(QStringLiteral("frmStep4")));
    QWidget* page = forms::Forms::instance(QStringLiteral("frmStep4"));
    EXPECT_EQ(page->findChild<QWidget*>(QStringLiteral("lbPageTitle")), nullptr);
    EXPECT_EQ(page->findChild<QWidget*>(QStringLiteral("cmdHelp")), nullptr);
    EXPECT_NE(page->findChild<QWidget*>(QStringLiteral("Lustrel2")), nullptr);
    auto* list = page->findChild<QListWidget*>(QStringLiteral("List1"));
    ASSERT_TRUE(list);
    ASSERT_EQ(list->count(), 3);
    boxes().clear();
    list->setCurrentRow(1);
    ASSERT_EQ(boxes().calls().size(), 1u) << boxLog();
    EXPECT_EQ(boxes().calls()[0].prompt, QStringLiteral("1 - 2 Story"));
    EXPECT_EQ(boxes().calls()[0].buttons, 0);
    EXPECT_EQ(boxes().calls()[0].title, forms::App::Title()); // no title of its own
    forms::Forms::unload(page);
    processEvents();
}

TEST(PrototypePages, TemplateHasTheFrameAndOneEntry)
{
    ASSERT_TRUE(forms::Forms::isRegistered(QStringLiteral("frmTemplate")));
    QWidget* page = forms::Forms::instance(QStringLiteral("frmTemplate"));
    EXPECT_EQ(page->findChild<QLabel*>(QStringLiteral("lbPageTitle"))->text(), QStringLiteral("Step 2"));
    EXPECT_EQ(page->findChild<QLineEdit*>(QStringLiteral("txtData1"))->text(), QStringLiteral("Text1"));
    for (const char* name : {"cmdBack", "cmdNavigation", "cmdHelp", "cmdYes", "cmdNo", "cmdContinue"})
        EXPECT_NE(page->findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    forms::Forms::unload(page);
    processEvents();
}

} // namespace
