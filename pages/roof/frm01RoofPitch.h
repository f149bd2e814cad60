#pragma once

#include "pages/roof/RoofPage.h"

namespace pages
{

// Page 26: the rise of the roof per 12 of run.
class frm01RoofPitch : public RoofPage
{
    Q_OBJECT

public:
    frm01RoofPitch();
};

} // namespace pages
