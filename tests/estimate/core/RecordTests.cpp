#include "HouseFixture.h"

#include "runtime/ado/Recordset.h"

#include <QDir>

using namespace estimate_test;

namespace
{

using IntGet = vb::Integer (clsHomeData::*)() const;
using IntSet = void (clsHomeData::*)(vb::Integer);
using BoolGet = bool (clsHomeData::*)() const;
using BoolSet = void (clsHomeData::*)(bool);
using SingleGet = float (clsHomeData::*)() const;
using SingleSet = void (clsHomeData::*)(float);

// Plain Integer answers (no side effects), with the value the round trip writes.
const struct {
    IntSet set;
    IntGet get;
    int16_t value;
} kIntegerFields[] = {
    {&clsHomeData::setLotCondition, &clsHomeData::LotCondition, 2},
    {&clsHomeData::setWaterType, &clsHomeData::WaterType, 1},
    {&clsHomeData::setSewerType, &clsHomeData::SewerType, 1},
    {&clsHomeData::setDefaultGrade, &clsHomeData::DefaultGrade, 4},
    {&clsHomeData::setNumBedrooms, &clsHomeData::NumBedrooms, 5},
    {&clsHomeData::setNumFullBath, &clsHomeData::NumFullBath, 3},
    {&clsHomeData::setNumHalfBath, &clsHomeData::NumHalfBath, 2},
    {&clsHomeData::setMainFloorSqFt, &clsHomeData::MainFloorSqFt, 2222},
    {&clsHomeData::setSecondFloorSqFt, &clsHomeData::SecondFloorSqFt, 1111},
    {&clsHomeData::setThirdFloorSqFt, &clsHomeData::ThirdFloorSqFt, 555},
    {&clsHomeData::setBonusRoomSqFt, &clsHomeData::BonusRoomSqFt, 321},
    {&clsHomeData::setFrontPorchSqFt, &clsHomeData::FrontPorchSqFt, 120},
    {&clsHomeData::setRearPorchSqFt, &clsHomeData::RearPorchSqFt, 140},
    {&clsHomeData::setMainCeilingHeight, &clsHomeData::MainCeilingHeight, 10},
    {&clsHomeData::setBasementCeilingHeight, &clsHomeData::BasementCeilingHeight, 9},
    {&clsHomeData::setNumCarGarage, &clsHomeData::NumCarGarage, 3},
    {&clsHomeData::setBrickConfiguration, &clsHomeData::BrickConfiguration, 5},
    {&clsHomeData::setRoofPitch, &clsHomeData::RoofPitch, 12},
    {&clsHomeData::setRoofStyle, &clsHomeData::RoofStyle, 1},
    {&clsHomeData::setHeatType, &clsHomeData::HeatType, 2},
    {&clsHomeData::setFixtureType, &clsHomeData::FixtureType, 2},
    {&clsHomeData::setFireplaceStyle, &clsHomeData::FireplaceStyle, 2},
    {&clsHomeData::setFireplaceFace, &clsHomeData::FireplaceFace, 1},
    {&clsHomeData::setDistanceToStreet, &clsHomeData::DistanceToStreet, -7},
    {&clsHomeData::setDrivewayTreatment, &clsHomeData::DrivewayTreatment, 1},
    {&clsHomeData::setLotWidth, &clsHomeData::LotWidth, 32767},
};

// Plain Boolean answers, each flipped from the fixture's value by the round trip.
const struct {
    BoolSet set;
    BoolGet get;
} kBooleanFields[] = {
    {&clsHomeData::setAC, &clsHomeData::AC},
    {&clsHomeData::setDoorOpeners, &clsHomeData::DoorOpeners},
    {&clsHomeData::setFinishBonusRoom, &clsHomeData::FinishBonusRoom},
    {&clsHomeData::setFinishBasement, &clsHomeData::FinishBasement},
    {&clsHomeData::setFinishGarage, &clsHomeData::FinishGarage},
    {&clsHomeData::setKitchenIsland, &clsHomeData::KitchenIsland},
    {&clsHomeData::setKitchenBar, &clsHomeData::KitchenBar},
    {&clsHomeData::setGardenTub, &clsHomeData::GardenTub},
    {&clsHomeData::setExternalChase, &clsHomeData::ExternalChase},
    {&clsHomeData::setSidewalksRequired, &clsHomeData::SidewalksRequired},
    {&clsHomeData::setCornerLot, &clsHomeData::CornerLot},
    {&clsHomeData::setrmPantry, &clsHomeData::rmPantry},
    {&clsHomeData::setrmBreakfastNook, &clsHomeData::rmBreakfastNook},
    {&clsHomeData::setrmDiningRoom, &clsHomeData::rmDiningRoom},
    {&clsHomeData::setrmFamilyRoom, &clsHomeData::rmFamilyRoom},
    {&clsHomeData::setrmLivingRoom, &clsHomeData::rmLivingRoom},
    {&clsHomeData::setrmGreatRoom, &clsHomeData::rmGreatRoom},
    {&clsHomeData::setrmGatheringRoom, &clsHomeData::rmGatheringRoom},
    {&clsHomeData::setrmFoyer, &clsHomeData::rmFoyer},
    {&clsHomeData::setrmGameRoom, &clsHomeData::rmGameRoom},
    {&clsHomeData::setrmOffice, &clsHomeData::rmOffice},
    {&clsHomeData::setrmStudy, &clsHomeData::rmStudy},
    {&clsHomeData::setrmDen, &clsHomeData::rmDen},
    {&clsHomeData::setrmSunRoom, &clsHomeData::rmSunRoom},
    {&clsHomeData::setrmLoft, &clsHomeData::rmLoft},
    {&clsHomeData::setrmUtilityRoom, &clsHomeData::rmUtilityRoom},
    {&clsHomeData::setrmSittingRoom, &clsHomeData::rmSittingRoom},
    {&clsHomeData::setrmKitchen, &clsHomeData::rmKitchen},
};

// Single answers; the values are not exact in binary, so a lossy column would show.
const struct {
    SingleSet set;
    SingleGet get;
    float value;
} kSingleFields[] = {
    {&clsHomeData::setInterestRate, &clsHomeData::InterestRate, 7.37f},
    {&clsHomeData::setLotSize, &clsHomeData::LotSize, 0.3f},
    {&clsHomeData::setLotPrice, &clsHomeData::LotPrice, 45678.9f},
};

} // namespace

