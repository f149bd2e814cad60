#include "pages/registerPages.h"
#include "results/basReporting.h"
#include "results/registerResults.h"
#include "shell/ProgramServices.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ProgramServices program;
    if (!program.loadButtonLibrary()) return 1;
    pages::registerPages();
    results::registerResults();

    if (!program.start(&results::ShowOverviewReport)) return 1;
    return QApplication::exec();
}
