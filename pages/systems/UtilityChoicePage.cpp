#include "pages/systems/UtilityChoicePage.h"

#include "pages/site/OptionAnswer.h"

#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"

#include <QFrame>
#include <QLabel>
#include <QRadioButton>

namespace pages
{

UtilityChoicePage::UtilityChoicePage(const Design& design)
    : InterviewPage(QString::fromUtf16(design.className), QString::fromUtf16(design.title)), m_design(design)
{
    m_frame = addFrame(QString::fromUtf16(design.frameName), 1440, 960, 7440, 1560);
    m_question = addLabel(QStringLiteral("Label1"), QString::fromUtf16(design.question), 0, 0, 7440, 400,
                          true, m_frame);
    m_options = addOptions(QString::fromUtf16(design.optionName),
                           {QString::fromUtf16(design.captions[0]), QString::fromUtf16(design.captions[1])},
                           m_frame, 720, 600, 3000, 375, 0, 540);
    if (design.storeOnClick) {
        for (QRadioButton* option : m_options)
            onClick(option, [this] { CalcForm(); });
    }
}

void UtilityChoicePage::Form_Load()
{
    InitLabel(lbPageTitle, PageTitleLabel);
    InitLabel(m_question, QuestionLabel);
    for (QRadioButton* option : m_options)
        InitOptionButton(option);
}

void UtilityChoicePage::Form_Activate()
{
    m_frame->show();
    selectStoredOption(m_options, (HomeData().*m_design.get)());
}

void UtilityChoicePage::CalcForm()
{
    vb::Trap trap = beginCalcForm();
    storeSelectedOption(trap, m_options, m_design.set);
}

} // namespace pages