TEST_F(HouseTest, LoadsTheFileAndNamesItsSteps)
{
    EXPECT_EQ(steps, QStringList({QStringLiteral("Create Recordsets for Initializing the House Class"),
                                  QStringLiteral("Open Recordset for Initializing the House Class")}));
    EXPECT_TRUE(hd->rmKitchen());
    EXPECT_EQ(hd->Style().value(), 1);
    EXPECT_EQ(hd->NumFloors().value(), 1);
    EXPECT_EQ(hd->ExteriorPrimary(), QStringLiteral("1"));
    EXPECT_FLOAT_EQ(hd->InterestRate(), 6.5f);
    EXPECT_FLOAT_EQ(hd->DBVersion(), 2.0f);
    EXPECT_EQ(&hd->rsHouseData(), &hd->rsHouseData());

    hd->SaveData();
    EXPECT_EQ(steps.last(), QStringLiteral("Save Recordset for the House Class"));
}

TEST_F(HouseTest, EveryAnswerSurvivesSaveAndReopen)
{
    for (const auto& f : kIntegerFields)
        (hd.get()->*f.set)(f.value);
    for (const auto& f : kBooleanFields)
        (hd.get()->*f.set)(!(hd.get()->*f.get)());
    for (const auto& f : kSingleFields)
        (hd.get()->*f.set)(f.value);
    hd->setExteriorPrimary(QStringLiteral("5"));
    hd->setExteriorSecondary(QStringLiteral("3"));
    hd->setrmBonusRoom(true);
    hd->setFoundationType(4);
    hd->setBasementSqFt(900);
    hd->setStyle(3);
    hd->setLocation(7);
    hd->SaveData();

    ado::Connection other;
    const auto again = reopen(other);
    for (const auto& f : kIntegerFields)
        EXPECT_EQ((again.get()->*f.get)().value(), f.value);
    for (const auto& f : kBooleanFields)
        EXPECT_EQ((again.get()->*f.get)(), (hd.get()->*f.get)());
    for (const auto& f : kSingleFields)
        EXPECT_EQ((again.get()->*f.get)(), f.value);
    EXPECT_EQ(again->ExteriorPrimary(), QStringLiteral("5"));
    EXPECT_EQ(again->ExteriorSecondary(), QStringLiteral("3"));
    EXPECT_TRUE(again->rmBonusRoom());
    EXPECT_EQ(again->FoundationType().value(), 4);
    EXPECT_EQ(again->BasementSqFt().value(), 900);
    EXPECT_EQ(again->Style().value(), 3);
    EXPECT_EQ(again->NumFloors().value(), 2);
    EXPECT_EQ(again->Location().value(), 7);
    EXPECT_EQ(again->LocationFactor(), 0.9f);

    // Yes/no answers reach the file as -1 and 0.
    ado::Recordset raw;
    raw.Open(QStringLiteral("Select AC, Kitchen from [HouseData]"), other);
    EXPECT_EQ(raw.Field(QStringLiteral("AC")).toLongLong(), -1);
    EXPECT_EQ(raw.Field(QStringLiteral("Kitchen")).toLongLong(), 0);
}

