#include "tests/support/PageControls.h"

#include "pages/foundation/frm01Basement.h"
#include "pages/foundation/frm01Basement02.h"
#include "pages/foundation/frm01BasementHeight.h"
#include "pages/foundation/frm01Foundation.h"
#include "pages/house/frm01DefaultGrade.h"
#include "pages/house/frm01Garage.h"
#include "pages/house/frm01MainFloorCeiling.h"
#include "pages/roof/frm01RoofPitch.h"
#include "pages/roof/frm01RoofStyle.h"
#include "pages/systems/frm01HeatType.h"
#include "shell/basStyleControl.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

#include <memory>

using namespace pagetest;

namespace
{

struct Design {
    QWidget* (*make)();
    const char* title;
    std::vector<const char*> hidden;  // answer controls, their captions, frames and pictures
    std::vector<const char*> shown;   // statements
    std::vector<const char*> options; // "name:caption", in index order
};

// Each page as loaded, before the engine shows it.
TEST(StructurePageDesign, AnswersAreHiddenAtLoadWithTheirCaptions)
{
    using namespace pages;
    const Design designs[] = {
        {&makePage<frm01Basement>, "Basement", {}, {"lbStatement", "lbStatement2"}, {}},
        {&makePage<frm01Basement02>,
         "Size of Basement",
         {"optBasement0", "optBasement1", "lbData1", "txtData1"},
         {"lbStatement", "lbStatement1"},
         {"optBasement0:Full Basement", "optBasement1:Partial Basement"}},
        {&makePage<frm01Foundation>,
         "Foundation",
         {"fraFoundation"},
         {"lbStatement"},
         {"optFoundation0:Slab", "optFoundation1:Crawl Space"}},
        {&makePage<frm01BasementHeight>,
         "Basement Ceiling Height",
         {"optHeight0", "optHeight1", "optHeight2"},
         {"lbStatement"},
         {"optHeight0:8 foot", "optHeight1:9 foot", "optHeight2:10 foot"}},
        {&makePage<frm01DefaultGrade>,
         "Quality of House",
         {"optGrade0", "optGrade1", "optGrade2", "optGrade3", "lbDescription"},
         {"lbStatement", "lbStatement1"},
         {"optGrade0:Economy", "optGrade1:Average", "optGrade2:Premium", "optGrade3:Luxury"}},
        {&makePage<frm01Garage>,
         "Garage",
         {"lbData1", "cmbGarageBays", "fraOpeners"},
         {"lbStatement"},
         {"optOpeners0:Yes", "optOpeners1:No"}},
        {&makePage<frm01MainFloorCeiling>,
         "Main Floor Ceiling Height",
         {"optHeight0", "optHeight1", "optHeight2"},
         {"lbStatement"},
         {"optHeight0:8 foot", "optHeight1:9 foot", "optHeight2:10 foot"}},
        {&makePage<frm01RoofStyle>,
         "Roof Style",
         {"fraRoof", "imgRoof"},
         {"lbStatement"},
         {"optRoof0:Gable", "optRoof1:Hip"}},
        {&makePage<frm01RoofPitch>,
         "Roof Pitch",
         {"fraRoof", "imgRoof"},
         {"lbStatement"},
         {"optRoof0:4 / 12", "optRoof1:8 / 12", "optRoof2:10 / 12", "optRoof3:12 / 12"}},
        {&makePage<frm01HeatType>,
         "HVAC",
         {"fraHeat", "fraAC"},
         {"lbStatement"},
         {"optHVAC0:Gas", "optHVAC1:Electric", "optHVAC2:Geothermal", "optAC0:Yes", "optAC1:No"}},
    };
    for (const Design& d : designs) {
        SCOPED_TRACE(d.title);
        std::unique_ptr<QWidget> page(d.make());
        EXPECT_EQ(page->findChild<QLabel*>(QStringLiteral("lbPageTitle"))->text(),
                  QString::fromLatin1(d.title));
        for (const char* name : d.hidden) {
            auto* w = page->findChild<QWidget*>(QString::fromLatin1(name));
            ASSERT_TRUE(w) << name;
            EXPECT_TRUE(w->isHidden()) << name;
        }
        for (const char* name : d.shown) {
            auto* w = page->findChild<QLabel*>(QString::fromLatin1(name));
            ASSERT_TRUE(w) << name;
            EXPECT_FALSE(w->isHidden()) << name;
            EXPECT_FALSE(w->text().isEmpty()) << name;
            EXPECT_EQ(w->x(), qRound(1440 / 15.0)) << name; // statement style
        }
        for (const char* entry : d.options) {
            const QStringList parts = QString::fromLatin1(entry).split(QLatin1Char(':'));
            auto* w = page->findChild<QAbstractButton*>(parts[0]);
            ASSERT_TRUE(w) << entry;
            EXPECT_EQ(w->text(), parts[1]);
        }
    }
}

TEST(StructurePageDesign, StatementsReadAsDesignedWithTheirDoubleBlanks)
{
    struct Caption {
        QWidget* (*make)();
        const char* label;
        const char* text;
    };
    using namespace pages;
    const Caption captions[] = {
        {&makePage<frm01Basement>, "lbStatement",
         "You can not always put a basement in your house.  Some factors that could prevent you from being "
         "able "
         "to put in a basement are water table levels and rock formations."},
        {&makePage<frm01Basement>, "lbStatement2", "Will your house have a basement?"},
        {&makePage<frm01Basement02>, "lbStatement", "What type of basement do you want?"},
        {&makePage<frm01Basement02>, "lbStatement1",
         "Full basements are under ALL the living area on the main floor.  If any rooms are built over a "
         "crawl "
         "foundation, then it would be considered a partial basement."},
        {&makePage<frm01Basement02>, "lbData1", "Square Footage"},
        {&makePage<frm01Foundation>, "lbStatement", "What type of foundation do you want?"},
        {&makePage<frm01BasementHeight>, "lbStatement", "How high are the ceilings in the basement?"},
        {&makePage<frm01DefaultGrade>, "lbStatement", "What is the quality you want to use for this house?"},
        {&makePage<frm01DefaultGrade>, "lbStatement1",
         "Quality choices here will effect construction costs of the entire house.  Some of the costs that "
         "are "
         "adjusted based on quality selection are floor coverings, cabinets, and appliances."},
        {&makePage<frm01DefaultGrade>, "lbDescription", "General Description"},
        {&makePage<frm01Garage>, "lbStatement", "How many bays do you want in your garage?"},
        {&makePage<frm01Garage>, "lbData1", "Garage Bays"},
        {&makePage<frm01Garage>, "Label1", "Do you want to install garage door openers?"},
        {&makePage<frm01MainFloorCeiling>, "lbStatement", "How high are the ceilings on the main floor?"},
        {&makePage<frm01RoofStyle>, "lbStatement", "What style of roof do you want?"},
        {&makePage<frm01RoofPitch>, "lbStatement", "What is the pitch of your roof?"},
        {&makePage<frm01HeatType>, "lbStatement", "What type of heat do you want?"},
        {&makePage<frm01HeatType>, "Label1", "Do you want Central Air Conditioning?"},
    };
    for (const Caption& c : captions) {
        SCOPED_TRACE(c.text);
        std::unique_ptr<QWidget> page(c.make());
        auto* label = page->findChild<QLabel*>(QString::fromLatin1(c.label));
        ASSERT_TRUE(label);
        EXPECT_EQ(label->text(), QString::fromLatin1(c.text));
    }
}

TEST(StructurePageDesign, SizePageStartsWithFiveHundredInAFourDigitBox)
{
    std::unique_ptr<QWidget> page(pages::makePage<pages::frm01Basement02>());
    auto* box = page->findChild<QLineEdit*>(QStringLiteral("txtData1"));
    EXPECT_EQ(box->text(), QStringLiteral("500"));
    EXPECT_EQ(MaxEntryLength(box), 4);
}

} // namespace
