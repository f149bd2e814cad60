// Preloaded into a Qt program: ends the process right after the first paint of a widget whose
// class inherits STARTUP_FIRST_PAINT_OF (any widget when unset), once that paint has reached
// the window. The process ends at once, without tearing anything down.
//
// With STARTUP_TIMELINE set it also prints, on standard error, when each phase of the start
// began: milliseconds since STARTUP_SPAWNED_NS (the spawner's CLOCK_MONOTONIC at spawn), one
// "timeline <ms> <mark>" line a mark. The marks are the libraries loaded, the application made,
// each library and database opened, and each window's first show and paint. With STARTUP_SMAPS
// set to a file name, the process's memory map (/proc/self/smaps) at the paint is copied there.
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dlfcn.h>
#include <unistd.h>

namespace
{

// A fixed table: the marks are taken inside the loader and sqlite, where nothing may allocate.
struct Mark {
    double ms;
    char what[120];
};
Mark g_marks[256];
int g_markCount = 0;
bool g_timeline = false;
long long g_spawnedNs = 0;

long long nowNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

void mark(const char* what, const char* detail = nullptr)
{
    if (!g_timeline || g_markCount >= 256) return;
    Mark& m = g_marks[g_markCount++];
    m.ms = double(nowNs() - g_spawnedNs) / 1e6;
    std::snprintf(m.what, sizeof m.what, "%s%s%s", what, detail ? " " : "", detail ? detail : "");
}

void printTimeline()
{
    for (int i = 0; i < g_markCount; ++i)
        std::fprintf(stderr, "timeline %.3f %s\n", g_marks[i].ms, g_marks[i].what);
}

const char* baseName(const char* path)
{
    if (!path) return "(program)";
    const char* slash = std::strrchr(path, '/');
    return slash ? slash + 1 : path;
}

__attribute__((constructor)) void librariesLoaded()
{
    g_timeline = std::getenv("STARTUP_TIMELINE") != nullptr;
    if (const char* spawned = std::getenv("STARTUP_SPAWNED_NS")) g_spawnedNs = std::atoll(spawned);
    if (!g_spawnedNs) g_spawnedNs = nowNs();
    mark("libraries loaded");
}

class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QByteArray className) : m_className(std::move(className)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!watched->isWidgetType()) return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (g_timeline && widget->isWindow() && (event->type() == QEvent::Show || event->type() == QEvent::Paint))
            markWindow(widget, event->type() == QEvent::Show ? "show" : "paint");
        if (event->type() == QEvent::Paint && !m_seen &&
            (m_className.isEmpty() || watched->inherits(m_className.constData()))) {
            m_seen = true;
            mark("first paint of", watched->metaObject()->className());
            QTimer::singleShot(0, [] {
                mark("painted on the window");
                printTimeline();
                if (const QByteArray smaps = qgetenv("STARTUP_SMAPS"); !smaps.isEmpty()) {
                    QFile map(QStringLiteral("/proc/self/smaps"));
                    QFile copy(QString::fromLocal8Bit(smaps));
                    if (map.open(QIODevice::ReadOnly) && copy.open(QIODevice::WriteOnly)) copy.write(map.readAll());
                }
                std::fflush(nullptr);
                _exit(0);
            });
        }
        return false;
    }

private:
    void markWindow(QWidget* window, const char* what)
    {
        const QByteArray key = QByteArray(what) + ' ' + window->metaObject()->className();
        if (m_windowsSeen.contains(key)) return;
        m_windowsSeen << key;
        mark(key.constData());
    }

    QByteArray m_className;
    QByteArrayList m_windowsSeen;
    bool m_seen = false;
};

void watchFirstPaint()
{
    mark("application made");
    auto* watch = new FirstPaint(qgetenv("STARTUP_FIRST_PAINT_OF"));
    watch->moveToThread(QCoreApplication::instance()->thread());
    QCoreApplication::instance()->installEventFilter(watch);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchFirstPaint)

// The libraries a program opens after its start (plug-ins, its own modules) and its databases,
// marked on the way in and out.
extern "C" void* dlopen(const char* file, int mode)
{
    using Open = void* (*)(const char*, int);
    static const Open next = reinterpret_cast<Open>(dlsym(RTLD_NEXT, "dlopen"));
    mark("dlopen", baseName(file));
    void* handle = next(file, mode);
    mark("dlopen done", baseName(file));
    return handle;
}

extern "C" int sqlite3_open_v2(const char* file, void** db, int flags, const char* vfs)
{
    using Open = int (*)(const char*, void**, int, const char*);
    static const Open next = reinterpret_cast<Open>(dlsym(RTLD_NEXT, "sqlite3_open_v2"));
    mark("database open", baseName(file));
    return next ? next(file, db, flags, vfs) : 1;
}
