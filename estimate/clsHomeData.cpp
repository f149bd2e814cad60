#include "estimate/clsHomeData.h"

#include "runtime/vb/Conversions.h"
#include "runtime/vb/VbError.h"

#include <cmath>
#include <iterator>

namespace
{

const QString& columnName(int index)
{
    static const std::array<QString, 66> names = {
        QStringLiteral("LotCondition"),
        QStringLiteral("WaterType"),
        QStringLiteral("SewerType"),
        QStringLiteral("DefaultGrade"),
        QStringLiteral("NumBedrooms"),
        QStringLiteral("NumFullBath"),
        QStringLiteral("NumHalfBath"),
        QStringLiteral("MainFloorSqFt"),
        QStringLiteral("SecondFloorSqFt"),
        QStringLiteral("ThirdFloorSqFt"),
        QStringLiteral("BonusRoomSqFt"),
        QStringLiteral("BasementSqFt"),
        QStringLiteral("FrontPorchSqFt"),
        QStringLiteral("RearPorchSqFt"),
        QStringLiteral("MainCeilingHeight"),
        QStringLiteral("BasementCeilingHeight"),
        QStringLiteral("NumCarGarage"),
        QStringLiteral("FoundationType"),
        QStringLiteral("BrickConfiguration"),
        QStringLiteral("PrimaryExterior"),
        QStringLiteral("SecondaryExterior"),
        QStringLiteral("RoofPitch"),
        QStringLiteral("RoofStyle"),
        QStringLiteral("HeatType"),
        QStringLiteral("FixtureType"),
        QStringLiteral("AC"),
        QStringLiteral("DoorOpeners"),
        QStringLiteral("FinishBonusRoom"),
        QStringLiteral("FinishBasement"),
        QStringLiteral("FinishGarage"),
        QStringLiteral("KitchenIsland"),
        QStringLiteral("KitchenBar"),
        QStringLiteral("GardenTub"),
        QStringLiteral("InterestRate"),
        QStringLiteral("Location"),
        QStringLiteral("LocationFactor"),
        QStringLiteral("FireplaceStyle"),
        QStringLiteral("FireplaceFace"),
        QStringLiteral("ExternalChase"),
        QStringLiteral("DistanceToStreet"),
        QStringLiteral("DrivewayTreatment"),
        QStringLiteral("SidewalksRequired"),
        QStringLiteral("LotWidth"),
        QStringLiteral("LotSize"),
        QStringLiteral("LotPrice"),
        QStringLiteral("CornerLot"),
        QStringLiteral("Pantry"),
        QStringLiteral("BreakfastNook"),
        QStringLiteral("DiningRoom"),
        QStringLiteral("FamilyRoom"),
        QStringLiteral("LivingRoom"),
        QStringLiteral("GreatRoom"),
        QStringLiteral("GatheringRoom"),
        QStringLiteral("Foyer"),
        QStringLiteral("GameRoom"),
        QStringLiteral("Office"),
        QStringLiteral("Study"),
        QStringLiteral("Den"),
        QStringLiteral("SunRoom"),
        QStringLiteral("Loft"),
        QStringLiteral("UtilityRoom"),
        QStringLiteral("SittingRoom"),
        QStringLiteral("BonusRoom"),
        QStringLiteral("Kitchen"),
        QStringLiteral("HouseStyle"),
        QStringLiteral("NumFloors"),
    };
    return names[static_cast<size_t>(index)];
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
    m_rsHouseData->SetActiveConnection(&m_houseCn);
    try {
        m_rsHouseData->UpdateBatch(ado::adAffectAll);
    } catch (...) {
        // A failed save leaves the record detached, as a good one does.
        m_rsHouseData->SetActiveConnection(nullptr);
        throw;
    }
    m_rsHouseData->SetActiveConnection(nullptr);
}

float clsHomeData::DBVersion() const
{
    const QVariant v = m_rsDatabase->Field(QStringLiteral("Version"));
    if (v.isNull()) throw vb::VbError::invalidNull(QStringLiteral("Version"));
    return vb::CSng(v);
}

void clsHomeData::CheckData() const
{
    if (m_rsHouseData->RecordCount() != 1)
        throw vb::VbError(vb::ErrNoCurrentRecord,
                          QStringLiteral("[HouseData] holds %1 rows").arg(m_rsHouseData->RecordCount()));
    m_rsHouseData->MoveFirst();
    // The property type of each field, in the order of Field.
    static constexpr char16_t kinds[] = u"iiiiiiiiiiiiiiiiiiittiiiibbbbbbbbsisiibiibissbbbbbbbbbbbbbbbbbbbii";
    static_assert(std::size(kinds) - 1 == static_cast<size_t>(Field::Count));
    for (int i = 0; i < static_cast<int>(Field::Count); ++i) {
        const auto f = static_cast<Field>(i);
        switch (kinds[i]) {
        case u'i':
            readInteger(f);
            break;
        case u's':
            readSingle(f);
            break;
        case u'b':
            readBoolean(f);
            break;
        default:
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

vb::Integer clsHomeData::LotCondition() const
{
    return readInteger(Field::LotCondition);
}

void clsHomeData::setLotCondition(vb::Integer vData)
{
    writeInteger(Field::LotCondition, vData);
}

vb::Integer clsHomeData::WaterType() const
{
    return readInteger(Field::WaterType);
}

void clsHomeData::setWaterType(vb::Integer vData)
{
    writeInteger(Field::WaterType, vData);
}

vb::Integer clsHomeData::SewerType() const
{
    return readInteger(Field::SewerType);
}

void clsHomeData::setSewerType(vb::Integer vData)
{
    writeInteger(Field::SewerType, vData);
}

vb::Integer clsHomeData::DefaultGrade() const
{
    return readInteger(Field::DefaultGrade);
}

void clsHomeData::setDefaultGrade(vb::Integer vData)
{
    writeInteger(Field::DefaultGrade, vData);
}

vb::Integer clsHomeData::NumBedrooms() const
{
    return readInteger(Field::NumBedrooms);
}

void clsHomeData::setNumBedrooms(vb::Integer vData)
{
    writeInteger(Field::NumBedrooms, vData);
}

vb::Integer clsHomeData::NumFullBath() const
{
    return readInteger(Field::NumFullBath);
}

void clsHomeData::setNumFullBath(vb::Integer vData)
{
    writeInteger(Field::NumFullBath, vData);
}

vb::Integer clsHomeData::NumHalfBath() const
{
    return readInteger(Field::NumHalfBath);
}

void clsHomeData::setNumHalfBath(vb::Integer vData)
{
    writeInteger(Field::NumHalfBath, vData);
}

vb::Integer clsHomeData::MainFloorSqFt() const
{
    return readInteger(Field::MainFloorSqFt);
}

void clsHomeData::setMainFloorSqFt(vb::Integer vData)
{
    writeInteger(Field::MainFloorSqFt, vData);
}

vb::Integer clsHomeData::SecondFloorSqFt() const
{
    return readInteger(Field::SecondFloorSqFt);
}

void clsHomeData::setSecondFloorSqFt(vb::Integer vData)
{
    writeInteger(Field::SecondFloorSqFt, vData);
}

vb::Integer clsHomeData::ThirdFloorSqFt() const
{
    return readInteger(Field::ThirdFloorSqFt);
}

void clsHomeData::setThirdFloorSqFt(vb::Integer vData)
{
    writeInteger(Field::ThirdFloorSqFt, vData);
}

vb::Integer clsHomeData::BonusRoomSqFt() const
{
    return readInteger(Field::BonusRoomSqFt);
}

void clsHomeData::setBonusRoomSqFt(vb::Integer vData)
{
    writeInteger(Field::BonusRoomSqFt, vData);
}

vb::Integer clsHomeData::BasementSqFt() const
{
    return readInteger(Field::BasementSqFt);
}

void clsHomeData::setBasementSqFt(vb::Integer vData)
{
    writeInteger(Field::BasementSqFt, vData);
}

vb::Integer clsHomeData::FrontPorchSqFt() const
{
    return readInteger(Field::FrontPorchSqFt);
}

void clsHomeData::setFrontPorchSqFt(vb::Integer vData)
{
    writeInteger(Field::FrontPorchSqFt, vData);
}

vb::Integer clsHomeData::RearPorchSqFt() const
{
    return readInteger(Field::RearPorchSqFt);
}

void clsHomeData::setRearPorchSqFt(vb::Integer vData)
{
    writeInteger(Field::RearPorchSqFt, vData);
}

vb::Integer clsHomeData::MainCeilingHeight() const
{
    return readInteger(Field::MainCeilingHeight);
}

void clsHomeData::setMainCeilingHeight(vb::Integer vData)
{
    writeInteger(Field::MainCeilingHeight, vData);
}

vb::Integer clsHomeData::BasementCeilingHeight() const
{
    return readInteger(Field::BasementCeilingHeight);
}

void clsHomeData::setBasementCeilingHeight(vb::Integer vData)
{
    writeInteger(Field::BasementCeilingHeight, vData);
}

vb::Integer clsHomeData::NumCarGarage() const
{
    return readInteger(Field::NumCarGarage);
}

void clsHomeData::setNumCarGarage(vb::Integer vData)
{
    writeInteger(Field::NumCarGarage, vData);
}

vb::Integer clsHomeData::FoundationType() const
{
    return readInteger(Field::FoundationType);
}

vb::Integer clsHomeData::BrickConfiguration() const
{
    return readInteger(Field::BrickConfiguration);
}

void clsHomeData::setBrickConfiguration(vb::Integer vData)
{
    writeInteger(Field::BrickConfiguration, vData);
}

QString clsHomeData::ExteriorPrimary() const
{
    return readText(Field::PrimaryExterior);
}

void clsHomeData::setExteriorPrimary(const QString& vData)
{
    writeText(Field::PrimaryExterior, vData);
}

QString clsHomeData::ExteriorSecondary() const
{
    return readText(Field::SecondaryExterior);
}

void clsHomeData::setExteriorSecondary(const QString& vData)
{
    writeText(Field::SecondaryExterior, vData);
}

vb::Integer clsHomeData::RoofPitch() const
{
    return readInteger(Field::RoofPitch);
}

void clsHomeData::setRoofPitch(vb::Integer vData)
{
    writeInteger(Field::RoofPitch, vData);
}

vb::Integer clsHomeData::RoofStyle() const
{
    return readInteger(Field::RoofStyle);
}

void clsHomeData::setRoofStyle(vb::Integer vData)
{
    writeInteger(Field::RoofStyle, vData);
}

vb::Integer clsHomeData::HeatType() const
{
    return readInteger(Field::HeatType);
}

void clsHomeData::setHeatType(vb::Integer vData)
{
    writeInteger(Field::HeatType, vData);
}

vb::Integer clsHomeData::FixtureType() const
{
    return readInteger(Field::FixtureType);
}

void clsHomeData::setFixtureType(vb::Integer vData)
{
    writeInteger(Field::FixtureType, vData);
}

bool clsHomeData::AC() const
{
    return readBoolean(Field::AC);
}

void clsHomeData::setAC(bool vData)
{
    writeBoolean(Field::AC, vData);
}

bool clsHomeData::DoorOpeners() const
{
    return readBoolean(Field::DoorOpeners);
}

void clsHomeData::setDoorOpeners(bool vData)
{
    writeBoolean(Field::DoorOpeners, vData);
}

bool clsHomeData::FinishBonusRoom() const
{
    return readBoolean(Field::FinishBonusRoom);
}

void clsHomeData::setFinishBonusRoom(bool vData)
{
    writeBoolean(Field::FinishBonusRoom, vData);
}

bool clsHomeData::FinishBasement() const
{
    return readBoolean(Field::FinishBasement);
}

void clsHomeData::setFinishBasement(bool vData)
{
    writeBoolean(Field::FinishBasement, vData);
}

bool clsHomeData::FinishGarage() const
{
    return readBoolean(Field::FinishGarage);
}

void clsHomeData::setFinishGarage(bool vData)
{
    writeBoolean(Field::FinishGarage, vData);
}

bool clsHomeData::KitchenIsland() const
{
    return readBoolean(Field::KitchenIsland);
}

void clsHomeData::setKitchenIsland(bool vData)
{
    writeBoolean(Field::KitchenIsland, vData);
}

bool clsHomeData::KitchenBar() const
{
    return readBoolean(Field::KitchenBar);
}

void clsHomeData::setKitchenBar(bool vData)
{
    writeBoolean(Field::KitchenBar, vData);
}

bool clsHomeData::GardenTub() const
{
    return readBoolean(Field::GardenTub);
}

void clsHomeData::setGardenTub(bool vData)
{
    writeBoolean(Field::GardenTub, vData);
}

float clsHomeData::InterestRate() const
{
    return readSingle(Field::InterestRate);
}

void clsHomeData::setInterestRate(float vData)
{
    writeSingle(Field::InterestRate, vData);
}

vb::Integer clsHomeData::Location() const
{
    return readInteger(Field::Location);
}

float clsHomeData::LocationFactor() const
{
    return readSingle(Field::LocationFactor);
}

void clsHomeData::setLocationFactor(float vData)
{
    writeSingle(Field::LocationFactor, vData);
}

vb::Integer clsHomeData::FireplaceStyle() const
{
    return readInteger(Field::FireplaceStyle);
}

void clsHomeData::setFireplaceStyle(vb::Integer vData)
{
    writeInteger(Field::FireplaceStyle, vData);
}

vb::Integer clsHomeData::FireplaceFace() const
{
    return readInteger(Field::FireplaceFace);
}

void clsHomeData::setFireplaceFace(vb::Integer vData)
{
    writeInteger(Field::FireplaceFace, vData);
}

bool clsHomeData::ExternalChase() const
{
    return readBoolean(Field::ExternalChase);
}

void clsHomeData::setExternalChase(bool vData)
{
    writeBoolean(Field::ExternalChase, vData);
}

vb::Integer clsHomeData::DistanceToStreet() const
{
    return readInteger(Field::DistanceToStreet);
}

void clsHomeData::setDistanceToStreet(vb::Integer vData)
{
    writeInteger(Field::DistanceToStreet, vData);
}

vb::Integer clsHomeData::DrivewayTreatment() const
{
    return readInteger(Field::DrivewayTreatment);
}

void clsHomeData::setDrivewayTreatment(vb::Integer vData)
{
    writeInteger(Field::DrivewayTreatment, vData);
}

bool clsHomeData::SidewalksRequired() const
{
    return readBoolean(Field::SidewalksRequired);
}

void clsHomeData::setSidewalksRequired(bool vData)
{
    writeBoolean(Field::SidewalksRequired, vData);
}

vb::Integer clsHomeData::LotWidth() const
{
    return readInteger(Field::LotWidth);
}

void clsHomeData::setLotWidth(vb::Integer vData)
{
    writeInteger(Field::LotWidth, vData);
}

float clsHomeData::LotSize() const
{
    return readSingle(Field::LotSize);
}

void clsHomeData::setLotSize(float vData)
{
    writeSingle(Field::LotSize, vData);
}

float clsHomeData::LotPrice() const
{
    return readSingle(Field::LotPrice);
}

void clsHomeData::setLotPrice(float vData)
{
    writeSingle(Field::LotPrice, vData);
}

bool clsHomeData::CornerLot() const
{
    return readBoolean(Field::CornerLot);
}

void clsHomeData::setCornerLot(bool vData)
{
    writeBoolean(Field::CornerLot, vData);
}

bool clsHomeData::rmPantry() const
{
    return readBoolean(Field::Pantry);
}

void clsHomeData::setrmPantry(bool vData)
{
    writeBoolean(Field::Pantry, vData);
}

bool clsHomeData::rmBreakfastNook() const
{
    return readBoolean(Field::BreakfastNook);
}

void clsHomeData::setrmBreakfastNook(bool vData)
{
    writeBoolean(Field::BreakfastNook, vData);
}

bool clsHomeData::rmDiningRoom() const
{
    return readBoolean(Field::DiningRoom);
}

void clsHomeData::setrmDiningRoom(bool vData)
{
    writeBoolean(Field::DiningRoom, vData);
}

bool clsHomeData::rmFamilyRoom() const
{
    return readBoolean(Field::FamilyRoom);
}

void clsHomeData::setrmFamilyRoom(bool vData)
{
    writeBoolean(Field::FamilyRoom, vData);
}

bool clsHomeData::rmLivingRoom() const
{
    return readBoolean(Field::LivingRoom);
}

void clsHomeData::setrmLivingRoom(bool vData)
{
    writeBoolean(Field::LivingRoom, vData);
}

bool clsHomeData::rmGreatRoom() const
{
    return readBoolean(Field::GreatRoom);
}

void clsHomeData::setrmGreatRoom(bool vData)
{
    writeBoolean(Field::GreatRoom, vData);
}

bool clsHomeData::rmGatheringRoom() const
{
    return readBoolean(Field::GatheringRoom);
}

void clsHomeData::setrmGatheringRoom(bool vData)
{
    writeBoolean(Field::GatheringRoom, vData);
}

bool clsHomeData::rmFoyer() const
{
    return readBoolean(Field::Foyer);
}

void clsHomeData::setrmFoyer(bool vData)
{
    writeBoolean(Field::Foyer, vData);
}

bool clsHomeData::rmGameRoom() const
{
    return readBoolean(Field::GameRoom);
}

void clsHomeData::setrmGameRoom(bool vData)
{
    writeBoolean(Field::GameRoom, vData);
}

bool clsHomeData::rmOffice() const
{
    return readBoolean(Field::Office);
}

void clsHomeData::setrmOffice(bool vData)
{
    writeBoolean(Field::Office, vData);
}

bool clsHomeData::rmStudy() const
{
    return readBoolean(Field::Study);
}

void clsHomeData::setrmStudy(bool vData)
{
    writeBoolean(Field::Study, vData);
}

bool clsHomeData::rmDen() const
{
    return readBoolean(Field::Den);
}

void clsHomeData::setrmDen(bool vData)
{
    writeBoolean(Field::Den, vData);
}

bool clsHomeData::rmSunRoom() const
{
    return readBoolean(Field::SunRoom);
}

void clsHomeData::setrmSunRoom(bool vData)
{
    writeBoolean(Field::SunRoom, vData);
}

bool clsHomeData::rmLoft() const
{
    return readBoolean(Field::Loft);
}

void clsHomeData::setrmLoft(bool vData)
{
    writeBoolean(Field::Loft, vData);
}

bool clsHomeData::rmUtilityRoom() const
{
    return readBoolean(Field::UtilityRoom);
}

void clsHomeData::setrmUtilityRoom(bool vData)
{
    writeBoolean(Field::UtilityRoom, vData);
}

bool clsHomeData::rmSittingRoom() const
{
    return readBoolean(Field::SittingRoom);
}

void clsHomeData::setrmSittingRoom(bool vData)
{
    writeBoolean(Field::SittingRoom, vData);
}

bool clsHomeData::rmBonusRoom() const
{
    return readBoolean(Field::BonusRoom);
}

bool clsHomeData::rmKitchen() const
{
    return readBoolean(Field::Kitchen);
}

void clsHomeData::setrmKitchen(bool vData)
{
    writeBoolean(Field::Kitchen, vData);
}

vb::Integer clsHomeData::Style() const
{
    return readInteger(Field::HouseStyle);
}

vb::Integer clsHomeData::NumFloors() const
{
    return readInteger(Field::NumFloors);
}
