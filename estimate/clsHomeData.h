#pragma once

#include "runtime/ado/Connection.h"
#include "runtime/ado/Recordset.h"
#include "runtime/vb/Integer.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <type_traits>

// The estimate record: the answers of one house, held in the single row of [HouseData] of the
// open house file, the house model derived from them and the 37 cost categories.
// Writes change the row in memory only; SaveData writes it back. Every read sees the row as it
// is now.
class clsHomeData
{
public:
    clsHomeData(ado::Connection& houseCn, ado::Connection& controlCn,
                std::function<void(const QString&)> setCurrentStep = {});
    ~clsHomeData();
    clsHomeData(const clsHomeData&) = delete;
    clsHomeData& operator=(const clsHomeData&) = delete;

    // The [HouseData] recordset itself (shared, not copied).
    ado::Recordset& rsHouseData() const { return *m_rsHouseData; }

    vb::Integer LotCondition() const;
    void setLotCondition(vb::Integer vData);
    vb::Integer WaterType() const;
    void setWaterType(vb::Integer vData);
    vb::Integer SewerType() const;
    void setSewerType(vb::Integer vData);
    vb::Integer DefaultGrade() const;
    void setDefaultGrade(vb::Integer vData);
    vb::Integer NumBedrooms() const;
    void setNumBedrooms(vb::Integer vData);
    vb::Integer NumFullBath() const;
    void setNumFullBath(vb::Integer vData);
    vb::Integer NumHalfBath() const;
    void setNumHalfBath(vb::Integer vData);
    vb::Integer MainFloorSqFt() const;
    void setMainFloorSqFt(vb::Integer vData);
    vb::Integer SecondFloorSqFt() const;
    void setSecondFloorSqFt(vb::Integer vData);
    vb::Integer ThirdFloorSqFt() const;
    void setThirdFloorSqFt(vb::Integer vData);
    vb::Integer BonusRoomSqFt() const;
    void setBonusRoomSqFt(vb::Integer vData);
    vb::Integer BasementSqFt() const;
    void setBasementSqFt(vb::Integer vData);
    vb::Integer FrontPorchSqFt() const;
    void setFrontPorchSqFt(vb::Integer vData);
    vb::Integer RearPorchSqFt() const;
    void setRearPorchSqFt(vb::Integer vData);
    vb::Integer MainCeilingHeight() const;
    void setMainCeilingHeight(vb::Integer vData);
    vb::Integer BasementCeilingHeight() const;
    void setBasementCeilingHeight(vb::Integer vData);
    vb::Integer NumCarGarage() const;
    void setNumCarGarage(vb::Integer vData);
    vb::Integer FoundationType() const;
    // 1 or 2 also clear BasementSqFt and FinishBasement.
    void setFoundationType(vb::Integer vData);
    vb::Integer BrickConfiguration() const;
    void setBrickConfiguration(vb::Integer vData);
    QString ExteriorPrimary() const;
    void setExteriorPrimary(const QString& vData);
    QString ExteriorSecondary() const;
    void setExteriorSecondary(const QString& vData);
    vb::Integer RoofPitch() const;
    void setRoofPitch(vb::Integer vData);
    vb::Integer RoofStyle() const;
    void setRoofStyle(vb::Integer vData);
    vb::Integer HeatType() const;
    void setHeatType(vb::Integer vData);
    vb::Integer FixtureType() const;
    void setFixtureType(vb::Integer vData);
    bool AC() const;
    void setAC(bool vData);
    bool DoorOpeners() const;
    void setDoorOpeners(bool vData);
    bool FinishBonusRoom() const;
    void setFinishBonusRoom(bool vData);
    bool FinishBasement() const;
    void setFinishBasement(bool vData);
    bool FinishGarage() const;
    void setFinishGarage(bool vData);
    bool KitchenIsland() const;
    void setKitchenIsland(bool vData);
    bool KitchenBar() const;
    void setKitchenBar(bool vData);
    bool GardenTub() const;
    void setGardenTub(bool vData);
    float InterestRate() const;
    void setInterestRate(float vData);
    vb::Integer Location() const;
    // Looks the LocationID up in [Locations] and sets LocationFactor (1 when absent) first.
    void setLocation(vb::Integer vData);
    // "City, State" of the current location, or " " when it has no row.
    QString LocationName() const;
    float LocationFactor() const;
    void setLocationFactor(float vData);
    vb::Integer FireplaceStyle() const;
    void setFireplaceStyle(vb::Integer vData);
    vb::Integer FireplaceFace() const;
    void setFireplaceFace(vb::Integer vData);
    bool ExternalChase() const;
    void setExternalChase(bool vData);
    vb::Integer DistanceToStreet() const;
    void setDistanceToStreet(vb::Integer vData);
    vb::Integer DrivewayTreatment() const;
    void setDrivewayTreatment(vb::Integer vData);
    bool SidewalksRequired() const;
    void setSidewalksRequired(bool vData);
    vb::Integer LotWidth() const;
    void setLotWidth(vb::Integer vData);
    float LotSize() const;
    void setLotSize(float vData);
    float LotPrice() const;
    void setLotPrice(float vData);
    bool CornerLot() const;
    void setCornerLot(bool vData);
    bool rmPantry() const;
    void setrmPantry(bool vData);
    bool rmBreakfastNook() const;
    void setrmBreakfastNook(bool vData);
    bool rmDiningRoom() const;
    void setrmDiningRoom(bool vData);
    bool rmFamilyRoom() const;
    void setrmFamilyRoom(bool vData);
    bool rmLivingRoom() const;
    void setrmLivingRoom(bool vData);
    bool rmGreatRoom() const;
    void setrmGreatRoom(bool vData);
    bool rmGatheringRoom() const;
    void setrmGatheringRoom(bool vData);
    bool rmFoyer() const;
    void setrmFoyer(bool vData);
    bool rmGameRoom() const;
    void setrmGameRoom(bool vData);
    bool rmOffice() const;
    void setrmOffice(bool vData);
    bool rmStudy() const;
    void setrmStudy(bool vData);
    bool rmDen() const;
    void setrmDen(bool vData);
    bool rmSunRoom() const;
    void setrmSunRoom(bool vData);
    bool rmLoft() const;
    void setrmLoft(bool vData);
    bool rmUtilityRoom() const;
    void setrmUtilityRoom(bool vData);
    bool rmSittingRoom() const;
    void setrmSittingRoom(bool vData);
    bool rmBonusRoom() const;
    // false also clears FinishBonusRoom and BonusRoomSqFt.
    void setrmBonusRoom(bool vData);
    bool rmKitchen() const;
    void setrmKitchen(bool vData);

