// The floor of the start-up benchmark: a main window of the same build whose one label paints
// one line of text, so the floor pays for the font machinery as the program does.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto* label = new QLabel(QStringLiteral("Tavimoor"), &window);
    window.setCentralWidget(label);
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
