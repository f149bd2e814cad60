// A window of buttons in every style, appearance, state and alignment, for looking at.
// Run: lustrel_gallery [output.png] (with an output it saves a grab and quits).
#include "controls/Lustrel.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QTimer>

using ombLustrel::Lustrel;

namespace
{

// An arrow on the mask colour, as the program's picture buttons have.
QImage arrow(QColor colour, bool right = true)
{
    QImage img(24, 24, QImage::Format_RGB32);
    img.fill(QColor(0, 255, 255));
    QPainter p(&img);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const QPolygon shape = right ? QPolygon({QPoint(4, 6), QPoint(14, 6), QPoint(14, 1), QPoint(23, 12),
                                             QPoint(14, 23), QPoint(14, 18), QPoint(4, 18)})
                                 : QPolygon({QPoint(20, 6), QPoint(10, 6), QPoint(10, 1), QPoint(1, 12),
                                             QPoint(10, 23), QPoint(10, 18), QPoint(20, 18)});
    p.drawPolygon(shape);
    return img;
}

struct Shown {
    Lustrel* button;
    int state;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Lustrel gallery"));
    auto* grid = new QGridLayout(&window);
    QList<Shown> shown;

    const QStringList stateNames{QStringLiteral("hot"), QStringLiteral("down"), QStringLiteral("up")};
    const QStringList styleNames{QStringLiteral("Standard"), QStringLiteral("Active"),
                                 QStringLiteral("Win3x")};
    const QStringList columns{QStringLiteral("up"),       QStringLiteral("hot"),   QStringLiteral("down"),
                              QStringLiteral("disabled"), QStringLiteral("focus"), QStringLiteral("default")};
    for (int c = 0; c < columns.size(); ++c)
        grid->addWidget(new QLabel(columns[c]), 0, c + 1);

    int row = 1;
    for (int style = 0; style < 3; ++style) {
        for (int appearance : {1, 0}) {
            grid->addWidget(new QLabel(styleNames[style] +
                                       (appearance ? QStringLiteral(" 3D") : QStringLiteral(" flat"))),
                            row, 0);
            for (int c = 0; c < columns.size(); ++c) {
                auto* b = new Lustrel(&window);
                b->InitProperties();
                b->setFixedSize(110, 34);
                b->setStyle(style);
                b->setAppearance(appearance);
                b->setCaption(QStringLiteral("&Continue"));
                const int state = c == 1 ? Lustrel::StateHot : c == 2 ? Lustrel::StateDown : Lustrel::StateUp;
                if (c == 3) b->setEnabledProperty(false);
                if (c == 5) b->setDefault(true);
                if (c == 4) {
                    QFocusEvent focus(QEvent::FocusIn);
                    QCoreApplication::sendEvent(b, &focus);
                }
                grid->addWidget(b, row, c + 1);
                shown.append({b, c == 4 ? Lustrel::StateHot : state});
            }
            ++row;
        }
    }

    // Alignments with a picture, and the program's picture buttons.
    const QStringList alignNames{QStringLiteral("left"), QStringLiteral("right"), QStringLiteral("center")};
    const QStringList picNames{QStringLiteral("pic left"), QStringLiteral("pic right"),
                               QStringLiteral("pic center"), QStringLiteral("pic top"),
                               QStringLiteral("pic bottom")};
    for (int align = 0; align < 3; ++align) {
        grid->addWidget(new QLabel(QStringLiteral("align ") + alignNames[align]), row, 0);
        for (int pic = 0; pic < 5; ++pic) {
            auto* b = new Lustrel(&window);
            b->InitProperties();
            b->setFixedSize(110, pic >= 3 ? 60 : 40);
            b->setAlignment(align);
            b->setPictureAlignment(pic);
            b->setPicture(arrow(QColor(0, 128, 0)));
            b->setCaption(picNames[pic]);
            grid->addWidget(b, row, pic + 1);
            shown.append({b, Lustrel::StateUp});
        }
        ++row;
    }

    grid->addWidget(new QLabel(QStringLiteral("page buttons")), row, 0);
    struct PageButton {
        const char* tip;
        bool right;
        int state;
        int style;
        bool dropShadow;
    } pageButtons[] = {
        {"Back", false, Lustrel::StateUp, 0, false},
        {"Continue", true, Lustrel::StateUp, 0, false},
        {"Continue hot", true, Lustrel::StateHot, 0, false},
        {"shadow", true, Lustrel::StateUp, 0, true},
        {"disabled", true, -1, 0, false},
    };
    int c = 1;
    for (const PageButton& pb : pageButtons) {
        auto* b = new Lustrel(&window);
        b->InitProperties();
        b->setFixedSize(110, 40);
        b->setAppearance(0);
        b->setBackColor(0x00FFFFFFu);
        b->setCaption(QString());
        b->setPicture(arrow(QColor(0, 0, 160), pb.right));
        b->setPictureOver(arrow(QColor(220, 120, 0), pb.right));
        b->setDropShadow(pb.dropShadow);
        if (pb.state < 0) b->setEnabledProperty(false);
        grid->addWidget(b, row, c++);
        shown.append({b, pb.state < 0 ? Lustrel::StateUp : pb.state});
    }
    ++row;

    grid->addWidget(new QLabel(QStringLiteral("long caption")), row, 0);
    auto* wrapped = new Lustrel(&window);
    wrapped->InitProperties();
    wrapped->setFixedSize(110, 50);
    wrapped->setCaption(QStringLiteral("A caption that wraps onto lines && keeps its &key"));
    grid->addWidget(wrapped, row, 1);
    auto* section = new Lustrel(&window);
    section->InitProperties();
    section->setFixedSize(220, 24);
    section->setStyle(1);
    section->setAlignment(0);
    section->setCaption(QStringLiteral("Square Footage"));
    QFont arial(QStringLiteral("Arial"), 10);
    arial.setBold(true);
    section->setFontProperty(arial);
    grid->addWidget(section, row, 2, 1, 2);
    shown.append({wrapped, Lustrel::StateUp});
    shown.append({section, Lustrel::StateUp});

    window.show();
    QTimer::singleShot(200, &window, [&] {
        for (const Shown& s : shown)
            s.button->Redraw(s.state);
    });
    if (argc > 1) {
        const QString out = QString::fromLocal8Bit(argv[1]);
        QTimer::singleShot(600, &window, [&window, out] {
            window.grab().save(out);
            QApplication::quit();
        });
    }
    return app.exec();
}
