#include "results/frm10Summary.h"

#include "results/basReporting.h"

#include "runtime/forms/Twips.h"
#include "shell/basStyleControl.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>

#include <algorithm>

namespace results
{

namespace
{

// Tab stops far enough apart that one tab after the longest floor caption and two after
// "Total: " reach the same column.
qreal summaryTabStop(const QFont& font)
{
    const QFontMetricsF metrics(font);
    qreal widest = 0;
    for (const char* caption :
         {"Main Floor: ", "Second Floor: ", "Third Floor: ", "Bonus Room: ", "Basement: "})
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromLatin1(caption)));
    const qreal total = metrics.horizontalAdvance(QStringLiteral("Total: "));
    return std::max(total, widest / 2) + metrics.averageCharWidth();
}

} // namespace

frm10Summary::frm10Summary() : InterviewPage(QStringLiteral("frm10Summary"), QStringLiteral("Summary"))
{
    txtSummary = new QPlainTextEdit(QStringLiteral("Text1"), this);
    txtSummary->setObjectName(QStringLiteral("txtSummary"));
    txtSummary->setGeometry(forms::twipsRect(720, 960, 7575, 4935));
    txtSummary->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtSummary->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtSummary->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // The description is for reading: nothing typed here would be kept.
    txtSummary->setReadOnly(true);
    txtSummary->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void frm10Summary::Form_Load()
{
    InitLabel(lbPageTitle, PageTitleLabel);
}

void frm10Summary::Form_Activate()
{
    focusCurrent(QStringLiteral("cmdContinue"));
    InitTextBox(txtSummary);
    txtSummary->setTabStopDistance(summaryTabStop(txtSummary->font()));
    // Lines end with CR LF; the text box shows each pair as one line break.
    txtSummary->setPlainText(BuildHouseSummary().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

} // namespace results
