#include "runtime/sheet/Workbook.h"

#include "runtime/sheet/Collection.h"
#include "runtime/sheet/Worksheet.h"

using namespace Qt::Literals::StringLiterals;

namespace sheet
{

WorksheetCollection::WorksheetCollection(QObject* parent) : QObject(parent) {}

QObject* WorksheetCollection::Item(const QVariant& Index) const
{
    return itemOf(m_sheets, Index);
}

Worksheet* WorksheetCollection::add(const QString& name)
{
    auto* sheet = new Worksheet(name, this);
    m_sheets.append(sheet);
    return sheet;
}

Workbook::Workbook(const QString& name, QObject* parent)
    : QObject(parent), m_name(name), m_worksheets(new WorksheetCollection(this))
{
    m_worksheets->add(u"Sheet1"_s);
}

WorkbookCollection::WorkbookCollection(QObject* parent) : QObject(parent) {}

QObject* WorkbookCollection::Add()
{
    auto* book = new Workbook(u"Book"_s + QString::number(++m_named), this);
    m_books.append(book);
    Q_EMIT added(book);
    return book;
}

QObject* WorkbookCollection::Item(const QVariant& Index) const
{
    return itemOf(m_books, Index);
}

} // namespace sheet
