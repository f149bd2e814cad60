#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>

#include <functional>

namespace forms
{

// Pictures drawn once and then handed out again by key, for an owner whose pictures are asked
// for often (the key names everything the drawing depends on).
class PictureCache
{
public:
    QPixmap picture(const QString& key, const std::function<QPixmap()>& draw)
    {
        auto found = m_pictures.constFind(key);
        if (found != m_pictures.cend()) return *found;
        const QPixmap drawn = draw();
        m_pictures.insert(key, drawn);
        return drawn;
    }
    qsizetype count() const { return m_pictures.size(); }
    void clear() { m_pictures.clear(); }

private:
    QHash<QString, QPixmap> m_pictures;
};

} // namespace forms
