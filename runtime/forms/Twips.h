#pragma once

// The conversion lives with the component layer so that the button library, which links no
// forms, uses the same one; forms code takes it from here.
#include "runtime/com/Twips.h"

namespace forms
{

using com::pixelsToTwips;
using com::TwipsPerPixel;
using com::twipsRect;
using com::twipsToPixels;

} // namespace forms
