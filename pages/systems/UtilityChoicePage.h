#pragma once

#include "pages/frame/InterviewPage.h"

#include "estimate/clsHomeData.h"

namespace pages
{

// A utility page: one question and two options in a frame, the answer stored as the option's
// index. Whether a click stores it at once or only a move does is the page's choice.
class UtilityChoicePage : public InterviewPage
{
    Q_OBJECT

public:
    struct Design {
        const char16_t* className;
        const char16_t* title;
        const char16_t* frameName;
        const char16_t* question;
        const char16_t* optionName;
        const char16_t* captions[2];
        vb::Integer (clsHomeData::*get)() const;
        void (clsHomeData::*set)(vb::Integer);
        bool storeOnClick;
    };

    explicit UtilityChoicePage(const Design& design);

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void CalcForm() override;

    QFrame* m_frame = nullptr;
    QLabel* m_question = nullptr;
    QList<QRadioButton*> m_options;

private:
    const Design& m_design;
};

} // namespace pages
