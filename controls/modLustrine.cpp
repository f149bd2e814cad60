#include "controls/modLustrine.h"

#include <QStringList>

namespace ombLustrel::modLustrine
{

void CopyFont(const QFont& source, QFont& target)
{
    target.setBold(source.bold());
    target.setItalic(source.italic());
    target.setFamilies(source.families().isEmpty() ? QStringList{source.family()} : source.families());
    if (source.pointSizeF() > 0)
        target.setPointSizeF(source.pointSizeF());
    else if (source.pixelSize() > 0)
        target.setPixelSize(source.pixelSize());
    target.setStrikeOut(source.strikeOut());
    target.setUnderline(source.underline());
    target.setWeight(source.weight());
}

} // namespace ombLustrel::modLustrine