TEST_F(HouseTest, WritesStayInMemoryUntilSaved)
{
    hd->setNumBedrooms(4);
    hd->setExteriorPrimary(QStringLiteral("2"));
    ado::Connection other;
    EXPECT_EQ(reopen(other)->NumBedrooms().value(), 0);

    // Reloading drops the unsaved answers.
    hd->InitializeData();
    EXPECT_EQ(hd->NumBedrooms().value(), 0);
    EXPECT_EQ(hd->ExteriorPrimary(), QStringLiteral("1"));
}

TEST_F(HouseTest, TwoRecordsKeepTheirOwnAnswers)
{
    ado::Connection other;
    const auto second = reopen(other);
    hd->setNumBedrooms(3);
    hd->setrmDen(true);
    second->setrmKitchen(false);

    EXPECT_EQ(hd->NumRooms().value(), 5);
    EXPECT_EQ(hd->ListRooms(), QStringLiteral("Kitchen, Den"));
    EXPECT_EQ(second->NumRooms().value(), 0);
    EXPECT_EQ(second->ListRooms(), QString());
    EXPECT_EQ(clsHomeDataProbe(*second).CountWindows().value(), 0);
    EXPECT_EQ(clsHomeDataProbe(*hd).CountWindows().value(), 10);
}

TEST_F(HouseTest, StyleSetsTheNumberOfFloors)
{
    const struct {
        int16_t style;
        int16_t floors;
    } steps[] = {{5, 3}, {0, 3}, {6, 3}, {1, 1}, {4, 3}, {1, 1}, {2, 2}, {-1, 2}, {3, 2}, {4, 3}};
    for (const auto& s : steps) {
        hd->setStyle(s.style);
        EXPECT_EQ(hd->Style().value(), s.style);
        EXPECT_EQ(hd->NumFloors().value(), s.floors) << "style " << s.style;
    }
}

TEST_F(HouseTest, FoundationTypeClearsTheBasementOnlyForCrawlAndSlab)
{
    for (const int16_t type : {1, 2, 3, 4, 0}) {
        hd->setBasementSqFt(1200);
        hd->setFinishBasement(true);
        hd->setFoundationType(type);
        const bool cleared = type == 1 || type == 2;
        EXPECT_EQ(hd->FoundationType().value(), type);
        EXPECT_EQ(hd->BasementSqFt().value(), cleared ? 0 : 1200) << "type " << type;
        EXPECT_EQ(hd->FinishBasement(), !cleared) << "type " << type;
    }
}

TEST_F(HouseTest, RemovingTheBonusRoomClearsItsAnswers)
{
    hd->setrmBonusRoom(true);
    hd->setFinishBonusRoom(true);
    hd->setBonusRoomSqFt(300);
    hd->setrmBonusRoom(true);
    EXPECT_TRUE(hd->FinishBonusRoom());
    EXPECT_EQ(hd->BonusRoomSqFt().value(), 300);

    hd->setrmBonusRoom(false);
    EXPECT_FALSE(hd->rmBonusRoom());
    EXPECT_FALSE(hd->FinishBonusRoom());
    EXPECT_EQ(hd->BonusRoomSqFt().value(), 0);
}

