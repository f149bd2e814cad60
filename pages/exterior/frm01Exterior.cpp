#include "pages/exterior/frm01Exterior.h"

#include "estimate/ExteriorCodes.h"
#include "estimate/clsHomeData.h"
#include "runtime/forms/MsgBox.h"
#include "runtime/forms/Twips.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>

namespace pages
{

namespace
{

using estimate::kBrick;

// The lists in the order they show them; the words are the record's.
constexpr QStringView kPrimary[] = {estimate::kVinyl, estimate::kWood, estimate::kAluminum, kBrick,
                                    estimate::kStucco};
constexpr QStringView kSecondary[] = {estimate::kVinyl, estimate::kWood, estimate::kAluminum};
constexpr int kConfigurations[] = {estimate::kFrontOnly, estimate::kFrontAndSides, estimate::kPartialBrick,
                                   estimate::kMainFloorOnly, estimate::kFullBrick};

QString word(QStringView code)
{
    return estimate::exteriorWord(code).value_or(QString());
}

QString word(int configuration)
{
    return estimate::brickConfigurationWord(configuration).value_or(QString());
}

const QString kBrickText = word(kBrick);
const QString kFullBrick = word(estimate::kFullBrick);

template <typename T, size_t N> QStringList texts(const T (&items)[N])
{
    QStringList list;
    for (const T& item : items)
        list << word(item);
    return list;
}

// The code of a shown material; empty when the text is none of the list's.
template <size_t N> QString codeOf(const QStringView (&items)[N], const QString& text)
{
    for (QStringView item : items)
        if (text == word(item)) return item.toString();
    return QString();
}

// The shown text of a stored material code; empty when the code is none of the list's.
template <size_t N> QString textOf(const QStringView (&items)[N], const QString& code)
{
    for (QStringView item : items)
        if (code == item) return word(item);
    return QString();
}

int configurationOf(const QString& text)
{
    for (int item : kConfigurations)
        if (text == word(item)) return item;
    return -1;
}

QString configurationText(int code)
{
    for (int item : kConfigurations)
        if (code == item) return word(item);
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
    list->setGeometry(forms::twipsRect(2760, 600, 2640, 420));
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
    fillList(cmbBrick, texts(kConfigurations));
    fillList(cmbSecondary, texts(kSecondary));
    fraPrimary->show();

    clsHomeData& home = HomeData();
    const vb::Integer configuration = home.BrickConfiguration();
    if (configuration.value() == estimate::kNoBrick) {
        // Without a brick configuration the house is not brick: a code "3" (or any code the list
        // does not know) shows as Vinyl.
        QString primary = textOf(kPrimary, home.ExteriorPrimary());
        if (primary.isEmpty() || primary == kBrickText) primary = word(estimate::kVinyl);
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
    clsHomeData& home = HomeData();
    const QString primary = cmbPrimary->currentText();
    if (primary == kBrickText) {
        const int configuration = configurationOf(cmbBrick->currentText());
        if (configuration > 0) trap([&] { home.setBrickConfiguration(vb::Integer(configuration)); });
        trap([&] { home.setExteriorPrimary(kBrick.toString()); });
        trap([&] {
            if (home.BrickConfiguration().value() == estimate::kFullBrick) {
                home.setExteriorSecondary(estimate::kNoExterior.toString());
                return;
            }
            const QString secondary = codeOf(kSecondary, cmbSecondary->currentText());
            if (!secondary.isEmpty()) home.setExteriorSecondary(secondary);
        });
        return;
    }
    trap([&] { home.setBrickConfiguration(estimate::kNoBrick); });
    const QString code = codeOf(kPrimary, primary);
    if (!code.isEmpty()) trap([&] { home.setExteriorPrimary(code); });
    trap([&] { home.setExteriorSecondary(estimate::kNoExterior.toString()); });
}

} // namespace pages
