// Invariants of the data files the build places in the program folder.
#include "pages/registerPages.h"
#include "results/registerResults.h"
#include "shell/PageWindows.h"
#include "shell/basHouseFiles.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QFile>
#include <QSvgRenderer>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <queue>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace
{

namespace fs = std::filesystem;

const fs::path binDir{TAVIMOOR_BIN_DIR};

// Form_IDs that have a page window, as the pages register them.
const std::set<int>& pageIds()
{
    static const std::set<int> ids = [] {
        pages::registerPages();
        results::registerResults();
        std::set<int> registered;
        for (const PageWindow& window : pageWindows())
            registered.insert(window.formId);
        return registered;
    }();
    return ids;
}
const std::set<int> yesNoPages{16, 43};

using Value = std::optional<std::string>; // nullopt = NULL
using Row = std::vector<Value>;

class Db
{
public:
    explicit Db(const fs::path& path)
    {
        if (sqlite3_open_v2(path.c_str(), &m_db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
            sqlite3_close(m_db);
            m_db = nullptr;
        }
    }
    ~Db() { sqlite3_close(m_db); }
    Db(const Db&) = delete;
    Db& operator=(const Db&) = delete;

    bool isOpen() const { return m_db != nullptr; }

    // All rows of a query as text; "?" parameters are bound as text.
    std::vector<Row> rows(const std::string& sql, const std::vector<std::string>& params = {}) const
    {
        std::vector<Row> result;
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
            ADD_FAILURE() << sql << ": " << sqlite3_errmsg(m_db);
            return result;
        }
        for (size_t i = 0; i < params.size(); ++i)
            sqlite3_bind_text(stmt, int(i + 1), params[i].c_str(), -1, SQLITE_TRANSIENT);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            Row row;
            for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
                if (sqlite3_column_type(stmt, c) == SQLITE_NULL)
                    row.emplace_back(std::nullopt);
                else
                    row.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)));
            }
            result.push_back(std::move(row));
        }
        sqlite3_finalize(stmt);
        return result;
    }

    std::vector<std::string> columns(const std::string& table) const
    {
        std::vector<std::string> names;
        for (const Row& r : rows("PRAGMA table_info([" + table + "])"))
            names.push_back(*r[1]);
        return names;
    }

    // Number of NULL values in every column of a table.
    long long nullCount(const std::string& table) const
    {
        long long n = 0;
        for (const std::string& column : columns(table))
            n += std::stoll(
                *rows("SELECT count(*) FROM [" + table + "] WHERE [" + column + "] IS NULL")[0][0]);
        return n;
    }

private:
    sqlite3* m_db = nullptr;
};

int toInt(const Value& v)
{
    return std::stoi(v.value());
}
double toDouble(const Value& v)
{
    return std::stod(v.value());
}

struct Page {
    int sequence, yes, no, help, level, visible, quickNav;
    std::string name;
};

class HomeControlFile : public ::testing::Test
{
protected:
    Db db{binDir / "HomeControl.cfg"};

    std::map<int, Page> plan() const
    {
        std::map<int, Page> pages;
        for (const Row& r :
             db.rows("SELECT Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], "
                     "[Section Level], Visible, QuickNav FROM [Form Definition]"))
            pages[toInt(r[0])] = Page{toInt(r[1]), toInt(r[2]), toInt(r[3]), toInt(r[4]),
                                      toInt(r[6]), toInt(r[7]), toInt(r[8]), r[5].value_or("")};
        return pages;
    }
};

TEST_F(HomeControlFile, OneRowForEveryPageWindowAndNoOthers)
{
    ASSERT_TRUE(db.isOpen());
    EXPECT_EQ(db.nullCount("Form Definition"), 0);
    std::set<int> ids;
    for (const Row& r : db.rows("SELECT Form_ID FROM [Form Definition]"))
        EXPECT_TRUE(ids.insert(toInt(r[0])).second) << "duplicate Form_ID " << *r[0];
    EXPECT_EQ(ids, pageIds());
}