TEST_F(HouseTest, LocationLooksUpItsFactorAndName)
{
    const struct {
        int16_t id;
        float factor;
        const char16_t* name;
    } cases[] = {
        {7, 0.9f, u"Austin, Texas"},        {99, 1.0f, u" "},       // no such row
        {8, 1.25f, u"Juneau, Alaska"},      {20, 1.2f, u", Maine"}, // the city is missing
        {9, 1.1f, u"Coeur d'Alene, Idaho"}, {-5, 1.0f, u" "},
    };
    for (const auto& c : cases) {
        hd->setLocation(c.id);
        EXPECT_EQ(hd->Location().value(), c.id);
        EXPECT_EQ(hd->LocationFactor(), c.factor) << "id " << c.id;
        EXPECT_EQ(hd->LocationName(), QString::fromUtf16(c.name)) << "id " << c.id;
    }
}

TEST_F(HouseTest, LocationWithoutFactorFailsAndKeepsTheOldLocation)
{
    hd->setLocation(7);
    QString description;
    EXPECT_EQ(errorOf([&] { hd->setLocation(21); }, &description), vb::ErrInvalidNull);
    EXPECT_TRUE(description.contains(QStringLiteral("Location Factor")));
    EXPECT_EQ(hd->Location().value(), 7);
}

TEST_F(HouseTest, ReadsConvertAsTheRuntimeDoes)
{
    const struct {
        const char* sql;
        int32_t error;
        int16_t value;
    } cases[] = {
        {"UPDATE [HouseData] SET NumBedrooms = 2.5", 0, 2},
        {"UPDATE [HouseData] SET NumBedrooms = 3.5", 0, 4},
        {"UPDATE [HouseData] SET NumBedrooms = -2.5", 0, -2},
        {"UPDATE [HouseData] SET NumBedrooms = 32767", 0, 32767},
        {"UPDATE [HouseData] SET NumBedrooms = 40000", vb::ErrOverflow, 0},
        {"UPDATE [HouseData] SET NumBedrooms = 'many'", vb::ErrTypeMismatch, 0},
        {"UPDATE [HouseData] SET NumBedrooms = NULL", vb::ErrInvalidNull, 0},
    };
    for (const auto& c : cases) {
        execute(housePath, c.sql);
        hd->InitializeData();
        int16_t value = 0;
        EXPECT_EQ(errorOf([&] { value = hd->NumBedrooms().value(); }), c.error) << c.sql;
        if (c.error == 0) {
            EXPECT_EQ(value, c.value) << c.sql;
        }
    }
}

TEST_F(HouseTest, NullFieldNamesTheFieldInEveryReader)
{
    execute(housePath, "UPDATE [HouseData] SET Foyer = NULL, LotSize = NULL, SecondaryExterior = NULL, "
                       "MainFloorSqFt = NULL");
    hd->InitializeData();
    const struct {
        std::function<void()> read;
        const char16_t* field;
    } cases[] = {
        {[&] { hd->rmFoyer(); }, u"Foyer"},
        {[&] { hd->LotSize(); }, u"LotSize"},
        {[&] { hd->ExteriorSecondary(); }, u"SecondaryExterior"},
        {[&] { hd->MainFloorSqFt(); }, u"MainFloorSqFt"},
        {[&] { hd->NumRooms(); }, u"Foyer"},
        {[&] { hd->CalculateTotal(); }, u"Foyer"},
    };
    for (const auto& c : cases) {
        QString description;
        EXPECT_EQ(errorOf(c.read, &description), vb::ErrInvalidNull);
        EXPECT_TRUE(description.contains(QString::fromUtf16(c.field))) << description.toStdString();
    }
    // A write replaces the Null.
    hd->setrmFoyer(true);
    EXPECT_TRUE(hd->rmFoyer());
}

TEST_F(HouseTest, FailedSaveLeavesTheRecordWorking)
{
    hd->setNumBedrooms(2);
    houseCn.Close();
    EXPECT_NE(errorOf([&] { hd->SaveData(); }), 0);
    EXPECT_EQ(hd->NumBedrooms().value(), 2);

    houseCn.Open(housePath);
    hd->SaveData();
    ado::Connection other;
    EXPECT_EQ(reopen(other)->NumBedrooms().value(), 2);
}

