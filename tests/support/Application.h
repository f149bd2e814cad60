#pragma once

namespace testsupport
{

// The one application object of a test binary, made on first use: named as the program, with
// the standard paths in their test folders.
void application();

} // namespace testsupport