TEST_F(HomeControlFile, PlanStartsAtWelcomeAndReachesEveryPage)
{
    const auto pages = plan();
    ASSERT_FALSE(pages.empty());

    std::set<int> sequences;
    int first = 0, last = 0;
    for (const auto& [id, p] : pages) {
        EXPECT_TRUE(sequences.insert(p.sequence).second) << "Sequence repeated on page " << id;
        if (first == 0 || p.sequence < pages.at(first).sequence) first = id;
        if (last == 0 || p.sequence > pages.at(last).sequence) last = id;
    }
    EXPECT_EQ(first, 1);

    for (const auto& [id, p] : pages) {
        SCOPED_TRACE("page " + std::to_string(id));
        for (int target : {p.yes, p.no}) {
            if (target == 0) continue;
            EXPECT_NE(target, id);
            ASSERT_TRUE(pageIds().count(target)) << "target " << target << " has no page";
            // Forward moves only: the interview cannot loop.
            EXPECT_GT(pages.at(target).sequence, p.sequence) << "target " << target;
        }
        if (yesNoPages.count(id)) {
            EXPECT_GT(p.yes, 0);
            EXPECT_GT(p.no, 0);
            EXPECT_NE(p.yes, p.no);
        } else {
            EXPECT_EQ(p.no, 0);
            if (id != last) {
                EXPECT_GT(p.yes, 0) << "a page other than the last has no way forward";
            }
        }
    }
    EXPECT_EQ(pages.at(last).yes, 0);
    EXPECT_EQ(pages.at(last).no, 0);

    std::set<int> reached{1};
    std::queue<int> open;
    open.push(1);
    while (!open.empty()) {
        const Page& p = pages.at(open.front());
        open.pop();
        for (int target : {p.yes, p.no})
            if (target > 0 && pages.count(target) && reached.insert(target).second) open.push(target);
    }
    EXPECT_EQ(reached, pageIds());
}

TEST_F(HomeControlFile, QuickNavigationColumnsAreWellFormed)
{
    for (const auto& [id, p] : plan()) {
        SCOPED_TRACE("page " + std::to_string(id));
        EXPECT_FALSE(p.name.empty());
        EXPECT_EQ(p.name.find('&'), std::string::npos) << "a button caption would take & as an access key";
        EXPECT_GE(p.level, 1);
        EXPECT_LE(p.level, 3);
        EXPECT_TRUE(p.visible == -1 || p.visible == 0);
        EXPECT_TRUE(p.quickNav == -1 || p.quickNav == 0);
    }
    EXPECT_EQ(plan().at(1).level, 1);
}

std::map<int, std::string> helpMap()
{
    std::map<int, std::string> map;
    std::ifstream in(binDir / "help" / "topics.txt");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        std::istringstream fields(line);
        int id = 0;
        std::string file;
        fields >> id >> file;
        EXPECT_TRUE(map.emplace(id, file).second) << "context id " << id << " mapped twice";
    }
    return map;
}

std::string readText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST_F(HomeControlFile, EveryPageHasItsOwnHelpTopic)
{
    const auto map = helpMap();
    ASSERT_FALSE(map.empty());
    for (int fixed : {100, 104}) {
        ASSERT_TRUE(map.count(fixed)) << fixed;
        EXPECT_TRUE(fs::is_regular_file(binDir / "help" / map.at(fixed))) << map.at(fixed);
    }

    const std::string contents = readText(binDir / "help" / map.at(100));
    std::set<int> helpIds;
    for (const auto& [id, p] : plan()) {
        SCOPED_TRACE("page " + std::to_string(id));
        EXPECT_TRUE(helpIds.insert(p.help).second) << "HelpContextID " << p.help << " shared";
        EXPECT_NE(p.help, 100);
        EXPECT_NE(p.help, 104);
        ASSERT_TRUE(map.count(p.help)) << "HelpContextID " << p.help << " not in the help map";
        const std::string& file = map.at(p.help);
        EXPECT_TRUE(fs::is_regular_file(binDir / "help" / file)) << file;
        EXPECT_NE(contents.find("href=\"" + file + "\""), std::string::npos)
            << "contents does not link " << file;
    }
}

TEST(HelpTopicFiles, TopicsAreSelfContained)
{
    for (const auto& [id, file] : helpMap()) {
        SCOPED_TRACE(file);
        const std::string text = readText(binDir / "help" / file);
        EXPECT_NE(text.find("<h1>"), std::string::npos);
        for (const char* banned : {"<script", "http:", "https:", "www.", "mailto:"})
            EXPECT_EQ(text.find(banned), std::string::npos) << banned;
    }
}

