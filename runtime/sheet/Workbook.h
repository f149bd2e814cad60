#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>

namespace sheet
{

class Worksheet;

class WorksheetCollection : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Count READ Count)

public:
    explicit WorksheetCollection(QObject* parent);

    // By position from 1 or by name.
    Q_INVOKABLE QObject* Item(const QVariant& Index) const;
    int Count() const { return static_cast<int>(m_sheets.size()); }

    Worksheet* add(const QString& name);
    Worksheet* first() const { return m_sheets.value(0); }

private:
    QList<Worksheet*> m_sheets;
};

// A new workbook holds one worksheet, "Sheet1".
class Workbook : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name CONSTANT)
    Q_PROPERTY(QObject* Worksheets READ Worksheets CONSTANT)

public:
    Workbook(const QString& name, QObject* parent);

    QString Name() const { return m_name; }
    QObject* Worksheets() const { return m_worksheets; }
    WorksheetCollection* worksheets() const { return m_worksheets; }

private:
    QString m_name;
    WorksheetCollection* m_worksheets;
};

class WorkbookCollection : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Count READ Count)

public:
    explicit WorkbookCollection(QObject* parent);

    // A new, empty workbook "Book1", "Book2", ...
    Q_INVOKABLE QObject* Add();
    Q_INVOKABLE QObject* Item(const QVariant& Index) const;
    int Count() const { return static_cast<int>(m_books.size()); }

    Workbook* last() const { return m_books.isEmpty() ? nullptr : m_books.back(); }

Q_SIGNALS:
    void added(sheet::Workbook* book);

private:
    QList<Workbook*> m_books;
    int m_named = 0;
};

} // namespace sheet
