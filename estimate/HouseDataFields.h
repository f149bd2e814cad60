#pragma once

#include <cstddef>
#include <string_view>

// The fields of [HouseData] in the order the record declares them: the field, the property
// that reads and writes it, its type and its write accessor (Plain: a plain store; Own: written
// by hand beside the class because it does more; ReadOnly: none). Integer is 16-bit, Single a
// 32-bit float, Boolean stored as -1 and 0, Text variable-length. data/Tmplt.sql declares the
// same fields in the same order (checked by the tests).
// clang-format off
#define TAVIMOOR_HOUSE_DATA_FIELDS(X) \
    X(LotCondition,          LotCondition,          Integer, Plain) \
    X(WaterType,             WaterType,             Integer, Plain) \
    X(SewerType,             SewerType,             Integer, Plain) \
    X(DefaultGrade,          DefaultGrade,          Integer, Plain) \
    X(NumBedrooms,           NumBedrooms,           Integer, Plain) \
    X(NumFullBath,           NumFullBath,           Integer, Plain) \
    X(NumHalfBath,           NumHalfBath,           Integer, Plain) \
    X(MainFloorSqFt,         MainFloorSqFt,         Integer, Plain) \
    X(SecondFloorSqFt,       SecondFloorSqFt,       Integer, Plain) \
    X(ThirdFloorSqFt,        ThirdFloorSqFt,        Integer, Plain) \
    X(BonusRoomSqFt,         BonusRoomSqFt,         Integer, Plain) \
    X(BasementSqFt,          BasementSqFt,          Integer, Plain) \
    X(FrontPorchSqFt,        FrontPorchSqFt,        Integer, Plain) \
    X(RearPorchSqFt,         RearPorchSqFt,         Integer, Plain) \
    X(MainCeilingHeight,     MainCeilingHeight,     Integer, Plain) \
    X(BasementCeilingHeight, BasementCeilingHeight, Integer, Plain) \
    X(NumCarGarage,          NumCarGarage,          Integer, Plain) \
    X(FoundationType,        FoundationType,        Integer, Own) \
    X(BrickConfiguration,    BrickConfiguration,    Integer, Plain) \
    X(PrimaryExterior,       ExteriorPrimary,       Text,    Plain) \
    X(SecondaryExterior,     ExteriorSecondary,     Text,    Plain) \
    X(RoofPitch,             RoofPitch,             Integer, Plain) \
    X(RoofStyle,             RoofStyle,             Integer, Plain) \
    X(HeatType,              HeatType,              Integer, Plain) \
    X(FixtureType,           FixtureType,           Integer, Plain) \
    X(AC,                    AC,                    Boolean, Plain) \
    X(DoorOpeners,           DoorOpeners,           Boolean, Plain) \
    X(FinishBonusRoom,       FinishBonusRoom,       Boolean, Plain) \
    X(FinishBasement,        FinishBasement,        Boolean, Plain) \
    X(FinishGarage,          FinishGarage,          Boolean, Plain) \
    X(KitchenIsland,         KitchenIsland,         Boolean, Plain) \
    X(KitchenBar,            KitchenBar,            Boolean, Plain) \
    X(GardenTub,             GardenTub,             Boolean, Plain) \
    X(InterestRate,          InterestRate,          Single,  Plain) \
    X(Location,              Location,              Integer, Own) \
    X(LocationFactor,        LocationFactor,        Single,  Plain) \
    X(FireplaceStyle,        FireplaceStyle,        Integer, Plain) \
    X(FireplaceFace,         FireplaceFace,         Integer, Plain) \
    X(ExternalChase,         ExternalChase,         Boolean, Plain) \
    X(DistanceToStreet,      DistanceToStreet,      Integer, Plain) \
    X(DrivewayTreatment,     DrivewayTreatment,     Integer, Plain) \
    X(SidewalksRequired,     SidewalksRequired,     Boolean, Plain) \
    X(LotWidth,              LotWidth,              Integer, Plain) \
    X(LotSize,               LotSize,               Single,  Plain) \
    X(LotPrice,              LotPrice,              Single,  Plain) \
    X(CornerLot,             CornerLot,             Boolean, Plain) \
    X(Pantry,                rmPantry,              Boolean, Plain) \
    X(BreakfastNook,         rmBreakfastNook,       Boolean, Plain) \
    X(DiningRoom,            rmDiningRoom,          Boolean, Plain) \
    X(FamilyRoom,            rmFamilyRoom,          Boolean, Plain) \
    X(LivingRoom,            rmLivingRoom,          Boolean, Plain) \
    X(GreatRoom,             rmGreatRoom,           Boolean, Plain) \
    X(GatheringRoom,         rmGatheringRoom,       Boolean, Plain) \
    X(Foyer,                 rmFoyer,               Boolean, Plain) \
    X(GameRoom,              rmGameRoom,            Boolean, Plain) \
    X(Office,                rmOffice,              Boolean, Plain) \
    X(Study,                 rmStudy,               Boolean, Plain) \
    X(Den,                   rmDen,                 Boolean, Plain) \
    X(SunRoom,               rmSunRoom,             Boolean, Plain) \
    X(Loft,                  rmLoft,                Boolean, Plain) \
    X(UtilityRoom,           rmUtilityRoom,         Boolean, Plain) \
    X(SittingRoom,           rmSittingRoom,         Boolean, Plain) \
    X(BonusRoom,             rmBonusRoom,           Boolean, Own) \
    X(Kitchen,               rmKitchen,             Boolean, Plain) \
    X(HouseStyle,            Style,                 Integer, Own) \
    X(NumFloors,             NumFloors,             Integer, ReadOnly)
// clang-format on

// The property type of a field type, and the type its write accessor takes.
#define TAVIMOOR_FIELD_TYPE_Integer vb::Integer
#define TAVIMOOR_FIELD_TYPE_Single float
#define TAVIMOOR_FIELD_TYPE_Boolean bool
#define TAVIMOOR_FIELD_TYPE_Text QString
#define TAVIMOOR_FIELD_PARAM_Integer vb::Integer
#define TAVIMOOR_FIELD_PARAM_Single float
#define TAVIMOOR_FIELD_PARAM_Boolean bool
#define TAVIMOOR_FIELD_PARAM_Text const QString&

namespace estimate
{

enum class FieldType { Integer, Single, Boolean, Text };

struct HouseDataField {
    std::u16string_view name;
    FieldType type;
};

inline constexpr HouseDataField kHouseDataFields[] = {
#define TAVIMOOR_FIELD_ROW(field, property, type, write) {u"" #field, FieldType::type},
    TAVIMOOR_HOUSE_DATA_FIELDS(TAVIMOOR_FIELD_ROW)
#undef TAVIMOOR_FIELD_ROW
};

inline constexpr std::size_t kHouseDataFieldCount = std::size(kHouseDataFields);

// The column type the house-file template declares for a field type.
constexpr std::string_view sqlType(FieldType type)
{
    switch (type) {
    case FieldType::Integer:
        return "SMALLINT";
    case FieldType::Single:
        return "REAL";
    case FieldType::Boolean:
        return "BIT";
    case FieldType::Text:
        return "TEXT";
    }
    return {};
}

} // namespace estimate