TEST_F(HomeControlFile, LocationsCoverEveryStateWithPlausibleFactors)
{
    EXPECT_EQ(db.nullCount("Locations"), 0);
    EXPECT_EQ(db.rows("SELECT State, City FROM [Locations] GROUP BY State, City HAVING count(*) > 1").size(),
              0u);
    EXPECT_EQ(db.rows("SELECT * FROM [Locations] WHERE LocationID=1").size(), 1u);

    const std::set<std::string> expected{"Alabama",        "Alaska",         "Arizona",
                                         "Arkansas",       "California",     "Colorado",
                                         "Connecticut",    "Delaware",       "District of Columbia",
                                         "Florida",        "Georgia",        "Hawaii",
                                         "Idaho",          "Illinois",       "Indiana",
                                         "Iowa",           "Kansas",         "Kentucky",
                                         "Louisiana",      "Maine",          "Maryland",
                                         "Massachusetts",  "Michigan",       "Minnesota",
                                         "Mississippi",    "Missouri",       "Montana",
                                         "Nebraska",       "Nevada",         "New Hampshire",
                                         "New Jersey",     "New Mexico",     "New York",
                                         "North Carolina", "North Dakota",   "Ohio",
                                         "Oklahoma",       "Oregon",         "Pennsylvania",
                                         "Rhode Island",   "South Carolina", "South Dakota",
                                         "Tennessee",      "Texas",          "Utah",
                                         "Vermont",        "Virginia",       "Washington",
                                         "West Virginia",  "Wisconsin",      "Wyoming"};
    std::set<std::string> states;
    for (const Row& r : db.rows("Select Distinct State from [Locations] Order By State"))
        states.insert(*r[0]);
    EXPECT_EQ(states, expected);
    for (const Row& r : db.rows("SELECT State, count(*) FROM [Locations] GROUP BY State"))
        EXPECT_GE(toInt(r[1]), 3) << *r[0];

    for (const Row& r : db.rows("SELECT LocationID, City, [Location Factor] FROM [Locations]")) {
        const double factor = toDouble(r[2]);
        EXPECT_GE(factor, 0.75) << *r[1];
        EXPECT_LE(factor, 1.35) << *r[1];
        EXPECT_EQ(std::stoll(*r[0]), toInt(r[0])) << "LocationID must be a whole number";
    }
}

TEST_F(HomeControlFile, CityWithApostropheIsFoundByBoundValues)
{
    const auto rows =
        db.rows("Select * from [Locations] Where State=? AND [City]=?", {"Idaho", "Coeur d'Alene"});
    ASSERT_EQ(rows.size(), 1u);
}

class TemplateFile : public ::testing::Test
{
protected:
    Db db{binDir / "Tmplt.cfg"};

    std::map<std::string, Value> houseData() const
    {
        std::map<std::string, Value> fields;
        const auto names = db.columns("HouseData");
        const auto rows = db.rows("SELECT * FROM [HouseData]");
        if (rows.size() == 1)
            for (size_t i = 0; i < names.size(); ++i)
                fields[names[i]] = rows[0][i];
        return fields;
    }
};

