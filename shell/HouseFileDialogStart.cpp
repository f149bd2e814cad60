#include "shell/HouseFileDialogStart.h"

#include "runtime/forms/App.h"
#include "runtime/forms/CommonDialog.h"
#include "shell/basGlobalVariables.h"
#include "shell/basHouseFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace
{

QString DocumentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

bool LiesIn(const QString& path, const QString& folder)
{
    const QFileInfo info(QDir::fromNativeSeparators(path));
    return info.isAbsolute() && QDir::cleanPath(info.absolutePath()) == QDir::cleanPath(folder);
}

} // namespace

void SetHouseFileDialogStart(forms::CommonDialog& dialog)
{
    const bool named = !IsUntitled();
    QString folder;
    if (named)
        folder = QFileInfo(g_HouseFilePath).absolutePath();
    else if (UntitledInProgramFolder())
        folder = forms::App::Path();
    else
        folder = DocumentsFolder();
    const QString last = dialog.FileName();
    QString name;
    if (LiesIn(last, folder))
        name = QDir::fromNativeSeparators(last);
    else if (named)
        name = QFileInfo(g_HouseFilePath).absoluteFilePath();
    dialog.setInitDir(folder);
    dialog.setFileName(name);
}
