#pragma once

#include <QCoreApplication>
#include <QTest>
#include <QWidget>

namespace testsupport
{

// A box as a real message box is for the windows behind it: modal while it is up, it takes the
// release of a mouse button pressed before it came, and is closed.
inline void showAndCloseModalBox(const QString& title = QString())
{
    QWidget box;
    box.setWindowTitle(title);
    box.setWindowModality(Qt::ApplicationModal);
    box.resize(200, 100);
    box.show();
    QCoreApplication::processEvents();
    QTest::mouseRelease(&box, Qt::LeftButton, Qt::NoModifier, {10, 10});
    box.close();
    QCoreApplication::processEvents();
}

} // namespace testsupport
