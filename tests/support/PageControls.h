#pragma once

#include "tests/support/PageHarness.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>

namespace pagetest
{

// Option Index of the control array Name on the page now shown.
inline QRadioButton* option(const QString& name, int index,
                            const std::source_location& where = std::source_location::current())
{
    return control<QRadioButton>(name + QString::number(index), where);
}

// The control that has the focus in the main window.
inline QWidget* focused(const std::source_location& where = std::source_location::current())
{
    return testsupport::require(currentPage(), "no page shown", where)->window()->focusWidget();
}

// Text box txtData<Row> on the page now shown.
inline QLineEdit* box(int row, const std::source_location& where = std::source_location::current())
{
    return control<QLineEdit>(QStringLiteral("txtData%1").arg(row), where);
}

// Keys typed into Target one at a time, as the keyboard sends them.
inline void type(QLineEdit* target, const QString& keys)
{
    for (QChar c : keys) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(target, &press);
    }
}

} // namespace pagetest
