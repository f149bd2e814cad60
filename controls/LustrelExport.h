#pragma once

// Symbols of the shared library are hidden unless marked; the library's entry points and its
// published control class carry this mark.
#if defined(OMBLUSTREL_BUILDING)
#define LUSTREL_EXPORT __attribute__((visibility("default")))
#else
#define LUSTREL_EXPORT
#endif
