#pragma once

#include "runtime/vb/Integer.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <span>

class QWidget;

// A window of the page plan: its Form_ID, its window class and the factory that makes it.
struct PageWindow {
    int16_t formId;
    const char16_t* className;
    QWidget* (*factory)();
};

// Registers page windows with the window table and, by Form_ID, with the page engine. The
// interview and result pages register theirs at start-up; a Form_ID registered again takes the
// newer window.
void registerPageWindows(std::span<const PageWindow> windows);

// The window class of a Form_ID; empty when no window is registered for it.
QString pageWindowClass(vb::Integer formId);

// The registered windows, by Form_ID.
QList<PageWindow> pageWindows();
