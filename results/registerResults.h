#pragma once

namespace results
{

// Registers the result page windows with their Form_IDs.
void registerResults();

} // namespace results