TEST_F(HouseTest, HouseDataWithoutRowFailsOnRead)
{
    execute(housePath, "DELETE FROM [HouseData]");
    hd->InitializeData();
    EXPECT_EQ(errorOf([&] { hd->NumBedrooms().value(); }), vb::ErrNoCurrentRecord);
}

TEST(HouseRecord, NeverLoadedRecordClosesQuietly)
{
    ado::Connection house;
    ado::Connection control;
    QStringList steps;
    {
        clsHomeData r(house, control, [&](const QString& s) { steps << s; });
    }
    EXPECT_EQ(steps, QStringList{QStringLiteral("Create Recordsets for Initializing the House Class")});
}

TEST(HouseRecord, ProgramTemplateLoads)
{
    const QString tmplt = QStringLiteral(TAVIMOOR_BIN_DIR "/Tmplt.cfg");
    const QString control = QStringLiteral(TAVIMOOR_BIN_DIR "/HomeControl.cfg");
    if (!QFile::exists(tmplt) || !QFile::exists(control)) GTEST_SKIP() << "data files not built";
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("~092891.tmp"));
    ASSERT_TRUE(QFile::copy(tmplt, copy));
    ado::Connection houseCn;
    ado::Connection controlCn;
    houseCn.Open(copy);
    controlCn.Open(control, ado::OpenMode::ReadOnly);
    clsHomeData r(houseCn, controlCn);
    r.InitializeData();
    EXPECT_FLOAT_EQ(r.DBVersion(), 2.0f);
    // Every answer of the template reads, and the record prices it.
    for (const auto& f : kIntegerFields)
        (void)(r.*f.get)();
    for (const auto& f : kBooleanFields)
        (void)(r.*f.get)();
    for (const auto& f : kSingleFields)
        (void)(r.*f.get)();
    EXPECT_NE(r.LocationName(), QStringLiteral(" "));
    EXPECT_GT(r.NumRooms().value(), 0);
    EXPECT_GT(r.CalculateTotal(), 0);
    r.setLocation(r.Location());
    r.SaveData();
}

namespace
{

using namespace estimate_test;

TEST_F(HouseTest, NonFiniteAmountIsNeverStored)
{
    const float before = hd->LotSize();
    for (float v : {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}) {
        EXPECT_EQ(errorOf([&] { hd->setLotSize(v); }), vb::ErrOverflow);
        EXPECT_EQ(errorOf([&] { hd->setInterestRate(-v); }), vb::ErrOverflow);
    }
    EXPECT_EQ(hd->LotSize(), before);
    hd->SaveData();
    ado::Connection other;
    EXPECT_EQ(reopen(other)->LotSize(), before);
}

TEST_F(HouseTest, FailedLoadLeavesNoVersionOfTheFileBefore)
{
    EXPECT_EQ(hd->DBVersion(), 2.0f);
    execute(housePath, "DROP TABLE [HouseData]");
    EXPECT_NE(errorOf([&] { hd->InitializeData(); }), 0);
    EXPECT_NE(errorOf([&] { hd->DBVersion(); }), 0);
}

TEST_F(HouseTest, CheckDataNeedsOneRowWithEveryFieldReadable)
{
    EXPECT_EQ(errorOf([&] { hd->CheckData(); }), 0);
    struct Case {
        const char* sql;
        int32_t error;
    };
    const Case cases[] = {
        {"UPDATE [HouseData] SET Kitchen = NULL", vb::ErrInvalidNull},
        {"UPDATE [HouseData] SET LotPrice = 'cheap'", vb::ErrTypeMismatch},
        {"UPDATE [HouseData] SET NumFloors = 70000", vb::ErrOverflow},
        {"INSERT INTO [HouseData] SELECT * FROM [HouseData]", vb::ErrNoCurrentRecord},
        {"DELETE FROM [HouseData]", vb::ErrNoCurrentRecord},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sql);
        houseCn.Close();
        QFile::remove(housePath);
        buildHouseFile(housePath);
        houseCn.Open(housePath);
        execute(housePath, c.sql);
        hd->InitializeData();
        EXPECT_EQ(errorOf([&] { hd->CheckData(); }), c.error);
    }
}

} // namespace