    // The whole project in whole currency units, lot included; 0 while the house has no room.
    int32_t CalculateTotal() const;

    // The cost categories, each already multiplied by LocationFactor.
    double Permits() const;
    double LotClearing() const;
    double Landscaping() const;
    double Excavate() const;
    double Backfill() const;
    double RoughGrade() const;
    double TrenchSewer() const;
    double WaterService() const;
    double Sidewalks() const;
    double Driveway() const;
    double SepticSystem() const;
    double Footings() const;
    double BlockWalls() const;
    double BasementWalls() const;
    double SlabFloors() const;
    double FloorSystems() const;
    double ExteriorWalls() const;
    double InteriorWalls() const;
    double Headers() const;
    double RoofSystems() const;
    double ExteriorTreatment() const;
    double Insulation() const;
    double Windows() const;
    double ExteriorDoors() const;
    double GarageDoors() const;
    double Roofing() const;
    double DrywallTrim() const;
    double DrywallCeiling() const;
    double InteriorDoors() const;
    double Flooring() const;
    double Stairways() const;
    double Kitchen() const;
    double Fireplace() const;
    double WaterHeater() const;
    double Plumbing() const;
    double HVAC() const;
    double Electrical() const;

    void InitializeData();
    void SaveData();
    float DBVersion() const;
    // After InitializeData: throws unless [HouseData] holds one row whose every field reads as
    // its property's type. Checks a file before it is adopted.
    void CheckData() const;