TEST_F(TemplateFile, HouseDataHasEveryFieldInOrderWithItsType)
{
    ASSERT_TRUE(db.isOpen());
    // Field, declared type: SMALLINT for Integer, REAL for Single, BIT for Boolean, TEXT for Text.
    const std::vector<std::pair<std::string, std::string>> expected{{"LotCondition", "SMALLINT"},
                                                                    {"WaterType", "SMALLINT"},
                                                                    {"SewerType", "SMALLINT"},
                                                                    {"DefaultGrade", "SMALLINT"},
                                                                    {"NumBedrooms", "SMALLINT"},
                                                                    {"NumFullBath", "SMALLINT"},
                                                                    {"NumHalfBath", "SMALLINT"},
                                                                    {"MainFloorSqFt", "SMALLINT"},
                                                                    {"SecondFloorSqFt", "SMALLINT"},
                                                                    {"ThirdFloorSqFt", "SMALLINT"},
                                                                    {"BonusRoomSqFt", "SMALLINT"},
                                                                    {"BasementSqFt", "SMALLINT"},
                                                                    {"FrontPorchSqFt", "SMALLINT"},
                                                                    {"RearPorchSqFt", "SMALLINT"},
                                                                    {"MainCeilingHeight", "SMALLINT"},
                                                                    {"BasementCeilingHeight", "SMALLINT"},
                                                                    {"NumCarGarage", "SMALLINT"},
                                                                    {"FoundationType", "SMALLINT"},
                                                                    {"BrickConfiguration", "SMALLINT"},
                                                                    {"PrimaryExterior", "TEXT"},
                                                                    {"SecondaryExterior", "TEXT"},
                                                                    {"RoofPitch", "SMALLINT"},
                                                                    {"RoofStyle", "SMALLINT"},
                                                                    {"HeatType", "SMALLINT"},
                                                                    {"FixtureType", "SMALLINT"},
                                                                    {"AC", "BIT"},
                                                                    {"DoorOpeners", "BIT"},
                                                                    {"FinishBonusRoom", "BIT"},
                                                                    {"FinishBasement", "BIT"},
                                                                    {"FinishGarage", "BIT"},
                                                                    {"KitchenIsland", "BIT"},
                                                                    {"KitchenBar", "BIT"},
                                                                    {"GardenTub", "BIT"},
                                                                    {"InterestRate", "REAL"},
                                                                    {"Location", "SMALLINT"},
                                                                    {"LocationFactor", "REAL"},
                                                                    {"FireplaceStyle", "SMALLINT"},
                                                                    {"FireplaceFace", "SMALLINT"},
                                                                    {"ExternalChase", "BIT"},
                                                                    {"DistanceToStreet", "SMALLINT"},
                                                                    {"DrivewayTreatment", "SMALLINT"},
                                                                    {"SidewalksRequired", "BIT"},
                                                                    {"LotWidth", "SMALLINT"},
                                                                    {"LotSize", "REAL"},
                                                                    {"LotPrice", "REAL"},
                                                                    {"CornerLot", "BIT"},
                                                                    {"Pantry", "BIT"},
                                                                    {"BreakfastNook", "BIT"},
                                                                    {"DiningRoom", "BIT"},
                                                                    {"FamilyRoom", "BIT"},
                                                                    {"LivingRoom", "BIT"},
                                                                    {"GreatRoom", "BIT"},
                                                                    {"GatheringRoom", "BIT"},
                                                                    {"Foyer", "BIT"},
                                                                    {"GameRoom", "BIT"},
                                                                    {"Office", "BIT"},
                                                                    {"Study", "BIT"},
                                                                    {"Den", "BIT"},
                                                                    {"SunRoom", "BIT"},
                                                                    {"Loft", "BIT"},
                                                                    {"UtilityRoom", "BIT"},
                                                                    {"SittingRoom", "BIT"},
                                                                    {"BonusRoom", "BIT"},
                                                                    {"Kitchen", "BIT"},
                                                                    {"HouseStyle", "SMALLINT"},
                                                                    {"NumFloors", "SMALLINT"}};
    std::vector<std::pair<std::string, std::string>> actual;
    for (const Row& r : db.rows("PRAGMA table_info([HouseData])"))
        actual.emplace_back(*r[1], *r[2]);
    EXPECT_EQ(actual, expected);

    EXPECT_EQ(db.rows("SELECT * FROM [HouseData]").size(), 1u);
    EXPECT_EQ(db.nullCount("HouseData"), 0);
    for (const auto& [name, type] : expected) {
        const auto stored = db.rows("SELECT typeof([" + name + "]), [" + name + "] FROM [HouseData]");
        ASSERT_EQ(stored.size(), 1u);
        SCOPED_TRACE(name);
        if (type == "TEXT") {
            EXPECT_EQ(*stored[0][0], "text");
        } else if (type == "REAL") {
            EXPECT_EQ(*stored[0][0], "real");
        } else {
            EXPECT_EQ(*stored[0][0], "integer");
            if (type == "BIT") {
                EXPECT_TRUE(*stored[0][1] == "-1" || *stored[0][1] == "0") << *stored[0][1];
            }
        }
    }
}

TEST_F(TemplateFile, DefaultAnswersAreOnesThePagesOffer)
{
    const auto f = houseData();
    ASSERT_FALSE(f.empty());
    const std::vector<std::pair<std::string, std::set<int>>> choices{
        {"LotCondition", {0, 1, 2}},
        {"WaterType", {0, 1}},
        {"SewerType", {0, 1}},
        {"DefaultGrade", {1, 2, 3, 4}},
        {"NumBedrooms", {2, 3, 4, 5, 6}},
        {"NumFullBath", {1, 2, 3, 4, 5, 6}},
        {"NumHalfBath", {0, 1, 2, 3, 4, 5}},
        {"MainCeilingHeight", {8, 9, 10}},
        {"BasementCeilingHeight", {8, 9, 10}},
        {"NumCarGarage", {0, 1, 2, 3, 4}},
        {"FoundationType", {1, 2, 3, 4}},
        {"BrickConfiguration", {0, 1, 2, 3, 4, 5}},
        {"RoofPitch", {4, 8, 10, 12}},
        {"RoofStyle", {0, 1}},
        {"HeatType", {0, 1, 2}},
        {"FixtureType", {0, 1, 2}},
        {"FireplaceStyle", {0, 1, 2}},
        {"FireplaceFace", {0, 1, 2}},
        {"DrivewayTreatment", {0, 1, 2}},
        {"HouseStyle", {1, 2, 3, 4}}};
    for (const auto& [name, allowed] : choices)
        EXPECT_TRUE(allowed.count(toInt(f.at(name)))) << name << " = " << *f.at(name);

    EXPECT_GE(toInt(f.at("MainFloorSqFt")), 500);
    EXPECT_LE(toDouble(f.at("LotSize")), 5.0);
    EXPECT_GE(toDouble(f.at("LotPrice")), 0.0);
    const double rate = toDouble(f.at("InterestRate"));
    EXPECT_TRUE(rate >= 4.0 && rate <= 9.0 && std::fmod(rate * 8, 1.0) == 0.0) << rate;
    EXPECT_EQ(*f.at("Kitchen"), "-1");
}

