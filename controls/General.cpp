#include "controls/General.h"

#include "controls/Skip.h"
#include "runtime/com/LateBound.h"
#include "runtime/com/Twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

namespace ombLustrel
{

namespace
{

constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;

General::StyleQuestion& styleQuestion()
{
    static General::StyleQuestion question;
    return question;
}

int askStyleQuestion(QWidget* page, const QString& prompt)
{
    if (styleQuestion()) return styleQuestion()(page, prompt);
    const auto answer = QMessageBox::question(page, QStringLiteral("ombLustrel"), prompt,
                                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Help);
    return answer == QMessageBox::Yes ? kAnswerYes : kAnswerNo;
}

// Items of a list: item n is "n - name", so an item's position is its value.
void fill(QComboBox* list, const QStringList& suffixes)
{
    list->clear();
    for (int n = 0; n < suffixes.size(); ++n)
        list->addItem(QString::number(n) + suffixes[n]);
}

// The leading number of a text, as a floating value; 0 when there is none.
double leadingNumber(const QString& text)
{
    const QString t = text.trimmed();
    qsizetype end = 0;
    if (end < t.size() && (t[end] == u'-' || t[end] == u'+')) ++end;
    while (end < t.size() && t[end].isDigit())
        ++end;
    if (end < t.size() && t[end] == u'.') {
        ++end;
        while (end < t.size() && t[end].isDigit())
            ++end;
    }
    bool ok = false;
    const double value = t.left(end).toDouble(&ok);
    return ok ? value : 0.0;
}

} // namespace

void General::setStyleQuestion(StyleQuestion question)
{
    styleQuestion() = std::move(question);
}

General::General(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("General"));
    auto label = [&](const QString& name, const QString& caption, int top) {
        auto* l = new QLabel(caption, this);
        l->setObjectName(name);
        l->setGeometry(com::twipsRect(120, top, 1440, 315));
        return l;
    };
    auto text = [&](const QString& name, int top, int width) {
        auto* t = new QLineEdit(this);
        t->setObjectName(name);
        t->setGeometry(com::twipsRect(1560, top, width, 315));
        connect(t, &QLineEdit::textChanged, this, &General::markChanged);
        t->installEventFilter(this);
        return t;
    };
    auto list = [&](const QString& name, int top) {
        auto* c = new QComboBox(this);
        c->setObjectName(name);
        c->setGeometry(com::twipsRect(1560, top, 3255, 315));
        return c;
    };
    auto check = [&](const QString& name, const QString& caption, int left, int top) {
        auto* c = new QCheckBox(caption, this);
        c->setObjectName(name);
        c->setGeometry(com::twipsRect(left, top, 1620, 315));
        connect(c, &QCheckBox::clicked, this, &General::markChanged);
        connect(c, &QCheckBox::stateChanged, this, &General::markChanged);
        return c;
    };

    lblCaption = label(QStringLiteral("lblCaption"), QStringLiteral("&Caption:"), 120);
    txtCaption = text(QStringLiteral("txtCaption"), 120, 3255);
    lblStyle = label(QStringLiteral("lblStyle"), QStringLiteral("&Style:"), 480);
    cboStyle = list(QStringLiteral("cboStyle"), 480);
    lblAppearance = label(QStringLiteral("lblAppearance"), QStringLiteral("&Appearance:"), 840);
    cboAppearance = list(QStringLiteral("cboAppearance"), 840);
    lblBorderStyle = label(QStringLiteral("lblBorderStyle"), QStringLiteral("&Border Style:"), 1200);
    cboBorderStyle = list(QStringLiteral("cboBorderStyle"), 1200);
    lblAlignment = label(QStringLiteral("lblAlignment"), QStringLiteral("A&lignment:"), 1560);
    cboAlignment = list(QStringLiteral("cboAlignment"), 1560);
    lblTag = label(QStringLiteral("lblTag"), QStringLiteral("&Tag:"), 1920);
    txtTag = text(QStringLiteral("txtTag"), 1920, 3255);
    chkShowFocus = check(QStringLiteral("chkShowFocus"), QStringLiteral("Show&Focus"), 1560, 2280);
    chkShowDefault = check(QStringLiteral("chkShowDefault"), QStringLiteral("Show&Default"), 3240, 2280);
    chkEnabled = check(QStringLiteral("chkEnabled"), QStringLiteral("&Enabled"), 1560, 2640);
    chkUseMaskColor = check(QStringLiteral("chkUseMaskColor"), QStringLiteral("&UseMaskColor"), 3240, 2640);
    chkDropShadow = check(QStringLiteral("chkDropShadow"), QStringLiteral("Dr&opShadow"), 1560, 3000);
    lblPictureAlignment =
        label(QStringLiteral("lblPictureAlignment"), QStringLiteral("&Picture Alignment:"), 3360);
    cboPictureAlignment = list(QStringLiteral("cboPictureAlignment"), 3360);
    lblPictureSpacing = label(QStringLiteral("lblPictureSpacing"), QStringLiteral("P&icture Spacing:"), 3720);
    txtPictureSpacing = text(QStringLiteral("txtPictureSpacing"), 3720, 1005);
    lblPictureStyle = label(QStringLiteral("lblPictureStyle"), QStringLiteral("Pictu&re Style:"), 4080);
    cboPictureStyle = list(QStringLiteral("cboPictureStyle"), 4080);

