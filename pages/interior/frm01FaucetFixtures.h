#pragma once

#include "pages/interior/QuestionPage.h"

namespace pages
{

// Page 38: the finish of the faucet fixtures (FixtureType: 0 chrome, 1 brushed, 2 brass).
class frm01FaucetFixtures : public CodeOptionsPage
{
    Q_OBJECT

public:
    frm01FaucetFixtures();

    QList<QRadioButton*> optGrade;
};

} // namespace pages
