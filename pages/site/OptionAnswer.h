#pragma once

#include "estimate/clsHomeData.h"
#include "runtime/vb/Integer.h"
#include "runtime/vb/Trap.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"

#include <QList>
#include <QRadioButton>

namespace pages
{

// An answer kept as the index of its option: the stored code selects its option (which runs the
// option's Click) and takes the focus; a code outside the group selects nothing.
inline void selectStoredOption(const QList<QRadioButton*>& options, int code)
{
    if (code < 0 || code >= options.size()) return;
    options[code]->setChecked(true);
    options[code]->setFocus();
}

// Writes the index of the selected option; with none selected nothing is written.
inline void storeSelectedOption(vb::Trap& trap, const QList<QRadioButton*>& options,
                                void (clsHomeData::*set)(vb::Integer))
{
    vb::Integer i = -1;
    trap([&] { i = GetSelectedOption(options); });
    if (i < 0) return;
    trap([&] { (HomeData().*set)(i); });
}

} // namespace pages
