#include "estimate/ExteriorCodes.h"

namespace estimate
{

namespace
{

std::optional<QString> materialWord(QStringView code, bool sidingOnly)
{
    for (const ExteriorMaterial& m : kExteriorMaterials)
        if (m.code == code && (m.siding || !sidingOnly)) return m.word.toString();
    return std::nullopt;
}

} // namespace

std::optional<QString> exteriorWord(QStringView code)
{
    return materialWord(code, false);
}

std::optional<QString> sidingWord(QStringView code)
{
    return materialWord(code, true);
}

std::optional<QString> brickConfigurationWord(int code)
{
    for (const BrickConfigurationWord& c : kBrickConfigurations)
        if (c.code == code) return c.word.toString();
    return std::nullopt;
}

} // namespace estimate
