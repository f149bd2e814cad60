// Loaded into a started program through QT_QPA_GENERIC_PLUGINS=tavimoorprobe. It reports the
// program folder, the main window's title and the page shown on stdout, then closes the main
// window and answers No to every save question, so the program ends through its own closing path.
// With TAVIMOOR_PROBE_MENU naming a menu command of the main window (mnuFileOpen, say), it first
// chooses that command and reports the folder the file dialog starts in, which it cancels.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QGenericPlugin>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace
{

void report(const char* key, const QString& value)
{
    std::printf("%s: %s\n", key, value.toUtf8().constData());
    std::fflush(stdout);
}

class Probe : public QObject
{
public:
    Probe()
    {
        connect(&m_timer, &QTimer::timeout, this, &Probe::look);
        m_timer.start(50);
        // A program that never shows its window still ends.
        QTimer::singleShot(30000, this, [] {
            report("timeout", u"no main window"_s);
            QCoreApplication::exit(3);
        });
    }

private:
    void look()
    {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            report("box", box->text());
            QAbstractButton* answer = box->button(QMessageBox::No);
            if (!answer) answer = box->button(QMessageBox::Ok);
            if (answer) answer->click();
            return;
        }
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            report("dialog", dialog->directory().absolutePath());
            m_menu.clear();
            dialog->reject();
            return;
        }
        if (m_closing) return;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() != u"frmMain"_s || !window->isVisible()) continue;
            if (!m_reported) {
                report("folder", QCoreApplication::applicationDirPath());
                report("window", window->windowTitle());
                for (QWidget* page : window->findChildren<QWidget*>())
                    if (page->objectName().startsWith(u"frm"_s) && page->isVisible())
                        report("page", page->objectName());
                m_reported = true;
            }
            if (!m_menu.isEmpty()) {
                QAction* command = window->findChild<QAction*>(m_menu);
                if (!command) {
                    report("menu", u"no "_s + m_menu);
                    m_menu.clear();
                } else if (!m_chosen) {
                    m_chosen = true;
                    QMetaObject::invokeMethod(command, &QAction::trigger, Qt::QueuedConnection);
                }
                return;
            }
            m_closing = true;
            QMetaObject::invokeMethod(window, &QWidget::close, Qt::QueuedConnection);
        }
    }

    QTimer m_timer;
    QString m_menu = qEnvironmentVariable("TAVIMOOR_PROBE_MENU");
    bool m_reported = false;
    bool m_chosen = false;
    bool m_closing = false;
};

} // namespace

class ProgramProbePlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "ProgramProbe.json")

public:
    QObject* create(const QString&, const QString&) override { return new Probe; }
};

#include "ProgramProbe.moc"
