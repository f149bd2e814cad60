#pragma once

#include "controls/EntryPoints.h"
#include "runtime/com/ComponentRegistry.h"
#include "tests/support/Application.h"

#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace testsupport
{

// The offscreen platform's screens for the window-fit tests: a netbook, a laptop and a 2x
// screen of the netbook's logical size, side by side.
inline constexpr const char* ScreenLayouts = R"({
  "synchronousWindowSystemEvents": false,
  "windowFrameMargins": true,
  "screens": [
    {"name": "netbook", "x": 0, "y": 0, "width": 1024, "height": 600, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
    {"name": "laptop", "x": 1024, "y": 0, "width": 1366, "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
    {"name": "hidpi", "x": 2390, "y": 0, "width": 2048, "height": 1200, "logicalDpi": 192, "logicalBaseDpi": 96, "dpr": 1}
  ]
})";

// Points the offscreen platform at those screens; call before the application is made. The
// folder holds the configuration file and must outlive the application's start.
inline bool useScreenLayouts(const QTemporaryDir& dir)
{
    const QString config = dir.filePath(QStringLiteral("screens.json"));
    QFile f(config);
    if (!f.open(QIODevice::WriteOnly) || f.write(ScreenLayouts) < 0) return false;
    f.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    return true;
}

// A screen of those layouts by name; nullptr when the platform did not take them.
inline QScreen* screenNamed(const QString& name)
{
    for (QScreen* s : QGuiApplication::screens())
        if (s->name() == name) return s;
    return nullptr;
}

// The main() of a test binary on those screens, with the real buttons.
inline int runOnScreenLayouts(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    QTemporaryDir dir;
    if (!useScreenLayouts(dir)) return 2;
    application();
    DllRegisterServer(&com::ComponentRegistry::instance());
    return RUN_ALL_TESTS();
}

} // namespace testsupport
