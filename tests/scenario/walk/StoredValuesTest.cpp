#include "tests/scenario/walk/WalkFixture.h"

#include "shell/basNavigation.h"
#include "shell/frmMain.h"
#include "tests/support/TestFiles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTimer>
#include <QWindow>

using namespace Qt::Literals::StringLiterals;
using namespace walk;

namespace
{

// Message boxes that behave as modal ones do: each runs an event loop (where windows unloaded
// so far are deleted) before it answers. Each box notes whether it came while the main window
// was being shown: the window counts as visible then, but is not on the screen yet.
class ModalBoxes : public forms::ScriptedMessageBoxes
{
public:
    int show(const QString& prompt, int buttons, const QString& title) override
    {
        const QWindow* window = g_frmMain ? g_frmMain->windowHandle() : nullptr;
        if (g_frmMain && g_frmMain->isVisible() && !(window && window->isVisible())) ++m_duringShow;
        QEventLoop loop;
        QTimer::singleShot(0, &loop, &QEventLoop::quit);
        loop.exec();
        return ScriptedMessageBoxes::show(prompt, buttons, title);
    }
    int duringShow() const { return m_duringShow; }

private:
    int m_duringShow = 0;
};

struct StoredValue {
    const char* field;
    const char* value;
    int page; // the page the file resumes on
};

// Values the file check accepts, on the payments and the cost breakout pages.
const StoredValue Cases[] = {
    {"InterestRate", "99999", 4},    {"InterestRate", "9.2e18", 4},    {"InterestRate", "1e30", 4},
    {"InterestRate", "-2400", 4},    {"NumCarGarage", "32767", 4},     {"NumCarGarage", "32767", 36},
    {"LocationFactor", "3.4e38", 4}, {"LocationFactor", "3.4e38", 36}, {"MainFloorSqFt", "32767", 36},
    {"LotPrice", "3.4e38", 36},
};

void sql(const QString& path, const QString& statements)
{
    testsupport::execute(path, statements.toUtf8());
}

// Every text on show in the main window and the page.
QStringList shownTexts()
{
    QStringList texts;
    if (!g_frmMain) return texts;
    for (QWidget* w : g_frmMain->findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text() << label->toolTip();
        if (auto* edit = qobject_cast<QLineEdit*>(w)) texts << edit->text();
        if (auto* combo = qobject_cast<QComboBox*>(w)) texts << combo->currentText();
        if (auto* text = qobject_cast<QPlainTextEdit*>(w)) texts << text->toPlainText();
    }
    return texts;
}

class StoredValues : public WalkTest
{
protected:
    void SetUp() override
    {
        WalkTest::SetUp();
        boxes.reset();
        modal = new ModalBoxes;
        boxes.reset(modal);
    }

    QString makeFile(const StoredValue& v)
    {
        const QString path = folder() + u"/stored.tvm"_s;
        QFile::remove(path);
        EXPECT_TRUE(QFile::copy(folder() + u"/Tmplt.cfg"_s, path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        sql(path, u"UPDATE [HouseData] SET %1 = %2; INSERT INTO [Form Stack] VALUES (10); "
                  "INSERT INTO [Form Stack] VALUES (%3)"_s.arg(QLatin1String(v.field), QLatin1String(v.value))
                      .arg(v.page));
        return path;
    }

    void expectUsable(int page)
    {
        ASSERT_TRUE(g_frmMain && g_frmMain->isVisible());
        on(page);
        EXPECT_EQ(modal->duringShow(), 0) << "a box came while the main window was being shown";
        static const QRegularExpression notANumber(u"\\b(nan|inf|infinity)\\b"_s,
                                                   QRegularExpression::CaseInsensitiveOption);
        for (const QString& text : shownTexts()) {
            EXPECT_FALSE(text.contains(notANumber)) << text.toStdString();
            // A figure that could not be worked out is not left at its design text either.
            EXPECT_NE(text, u"$9,999.00"_s);
            EXPECT_NE(text, u"$999,999"_s);
        }
        // The program works on: Back leads to the page before.
        back(10);
    }

    ModalBoxes* modal = nullptr;
};

TEST_F(StoredValues, ResumedAtStartUpWithEveryBoxAnsweredAfterTheWindowIsUp)
{
    for (const StoredValue& v : Cases) {
        SCOPED_TRACE(std::string(v.field) + " = " + v.value + " on page " + std::to_string(v.page));
        const QString path = makeFile(v);
        startProgram(path);
        EXPECT_EQ(g_HouseFilePath, path);
        expectUsable(v.page);
        stopProgram();
        modal->clear();
    }
}

TEST_F(StoredValues, ThroughFileOpen)
{
    startProgram();
    for (const StoredValue& v : Cases) {
        SCOPED_TRACE(std::string(v.field) + " = " + v.value + " on page " + std::to_string(v.page));
        const QString path = makeFile(v);
        boxes->answer(forms::vbNo);
        dialogs->choose(path);
        menu(u"mnuFileOpen"_s);
        EXPECT_EQ(g_HouseFilePath, path);
        expectUsable(v.page);
        modal->clear();
    }
}

} // namespace
