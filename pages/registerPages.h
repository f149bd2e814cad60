#pragma once

namespace pages
{

// Registers every page window class by class name with the window table.
void registerPages();

} // namespace pages
