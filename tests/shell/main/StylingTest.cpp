#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <array>
#include <vector>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

TEST(KeyFilters, KeyCodesTable)
{
    struct Case {
        int key;
        int numeric;
        int decimal;
    };
    const Case cases[] = {
        {'0', '0', '0'}, {'5', '5', '5'}, {'9', '9', '9'}, {8, 8, 8},   {'.', 1, '.'},
        {'a', 1, 1},     {'-', 1, 1},     {' ', 1, 1},     {13, 1, 1},  {0, 1, 1},
        {'/', 1, 1},     {':', 1, 1},     {1, 1, 1},       {127, 1, 1}, {-5, 1, 1},
    };
    for (const Case& c : cases) {
        const vb::Integer key(static_cast<int16_t>(c.key));
        EXPECT_EQ(FilterNumericKey(key).toInt(), c.numeric) << c.key;
        EXPECT_EQ(FilterDecimalKey(key).toInt(), c.decimal) << c.key;
    }
}

class FilteredEntry : public testing::Test
{
protected:
    void SetUp() override
    {
        window.show();
        entry = new QLineEdit(&window);
        entry->setMaxLength(6);
        entry->show();
    }
    QWidget window;
    QLineEdit* entry = nullptr;
};

TEST_F(FilteredEntry, TypedKeysTable)
{
    struct Case {
        KeyFilter filter;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {FilterNumericKey, "12a3", "123"},
        {FilterNumericKey, "1.5", "15"},
        {FilterNumericKey, "-7 x", "7"},
        {FilterDecimalKey, "1.5", "1.5"},
        {FilterDecimalKey, "1..2", "1..2"}, // several points pass; the page validates
        {FilterDecimalKey, "4,5", "45"},
        {FilterNumericKey, "1234567", "123456"}, // the box's own maximum length
    };
    for (const Case& c : cases) {
        auto* e = new QLineEdit(&window);
        e->setMaxLength(6);
        e->show();
        InstallKeyFilter(e, c.filter);
        QTest::keyClicks(e, QString::fromLatin1(c.typed));
        EXPECT_EQ(e->text(), QString::fromLatin1(c.shown)) << c.typed;
        delete e;
    }
}

TEST_F(FilteredEntry, BackspaceDeleteAndEnterStillWork)
{
    InstallKeyFilter(entry, FilterNumericKey);
    bool returned = false;
    QObject::connect(entry, &QLineEdit::returnPressed, [&] { returned = true; });
    QTest::keyClicks(entry, u"1234"_s);
    QTest::keyClick(entry, Qt::Key_Backspace);
    QTest::keyClick(entry, Qt::Key_Home);
    QTest::keyClick(entry, Qt::Key_Delete);
    EXPECT_EQ(entry->text(), u"23"_s);
    QTest::keyClick(entry, Qt::Key_Return);
    EXPECT_TRUE(returned);
}

