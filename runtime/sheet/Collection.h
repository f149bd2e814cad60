#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <functional>

namespace sheet
{

// "Application-defined or object-defined error", the spreadsheet's answer to a bad argument.
[[noreturn]] void objectDefinedError(const QString& source);

// The 0-based position that an Item index names: a number from 1 to count, or an item's name
// (any case). Throws VbError 9 "Subscript out of range" otherwise.
int itemPosition(const QVariant& index, int count, const std::function<QString(int)>& nameAt);

// The item of a collection of named objects that an Item index names.
template <class T> T* itemOf(const QList<T*>& items, const QVariant& index)
{
    return items[itemPosition(index, static_cast<int>(items.size()),
                              [&](int i) { return items[i]->Name(); })];
}

} // namespace sheet
