#include "runtime/forms/CommonDialog.h"

#include "runtime/vb/FileSystem.h"
#include "runtime/vb/VbError.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>

namespace forms
{

namespace
{

QtFileDialogs& qtDialogs()
{
    static QtFileDialogs dialogs;
    return dialogs;
}

FileDialogService* g_service = nullptr;

// "Description|*.a;*.b|..." -> "Description (*.a *.b);;..."
QStringList qtFilters(const QString& filter)
{
    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns =
            parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
        QString description = parts[i];
        if (!description.contains(QLatin1Char('(')))
            description += QStringLiteral(" (") + patterns + QLatin1Char(')');
        result << description;
    }
    return result;
}

// The extension of the first pattern, when it is a plain "*.ext".
QString defaultSuffix(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    if (parts.size() < 2) return {};
    static const QRegularExpression plain(QStringLiteral("^\\*\\.(\\w+)$"));
    const auto match = plain.match(parts[1].split(QLatin1Char(';')).value(0).trimmed());
    return match.hasMatch() ? match.captured(1) : QString();
}

// The save dialog adds the filter's extension to a name that has none, as Qt's does.
QString withDefaultSuffix(const QString& path, const QString& suffix)
{
    if (suffix.isEmpty() || !QFileInfo(path).suffix().isEmpty()) return path;
    return path + QLatin1Char('.') + suffix;
}

// Qt's file dialog, asking its own question before a save through a symbolic link replaces
// the file the link leads to.
class SaveThroughLinksDialog : public QFileDialog
{
public:
    using QFileDialog::QFileDialog;

    void accept() override
    {
        const QStringList files = selectedFiles();
        const QString chosen = files.value(0);
        if (acceptMode() != AcceptSave || chosen.isEmpty() || !QFileInfo(chosen).isSymLink() ||
            !QFileInfo(chosen).isFile() || testOption(DontConfirmOverwrite)) {
            QFileDialog::accept();
            return;
        }
        const QString question =
            ReplaceQuestion(chosen).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (QMessageBox::warning(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) != QMessageBox::Yes)
            return;
        setOption(DontConfirmOverwrite, true);
        QFileDialog::accept();
        setOption(DontConfirmOverwrite, false);
    }
};

} // namespace

QString ReplaceQuestion(const QString& path)
{
    const QString file = vb::ResolveLinks(path);
    const QString exists =
        QFileInfo(path).isSymLink() && file != path
            ? path + QStringLiteral(" is a link to ") + file + QStringLiteral(", which already exists.")
            : path + QStringLiteral(" already exists.");
    return exists + QStringLiteral("\r\nDo you want to replace it?");
}

FileDialogService* setFileDialogService(FileDialogService* service)
{
    FileDialogService* previous = g_service;
    g_service = service;
    return previous;
}

FileDialogService* fileDialogService()
{
    return g_service ? g_service : &qtDialogs();
}

std::optional<QString> QtFileDialogs::run(const FileDialogRequest& request, QWidget* owner)
{
    SaveThroughLinksDialog dialog(owner, request.title);
    const bool save = request.kind == FileDialogRequest::Kind::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The save dialog asks before replacing a file (Qt's own confirmation).
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    const QStringList filters = qtFilters(request.filter);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    if (save) dialog.setDefaultSuffix(defaultSuffix(request.filter));
    if (!request.initDir.isEmpty()) dialog.setDirectory(request.initDir);
    if (!request.fileName.isEmpty()) {
        const QFileInfo info(QDir::fromNativeSeparators(request.fileName));
        if (request.initDir.isEmpty() && info.isAbsolute()) dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.fileName());
    }
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.first().isEmpty()) return std::nullopt;
    return files.first();
}

ScriptedFileDialogs::ScriptedFileDialogs() : m_previous(setFileDialogService(this)) {}

ScriptedFileDialogs::~ScriptedFileDialogs()
{
    if (g_service == this) setFileDialogService(m_previous);
}

ScriptedFileDialogs& ScriptedFileDialogs::choose(const QString& path)
{
    m_replies.emplace_back(path);
    return *this;
}

ScriptedFileDialogs& ScriptedFileDialogs::cancel()
{
    m_replies.emplace_back(std::nullopt);
    return *this;
}

ScriptedFileDialogs& ScriptedFileDialogs::overwrite(bool replace)
{
    m_overwrites.push_back(replace);
    return *this;
}

std::optional<QString> ScriptedFileDialogs::run(const FileDialogRequest& request, QWidget*)
{
    Call call{request, std::nullopt, false, QString()};
    if (m_next < m_replies.size()) call.result = m_replies[m_next++];
    if (call.result && request.kind == FileDialogRequest::Kind::Save)
        call.result = withDefaultSuffix(*call.result, defaultSuffix(request.filter));
    if (call.result && request.kind == FileDialogRequest::Kind::Save && QFile::exists(*call.result)) {
        call.askedOverwrite = true;
        call.overwriteQuestion = ReplaceQuestion(*call.result);
        const bool replace = m_nextOverwrite < m_overwrites.size() ? m_overwrites[m_nextOverwrite++] : true;
        if (!replace) call.result.reset();
    }
    m_calls.push_back(call);
    return call.result;
}

void CommonDialog::ShowOpen()
{
    show(FileDialogRequest::Kind::Open);
}
void CommonDialog::ShowSave()
{
    show(FileDialogRequest::Kind::Save);
}

void CommonDialog::show(FileDialogRequest::Kind kind)
{
    const FileDialogRequest request{kind, m_title, m_filter, m_initDir, m_fileName};
    const std::optional<QString> chosen = fileDialogService()->run(request, m_owner);
    if (!chosen) {
        m_fileName.clear();
        if (m_cancelError) throw vb::VbError::cancelSelected();
        return;
    }
    m_fileName = *chosen;
}

} // namespace forms
