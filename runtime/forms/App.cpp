#include "runtime/forms/App.h"

#include <QCoreApplication>
#include <QDir>
#include <QVersionNumber>

namespace forms
{

namespace
{

QString& pathOverride()
{
    static QString path;
    return path;
}

QString& titleOverride()
{
    static QString title;
    return title;
}

QVersionNumber version()
{
    const QVersionNumber v = QVersionNumber::fromString(QCoreApplication::applicationVersion());
    return v.isNull() ? QVersionNumber(1, 0, 0) : v;
}

} // namespace

QString App::Path()
{
    if (!pathOverride().isEmpty()) return pathOverride();
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

QString App::Title()
{
    if (!titleOverride().isEmpty()) return titleOverride();
    return QStringLiteral("Tavimoor");
}

int App::Major()
{
    return version().majorVersion();
}
int App::Minor()
{
    return version().minorVersion();
}
int App::Revision()
{
    return version().microVersion();
}

QString App::CompanyName()
{
    const QString org = QCoreApplication::organizationName();
    return org.isEmpty() ? QStringLiteral("Quorbel Software") : org;
}

void App::setPath(const QString& path)
{
    QString p = QDir::fromNativeSeparators(path);
    while (p.size() > 1 && p.endsWith(QLatin1Char('/')))
        p.chop(1);
    pathOverride() = p;
}

void App::setTitle(const QString& title)
{
    titleOverride() = title;
}

} // namespace forms
