#include "tests/support/Application.h"

#include <QApplication>
#include <QStandardPaths>

namespace testsupport
{

void application()
{
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "tavimoor_test";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavimoor"));
    QStandardPaths::setTestModeEnabled(true);
}

} // namespace testsupport