    vb::Integer Style() const;
    // Also sets NumFloors: 1 -> 1, 2 or 3 -> 2, 4 or 5 -> 3, other values leave it.
    void setStyle(vb::Integer vData);
    // Size class 1..5 from the footprint area.
    vb::Integer HouseConfiguration() const;
    vb::Integer NumFloors() const;

    QString ListRooms() const;
    QString KitchenFeatures() const;
    QString ListFeatures() const;
    vb::Integer NumRooms() const;

    // 1 living area, 2 footprint, 3 main rectangle; 0 for other modes or a house without rooms.
    vb::Integer CalculateSquareFt(int iCalcType) const;

private:
    friend class clsHomeDataProbe; // test access to the house model

    // House model.
    float FootprintLength(vb::Integer d) const;
    float HouseDepth() const;
    float BasementLength() const;
    float BasementLengthForDepth(vb::Integer d) const;
    float WingDepth() const;
    float WingLength() const;
    double HousePerimeter() const;
    float FoundationPerimeter() const;
    float BasementPerimeter() const;
    float FootingLength() const;
    float SlabExcavationYards() const;
    float CrawlExcavationYards() const;
    float BasementExcavationYards() const;

    // Room counters.
    vb::Integer CountWindows() const;
    vb::Integer CountInteriorDoors() const;
    vb::Integer CountBedroomDoors() const;
    vb::Integer CountOpenRooms() const;

    // cost tables and helpers

    // end of cost tables and helpers

private:
    // Fields of [HouseData], in declaration order.
    enum class Field : int {
        LotCondition,
        WaterType,
        SewerType,
        DefaultGrade,
        NumBedrooms,
        NumFullBath,
        NumHalfBath,
        MainFloorSqFt,
        SecondFloorSqFt,
        ThirdFloorSqFt,
        BonusRoomSqFt,
        BasementSqFt,
        FrontPorchSqFt,
        RearPorchSqFt,
        MainCeilingHeight,
        BasementCeilingHeight,
        NumCarGarage,
        FoundationType,
        BrickConfiguration,
        PrimaryExterior,
        SecondaryExterior,
        RoofPitch,
        RoofStyle,
        HeatType,
        FixtureType,
        AC,
        DoorOpeners,
        FinishBonusRoom,
        FinishBasement,
        FinishGarage,
        KitchenIsland,
        KitchenBar,
        GardenTub,
        InterestRate,
        Location,
        LocationFactor,
        FireplaceStyle,
        FireplaceFace,
        ExternalChase,
        DistanceToStreet,
        DrivewayTreatment,
        SidewalksRequired,
        LotWidth,
        LotSize,
        LotPrice,
        CornerLot,
        Pantry,
        BreakfastNook,
        DiningRoom,
        FamilyRoom,
        LivingRoom,
        GreatRoom,
        GatheringRoom,
        Foyer,
        GameRoom,
        Office,
        Study,
        Den,
        SunRoom,
        Loft,
        UtilityRoom,
        SittingRoom,
        BonusRoom,
        Kitchen,
        HouseStyle,
        NumFloors,
        Count
    };
    static QString fieldName(Field f);

    // While a computation runs (a cost method, the total, the house model) each field is read
    // from the row once and kept as its typed value for as long as the row reads the same (its
    // recordset's row stamp, or any write through the record, ends it). Derived values (room
    // count, square feet) last one outermost computation. A cost method opens one as its first
    // statement; reads outside a computation go to the row every time.
    class ComputeScope
    {
    public:
        explicit ComputeScope(const clsHomeData& r) : m_r(r)
        {
            if (m_r.m_scopeDepth++ == 0) m_r.beginComputation();
        }
        ~ComputeScope() { --m_r.m_scopeDepth; }
        ComputeScope(const ComputeScope&) = delete;
        ComputeScope& operator=(const ComputeScope&) = delete;

    private:
        const clsHomeData& m_r;
    };
    struct Slot {
        uint64_t generation = 0;
        int16_t i = 0;
        float f = 0;
        bool b = false;
        QString t;
    };
    template <typename T, typename Convert> T fetchField(Field f, T Slot::*member, Convert convert) const;
    void beginComputation() const;

