#pragma once

#include <QString>

namespace forms
{

// The running program: its folder, title and version.
class App
{
public:
    static QString Path();  // the executable's folder, no trailing "/"
    static QString Title(); // "Tavimoor" unless set
    static int Major();
    static int Minor();
    static int Revision();
    static QString CompanyName();

    // For tests and start-up: override the program folder or title.
    static void setPath(const QString& path);
    static void setTitle(const QString& title);
};

} // namespace forms
