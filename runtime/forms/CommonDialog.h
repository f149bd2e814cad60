#pragma once

#include "runtime/vb/VbError.h"

#include <QString>

#include <optional>
#include <vector>

class QWidget;

namespace forms
{

// Error raised by a dialog with CancelError set when the user cancels.
inline constexpr int ErrCancelSelected = vb::ErrCancelSelected;

struct FileDialogRequest {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    QString title;
    QString filter;   // "Description|*.ext|Description|*.ext"
    QString initDir;  // empty: the dialog's last folder
    QString fileName; // name shown at start
};

class FileDialogService
{
public:
    virtual ~FileDialogService() = default;
    // The chosen path, or nullopt when the user cancelled.
    virtual std::optional<QString> run(const FileDialogRequest& request, QWidget* owner) = 0;
};

// The question a save dialog asks before it replaces an existing file. It names the file as
// chosen and, when that name is a symbolic link, the file the link leads to, which a save
// replaces.
QString ReplaceQuestion(const QString& path);

// Installs a service (not owned; nullptr restores the Qt one) and returns the previous one.
FileDialogService* setFileDialogService(FileDialogService* service);
FileDialogService* fileDialogService();

// The Qt implementation. The save dialog asks itself before replacing an existing file (naming
// the file a symbolic link leads to, as ReplaceQuestion does).
class QtFileDialogs : public FileDialogService
{
public:
    std::optional<QString> run(const FileDialogRequest& request, QWidget* owner) override;
};

// Test fake: installs itself while it lives. Each run takes the next scripted reply; an
// unscripted run is cancelled. As in the Qt dialog, a saved name without extension gets the
// filter's first extension. The save dialog's overwrite question is scripted too: when the
// reply names an existing file, the next overwrite answer (default: yes) decides whether the
// path is returned or the dialog counts as cancelled.
class ScriptedFileDialogs : public FileDialogService
{
public:
    struct Call {
        FileDialogRequest request;
        std::optional<QString> result;
        bool askedOverwrite = false;
        QString overwriteQuestion; // as ReplaceQuestion words it
    };

    ScriptedFileDialogs();
    ~ScriptedFileDialogs() override;
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    ScriptedFileDialogs& choose(const QString& path);
    ScriptedFileDialogs& cancel();
    ScriptedFileDialogs& overwrite(bool replace);
    const std::vector<Call>& calls() const { return m_calls; }
    int pending() const { return static_cast<int>(m_replies.size() - m_next); }

    std::optional<QString> run(const FileDialogRequest& request, QWidget* owner) override;

private:
    std::vector<std::optional<QString>> m_replies;
    size_t m_next = 0;
    std::vector<bool> m_overwrites;
    size_t m_nextOverwrite = 0;
    std::vector<Call> m_calls;
    FileDialogService* m_previous = nullptr;
};

// The common dialog control: properties set before a Show method, FileName read back after.
class CommonDialog
{
public:
    explicit CommonDialog(QWidget* owner = nullptr) : m_owner(owner) {}

    QString DialogTitle() const { return m_title; }
    void setDialogTitle(const QString& v) { m_title = v; }
    bool CancelError() const { return m_cancelError; }
    void setCancelError(bool v) { m_cancelError = v; }
    QString Filter() const { return m_filter; }
    void setFilter(const QString& v) { m_filter = v; }
    QString InitDir() const { return m_initDir; }
    void setInitDir(const QString& v) { m_initDir = v; }
    QString FileName() const { return m_fileName; }
    void setFileName(const QString& v) { m_fileName = v; }

    // On cancel FileName becomes empty; with CancelError set, VbError 32755 is thrown instead.
    void ShowOpen();
    void ShowSave();

private:
    void show(FileDialogRequest::Kind kind);

    QWidget* m_owner;
    QString m_title;
    bool m_cancelError = false;
    QString m_filter;
    QString m_initDir;
    QString m_fileName;
};

} // namespace forms
