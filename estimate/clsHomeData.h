#pragma once

#include "estimate/HouseDataFields.h"
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

    // A read accessor for every field and a write accessor for every plain one, from the field
    // table; the write accessors that do more follow.
#define TAVIMOOR_FIELD_READ(field, property, type, write) TAVIMOOR_FIELD_TYPE_##type property() const;
#define TAVIMOOR_FIELD_WRITE(field, property, type, write) TAVIMOOR_FIELD_WRITE_##write(property, type)
#define TAVIMOOR_FIELD_WRITE_Plain(property, type) void set##property(TAVIMOOR_FIELD_PARAM_##type vData);
#define TAVIMOOR_FIELD_WRITE_Own(property, type)
#define TAVIMOOR_FIELD_WRITE_ReadOnly(property, type)
    TAVIMOOR_HOUSE_DATA_FIELDS(TAVIMOOR_FIELD_READ)
    TAVIMOOR_HOUSE_DATA_FIELDS(TAVIMOOR_FIELD_WRITE)
#undef TAVIMOOR_FIELD_READ
#undef TAVIMOOR_FIELD_WRITE
#undef TAVIMOOR_FIELD_WRITE_Plain
#undef TAVIMOOR_FIELD_WRITE_Own
#undef TAVIMOOR_FIELD_WRITE_ReadOnly

    // 1 or 2 also clear BasementSqFt and FinishBasement.
    void setFoundationType(vb::Integer vData);
    // Looks the LocationID up in [Locations] and sets LocationFactor (1 when absent) first.
    void setLocation(vb::Integer vData);
    // "City, State" of the current location, or " " when it has no row.
    QString LocationName() const;
    // false also clears FinishBonusRoom and BonusRoomSqFt.
    void setrmBonusRoom(bool vData);

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
    // The version a house file says it is, read from its [Database] alone, whatever the rest holds.
    static float FileVersion(ado::Connection& houseCn);
    // After InitializeData: throws unless [HouseData] holds one row whose every field reads as
    // its property's type. Checks a file before it is adopted.
    void CheckData() const;

    // Also sets NumFloors: 1 -> 1, 2 or 3 -> 2, 4 or 5 -> 3, other values leave it.
    void setStyle(vb::Integer vData);
    // Size class 1..5 from the footprint area.
    vb::Integer HouseConfiguration() const;

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
#define TAVIMOOR_FIELD_ENUM(field, property, type, write) field,
        TAVIMOOR_HOUSE_DATA_FIELDS(TAVIMOOR_FIELD_ENUM)
#undef TAVIMOOR_FIELD_ENUM
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
