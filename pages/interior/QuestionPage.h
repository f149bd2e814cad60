#pragma once

#include "pages/frame/InterviewPage.h"

#include <QList>

class clsHomeData;
class QFrame;
class QLabel;
class QRadioButton;

namespace pages
{

// A page of option questions, each a borderless frame holding its question and its options.
class QuestionPage : public InterviewPage
{
    Q_OBJECT

public:
    using InterviewPage::InterviewPage;

    struct Question {
        QFrame* frame = nullptr;
        QLabel* label = nullptr;
        QList<QRadioButton*> options;
    };

protected:
    // A frame at the statement column (left 1440, twips), hidden, with the question on its
    // first line and the options in a row under it. An empty label name leaves the question out
    // and puts the options on the first line.
    Question addQuestion(const QString& frameName, int top, const QString& labelName, const QString& caption,
                         const QString& optionName, const QStringList& captions, int optionWidth = 1200);

    // Each option's Click runs the handler with the option's index.
    void onClicks(const QList<QRadioButton*>& options, const std::function<void(int)>& handler);

    // Selects the option of a stored code in code (its Click runs) and gives it the focus when
    // asked; a code outside the group selects nothing. Returns the option selected, if any.
    static QRadioButton* selectOption(const QList<QRadioButton*>& options, int index, bool focus = false);
    // A stored Yes/No answer: index 0 is Yes.
    static QRadioButton* selectYesNo(const QList<QRadioButton*>& options, bool value, bool focus = false);

    // The chosen index through the trap; -1 when none is chosen.
    static vb::Integer selected(vb::Trap& trap, const QList<QRadioButton*>& options);
    // Stores a Yes/No group: index 0 true, index 1 false, nothing when none is chosen.
    template <typename Set>
    static void storeYesNo(vb::Trap& trap, const QList<QRadioButton*>& options, Set set)
    {
        const vb::Integer index = selected(trap, options);
        if (index == 0)
            trap([&] { set(true); });
        else if (index == 1)
            trap([&] { set(false); });
    }
};

// A page with one statement and one option group whose index is the stored code; a code outside
// the group selects nothing and stays stored.
class CodeOptionsPage : public QuestionPage
{
    Q_OBJECT

public:
    struct Member {
        vb::Integer (clsHomeData::*get)() const;
        void (clsHomeData::*set)(vb::Integer);
    };

    QLabel* lbStatement = nullptr;

protected:
    // The statement at the statement column; the options one under another from optionsTop.
    CodeOptionsPage(const QString& className, const QString& title, const QString& statement,
                    int statementHeight, const QString& optionName, const QStringList& captions,
                    int optionsTop, Member member);

    void Form_Load() override;
    void Form_Activate() override;
    void CalcForm() override;

    QList<QRadioButton*> m_options;

private:
    Member m_member;
};

} // namespace pages
