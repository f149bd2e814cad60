#include "tests/support/PageControls.h"
#include "tests/support/PageHarness.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include <functional>
#include <string>

using namespace pagetest;

namespace
{

// A renamed control fails the test that looks for it, naming it, and ends that test at the
// lookup instead of handing it a null to dereference.
TEST(PageHarness, AMissingControlFailsNamingItAndStopsTheTest)
{
    struct Lookup {
        const char* what;
        std::function<void()> use;
        std::string named;
    };
    const Lookup lookups[] = {
        {"a text box", [] { control<QLineEdit>(QStringLiteral("txtRenamed"))->setText(QStringLiteral("1")); },
         "no control txtRenamed"},
        {"a control of another type", [] { control<QPushButton>(QStringLiteral("txtData1"))->click(); },
         "no control txtData1"},
        {"a button to click", [] { click(QStringLiteral("cmdRenamed")); }, "no control cmdRenamed"},
        {"a row's box", [] { box(9)->clear(); }, "no control txtData9"},
        {"an option", [] { option(QStringLiteral("optBonus"), 5)->click(); }, "no control optBonus5"},
    };
    for (const Lookup& l : lookups) {
        SCOPED_TRACE(l.what);
        showPage(37);
        testsupport::expectStops(l.use, l.named);
    }
}

} // namespace
