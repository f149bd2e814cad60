#include "tests/scenario/walk/WalkFixture.h"

#include <QLineEdit>

#include <functional>
#include <string>

using namespace Qt::Literals::StringLiterals;
using namespace walk;

namespace
{

// A control the walk looks for and does not find fails the test, naming it, and ends the test
// there; the fixture still closes the program.
TEST_F(WalkTest, AMissingControlFailsNamingItAndStopsTheTest)
{
    startProgram();
    next(10);
    next(28);
    struct Lookup {
        const char* what;
        std::function<void()> use;
        std::string named;
    };
    const Lookup lookups[] = {
        {"a button", [&] { click(u"cmdRenamed"_s); }, "page 28 has no cmdRenamed"},
        {"an option", [&] { option(u"optRenamed"_s, 1); }, "page 28 has no optRenamed1"},
        {"a check box", [&] { tick(u"chkRenamed"_s, true); }, "page 28 has no chkRenamed"},
        {"a list", [&] { choose(u"cmbRenamed"_s, u"Ohio"_s); }, "page 28 has no cmbRenamed"},
        {"a text box", [&] { type(u"txtRenamed"_s, u"12"_s); }, "page 28 has no txtRenamed"},
        {"a control's state", [&] { (void)shown(u"lbRenamed"_s); }, "page 28 has no lbRenamed"},
        {"a control", [&] { control<QLineEdit>(u"txtRenamed"_s)->clear(); }, "page 28 has no txtRenamed"},
        {"a menu item", [&] { menu(u"mnuRenamed"_s); }, "no menu item mnuRenamed"},
    };
    for (const Lookup& l : lookups) {
        SCOPED_TRACE(l.what);
        testsupport::expectStops(l.use, l.named);
    }
}

} // namespace
