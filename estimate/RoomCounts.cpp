#include "estimate/clsHomeData.h"

// Room counts and the descriptive texts of the summary and the report. Every count reads the
// answers of this record.

namespace
{

// Adds one per present flag, with the checked 16-bit arithmetic of the counts.
vb::Integer countPresent(std::initializer_list<bool> flags, vb::Integer each = 1)
{
    vb::Integer n = 0;
    for (const bool present : flags)
        if (present) n += each;
    return n;
}

} // namespace

vb::Integer clsHomeData::NumRooms() const
{
    return derived<vb::Integer>(Derived::NumRooms, [&] {
        vb::Integer rooms = NumBedrooms() + NumFullBath() + NumHalfBath();
        const bool bonusRoom = rmBonusRoom();
        const bool finished = FinishBonusRoom();
        rooms += countPresent({rmKitchen(), bonusRoom && finished, rmBreakfastNook(), rmDen(), rmDiningRoom(),
                               rmFamilyRoom(), rmFoyer(), rmGameRoom(), rmGatheringRoom(), rmGreatRoom(),
                               rmLivingRoom(), rmLoft(), rmOffice(), rmPantry(), rmSittingRoom(), rmStudy(),
                               rmSunRoom(), rmUtilityRoom()});
        return rooms;
    });
}

vb::Integer clsHomeData::CountWindows() const
{
    return derived<vb::Integer>(Derived::CountWindows, [&]() -> vb::Integer {
        vb::Integer windows = vb::Integer(2) * (NumBedrooms() + NumFullBath() + NumHalfBath());
        windows +=
            countPresent({rmKitchen(), rmBonusRoom(), rmBreakfastNook(), rmDen(), rmDiningRoom(),
                          rmFamilyRoom(), rmGameRoom(), rmGatheringRoom(), rmGreatRoom(), rmLivingRoom(),
                          rmLoft(), rmOffice(), rmSittingRoom(), rmStudy(), rmSunRoom(), rmUtilityRoom()},
                         2);
        return windows;
    });
}

vb::Integer clsHomeData::CountInteriorDoors() const
{
    return derived<vb::Integer>(Derived::CountInteriorDoors, [&]() -> vb::Integer {
        vb::Integer doors = NumBedrooms() + NumFullBath() + NumHalfBath();
        doors += countPresent({rmBonusRoom(), rmDen(), rmGameRoom(), rmOffice(), rmPantry(), rmSittingRoom(),
                               rmStudy(), rmSunRoom(), rmUtilityRoom()});
        return doors;
    });
}

vb::Integer clsHomeData::CountBedroomDoors() const
{
    return NumBedrooms();
}

vb::Integer clsHomeData::CountOpenRooms() const
{
    return derived<vb::Integer>(Derived::CountOpenRooms, [&]() -> vb::Integer {
        return countPresent({rmKitchen(), rmBreakfastNook(), rmDiningRoom(), rmFamilyRoom(),
                             rmGatheringRoom(), rmGreatRoom(), rmLivingRoom()});
    });
}

QString clsHomeData::ListRooms() const
{
    const ComputeScope scope(*this);
    QString list;
    if (rmKitchen()) list += QStringLiteral("Kitchen");
    const std::pair<bool, QString> rooms[] = {
        {rmBonusRoom(), QStringLiteral(", Bonus Room")},
        {rmDen(), QStringLiteral(", Den")},
        {rmDiningRoom(), QStringLiteral(", Dining Room")},
        {rmFamilyRoom(), QStringLiteral(", Family Room")},
        {rmFoyer(), QStringLiteral(", Foyer")},
        {rmGameRoom(), QStringLiteral(", Game Room")},
        {rmGatheringRoom(), QStringLiteral(", Gathering Room")},
        {rmGreatRoom(), QStringLiteral(", Great Room")},
        {rmLivingRoom(), QStringLiteral(", Living Room")},
        {rmLoft(), QStringLiteral(", Loft")},
        {rmOffice(), QStringLiteral(", Office")},
        {rmSittingRoom(), QStringLiteral(", Sitting Room")},
        {rmStudy(), QStringLiteral(", Study")},
        {rmSunRoom(), QStringLiteral(", Sun Room")},
        {rmUtilityRoom(), QStringLiteral(", Utility Room")},
    };
    for (const auto& [present, name] : rooms)
        if (present) list += name;
    return list;
}

QString clsHomeData::KitchenFeatures() const
{
    const ComputeScope scope(*this);
    const std::pair<bool, QString> features[] = {
        {rmBreakfastNook(), QStringLiteral("Nook")},
        {rmPantry(), QStringLiteral("Pantry")},
        {KitchenBar(), QStringLiteral("Bar")},
        {KitchenIsland(), QStringLiteral("Island")},
    };
    QString list;
    for (const auto& [present, name] : features) {
        if (!present) continue;
        if (!list.isEmpty()) list += QStringLiteral(", ");
        list += name;
    }
    return list.isEmpty() ? QStringLiteral("Basic") : list;
}

QString clsHomeData::ListFeatures() const
{
    const ComputeScope scope(*this);
    QString list;
    switch (FixtureType().value()) {
    case 0:
        list = QStringLiteral("Chrome Faucet Fixtures");
        break;
    case 1:
        list = QStringLiteral("Brushed Finish Faucet Fixtures");
        break;
    case 2:
        list = QStringLiteral("Brass Faucet Fixtures");
        break;
    default:
        break;
    }
    if (GardenTub()) list += QStringLiteral(", Garden Tub");
    if (FinishBasement()) list += QStringLiteral(", Finished Basement");
    if (FinishGarage()) list += QStringLiteral(", Insulated Garage");
    if (DoorOpeners()) list += QStringLiteral(", Garage Door Openers");
    return list;
}
