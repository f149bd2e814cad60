#pragma once

#include "pages/systems/UtilityChoicePage.h"

namespace pages
{

// Page 35: city sewer or a septic system, stored at the click.
class frm01SewerType : public UtilityChoicePage
{
    Q_OBJECT

public:
    frm01SewerType();

    QFrame* fraSewer = nullptr;
    QLabel* Label1 = nullptr;
    QList<QRadioButton*> optSewer;
};

} // namespace pages
