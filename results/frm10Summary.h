#pragma once

#include "pages/frame/InterviewPage.h"

class QPlainTextEdit;

namespace results
{

// Result page 3: the house described in words, rebuilt on every showing.
class frm10Summary : public pages::InterviewPage
{
    Q_OBJECT

public:
    frm10Summary();

    QPlainTextEdit* txtSummary = nullptr;

protected:
    void Form_Load() override;
    void Form_Activate() override;
};

} // namespace results
