#pragma once

// Test helpers for file modes and files that are not regular files. Header-only, so that the
// tests of the lowest layers may use it without linking the test support library.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace testsupport
{

// The process's umask for the life of the object.
class Umask
{
public:
    explicit Umask(mode_t mask) : m_previous(::umask(mask)) {}
    ~Umask() { ::umask(m_previous); }
    Umask(const Umask&) = delete;
    Umask& operator=(const Umask&) = delete;

private:
    mode_t m_previous;
};

// A Unix socket bound at path, its descriptor closed: the name stays behind as a socket file.
inline void makeSocket(const QString& path)
{
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(s, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    ASSERT_LT(size_t(name.size()), sizeof address.sun_path);
    std::copy(name.begin(), name.end(), address.sun_path);
    EXPECT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(s);
}

} // namespace testsupport
