#pragma once

#include "tests/support/PageHarness.h"

#include <QRadioButton>

namespace pagetest
{

// Option Index of the control array Name on the page now shown.
inline QRadioButton* option(const QString& name, int index)
{
    return control<QRadioButton>(name + QString::number(index));
}

// The control that has the focus in the main window.
inline QWidget* focused()
{
    return currentPage()->window()->focusWidget();
}

} // namespace pagetest
