// Loaded into a started program through QT_QPA_GENERIC_PLUGINS=tavimoorprobe. It reports the
// program folder, the main window's title and the page shown on stdout, then closes the main
// window and answers No to every save question, so the program ends through its own closing path.

#include <QAbstractButton>
#include <QApplication>
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
        if (m_closing) return;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() != u"frmMain"_s || !window->isVisible()) continue;
            report("folder", QCoreApplication::applicationDirPath());
            report("window", window->windowTitle());
            for (QWidget* page : window->findChildren<QWidget*>())
                if (page->objectName().startsWith(u"frm"_s) && page->isVisible())
                    report("page", page->objectName());
            m_closing = true;
            QMetaObject::invokeMethod(window, &QWidget::close, Qt::QueuedConnection);
        }
    }

    QTimer m_timer;
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
