#include "results/registerResults.h"

#include "results/frm10Payments.h"
#include "results/frm10Summary.h"
#include "results/frm10Totals.h"

#include "shell/PageWindows.h"

namespace results
{

void registerResults()
{
    // Form_ID, window class, factory.
    static constexpr PageWindow windows[] = {
        {3, u"frm10Summary", &pages::makePage<frm10Summary>},
        {4, u"frm10Payments", &pages::makePage<frm10Payments>},
        {36, u"frm10Totals", &pages::makePage<frm10Totals>},
    };
    registerPageWindows(windows);
}

} // namespace results
