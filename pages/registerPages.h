#pragma once

namespace pages
{

// Registers every interview page window with its Form_ID, and the two prototypes by class name.
void registerPages();

} // namespace pages
