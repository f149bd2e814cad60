#include "runtime/sheet/Collection.h"

#include "runtime/vb/VbError.h"

namespace sheet
{

void objectDefinedError(const QString& source)
{
    throw vb::VbError::applicationDefined(source);
}

int itemPosition(const QVariant& index, int count, const std::function<QString(int)>& nameAt)
{
    if (index.metaType().id() == QMetaType::QString) {
        const QString name = index.toString();
        for (int i = 0; i < count; ++i) {
            if (nameAt(i).compare(name, Qt::CaseInsensitive) == 0) return i;
        }
    } else {
        bool ok = false;
        const double n = index.toDouble(&ok);
        if (ok && n >= 1 && n <= count && n == static_cast<int>(n)) return static_cast<int>(n) - 1;
    }
    throw vb::VbError::subscriptOutOfRange(QStringLiteral("Item"));
}

} // namespace sheet
