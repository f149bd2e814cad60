#pragma once

#include "pages/registerPages.h"
#include "results/registerResults.h"
#include "runtime/forms/Forms.h"
#include "shell/PageWindows.h"

#include <QCoreApplication>
#include <QEvent>

// What fixtures need that stand plain widgets in for the page windows.
namespace testsupport
{

// The page windows as the program registers them, each made by make(className) instead of
// by its own factory.
template <typename Make> void registerStandInWindows(Make make)
{
    pages::registerPages();
    results::registerResults();
    for (const PageWindow& window : pageWindows()) {
        const QString className = QString::fromUtf16(window.className);
        forms::Forms::registerClass(className, [make, className] { return make(className); });
    }
}

// The buttons every page has.
inline constexpr const char* PageButtons[] = {"cmdBack", "cmdContinue",   "cmdYes",
                                              "cmdNo",   "cmdNavigation", "cmdHelp"};

// Lets deferred deletes (unloaded pages) run, then what they posted.
inline void processDeferred()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace testsupport