TEST_F(TemplateFile, DefaultAnswersAgreeWithEachOther)
{
    const auto f = houseData();
    ASSERT_FALSE(f.empty());
    const std::map<int, int> floorsByStyle{{1, 1}, {2, 2}, {3, 2}, {4, 3}};
    EXPECT_EQ(toInt(f.at("NumFloors")), floorsByStyle.at(toInt(f.at("HouseStyle"))));
    if (toInt(f.at("NumFloors")) < 3) {
        EXPECT_EQ(toInt(f.at("ThirdFloorSqFt")), 0);
    }
    if (toInt(f.at("NumFloors")) < 2) {
        EXPECT_EQ(toInt(f.at("SecondFloorSqFt")), 0);
    }

    const int foundation = toInt(f.at("FoundationType"));
    if (foundation == 1 || foundation == 2) {
        EXPECT_EQ(toInt(f.at("BasementSqFt")), 0);
        EXPECT_EQ(toInt(f.at("FinishBasement")), 0);
    } else if (foundation == 3) {
        EXPECT_EQ(f.at("BasementSqFt"), f.at("MainFloorSqFt"));
    }
    if (toInt(f.at("BonusRoom")) == 0) {
        EXPECT_EQ(toInt(f.at("BonusRoomSqFt")), 0);
        EXPECT_EQ(toInt(f.at("FinishBonusRoom")), 0);
    }
    if (toInt(f.at("NumCarGarage")) == 0) {
        EXPECT_EQ(toInt(f.at("DoorOpeners")), 0);
    }
    if (toInt(f.at("HeatType")) != 0) {
        EXPECT_EQ(toInt(f.at("AC")), 0);
    }
    if (toInt(f.at("BrickConfiguration")) == 0) {
        EXPECT_NE(*f.at("PrimaryExterior"), "3");
    }
    if (toInt(f.at("FireplaceStyle")) == 0) {
        EXPECT_EQ(toInt(f.at("FireplaceFace")), 0);
    }

    Db control(binDir / "HomeControl.cfg");
    const auto location =
        control.rows("SELECT [Location Factor] FROM [Locations] WHERE LocationID=?", {*f.at("Location")});
    ASSERT_EQ(location.size(), 1u) << "template location " << *f.at("Location") << " is not in [Locations]";
    // Both are read as Single by the program.
    EXPECT_EQ(float(toDouble(f.at("LocationFactor"))), float(toDouble(location[0][0])));
}

TEST_F(TemplateFile, VersionAndPageHistory)
{
    const auto version = db.rows("SELECT Version FROM [Database]");
    ASSERT_EQ(version.size(), 1u);
    // A new estimate is a file of the version the program reads and writes.
    EXPECT_EQ(float(toDouble(version[0][0])), ProgramDatabaseVersion);
    for (const char* table : {"Form Stack", "Visited Forms"}) {
        const auto rows = db.rows(std::string("SELECT Form_ID FROM [") + table + "]");
        ASSERT_EQ(rows.size(), 1u) << table;
        EXPECT_EQ(toInt(rows[0][0]), 1) << table;
    }
}

TEST(PictureFiles, EveryImageKeyHasAValidDrawing)
{
    for (const char* key : {"Style0", "Style1", "Style2", "Style3", "Bedroom", "Gable", "Hip", "Pitch4",
                            "Pitch8", "Pitch10", "Pitch12", "Welcome"}) {
        const fs::path file = binDir / "pictures" / (std::string(key) + ".svg");
        ASSERT_TRUE(fs::is_regular_file(file)) << file;
        QSvgRenderer renderer(QString::fromStdString(file.string()));
        EXPECT_TRUE(renderer.isValid()) << key;
    }
}

} // namespace
