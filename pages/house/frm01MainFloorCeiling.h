#pragma once

#include "pages/house/CeilingHeightPage.h"

namespace pages
{

// Page 23: the ceiling height of the main floor.
class frm01MainFloorCeiling : public CeilingHeightPage
{
    Q_OBJECT

public:
    frm01MainFloorCeiling();
};

} // namespace pages
