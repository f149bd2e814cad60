#pragma once

#include "pages/house/CeilingHeightPage.h"

namespace pages
{

// Page 24: the ceiling height of the basement.
class frm01BasementHeight : public CeilingHeightPage
{
    Q_OBJECT

public:
    frm01BasementHeight();
};

} // namespace pages
