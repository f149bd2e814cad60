#include "HouseFixture.h"

using namespace estimate_test;

class RoomCounts : public HouseTest
{
protected:
    void SetUp() override
    {
        HouseTest::SetUp();
        if (HasFatalFailure()) return;
        hd->setrmKitchen(false);
    }
    clsHomeDataProbe counts() const { return clsHomeDataProbe(*hd); }
};

TEST_F(RoomCounts, EmptyHouse)
{
    EXPECT_EQ(hd->NumRooms().value(), 0);
    EXPECT_EQ(hd->ListRooms(), QString());
    EXPECT_EQ(hd->KitchenFeatures(), QStringLiteral("Basic"));
    EXPECT_EQ(counts().CountWindows().value(), 0);
    EXPECT_EQ(counts().CountInteriorDoors().value(), 0);
    EXPECT_EQ(counts().CountOpenRooms().value(), 0);
}

TEST_F(RoomCounts, TypicalHouse)
{
    hd->setNumBedrooms(3);
    hd->setNumFullBath(2);
    hd->setNumHalfBath(1);
    hd->setrmKitchen(true);
    hd->setrmDiningRoom(true);
    hd->setrmFamilyRoom(true);
    hd->setrmFoyer(true);
    hd->setrmPantry(true);
    const auto c = counts();
    EXPECT_EQ(hd->NumRooms().value(), 11);
    EXPECT_EQ(c.CountWindows().value(), 18);
    EXPECT_EQ(c.CountInteriorDoors().value(), 7);
    EXPECT_EQ(c.CountBedroomDoors().value(), 3);
    EXPECT_EQ(c.CountOpenRooms().value(), 3);
    EXPECT_EQ(hd->ListRooms(), QStringLiteral("Kitchen, Dining Room, Family Room, Foyer"));
    EXPECT_EQ(hd->KitchenFeatures(), QStringLiteral("Pantry"));
}

// What each room flag adds on its own: rooms, windows, interior doors, open rooms, list text.
TEST_F(RoomCounts, EachRoomFlag)
{
    using Set = void (clsHomeData::*)(bool);
    const struct {
        Set set;
        int16_t rooms, windows, doors, open;
        const char16_t* listed;
    } cases[] = {
        {&clsHomeData::setrmKitchen, 1, 2, 0, 1, u"Kitchen"},
        {&clsHomeData::setrmBonusRoom, 0, 2, 1, 0, u", Bonus Room"}, // not finished
        {&clsHomeData::setrmBreakfastNook, 1, 2, 0, 1, u""},
        {&clsHomeData::setrmDen, 1, 2, 1, 0, u", Den"},
        {&clsHomeData::setrmDiningRoom, 1, 2, 0, 1, u", Dining Room"},
        {&clsHomeData::setrmFamilyRoom, 1, 2, 0, 1, u", Family Room"},
        {&clsHomeData::setrmFoyer, 1, 0, 0, 0, u", Foyer"},
        {&clsHomeData::setrmGameRoom, 1, 2, 1, 0, u", Game Room"},
        {&clsHomeData::setrmGatheringRoom, 1, 2, 0, 1, u", Gathering Room"},
        {&clsHomeData::setrmGreatRoom, 1, 2, 0, 1, u", Great Room"},
        {&clsHomeData::setrmLivingRoom, 1, 2, 0, 1, u", Living Room"},
        {&clsHomeData::setrmLoft, 1, 2, 0, 0, u", Loft"},
        {&clsHomeData::setrmOffice, 1, 2, 1, 0, u", Office"},
        {&clsHomeData::setrmPantry, 1, 0, 1, 0, u""},
        {&clsHomeData::setrmSittingRoom, 1, 2, 1, 0, u", Sitting Room"},
        {&clsHomeData::setrmStudy, 1, 2, 1, 0, u", Study"},
        {&clsHomeData::setrmSunRoom, 1, 2, 1, 0, u", Sun Room"},
        {&clsHomeData::setrmUtilityRoom, 1, 2, 1, 0, u", Utility Room"},
    };
    const auto c = counts();
    int i = 0;
    for (const auto& row : cases) {
        (hd.get()->*row.set)(true);
        EXPECT_EQ(hd->NumRooms().value(), row.rooms) << "row " << i;
        EXPECT_EQ(c.CountWindows().value(), row.windows) << "row " << i;
        EXPECT_EQ(c.CountInteriorDoors().value(), row.doors) << "row " << i;
        EXPECT_EQ(c.CountOpenRooms().value(), row.open) << "row " << i;
        EXPECT_EQ(hd->ListRooms(), QString::fromUtf16(row.listed)) << "row " << i;
        (hd.get()->*row.set)(false);
        ++i;
    }
}

TEST_F(RoomCounts, FinishedBonusRoomCountsAsARoom)
{
    hd->setrmBonusRoom(true);
    hd->setFinishBonusRoom(true);
    EXPECT_EQ(hd->NumRooms().value(), 1);
    hd->setrmBonusRoom(false); // also clears the finish
    hd->setFinishBonusRoom(true);
    EXPECT_EQ(hd->NumRooms().value(), 0);
}

TEST_F(RoomCounts, ListsJoinWithoutAnd)
{
    hd->setrmDen(true);
    hd->setrmOffice(true);
    EXPECT_EQ(hd->ListRooms(), QStringLiteral(", Den, Office"));

    const struct {
        bool nook, pantry, bar, island;
        const char16_t* text;
    } kitchens[] = {
        {false, false, true, true, u"Bar, Island"},
        {true, true, true, true, u"Nook, Pantry, Bar, Island"},
        {false, true, false, true, u"Pantry, Island"},
        {false, false, false, false, u"Basic"},
    };
    for (const auto& k : kitchens) {
        hd->setrmBreakfastNook(k.nook);
        hd->setrmPantry(k.pantry);
        hd->setKitchenBar(k.bar);
        hd->setKitchenIsland(k.island);
        EXPECT_EQ(hd->KitchenFeatures(), QString::fromUtf16(k.text));
    }
}

TEST_F(RoomCounts, FeatureList)
{
    const struct {
        int16_t fixture;
        bool tub, basement, garage, openers;
        const char16_t* text;
    } cases[] = {
        {2, true, false, false, true, u"Brass Faucet Fixtures, Garden Tub, Garage Door Openers"},
        {3, false, true, false, false, u", Finished Basement"},
        {0, false, false, false, false, u"Chrome Faucet Fixtures"},
        {1, true, true, true, true,
         u"Brushed Finish Faucet Fixtures, Garden Tub, Finished Basement, Insulated Garage, Garage Door "
         u"Openers"},
        {-1, false, false, false, false, u""},
    };
    for (const auto& c : cases) {
        hd->setFixtureType(c.fixture);
        hd->setGardenTub(c.tub);
        hd->setFinishBasement(c.basement);
        hd->setFinishGarage(c.garage);
        hd->setDoorOpeners(c.openers);
        EXPECT_EQ(hd->ListFeatures(), QString::fromUtf16(c.text));
    }
}

TEST_F(RoomCounts, SumsOverflowSixteenBits)
{
    hd->setNumBedrooms(32767);
    EXPECT_EQ(hd->NumRooms().value(), 32767);
    hd->setrmDen(true);
    EXPECT_EQ(errorOf([&] { hd->NumRooms().value(); }), vb::ErrOverflow);
    EXPECT_EQ(errorOf([&] { counts().CountWindows(); }), vb::ErrOverflow);
}
