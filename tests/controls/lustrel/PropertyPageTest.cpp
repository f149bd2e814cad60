#include "LustrelTestSupport.h"

#include "controls/General.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

using namespace lustreltest;
using ombLustrel::General;
using ombLustrel::Lustrel;

namespace
{

struct Page : testing::Test {
    Lustrel first;
    Lustrel second;
    General page;
    QStringList asked;
    int answer = 6;
    void SetUp() override
    {
        first.InitProperties();
        second.InitProperties();
        first.setCaption(QStringLiteral("&Back"));
        first.setProperty("Tag", QStringLiteral("-1"));
        General::setStyleQuestion([this](QWidget*, const QString& prompt) {
            asked << prompt;
            return answer;
        });
        page.setSelectedControls({&first, &second});
    }
    void TearDown() override { General::setStyleQuestion({}); }
    template <class T> T* child(const char* name) { return page.findChild<T*>(QString::fromLatin1(name)); }
};

} // namespace

TEST_F(Page, OpeningShowsTheFirstButtonWithoutMarkingChanged)
{
    EXPECT_FALSE(page.Changed());
    EXPECT_EQ(child<QLineEdit>("txtCaption")->text(), QStringLiteral("&Back"));
    EXPECT_EQ(child<QLineEdit>("txtTag")->text(), QStringLiteral("-1"));
    EXPECT_EQ(child<QLineEdit>("txtPictureSpacing")->text(), QStringLiteral("5"));
    EXPECT_EQ(child<QComboBox>("cboStyle")->itemText(0), QStringLiteral("0 - ombStyleStandard"));
    EXPECT_EQ(child<QComboBox>("cboAlignment")->currentIndex(), 2);
    EXPECT_TRUE(child<QCheckBox>("chkShowFocus")->isChecked());
}

TEST_F(Page, ApplyWritesTheFirstButtonAndCheckBoxesWinOverPresets)
{
    child<QLineEdit>("txtPictureSpacing")->setText(QStringLiteral("12ab"));
    child<QComboBox>("cboStyle")->setCurrentIndex(1);
    child<QCheckBox>("chkShowFocus")->setChecked(true);
    child<QCheckBox>("chkShowDefault")->setChecked(true);
    child<QComboBox>("cboAppearance")->setCurrentIndex(-1); // rejected by the button; the rest applies
    EXPECT_TRUE(page.Changed());
    page.ApplyChanges();
    EXPECT_EQ(first.PictureSpacing(), 12);
    EXPECT_EQ(first.Style(), Lustrel::ombStyleActive);
    EXPECT_TRUE(first.ShowFocus());
    EXPECT_TRUE(first.ShowDefault());
    EXPECT_EQ(first.Appearance(), Lustrel::ombAppearance3D);
    EXPECT_EQ(second.PictureSpacing(), 5);
}

TEST_F(Page, StyleQuestion)
{
    auto* style = child<QComboBox>("cboStyle");
    answer = 7;
    style->setCurrentIndex(1);
    emit style->activated(1);
    EXPECT_EQ(asked, QStringList{QStringLiteral("Set all default settings for this style?")});
    EXPECT_TRUE(page.Changed());
    EXPECT_TRUE(child<QCheckBox>("chkShowFocus")->isChecked());
    answer = 6;
    emit style->activated(1);
    EXPECT_FALSE(child<QCheckBox>("chkShowFocus")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("chkShowDefault")->isChecked());
}
