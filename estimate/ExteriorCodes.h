#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <span>

// The exterior answers of the record: the material codes of PrimaryExterior and
// SecondaryExterior ("0" none) and the codes of BrickConfiguration (0 no brick), with the words
// the pages and the summary show for them.
namespace estimate
{

inline constexpr QStringView kNoExterior = u"0";
inline constexpr QStringView kVinyl = u"1";
inline constexpr QStringView kWood = u"2";
inline constexpr QStringView kBrick = u"3";
inline constexpr QStringView kAluminum = u"4";
inline constexpr QStringView kStucco = u"5";

enum BrickConfigurationCode : int {
    kNoBrick = 0,
    kFullBrick = 1,
    kFrontOnly = 2,
    kFrontAndSides = 3,
    kMainFloorOnly = 4,
    kPartialBrick = 5,
};

struct ExteriorMaterial {
    QStringView code;
    QStringView word;
    bool siding; // may be the secondary material
};

// clang-format off
inline constexpr ExteriorMaterial kExteriorMaterials[] = {
    // code      word          siding
    {kVinyl,     u"Vinyl",     true},
    {kWood,      u"Wood",      true},
    {kBrick,     u"Brick",     false},
    {kAluminum,  u"Aluminum",  true},
    {kStucco,    u"Stucco",    false},
};
// clang-format on

struct BrickConfigurationWord {
    int code;
    QStringView word;
};

inline constexpr BrickConfigurationWord kBrickConfigurations[] = {
    {kFullBrick, u"Full Brick"},        {kFrontOnly, u"Front Only"},
    {kFrontAndSides, u"Front & Sides"}, {kMainFloorOnly, u"Main Floor Only"},
    {kPartialBrick, u"Partial Brick"},
};

// The word of a material code, or none for a code the table does not list. Codes compare
// exactly, case and blanks included.
std::optional<QString> exteriorWord(QStringView code);
// The same for the sidings alone.
std::optional<QString> sidingWord(QStringView code);
// The word of a brick configuration, or none.
std::optional<QString> brickConfigurationWord(int code);

} // namespace estimate
