#pragma once

#include "pages/frame/InterviewPage.h"

#include <vector>

class clsHomeData;

namespace pages
{

// A roof choice with its picture: each option stores its code at once and shows its drawing.
class RoofPage : public InterviewPage
{
    Q_OBJECT

public:
    using Getter = vb::Integer (clsHomeData::*)() const;
    using Setter = void (clsHomeData::*)(vb::Integer);

    struct Choice {
        QString caption;
        int code;
        QString pictureKey;
    };

    RoofPage(const QString& className, const QString& title, const QString& statement,
             std::vector<Choice> choices, Getter value, Setter setValue);

    QLabel* lbStatement = nullptr;
    QFrame* fraRoof = nullptr;
    QList<QRadioButton*> optRoof;
    QLabel* imgRoof = nullptr;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void CalcForm() override;

private:
    void optRoof_Click(int Index);

    std::vector<Choice> m_choices;
    Getter m_value;
    Setter m_setValue;
};

} // namespace pages
