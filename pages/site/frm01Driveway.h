#pragma once

#include "pages/interior/QuestionPage.h"

namespace pages
{

// Page 2: the driveway surface (DrivewayTreatment: 0 concrete, 1 asphalt, 2 gravel).
class frm01Driveway : public CodeOptionsPage
{
    Q_OBJECT

public:
    frm01Driveway();

    QList<QRadioButton*> optDriveway;
};

} // namespace pages
