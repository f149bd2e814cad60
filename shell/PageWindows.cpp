#include "shell/PageWindows.h"

#include "runtime/forms/Forms.h"

#include <QMap>

namespace
{

QMap<int16_t, PageWindow>& registry()
{
    static QMap<int16_t, PageWindow> windows;
    return windows;
}

} // namespace

void registerPageWindows(std::span<const PageWindow> windows)
{
    for (const PageWindow& window : windows) {
        forms::Forms::registerClass(QString::fromUtf16(window.className), window.factory);
        registry().insert(window.formId, window);
    }
}

QString pageWindowClass(vb::Integer formId)
{
    const auto it = registry().constFind(formId.value());
    return it == registry().cend() ? QString() : QString::fromUtf16(it->className);
}

QList<PageWindow> pageWindows()
{
    return registry().values();
}
