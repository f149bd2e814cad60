#pragma once

class QObject;

namespace help
{

// Answers F1 anywhere in the application with the help topic of the focused window: the
// nearest "HelpContextID" property (int > 0) from the receiving widget up through its parents,
// or the contents topic when none is set.
void installContextHelp();
// The topic F1 on this object opens.
int contextIdFor(const QObject* receiver);

} // namespace help
