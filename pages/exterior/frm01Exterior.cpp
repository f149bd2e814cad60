#include "pages/exterior/frm01Exterior.h"

#include "pages/frame/Twips.h"

#include "estimate/clsHomeData.h"
#include "runtime/forms/MsgBox.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>

namespace pages
{

namespace
{

struct Code {
    const char16_t* text;
    const char16_t* code;
};

// Materials as the lists show them and as the record stores them; the orders differ.
constexpr Code kPrimary[] = {
    {u"Vinyl", u"1"}, {u"Wood", u"2"}, {u"Aluminum", u"4"}, {u"Brick", u"3"}, {u"Stucco", u"5"}};
constexpr Code kSecondary[] = {{u"Vinyl", u"1"}, {u"Wood", u"2"}, {u"Aluminum", u"4"}};

struct Configuration {
    const char16_t* text;
    int code;
};
constexpr Configuration kBrick[] = {{u"Front Only", 2},
                                    {u"Front & Sides", 3},
                                    {u"Partial Brick", 5},
                                    {u"Main Floor Only", 4},
                                    {u"Full Brick", 1}};

const QString kBrickText = QStringLiteral("Brick");
const QString kFullBrick = QStringLiteral("Full Brick");

template <typename T, size_t N> QStringList texts(const T (&items)[N])
{
    QStringList list;
    for (const T& item : items)
        list << QString::fromUtf16(item.text);
    return list;
}

// The code of a shown material; empty when the text is none of the list's.
template <size_t N> QString codeOf(const Code (&items)[N], const QString& text)
{
    for (const Code& item : items)
        if (text == QStringView(item.text)) return QString::fromUtf16(item.code);
    return QString();
}

// The shown text of a stored material code; empty when the code is none of the list's.
template <size_t N> QString textOf(const Code (&items)[N], const QString& code)
{
    for (const Code& item : items)
        if (code == QStringView(item.code)) return QString::fromUtf16(item.text);
    return QString();
}

int configurationOf(const QString& text)
{
    for (const Configuration& item : kBrick)
        if (text == QStringView(item.text)) return item.code;
    return -1;
}

QString configurationText(int code)
{
    for (const Configuration& item : kBrick)
        if (code == item.code) return QString::fromUtf16(item.text);
    return QString();
}

} // namespace

frm01Exterior::frm01Exterior()
    : InterviewPage(QStringLiteral("frm01Exterior"), QStringLiteral("Exterior Treatment"))
{
    fraPrimary = addQuestionFrame(QStringLiteral("fraPrimary"), 960, QStringLiteral("lbStatement4"),
                                  QStringLiteral("What material do you want to use for your exterior?"),
                                  QStringLiteral("lbData3"), QStringLiteral("Material"),
                                  QStringLiteral("cmbPrimary"), lbStatement4, lbData3, cmbPrimary);
    fraConfiguration = addQuestionFrame(
        QStringLiteral("fraConfiguration"), 2280, QStringLiteral("lbStatement2"),
        QStringLiteral("What is your brick configuration?"), QStringLiteral("lbData1"),
        QStringLiteral("Configuration"), QStringLiteral("cmbBrick"), lbStatement2, lbData1, cmbBrick);
    fraSecondary = addQuestionFrame(QStringLiteral("fraSecondary"), 3600, QStringLiteral("lbStatement3"),
                                    QStringLiteral("What do you want to use as your secondary material?"),
                                    QStringLiteral("lbData2"), QStringLiteral("Material"),
                                    QStringLiteral("cmbSecondary"), lbStatement3, lbData2, cmbSecondary);
    setTabOrder(cmbPrimary, cmbBrick);
    setTabOrder(cmbBrick, cmbSecondary);
    onClick(cmbPrimary, [this] { cmbPrimary_Click(); });
    onClick(cmbBrick, [this] { cmbBrick_Click(); });
    // The secondary material is stored by the next CalcForm.
}

QFrame* frm01Exterior::addQuestionFrame(const QString& frameName, int top, const QString& statementName,
                                        const QString& statement, const QString& dataName,
                                        const QString& caption, const QString& listName,
                                        QLabel*& statementLabel, QLabel*& dataLabel, QComboBox*& list)
{
    QFrame* frame = addFrame(frameName, 1440, top, 7440, 1200);
    statementLabel = addLabel(statementName, statement, 0, 0, 7440, 400, true, frame);
    dataLabel = addLabel(dataName, caption, 720, 640, 1920, 375, true, frame);
    list = addComboBox(listName, 0, 0, 2640);
    list->setParent(frame);
    list->setGeometry(twipsRect(2760, 600, 2640, 420));
    list->show();
    return frame;
}

void frm01Exterior::Form_Load()
{
    InitLabel(lbPageTitle, PageTitleLabel);
    for (QLabel* label : {lbStatement4, lbStatement2, lbStatement3})
        InitLabel(label, QuestionLabel);
    for (QLabel* label : {lbData3, lbData1, lbData2})
        InitLabel(label, DataLabel);
    for (QComboBox* list : {cmbPrimary, cmbBrick, cmbSecondary})
        InitComboBox(list);
}

void frm01Exterior::Form_Activate()
{
    fillList(cmbPrimary, texts(kPrimary));
    fillList(cmbBrick, texts(kBrick));
    fillList(cmbSecondary, texts(kSecondary));
    fraPrimary->show();

    clsHomeData& home = *g_HomeData;
    const vb::Integer configuration = home.BrickConfiguration();
    if (configuration == 0) {
        // Without a brick configuration the house is not brick: a code "3" (or any code the list
        // does not know) shows as Vinyl.
        QString primary = textOf(kPrimary, home.ExteriorPrimary());
        if (primary.isEmpty() || primary == kBrickText) primary = QStringLiteral("Vinyl");
        selectItem(cmbPrimary, primary);
    } else {
        selectItem(cmbPrimary, kBrickText);
        fraConfiguration->show();
        // A configuration the list does not know selects nothing; validation then asks for one.
        const QString text = configurationText(configuration);
        if (!text.isEmpty()) {
            selectItem(cmbBrick, text);
            if (text != kFullBrick) fraSecondary->show();
        }
        selectItem(cmbSecondary, textOf(kSecondary, home.ExteriorSecondary()));
    }
    focusCurrent(QStringLiteral("cmbPrimary"));
}

void frm01Exterior::cmbPrimary_Click()
{
    if (cmbPrimary->currentText() != kBrickText) {
        fraConfiguration->hide();
        fraPrimary->show();
        fraSecondary->hide();
        return;
    }
    fraConfiguration->show();
    fraSecondary->setVisible(cmbBrick->currentText() != kFullBrick);
}

void frm01Exterior::cmbBrick_Click()
{
    fraSecondary->setVisible(cmbBrick->currentText() != kFullBrick);
    CalcForm();
}

bool frm01Exterior::refuseList(const QString& listName, const QString& message)
{
    forms::MsgBox(message, forms::vbCritical, QStringLiteral("Validation Error"));
    focusCurrent(listName);
    return false;
}

bool frm01Exterior::ValidateFormData()
{
    if (cmbPrimary->currentText() != kBrickText) return true;
    if (cmbBrick->currentText().isEmpty())
        return refuseList(QStringLiteral("cmbBrick"),
                          QStringLiteral("You need to select a brick configuration."));
    if (cmbBrick->currentText() != kFullBrick && cmbSecondary->currentText().isEmpty())
        return refuseList(QStringLiteral("cmbSecondary"),
                          QStringLiteral("You need to select a secondary material."));
    return true;
}

void frm01Exterior::CalcForm()
{
    vb::Trap trap = beginCalcForm();
    clsHomeData& home = *g_HomeData;
    const QString primary = cmbPrimary->currentText();
    if (primary == kBrickText) {
        const int configuration = configurationOf(cmbBrick->currentText());
        if (configuration > 0) trap([&] { home.setBrickConfiguration(vb::Integer(configuration)); });
        trap([&] { home.setExteriorPrimary(QStringLiteral("3")); });
        trap([&] {
            if (home.BrickConfiguration() == 1) {
                home.setExteriorSecondary(QStringLiteral("0"));
                return;
            }
            const QString secondary = codeOf(kSecondary, cmbSecondary->currentText());
            if (!secondary.isEmpty()) home.setExteriorSecondary(secondary);
        });
        return;
    }
    trap([&] { home.setBrickConfiguration(0); });
    const QString code = codeOf(kPrimary, primary);
    if (!code.isEmpty()) trap([&] { home.setExteriorPrimary(code); });
    trap([&] { home.setExteriorSecondary(QStringLiteral("0")); });
}

} // namespace pages
