#pragma once

namespace results
{

// Registers the result page windows by class name with the window table.
void registerResults();

} // namespace results
