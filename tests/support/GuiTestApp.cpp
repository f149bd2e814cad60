#include "tests/support/Application.h"

#include <gtest/gtest.h>

namespace
{

// One application object for every test of this binary.
class AppEnvironment : public testing::Environment
{
public:
    void SetUp() override { testsupport::application(); }
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new AppEnvironment);

} // namespace
