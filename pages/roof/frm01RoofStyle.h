#pragma once

#include "pages/roof/RoofPage.h"

namespace pages
{

// Page 25: gable or hip roof.
class frm01RoofStyle : public RoofPage
{
    Q_OBJECT

public:
    frm01RoofStyle();
};

} // namespace pages