TEST_F(FilteredEntry, PastedTextIsRejectedWhenTheFilterWouldReject)
{
    struct Case {
        KeyFilter filter;
        QString pasted;
        QString result;
    };
    const Case cases[] = {
        {FilterNumericKey, u"2500"_s, u"12500"_s}, {FilterNumericKey, u"25a"_s, u"1"_s},
        {FilterNumericKey, u"2.5"_s, u"1"_s},      {FilterNumericKey, u" 25"_s, u"1"_s},
        {FilterDecimalKey, u"2.5"_s, u"12.5"_s},   {FilterDecimalKey, u"-2.5"_s, u"1"_s},
    };
    for (const Case& c : cases) {
        entry->setText(u"1"_s);
        InstallKeyFilter(entry, c.filter);
        entry->end(false);
        QApplication::clipboard()->setText(c.pasted);
        QTest::keyClick(entry, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(entry->text(), c.result) << c.pasted.toStdString();
    }
}

TEST_F(FilteredEntry, TextSetInCodeShowsWholeAndTheFilterStillHolds)
{
    InstallKeyFilter(entry, FilterNumericKey);
    EXPECT_EQ(MaxEntryLength(entry), 6);
    // Longer than the box and refused by its filter: shown as it stands.
    entry->setText(u"-1.5E+07"_s);
    EXPECT_EQ(entry->text(), u"-1.5E+07"_s);
    QApplication::clipboard()->setText(u"x"_s);
    QTest::keyClick(entry, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(entry, Qt::Key_5);
    EXPECT_EQ(entry->text(), u"-1.5E+07"_s);
    // Backspace works on it; typing refills it up to the length only.
    QTest::keyClick(entry, Qt::Key_End);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(entry, Qt::Key_Backspace);
    EXPECT_EQ(entry->text(), u"-1.5E"_s);
    QTest::keyClicks(entry, u"123"_s);
    EXPECT_EQ(entry->text(), u"-1.5E1"_s);
}

TEST(GetSelectedOption, FirstChosenIndexOrMinusOne)
{
    QWidget group;
    std::array<QRadioButton*, 4> options{};
    for (auto*& o : options)
        o = new QRadioButton(&group);
    EXPECT_EQ(GetSelectedOption(options), vb::Integer(-1));
    options[2]->setChecked(true);
    EXPECT_EQ(GetSelectedOption(options), vb::Integer(2));
    options[0]->setAutoExclusive(false);
    options[0]->setChecked(true);
    EXPECT_EQ(GetSelectedOption(options), vb::Integer(0)) << "the first chosen in array order";

    // A control array with a gap keeps its indexes.
    const std::vector<QRadioButton*> gapped{nullptr, options[2]};
    EXPECT_EQ(GetSelectedOption(gapped), vb::Integer(1));
    EXPECT_EQ(GetSelectedOption(QList<QRadioButton*>{}), vb::Integer(-1));
}

TEST(FormatCurrencyColumn, PatternBySizeElevenWide)
{
    struct Case {
        int32_t amount;
        const char* text;
    };
    const Case cases[] = {
        {0, "$      0.00"},      {5, "$      5.00"},      {9, "$      9.00"},     {10, "$     10.00"},
        {99, "$     99.00"},     {100, "$    100.00"},    {999, "$    999.00"},   {1000, "$  1,000.00"},
        {9999, "$  9,999.00"},   {10000, "$ 10,000.00"},  {99999, "$ 99,999.00"}, {100000, "$100,000.00"},
        {123456, "$123,456.00"}, {999999, "$999,999.00"},
    };
    for (const Case& c : cases) {
        const QString text = FormatCurrencyColumn(c.amount);
        EXPECT_EQ(text, QString::fromLatin1(c.text)) << c.amount;
        EXPECT_EQ(text.size(), 11) << c.amount;
    }
}

TEST(InitLabel, StylesTable)
{
    struct Case {
        int style;
        bool bold;
        int pointSize;
        QPoint pos;
    };
    const Case cases[] = {
        {PageTitleLabel, true, 18, {48, 17}}, {QuestionLabel, false, 12, {5, 7}},
        {StatementLabel, false, 12, {96, 7}}, {EmphasisLabel, true, 12, {96, 7}},
        {DataLabel, true, 12, {5, 7}},        {SmallPrintLabel, false, 10, {5, 7}},
    };
    for (const Case& c : cases) {
        QLabel label;
        label.move(5, 7);
        InitLabel(&label, vb::Integer(static_cast<int16_t>(c.style)));
        EXPECT_EQ(label.font().family(), u"Arial"_s) << c.style;
        EXPECT_EQ(label.font().bold(), c.bold) << c.style;
        EXPECT_EQ(label.font().pointSize(), c.pointSize) << c.style;
        EXPECT_EQ(label.pos(), c.pos) << c.style;
        EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 0, 0x80)) << c.style;
    }
    EXPECT_EQ(g_CurrentStep, u"Initialize Label"_s);

    QLabel other;
    other.setFont(QFont(u"Serif"_s, 31));
    InitLabel(&other, vb::Integer(9));
    EXPECT_EQ(other.font().family(), u"Arial"_s);
    EXPECT_EQ(other.font().pointSize(), 31) << "an unknown style sets the font name only";
}

TEST(InitLabel, ArialResolvesToAnInstalledFont)
{
    const QFont font = StyleFont(12, false);
    EXPECT_FALSE(QFontInfo(font).family().isEmpty());
    EXPECT_TRUE(QFontInfo(font).exactMatch() || !QFont::substitutes(u"Arial"_s).isEmpty() ||
                QFontInfo(font).family().contains(u"Sans"_s, Qt::CaseInsensitive));
}

} // namespace
