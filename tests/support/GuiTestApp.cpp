#include <QApplication>

#include <gtest/gtest.h>

namespace
{

// One application object for every test of this binary.
class AppEnvironment : public testing::Environment
{
public:
    void SetUp() override
    {
        if (!QCoreApplication::instance()) m_app = new QApplication(m_argc, m_argv);
    }

private:
    int m_argc = 1;
    char m_name[16] = "tavimoor_test";
    char* m_argv[2] = {m_name, nullptr};
    QApplication* m_app = nullptr;
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new AppEnvironment);

} // namespace
