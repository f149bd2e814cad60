#pragma once

#include "runtime/sheet/SheetWindow.h"

#include <QApplication>

#include <vector>

// The spreadsheet windows now open, after pending deletions.
inline std::vector<sheet::SheetWindow*> sheetWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::vector<sheet::SheetWindow*> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* s = qobject_cast<sheet::SheetWindow*>(w); s && s->isVisible()) windows.push_back(s);
    }
    return windows;
}
