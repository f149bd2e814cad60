#pragma once

namespace ombLustrel
{

// Runs one statement whose failure is skipped, so the next statement still runs.
template <class F> void skip(F&& statement) noexcept
{
    try {
        statement();
    } catch (...) {
    }
}

} // namespace ombLustrel
