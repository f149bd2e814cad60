#include "pages/interior/QuestionPage.h"

#include "estimate/clsHomeData.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"

#include <QFrame>
#include <QLabel>
#include <QRadioButton>

namespace pages
{

namespace
{
constexpr int kLeft = 1440;
constexpr int kWidth = 7440;
constexpr int kLineHeight = 400;
constexpr int kOptionsLeft = 720;
constexpr int kOptionsTop = 540;
constexpr int kOptionHeight = 375;
constexpr int kOptionGap = 240;
} // namespace

QuestionPage::Question QuestionPage::addQuestion(const QString& frameName, int top, const QString& labelName,
                                                 const QString& caption, const QString& optionName,
                                                 const QStringList& captions, int optionWidth)
{
    Question q;
    const bool withLabel = !labelName.isEmpty();
    const int optionsTop = withLabel ? kOptionsTop : 0;
    q.frame = addFrame(frameName, kLeft, top, kWidth, optionsTop + kOptionHeight + 60);
    if (withLabel) q.label = addLabel(labelName, caption, 0, 0, kWidth, kLineHeight, true, q.frame);
    q.options = addOptions(optionName, captions, q.frame, kOptionsLeft, optionsTop, optionWidth,
                           kOptionHeight, optionWidth + kOptionGap, 0);
    return q;
}

void QuestionPage::onClicks(const QList<QRadioButton*>& options, const std::function<void(int)>& handler)
{
    for (int i = 0; i < options.size(); ++i)
        onClick(options[i], [handler, i] { handler(i); });
}

QRadioButton* QuestionPage::selectOption(const QList<QRadioButton*>& options, int index, bool focus)
{
    if (index < 0 || index >= options.size()) return nullptr;
    QRadioButton* option = options[index];
    option->setChecked(true);
    if (focus) option->setFocus();
    return option;
}

QRadioButton* QuestionPage::selectYesNo(const QList<QRadioButton*>& options, bool value, bool focus)
{
    return selectOption(options, value ? 0 : 1, focus);
}

vb::Integer QuestionPage::selected(vb::Trap& trap, const QList<QRadioButton*>& options)
{
    vb::Integer index = -1;
    trap([&] { index = GetSelectedOption(options); });
    return index;
}

CodeOptionsPage::CodeOptionsPage(const QString& className, const QString& title, const QString& statement,
                                 int statementHeight, const QString& optionName, const QStringList& captions,
                                 int optionsTop, Member member)
    : QuestionPage(className, title), m_member(member)
{
    lbStatement = addLabel(QStringLiteral("lbStatement"), statement, kLeft, 960, kWidth, statementHeight);
    m_options = addOptions(optionName, captions, nullptr, 2160, optionsTop, 3000, kOptionHeight, 0, 540);
    onClicks(m_options, [this](int) { CalcForm(); });
}

void CodeOptionsPage::Form_Load()
{
    InitLabel(lbPageTitle, PageTitleLabel);
    InitLabel(lbStatement, StatementLabel);
    for (QRadioButton* option : m_options)
        InitOptionButton(option);
}

void CodeOptionsPage::Form_Activate()
{
    for (QRadioButton* option : m_options)
        option->show();
    selectOption(m_options, (HomeData().*m_member.get)(), true);
}

void CodeOptionsPage::CalcForm()
{
    vb::Trap trap = beginCalcForm();
    const vb::Integer index = selected(trap, m_options);
    if (index >= 0) trap([&] { (HomeData().*m_member.set)(index); });
}

} // namespace pages
