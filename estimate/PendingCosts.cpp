#include "estimate/clsHomeData.h"

// Cost categories not priced yet: each is priced in a later step and returns 0 until then.
