#include "estimate/clsHomeData.h"

#include "runtime/vb/Conversions.h"
#include "runtime/vb/VbError.h"

#include <cmath>
#include <iterator>

namespace
{

const QString& columnName(int index)
{
    static const auto names = [] {
        std::array<QString, estimate::kHouseDataFieldCount> n;
        for (size_t i = 0; i < n.size(); ++i) {
            const std::u16string_view name = estimate::kHouseDataFields[i].name;
            n[i] = QString::fromUtf16(name.data(), qsizetype(name.size()));
        }
        return n;
    }();
    return names[static_cast<size_t>(index)];
}

// [Database].Version of an open [Database] recordset; throws when it is null or not a Single.
float versionOf(const ado::Recordset& rs)
{
    const QVariant v = rs.Field(QStringLiteral("Version"));
    if (v.isNull()) throw vb::VbError::invalidNull(QStringLiteral("Version"));
    return vb::CSng(v);
}

} // namespace

QString clsHomeData::fieldName(Field f)
{
    return columnName(static_cast<int>(f));
}

clsHomeData::clsHomeData(ado::Connection& houseCn, ado::Connection& controlCn,
                         std::function<void(const QString&)> setCurrentStep)
    : m_houseCn(houseCn), m_controlCn(controlCn), m_setCurrentStep(std::move(setCurrentStep))
{
    step(QStringLiteral("Create Recordsets for Initializing the House Class"));
    m_rsHouseData = std::make_unique<ado::Recordset>();
    m_rsHouseData->setCursorLocation(ado::adUseClient);
    m_rsDatabase = std::make_unique<ado::Recordset>();
    m_rsDatabase->setCursorLocation(ado::adUseClient);
}

clsHomeData::~clsHomeData()
{
    // Closing a recordset that was never opened is harmless here.
    for (auto* rs : {m_rsDatabase.get(), m_rsHouseData.get()}) {
        try {
            if (rs->State() != ado::adStateClosed) rs->Close();
        } catch (...) {
        }
    }
}

void clsHomeData::step(const QString& text) const
{
    if (m_setCurrentStep) m_setCurrentStep(text);
}

void clsHomeData::InitializeData()
{
    step(QStringLiteral("Open Recordset for Initializing the House Class"));
    forget();
    // Both close first: after a failed load nothing of the previous file is left to read.
    if (m_rsHouseData->State() != ado::adStateClosed) m_rsHouseData->Close();
    if (m_rsDatabase->State() != ado::adStateClosed) m_rsDatabase->Close();
    m_rsHouseData->Open(QStringLiteral("Select * from [HouseData]"), m_houseCn);
    m_rsHouseData->SetActiveConnection(nullptr);
    m_rsDatabase->Open(QStringLiteral("Select * from [Database]"), m_houseCn);
    m_rsDatabase->SetActiveConnection(nullptr);
}

void clsHomeData::SaveData()
{
    step(QStringLiteral("Save Recordset for the House Class"));
    ado::UpdateBatchThrough(*m_rsHouseData, m_houseCn);
}

float clsHomeData::DBVersion() const
{
    return versionOf(*m_rsDatabase);
}

float clsHomeData::FileVersion(ado::Connection& houseCn)
{
    ado::Recordset rs;
    rs.setCursorLocation(ado::adUseClient);
    rs.Open(QStringLiteral("Select * from [Database]"), houseCn);
    return versionOf(rs);
}

void clsHomeData::CheckData() const
{
    if (m_rsHouseData->RecordCount() != 1)
        throw vb::VbError(vb::ErrNoCurrentRecord,
                          QStringLiteral("[HouseData] holds %1 rows").arg(m_rsHouseData->RecordCount()));
    m_rsHouseData->MoveFirst();
    for (int i = 0; i < static_cast<int>(Field::Count); ++i) {
        const auto f = static_cast<Field>(i);
        switch (estimate::kHouseDataFields[i].type) {
        case estimate::FieldType::Integer:
            readInteger(f);
            break;
        case estimate::FieldType::Single:
            readSingle(f);
            break;
        case estimate::FieldType::Boolean:
            readBoolean(f);
            break;
        case estimate::FieldType::Text:
            readText(f);
        }
    }
}