    const QList<QPair<QLabel*, QWidget*>> buddies{{lblCaption, txtCaption},
                                                  {lblStyle, cboStyle},
                                                  {lblAppearance, cboAppearance},
                                                  {lblBorderStyle, cboBorderStyle},
                                                  {lblAlignment, cboAlignment},
                                                  {lblTag, txtTag},
                                                  {lblPictureAlignment, cboPictureAlignment},
                                                  {lblPictureSpacing, txtPictureSpacing},
                                                  {lblPictureStyle, cboPictureStyle}};
    for (const auto& [l, w] : buddies)
        l->setBuddy(w);

    const QList<QWidget*> tabOrder{txtCaption,        cboStyle,        cboAppearance, cboBorderStyle,
                                   cboAlignment,      txtTag,          chkShowFocus,  chkShowDefault,
                                   chkEnabled,        chkUseMaskColor, chkDropShadow, cboPictureAlignment,
                                   txtPictureSpacing, cboPictureStyle};
    for (int i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    for (QComboBox* c : {cboAppearance, cboBorderStyle, cboAlignment, cboPictureAlignment, cboPictureStyle}) {
        connect(c, &QComboBox::activated, this, &General::markChanged);
        connect(c, &QComboBox::currentIndexChanged, this, &General::markChanged);
    }
    connect(cboStyle, &QComboBox::activated, this, &General::cboStyle_Click);

    setMinimumSize(com::twipsToPixels(4935), com::twipsToPixels(4515));
}

void General::markChanged()
{
    if (!m_loading) setChanged(true);
}

void General::setChanged(bool changed)
{
    if (m_changed == changed) return;
    m_changed = changed;
    emit ChangedChanged(changed);
}

void General::setSelectedControls(const QList<QObject*>& controls)
{
    m_selected.clear();
    for (QObject* c : controls)
        m_selected.append(c);
    SelectionChanged();
}

QList<QObject*> General::SelectedControls() const
{
    QList<QObject*> out;
    for (const QPointer<QObject>& c : m_selected)
        if (c) out.append(c.data());
    return out;
}

void General::SelectAllText(QLineEdit* box)
{
    box->setSelection(0, static_cast<int>(box->text().size()));
}

void General::SelectionChanged()
{
    m_loading = true;
    QObject* button = m_selected.isEmpty() ? nullptr : m_selected.first().data();
    skip([&] {
        fill(cboStyle, {QStringLiteral(" - ombStyleStandard"), QStringLiteral(" - ombStyleActive"),
                        QStringLiteral(" - ombStyleWin3x")});
    });
    skip([&] {
        fill(cboAppearance, {QStringLiteral(" - ombAppearanceFlat"), QStringLiteral(" - ombAppearance3D")});
    });
    skip([&] {
        fill(cboBorderStyle, {QStringLiteral(" - ombBorderNone"), QStringLiteral(" - ombBorderSingle")});
    });
    skip([&] {
        fill(cboPictureAlignment,
             {QStringLiteral(" - ombPicAlignLeft"), QStringLiteral(" - ombPicAlignRight"),
              QStringLiteral(" - ombPicAlignCenter"), QStringLiteral(" - ombPicAlignTop"),
              QStringLiteral(" - ombPicAlignBottom")});
    });
    skip([&] {
        fill(cboPictureStyle,
             {QStringLiteral(" - ombPicStyleNormal"), QStringLiteral(" - ombPicStyleMono"),
              QStringLiteral(" - ombPicStylePopup"), QStringLiteral(" - ombPicStyleStatic")});
    });
    skip([&] {
        fill(cboAlignment, {QStringLiteral(" - ombAlignLeft"), QStringLiteral(" - ombAlignRight"),
                            QStringLiteral(" - ombAlignCenter")});
    });
    auto get = [&](const char* name) { return com::getProperty(button, QString::fromLatin1(name)); };
    skip([&] { txtCaption->setText(get("Caption").toString()); });
    skip([&] { txtPictureSpacing->setText(get("PictureSpacing").toString()); });
    skip([&] { txtTag->setText(get("Tag").toString()); });
    skip([&] { SelectAllText(txtCaption); });
    skip([&] { SelectAllText(txtPictureSpacing); });
    skip([&] { SelectAllText(txtTag); });
    auto checkFrom = [&](QCheckBox* box, const char* name) {
        skip([&] { box->setChecked(get(name).toBool()); });
    };
    checkFrom(chkUseMaskColor, "UseMaskColor");
    checkFrom(chkEnabled, "Enabled");
    checkFrom(chkShowDefault, "ShowDefault");
    checkFrom(chkShowFocus, "ShowFocus");
    checkFrom(chkDropShadow, "DropShadow");
    auto indexFrom = [&](QComboBox* list, const char* name) {
        skip([&] {
            const int value = get(name).toInt();
            list->setCurrentIndex(value >= 0 && value < list->count() ? value : -1);
        });
    };
    indexFrom(cboStyle, "Style");
    indexFrom(cboAppearance, "Appearance");
    indexFrom(cboBorderStyle, "BorderStyle");
    indexFrom(cboPictureAlignment, "PictureAlignment");
    indexFrom(cboPictureStyle, "PictureStyle");
    indexFrom(cboAlignment, "Alignment");
    m_loading = false;
}

void General::ApplyChanges()
{
    QObject* button = m_selected.isEmpty() ? nullptr : m_selected.first().data();
    auto set = [&](const char* name, const QVariant& value) {
        skip([&] { com::setProperty(button, QString::fromLatin1(name), value); });
    };
    set("Caption", txtCaption->text());
    set("PictureSpacing", leadingNumber(txtPictureSpacing->text()));
    set("Tag", txtTag->text());
    set("UseMaskColor", chkUseMaskColor->isChecked());
    set("Enabled", chkEnabled->isChecked());
    set("Style", cboStyle->currentIndex());
    set("ShowDefault", chkShowDefault->isChecked());
    set("ShowFocus", chkShowFocus->isChecked());
    set("Appearance", cboAppearance->currentIndex());
    set("BorderStyle", cboBorderStyle->currentIndex());
    set("PictureAlignment", cboPictureAlignment->currentIndex());
    set("PictureStyle", cboPictureStyle->currentIndex());
    set("Alignment", cboAlignment->currentIndex());
    set("DropShadow", chkDropShadow->isChecked());
}

void General::cboStyle_Click()
{
    if (m_loading) return;
    const int answer = askStyleQuestion(this, QStringLiteral("Set all default settings for this style?"));
    if (answer == kAnswerYes) {
        struct Preset {
            int border;
            bool focus;
            bool showDefault;
        };
        // The same presets as the button's own Style.
        static constexpr Preset presets[] = {{0, true, true}, {0, false, false}, {1, true, true}};
        const int index = cboStyle->currentIndex();
        if (index >= 0 && index < 3) {
            cboBorderStyle->setCurrentIndex(presets[index].border);
            chkShowFocus->setChecked(presets[index].focus);
            chkShowDefault->setChecked(presets[index].showDefault);
        }
    }
    setChanged(true);
}

bool General::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        if (auto* box = qobject_cast<QLineEdit*>(watched)) SelectAllText(box);
    }
    if (watched == txtPictureSpacing && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste) ||
            key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Undo))
            return false;
        const QString text = key->text();
        if (text.isEmpty()) return false; // movement and editing keys
        const char16_t c = text.at(0).unicode();
        const bool allowed = (c >= u'0' && c <= u'9') || c == 3 || c == 8 || c == 22 || c == 24 || c == 26;
        if (!allowed) {
            QApplication::beep();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace ombLustrel
