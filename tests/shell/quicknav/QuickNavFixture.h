#pragma once

#include "runtime/ado/Connection.h"
#include "runtime/forms/MsgBox.h"
#include "tests/support/StandInPages.h"

#include <gtest/gtest.h>

#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <memory>

class QWidget;
class frmNavigation;

namespace quicknav
{

// A row of [Form Definition] for a made-up page plan.
struct PlanRow {
    int formId;
    QString sectionName;
    int sectionLevel;
    bool visible;
    bool quickNav;
};

// A stand-in under the button ProgID when the control library is not loaded: the published
// members the program touches, and Click().
void registerStandInButton();
// Emits the button's Click() and lets deferred deletes run.
void click(QWidget* button);
using testsupport::processDeferred;

// The program started over a scratch program folder with copies of the two data files and
// stand-in page windows.
class QuickNavTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    QString folder() const { return m_dir->path(); }

    // Shows the navigation window (its one instance).
    frmNavigation* openNavigation();
    static bool navigationLoaded();

    // Replaces the page plan and the visited pages with made-up ones (Sequence = row order).
    void usePlan(const QList<PlanRow>& rows);
    void useVisited(const QList<int>& formIds);

    // (Tag, Caption) of the shown section buttons, top to bottom.
    static QList<std::pair<QString, QString>> listed(const frmNavigation* nav);
    static QWidget* sectionFor(const frmNavigation* nav, int formId);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<forms::ScriptedMessageBoxes> boxes;
    std::unique_ptr<ado::Connection> m_planCn;
};

} // namespace quicknav
