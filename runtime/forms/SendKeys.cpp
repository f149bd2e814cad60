#include "runtime/forms/SendKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace forms
{

namespace
{

struct NamedKey {
    const char16_t* name;
    int key;
};

constexpr NamedKey namedKeys[] = {
    {u"ENTER", Qt::Key_Return},        {u"TAB", Qt::Key_Tab},      {u"ESC", Qt::Key_Escape},
    {u"BACKSPACE", Qt::Key_Backspace}, {u"BS", Qt::Key_Backspace},
};

int keyOf(const QString& name)
{
    const QString upper = name.toUpper();
    if (upper.size() >= 2 && upper.startsWith(QLatin1Char('F'))) {
        bool ok = false;
        const int n = upper.mid(1).toInt(&ok);
        if (ok && n >= 1 && n <= 12) return Qt::Key_F1 + n - 1;
    }
    for (const NamedKey& k : namedKeys)
        if (upper == QStringView(k.name)) return k.key;
    if (name.size() == 1) return QKeySequence(name).count() ? QKeySequence(name)[0].key() : 0;
    return 0;
}

void post(int key, const QString& text)
{
    QObject* target = QApplication::focusWidget();
    if (!target) target = QApplication::activeWindow();
    if (!target) return;
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
}

} // namespace

void SendKeys(const QString& keys)
{
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (keys[i] == QLatin1Char('{')) {
            const qsizetype end = keys.indexOf(QLatin1Char('}'), i + 2);
            if (end < 0) break;
            const QString name = keys.mid(i + 1, end - i - 1);
            if (const int key = keyOf(name)) {
                QString text;
                if (key == Qt::Key_Return)
                    text = QStringLiteral("\r");
                else if (key == Qt::Key_Tab)
                    text = QStringLiteral("\t");
                else if (key == Qt::Key_Backspace)
                    text = QString(QChar(8));
                else if (name.size() == 1)
                    text = name;
                post(key, text);
            }
            i = end;
            continue;
        }
        const QString ch(keys[i]);
        post(keyOf(ch), ch);
    }
}

} // namespace forms
