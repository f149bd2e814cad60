#pragma once

#include <QString>

#include <cstdint>

// The one error reporter: shows the error box with the current step and resets the pointer.
void ErrorHandler(const QString& ProcName, int32_t ErrNumber, const QString& ErrDescription);
