#include "pages/registerPages.h"
#include "shell/ProgramServices.h"
#include "shell/basNavigation.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ProgramServices services;
    if (!services.loadButtonLibrary()) return 1;
    pages::registerPages();

    Main();
    return QApplication::exec();
}
