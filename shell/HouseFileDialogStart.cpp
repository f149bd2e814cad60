#include "shell/HouseFileDialogStart.h"

#include "runtime/forms/App.h"
#include "runtime/forms/CommonDialog.h"
#include "runtime/vb/FileSystem.h"
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

HouseDialogStart HouseFileDialogStart(const QString& openFile, bool untitled, const QString& programFolder,
                                      const QString& lastName)
{
    HouseDialogStart start;
    if (!untitled && !openFile.isEmpty())
        start.folder = QFileInfo(openFile).absolutePath();
    else if (vb::IsWritableFolder(programFolder))
        start.folder = programFolder;
    else
        start.folder = DocumentsFolder();
    if (LiesIn(lastName, start.folder))
        start.fileName = QDir::fromNativeSeparators(lastName);
    else if (!untitled && !openFile.isEmpty())
        start.fileName = QFileInfo(openFile).absoluteFilePath();
    return start;
}

void StartHouseFileDialogHere(forms::CommonDialog& dialog)
{
    const HouseDialogStart start = HouseFileDialogStart(g_HouseFilePath, g_HouseFilePath == WorkingCopyPath(),
                                                        forms::App::Path(), dialog.FileName());
    dialog.setInitDir(start.folder);
    dialog.setFileName(start.fileName);
}