// A new outermost computation: derived values start afresh, field values only when the row
// reads differently now.
void clsHomeData::beginComputation() const
{
    ++m_generation;
    const ado::Recordset::RowStamp stamp = m_rsHouseData->rowStamp();
    if (!(stamp == m_rowStamp)) {
        m_rowStamp = stamp;
        ++m_rowGeneration;
    }
}

void clsHomeData::forget() const
{
    ++m_generation;
    ++m_rowGeneration;
}

// The field's ordinal in the loaded row, looked up by name once per load.
int clsHomeData::column(Field f) const
{
    const quint64 layout = m_rsHouseData->layout();
    if (layout == 0 || layout != m_columnsLayout) {
        m_columns.fill(-1);
        m_columnsLayout = layout;
    }
    int& index = m_columns[static_cast<size_t>(f)];
    if (index < 0) index = m_rsHouseData->FieldIndex(fieldName(f));
    return index;
}

// Reads one field of the current row; inside a computation the typed value is kept.
template <typename T, typename Convert>
T clsHomeData::fetchField(Field f, T Slot::*member, Convert convert) const
{
    const QVariant v = m_rsHouseData->Field(column(f));
    if (v.isNull()) throw vb::VbError::invalidNull(fieldName(f));
    const T value = convert(v);
    if (m_scopeDepth > 0) {
        Slot& slot = m_memo[static_cast<size_t>(f)];
        slot.*member = value;
        slot.generation = m_rowGeneration;
    }
    return value;
}

vb::Integer clsHomeData::fetchInteger(Field f) const
{
    return fetchField<int16_t>(f, &Slot::i, [](const QVariant& v) { return vb::CInt(v).value(); });
}

float clsHomeData::fetchSingle(Field f) const
{
    return fetchField<float>(f, &Slot::f, [](const QVariant& v) { return vb::CSng(v); });
}

bool clsHomeData::fetchBoolean(Field f) const
{
    return fetchField<bool>(f, &Slot::b, [](const QVariant& v) { return vb::CBool(v); });
}

QString clsHomeData::readText(Field f) const
{
    const Slot* slot = kept(f);
    return slot ? slot->t : fetchField<QString>(f, &Slot::t, [](const QVariant& v) { return vb::CStr(v); });
}

void clsHomeData::writeInteger(Field f, vb::Integer v)
{
    forget();
    m_rsHouseData->setField(column(f), QVariant(qlonglong(v.value())));
}

void clsHomeData::writeSingle(Field f, float v)
{
    // The file would hold NULL for it, and every later read would fail.
    if (!std::isfinite(v)) throw vb::VbError::overflow();
    forget();
    m_rsHouseData->setField(column(f), QVariant(double(v)));
}

void clsHomeData::writeBoolean(Field f, bool v)
{
    forget();
    m_rsHouseData->setField(column(f), QVariant(qlonglong(v ? -1 : 0)));
}

void clsHomeData::writeText(Field f, const QString& v)
{
    forget();
    m_rsHouseData->setField(column(f), QVariant(v));
}

void clsHomeData::setFoundationType(vb::Integer vData)
{
    writeInteger(Field::FoundationType, vData);
    if (vData.value() == 1 || vData.value() == 2) {
        setBasementSqFt(0);
        setFinishBasement(false);
    }
}

void clsHomeData::setrmBonusRoom(bool vData)
{
    if (!vData) {
        setFinishBonusRoom(false);
        setBonusRoomSqFt(0);
    }
    writeBoolean(Field::BonusRoom, vData);
}

void clsHomeData::setStyle(vb::Integer vData)
{
    writeInteger(Field::HouseStyle, vData);
    int16_t floors = 0;
    switch (Style().value()) {
    case 1:
        floors = 1;
        break;
    case 2:
    case 3:
        floors = 2;
        break;
    case 4:
    case 5:
        floors = 3;
        break;
    default:
        return;
    }
    writeInteger(Field::NumFloors, floors);
}

