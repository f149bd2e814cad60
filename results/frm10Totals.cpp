#include "results/frm10Totals.h"

#include "results/CostGroups.h"

#include "estimate/clsHomeData.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"

#include <QLabel>

namespace results
{

namespace
{

// Two columns of eleven rows, 480 twips apart from the top of the first.
constexpr int kRowsPerColumn = 11;
constexpr int kFirstTop = 960;
constexpr int kRowStep = 480;
constexpr int kRowHeight = 375;
struct Column {
    int captionLeft, captionWidth, valueLeft, valueWidth;
};
constexpr Column kColumns[] = {{960, 2880, 3960, 1440}, {5640, 2040, 7740, 1440}};

constexpr QRgb kDarkBlue = 0x000080; // &H800000

void styleBreakoutLabel(QLabel* label, qreal pointSize)
{
    QFont font = StyleFont(12, true);
    font.setPointSizeF(pointSize);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, QColor(kDarkBlue));
    pal.setColor(QPalette::Window, Qt::white);
    label->setPalette(pal);
    label->setAutoFillBackground(true);
    label->setWordWrap(false);
}

} // namespace

frm10Totals::frm10Totals() : InterviewPage(QStringLiteral("frm10Totals"), QStringLiteral("Cost Breakouts"))
{
    // Back and Navigation leave without CalcForm; nothing is validated.
    m_moves.calcOnBack = false;
    m_moves.calcOnNavigation = false;
    m_moves.validate = false;

    const auto& groups = costGroups();
    for (int i = 0; i < int(groups.size()); ++i) {
        const Column& col = kColumns[i / kRowsPerColumn];
        const int top = kFirstTop + (i % kRowsPerColumn) * kRowStep;
        const QString valueName = QString::fromUtf16(groups[i].valueLabel);
        QLabel* caption = addLabel(valueName + QStringLiteral("Caption"), groups[i].captionText(),
                                   col.captionLeft, top, col.captionWidth, kRowHeight);
        styleBreakoutLabel(caption, 12);
        QLabel* value =
            addLabel(valueName, QStringLiteral("$"), col.valueLeft, top, col.valueWidth, kRowHeight);
        styleBreakoutLabel(value, 9.75);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
}

void frm10Totals::Form_Load()
{
    InitLabel(lbPageTitle, PageTitleLabel);
}

void frm10Totals::Form_Activate()
{
    const clsHomeData& home = HomeData();
    for (const CostGroup& group : costGroups()) {
        const QString text = formatBreakout(group.amount(home));
        if (auto* label = qobject_cast<QLabel*>(currentControl(QString::fromUtf16(group.valueLabel))))
            label->setText(text);
    }
    focusCurrent(QStringLiteral("cmdContinue"));
}

} // namespace results
