#include "tests/support/PageHarness.h"

#include "estimate/clsHomeData.h"
#include "runtime/ado/Recordset.h"
#include "runtime/forms/App.h"
#include "runtime/vb/Conversions.h"
#include "shell/basGlobalVariables.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QSet>
#include <QTemporaryDir>

using namespace pagetest;

namespace
{

QComboBox* combo(const char* name)
{
    return control<QComboBox>(QString::fromLatin1(name));
}

QStringList items(QComboBox* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

void choose(QComboBox* list, const QString& text)
{
    const int index = list->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    list->setCurrentIndex(index);
    processEvents();
}

// The LocationID of a state and city in the control database now open.
int locationId(const QString& state, const QString& city)
{
    ado::Recordset rs;
    rs.setCursorLocation(ado::adUseClient);
    rs.Open(QStringLiteral("Select LocationID from [Locations] Where State=? AND City=?"), *g_cnControl,
            {state, city});
    return rs.EOF() ? -1 : vb::CInt(rs.Field(QStringLiteral("LocationID"))).value();
}

// The control database replaced by a small one of the test's own while it lives.
class ControlDatabase
{
public:
    explicit ControlDatabase(const char* sql)
    {
        m_path = m_dir.filePath(QStringLiteral("HomeControl.cfg"));
        testsupport::execute(m_path, QByteArray("CREATE TABLE [Locations] (LocationID SMALLINT PRIMARY KEY, "
                                                "State TEXT NOT NULL, City TEXT NOT NULL, "
                                                "[Location Factor] REAL NOT NULL);") +
                                         sql);
        g_cnControl->Close();
        g_cnControl->Open(m_path, ado::OpenMode::ReadOnly);
    }
    ~ControlDatabase()
    {
        g_cnControl->Close();
        g_cnControl->Open(forms::App::Path() + QStringLiteral("/HomeControl.cfg"), ado::OpenMode::ReadOnly);
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

TEST(LocationPage, StateListsItsCitiesInOrderAndStoresTheFirstThenTheChosenCity)
{
    g_HomeData->setLocation(locationId(QStringLiteral("Alabama"), QStringLiteral("Mobile")));
    showPage(28);
    QComboBox* state = combo("cmbState");
    QComboBox* city = combo("cmbCity");
    choose(state, QStringLiteral("Texas"));
    const QStringList cities = items(city);
    ASSERT_GE(cities.size(), 5);
    QStringList sorted = cities;
    sorted.sort();
    EXPECT_EQ(cities, sorted);
    EXPECT_EQ(city->currentIndex(), 0);
    EXPECT_EQ(g_HomeData->Location(), locationId(QStringLiteral("Texas"), cities[0]));

    choose(city, cities[3]);
    const int chosen = locationId(QStringLiteral("Texas"), cities[3]);
    EXPECT_EQ(g_HomeData->Location(), chosen);
    click(QStringLiteral("cmdContinue"));
    EXPECT_EQ(currentFormId(), 11);
    EXPECT_EQ(g_HomeData->Location(), chosen);
}

TEST(LocationPage, ReopensOnTheStoredPairWithTheStateListFocused)
{
    const int stored = locationId(QStringLiteral("Ohio"), QStringLiteral("Columbus"));
    ASSERT_GT(stored, 0);
    g_HomeData->setLocation(stored);
    for (int visit = 0; visit < 2; ++visit) {
        SCOPED_TRACE(visit);
        boxes().clear();
        showPage(28);
        EXPECT_TRUE(boxes().calls().empty()) << boxLog();
        QComboBox* state = combo("cmbState");
        EXPECT_TRUE(state->isVisible());
        EXPECT_TRUE(combo("cmbCity")->isVisible());
        EXPECT_EQ(state->currentText(), QStringLiteral("Ohio"));
        EXPECT_EQ(combo("cmbCity")->currentText(), QStringLiteral("Columbus"));
        EXPECT_EQ(currentPage()->window()->focusWidget(), state);
        EXPECT_EQ(g_HomeData->Location(), stored);
        const QStringList states = items(state);
        EXPECT_EQ(QSet<QString>(states.begin(), states.end()).size(), states.size());
        QStringList sorted = states;
        sorted.sort();
        EXPECT_EQ(states, sorted);
    }
}

TEST(LocationPage, ACityWithAnApostropheListsSelectsAndStores)
{
    const QString city = QStringLiteral("Coeur d'Alene");
    const int id = locationId(QStringLiteral("Idaho"), city);
    ASSERT_GT(id, 0);
    g_HomeData->setLocation(locationId(QStringLiteral("Alabama"), QStringLiteral("Mobile")));
    boxes().clear();
    showPage(28);
    choose(combo("cmbState"), QStringLiteral("Idaho"));
    EXPECT_TRUE(items(combo("cmbCity")).contains(city));
    choose(combo("cmbCity"), city);
    EXPECT_EQ(g_HomeData->Location(), id);
    EXPECT_NE(g_HomeData->LocationFactor(), 1.0f);

    showPage(28);
    EXPECT_EQ(combo("cmbState")->currentText(), QStringLiteral("Idaho"));
    EXPECT_EQ(combo("cmbCity")->currentText(), city);
    EXPECT_EQ(g_HomeData->Location(), id);
    EXPECT_TRUE(boxes().calls().empty()) << boxLog();
}

TEST(LocationPage, AStateWithAnApostropheListsSelectsAndStores)
{
    ControlDatabase db("INSERT INTO [Locations] VALUES (1, 'Plains', 'Abbot', 0.9);"
                       "INSERT INTO [Locations] VALUES (2, 'O''Hare Shire', 'St. Mary''s', 1.1);"
                       "INSERT INTO [Locations] VALUES (3, 'O''Hare Shire', 'L''Anse', 1.2);");
    g_HomeData->setLocation(1);
    boxes().clear();
    showPage(28);
    EXPECT_EQ(items(combo("cmbState")),
              QStringList({QStringLiteral("O'Hare Shire"), QStringLiteral("Plains")}));
    choose(combo("cmbState"), QStringLiteral("O'Hare Shire"));
    EXPECT_EQ(items(combo("cmbCity")), QStringList({QStringLiteral("L'Anse"), QStringLiteral("St. Mary's")}));
    EXPECT_EQ(g_HomeData->Location(), 3);
    choose(combo("cmbCity"), QStringLiteral("St. Mary's"));
    EXPECT_EQ(g_HomeData->Location(), 2);
    EXPECT_FLOAT_EQ(g_HomeData->LocationFactor(), 1.1f);
    showPage(28);
    EXPECT_EQ(combo("cmbCity")->currentText(), QStringLiteral("St. Mary's"));
    EXPECT_EQ(g_HomeData->Location(), 2);
    EXPECT_TRUE(boxes().calls().empty()) << boxLog();
}

TEST(LocationPage, TwoRowsOfOneCityStoreTheFirstReturned)
{
    ControlDatabase db("INSERT INTO [Locations] VALUES (4, 'Plains', 'Twin', 0.9);"
                       "INSERT INTO [Locations] VALUES (5, 'Plains', 'Twin', 1.1);");
    g_HomeData->setLocation(5);
    showPage(28);
    EXPECT_EQ(combo("cmbCity")->currentText(), QStringLiteral("Twin"));
    EXPECT_EQ(g_HomeData->Location(), 4);
}

// Nothing to select: the page opens without an error, lists what there is, and the stored
// location stays until the user chooses.
TEST(LocationPage, StoredLocationWithoutARowOrAnEmptyTableSelectsAndStoresNothing)
{
    struct Case {
        const char* what;
        const char* rows;
        int states;
    };
    const Case cases[] = {
        {"no row",
         "INSERT INTO [Locations] VALUES (1, 'Plains', 'Abbot', 0.9);"
         "INSERT INTO [Locations] VALUES (2, 'Hills', 'Bryce', 1.1);",
         2},
        {"empty table", "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ControlDatabase db(c.rows);
        g_HomeData->setLocation(77);
        boxes().clear();
        showPage(28);
        EXPECT_TRUE(boxes().calls().empty()) << boxLog();
        EXPECT_EQ(combo("cmbState")->count(), c.states);
        EXPECT_EQ(combo("cmbState")->currentIndex(), -1);
        EXPECT_EQ(combo("cmbCity")->count(), 0);
        EXPECT_TRUE(combo("cmbState")->isVisible());
        EXPECT_EQ(currentPage()->window()->focusWidget(), combo("cmbState"));
        click(QStringLiteral("cmdContinue"));
        EXPECT_TRUE(boxes().calls().empty()) << boxLog();
        EXPECT_EQ(currentFormId(), 11);
        EXPECT_EQ(g_HomeData->Location(), 77);
    }
    // The real locations again.
    g_HomeData->setLocation(1);
}

TEST(LocationPage, StoredLocationWithoutARowWaitsForTheUsersChoice)
{
    g_HomeData->setLocation(9999);
    showPage(28);
    EXPECT_GT(combo("cmbState")->count(), 40);
    EXPECT_EQ(combo("cmbState")->currentIndex(), -1);
    choose(combo("cmbState"), QStringLiteral("Alaska"));
    EXPECT_EQ(g_HomeData->Location(), locationId(QStringLiteral("Alaska"), items(combo("cmbCity"))[0]));
    g_HomeData->setLocation(1);
}

} // namespace