    const Slot* kept(Field f) const
    {
        const Slot& slot = m_memo[static_cast<size_t>(f)];
        return m_scopeDepth > 0 && slot.generation == m_rowGeneration ? &slot : nullptr;
    }
    vb::Integer readInteger(Field f) const
    {
        const Slot* slot = kept(f);
        return slot ? vb::Integer(slot->i) : fetchInteger(f);
    }
    float readSingle(Field f) const
    {
        const Slot* slot = kept(f);
        return slot ? slot->f : fetchSingle(f);
    }
    bool readBoolean(Field f) const
    {
        const Slot* slot = kept(f);
        return slot ? slot->b : fetchBoolean(f);
    }
    // The house model and the room counts, each worked out once per outermost computation.
    enum class Derived : size_t {
        NumRooms,
        SquareFt1,
        SquareFt2,
        SquareFt3,
        HouseConfiguration,
        HouseDepth,
        BasementLength,
        WingDepth,
        WingLength,
        HousePerimeter,
        FoundationPerimeter,
        BasementPerimeter,
        FootingLength,
        SlabExcavationYards,
        CrawlExcavationYards,
        BasementExcavationYards,
        CountWindows,
        CountInteriorDoors,
        CountOpenRooms,
        FootprintLength,                              // one per trial depth 24, 26, ..., 36
        BasementLengthForDepth = FootprintLength + 7, // the same
        Count = BasementLengthForDepth + 7
    };
    struct DerivedSlot {
        uint64_t generation = 0;
        double value = 0;
    };
    template <typename T, typename Compute> T derived(Derived which, Compute compute) const
    {
        DerivedSlot& slot = m_derived[static_cast<size_t>(which)];
        if (m_scopeDepth > 0 && slot.generation == m_generation) {
            if constexpr (std::is_same_v<T, vb::Integer>)
                return vb::Integer(static_cast<int16_t>(slot.value));
            else
                return static_cast<T>(slot.value);
        }
        const ComputeScope scope(*this);
        const T value = compute();
        if constexpr (std::is_same_v<T, vb::Integer>)
            slot.value = value.value();
        else
            slot.value = value;
        slot.generation = m_generation;
        return value;
    }
    // The slot of a procedure of the trial depth d, or none for a depth outside 24, 26, ..., 36.
    static std::optional<Derived> depthSlot(Derived first, vb::Integer d)
    {
        const unsigned offset = static_cast<unsigned>(d.value() - 24);
        if (offset > 12 || offset % 2 != 0) return std::nullopt;
        return static_cast<Derived>(static_cast<size_t>(first) + offset / 2);
    }

    vb::Integer fetchInteger(Field f) const;
    float fetchSingle(Field f) const;
    bool fetchBoolean(Field f) const;
    QString readText(Field f) const;
    void writeInteger(Field f, vb::Integer v);
    void writeSingle(Field f, float v);
    void writeBoolean(Field f, bool v);
    void writeText(Field f, const QString& v);
    int column(Field f) const;
    void forget() const;
    void step(const QString& text) const;
    std::unique_ptr<ado::Recordset> lookUpLocation(vb::Integer id) const;

    ado::Connection& m_houseCn;
    ado::Connection& m_controlCn;
    std::function<void(const QString&)> m_setCurrentStep;
    std::unique_ptr<ado::Recordset> m_rsHouseData;
    std::unique_ptr<ado::Recordset> m_rsDatabase;

    // Ordinals of the fields in the loaded [HouseData] row, -1 until first used.
    mutable quint64 m_columnsLayout = 0;
    mutable std::array<int, static_cast<size_t>(Field::Count)> m_columns{};
    mutable int m_scopeDepth = 0;
    // The typed field values of the row under m_rowStamp.
    mutable ado::Recordset::RowStamp m_rowStamp;
    mutable uint64_t m_rowGeneration = 1;
    mutable std::array<Slot, static_cast<size_t>(Field::Count)> m_memo{};
    // The derived values of one outermost computation.
    mutable uint64_t m_generation = 1;
    mutable std::array<DerivedSlot, static_cast<size_t>(Derived::Count)> m_derived{};
};
