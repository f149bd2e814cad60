#pragma once

#include "pages/frame/InterviewPage.h"

class clsHomeData;

namespace pages
{

// A ceiling height of 8, 9 or 10 feet, stored at once in one field of the record.
class CeilingHeightPage : public InterviewPage
{
    Q_OBJECT

public:
    using Getter = vb::Integer (clsHomeData::*)() const;
    using Setter = void (clsHomeData::*)(vb::Integer);

    CeilingHeightPage(const QString& className, const QString& title, const QString& statement, Getter height,
                      Setter setHeight);

    QLabel* lbStatement = nullptr;
    QList<QRadioButton*> optHeight;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void CalcForm() override;

private:
    Getter m_height;
    Setter m_setHeight;
};

} // namespace pages
