#include "runtime/com/OleColor.h"

#include <QApplication>
#include <QPalette>

#include <gtest/gtest.h>

TEST(OleColor, PlainColoursKeepTheirLowBytes)
{
    EXPECT_EQ(com::translateColor(0x00FFFF00u), 0x00FFFF00u);
    EXPECT_EQ(com::translateColor(0xFF0000FFu), 0x000000FFu); // not a system colour
    bool ok = true;
    EXPECT_EQ(com::translateColor(0x80000040u, &ok), 0u);
    EXPECT_FALSE(ok);
}

TEST(OleColor, SystemColoursFollowTheApplicationPalette)
{
    const QPalette original = QGuiApplication::palette();
    QPalette p = original;
    p.setColor(QPalette::Button, QColor(10, 20, 30));
    p.setColor(QPalette::ButtonText, QColor(1, 2, 3));
    p.setColor(QPalette::Dark, QColor(100, 110, 120));
    QApplication::setPalette(p);
    struct Case {
        uint32_t ole;
        uint32_t expected;
    } cases[] = {
        {0x8000000Fu, com::rgb(10, 20, 30)},
        {0x80000012u, com::rgb(1, 2, 3)},
        {0x80000010u, com::rgb(100, 110, 120)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(com::translateColor(c.ole), c.expected) << std::hex << c.ole;

    p.setColor(QPalette::Button, QColor(200, 201, 202));
    QApplication::setPalette(p);
    EXPECT_EQ(com::translateColor(0x8000000Fu), com::rgb(200, 201, 202));
    QApplication::setPalette(original);
}
