#pragma once

#include "pages/systems/UtilityChoicePage.h"

namespace pages
{

// Page 34: city water or a well. The option has no Click: the choice is stored by a move.
class frm01WaterType : public UtilityChoicePage
{
    Q_OBJECT

public:
    frm01WaterType();

    QFrame* fraWater = nullptr;
    QLabel* Label1 = nullptr;
    QList<QRadioButton*> optWater;
};

} // namespace pages