std::unique_ptr<ado::Recordset> clsHomeData::lookUpLocation(vb::Integer id) const
{
    auto rs = std::make_unique<ado::Recordset>();
    rs->Open(QStringLiteral("Select * from [Locations] Where LocationID=?"), m_controlCn,
             {QVariant(qlonglong(id.value()))});
    return rs;
}

void clsHomeData::setLocation(vb::Integer vData)
{
    auto rs = lookUpLocation(vData);
    if (rs->EOF()) {
        setLocationFactor(1.0f);
    } else {
        const QVariant factor = rs->Field(QStringLiteral("Location Factor"));
        if (factor.isNull()) throw vb::VbError::invalidNull(QStringLiteral("Location Factor"));
        setLocationFactor(vb::CSng(factor));
    }
    rs->Close();
    writeInteger(Field::Location, vData);
}

QString clsHomeData::LocationName() const
{
    auto rs = lookUpLocation(Location());
    QString name = QStringLiteral(" ");
    if (!rs->EOF()) {
        const QVariant city = rs->Field(QStringLiteral("City"));
        const QVariant state = rs->Field(QStringLiteral("State"));
        name = (city.isNull() ? QString() : vb::CStr(city)) + QStringLiteral(", ") +
               (state.isNull() ? QString() : vb::CStr(state));
    }
    rs->Close();
    return name;
}

vb::Integer clsHomeData::HouseConfiguration() const
{
    return derived<vb::Integer>(Derived::HouseConfiguration, [&]() -> vb::Integer {
        const int16_t area = CalculateSquareFt(2).value();
        if (area > 5000) return 5;
        if (area > 4000) return 4;
        if (area > 3000) return 3;
        if (area > 2000) return 2;
        return 1;
    });
}

int32_t clsHomeData::CalculateTotal() const
{
    const ComputeScope scope(*this);
    if (NumRooms().value() <= 0) return 0;
    double total = Permits();
    total += LotClearing();
    total += Excavate();
    total += Backfill();
    total += RoughGrade();
    total += TrenchSewer();
    total += WaterService();
    total += Sidewalks();
    total += Driveway();
    total += SepticSystem();
    total += Landscaping();
    total += Footings();
    total += BlockWalls();
    total += BasementWalls();
    total += SlabFloors();
    total += FloorSystems();
    total += ExteriorWalls();
    total += InteriorWalls();
    total += Headers();
    total += RoofSystems();
    total += ExteriorTreatment();
    total += Insulation();
    total += Windows();
    total += ExteriorDoors();
    total += GarageDoors();
    total += Roofing();
    total += DrywallTrim();
    total += DrywallCeiling();
    total += InteriorDoors();
    total += Flooring();
    total += Stairways();
    total += Kitchen();
    total += Fireplace();
    total += WaterHeater();
    total += Plumbing();
    total += HVAC();
    total += Electrical();
    total += double(LotPrice());
    return vb::CLng(total);
}

#define TAVIMOOR_FIELD_READ(field, property, type, write)                                                  \
    TAVIMOOR_FIELD_TYPE_##type clsHomeData::property() const                                               \
    {                                                                                                      \
        return read##type(Field::field);                                                                   \
    }
#define TAVIMOOR_FIELD_WRITE(field, property, type, write) TAVIMOOR_FIELD_WRITE_##write(field, property, type)
#define TAVIMOOR_FIELD_WRITE_Plain(field, property, type)                                                  \
    void clsHomeData::set##property(TAVIMOOR_FIELD_PARAM_##type vData)                                     \
    {                                                                                                      \
        write##type(Field::field, vData);                                                                  \
    }
#define TAVIMOOR_FIELD_WRITE_Own(field, property, type)
#define TAVIMOOR_FIELD_WRITE_ReadOnly(field, property, type)
TAVIMOOR_HOUSE_DATA_FIELDS(TAVIMOOR_FIELD_READ)
TAVIMOOR_HOUSE_DATA_FIELDS(TAVIMOOR_FIELD_WRITE)
