#pragma once

#include "controls/LustrelExport.h"

#include <cstdint>

class QWidget;

namespace com
{
class ComponentRegistry;
}

// The library's registration entry points. Results: 0 success, 1 "not now" (DllCanUnloadNow
// while buttons are alive), a negative code for failure.
extern "C" {
using LustrelCreateInstance = QWidget* (*)(QWidget* parent);

// Registers "ombLustrel.Lustrel" and its property page "ombLustrel.General" with the given
// registry (the library's own when null).
LUSTREL_EXPORT int32_t DllRegisterServer(com::ComponentRegistry* registry);
LUSTREL_EXPORT int32_t DllUnregisterServer(com::ComponentRegistry* registry);
// The creation function of a class by ProgID (UTF-8), or the class-not-available code.
LUSTREL_EXPORT int32_t DllGetClassObject(const char* progId, LustrelCreateInstance* factory);
LUSTREL_EXPORT int32_t DllCanUnloadNow();
}

namespace ombLustrel
{
constexpr int32_t S_OK_ = 0;
constexpr int32_t S_FALSE_ = 1;
constexpr int32_t CLASS_E_CLASSNOTAVAILABLE_ = static_cast<int32_t>(0x80040111u);
constexpr int32_t E_POINTER_ = static_cast<int32_t>(0x80004003u);
} // namespace ombLustrel
