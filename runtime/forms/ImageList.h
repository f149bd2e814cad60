#pragma once

#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

namespace forms
{

// Pictures by key, loaded from <folder>/<Key>.svg (default folder: <program folder>/pictures).
class ImageList
{
public:
    // An empty size keeps each drawing's own size; otherwise drawings are fitted into it.
    explicit ImageList(QString folder = QString(), QSize size = QSize());

    QString folder() const { return m_folder; }
    QSize imageSize() const { return m_size; }
    void setImageSize(QSize size);
    void add(const QString& key); // registers a key (the picture loads on first use)
    QStringList keys() const { return m_keys; }
    bool contains(const QString& key) const;

    // The picture of a listed key; throws VbError 35601 "Element not found" for any other key.
    // A key whose file is missing or unreadable gives a null pixmap. The pixmap is drawn at the
    // screens' device pixel ratio; its logical size is the drawing's size fitted as above.
    QPixmap picture(const QString& key) const;

    // The main window's keys.
    static QStringList standardKeys();

private:
    QString m_folder;
    QSize m_size;
    QStringList m_keys;
    mutable QHash<QString, QPixmap> m_cache;
};

} // namespace forms
