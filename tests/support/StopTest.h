#pragma once

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <functional>

#include <source_location>
#include <stdexcept>
#include <string>

namespace testsupport
{

// What stopTest throws: GoogleTest counts it as a failure of the test it ends.
class TestStopped : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Fails the test at the caller's line and ends it there: the fixture tears down and the next
// test runs. For a lookup whose result the test cannot go on without.
[[noreturn]] inline void stopTest(const std::string& why, const std::source_location& where)
{
    ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line())) << why;
    throw TestStopped(why);
}

// Found, or the test fails naming what is missing and stops.
template <typename T> T* require(T* found, const std::string& what, const std::source_location& where)
{
    if (!found) stopTest(what, where);
    return found;
}

// For the tests of the lookups themselves: use() fails the test once, with a message that holds
// named, and stops there.
inline void expectStops(const std::function<void()>& use, const std::string& named)
{
    bool stopped = false;
    bool wentOn = false;
    EXPECT_NONFATAL_FAILURE(
        {
            try {
                use();
                wentOn = true;
            } catch (const TestStopped&) {
                stopped = true;
            }
        },
        named);
    EXPECT_TRUE(stopped) << "the test went on after the failure";
    EXPECT_FALSE(wentOn);
}

} // namespace testsupport
