#include "pages/frame/InterviewPage.h"

#include "pages/frame/ButtonPictures.h"

#include "runtime/com/ComponentRegistry.h"
#include "runtime/com/LateBound.h"
#include "runtime/com/PropertyBag.h"
#include "runtime/forms/Forms.h"
#include "runtime/forms/MsgBox.h"
#include "runtime/forms/SendKeys.h"
#include "runtime/forms/Twips.h"
#include "runtime/vb/Conversions.h"
#include "shell/basGlobalVariables.h"
#include "shell/basNavigation.h"
#include "shell/basStyleControl.h"
#include "shell/frmMain.h"
#include "shell/frmNavigation.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

#include <memory>

namespace pages
{

namespace
{

const QString kProgId = QStringLiteral("ombLustrel.Lustrel");
constexpr int kButtonTop = 6360;
constexpr int kButtonHeight = 360;

// Design font of the page's own controls: Arial 12.
QFont designFont(bool bold)
{
    return StyleFont(12, bold);
}

// Enter in an open drop-down list picks the item and closes the list. The list's own key
// handling leaves the key unclaimed as a shortcut, so the page's default button would take the
// same Enter and move on; the popup claims it here, after its list has handled it.
class ListKeepsEnter : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
        event->accept();
        return true;
    }
};

// The popup is the list's parent: a key the list did not claim reaches it on its way out.
void keepEnterInList(QComboBox* combo)
{
    QWidget* popup = combo->view()->parentWidget();
    if (popup) popup->installEventFilter(new ListKeepsEnter(popup));
}

// One option group: a single Tab stop, on the chosen option (on the first while none is chosen),
// and the arrow keys move the choice among the group's own options. The group's buttons say
// which options belong together, wherever they sit.
class OptionGroup : public QButtonGroup
{
public:
    explicit OptionGroup(QObject* parent) : QButtonGroup(parent)
    {
        connect(this, &QButtonGroup::buttonToggled, this, [this] { placeTabStop(); });
    }

    void add(QRadioButton* option)
    {
        addButton(option, static_cast<int>(buttons().size()));
        option->installEventFilter(this);
        placeTabStop();
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        // Moving the focus inside the group moves the stop with it; leaving puts it back.
        if (event->type() == QEvent::FocusOut) placeTabStop();
        return false;
    }

private:
    void placeTabStop()
    {
        const QList<QAbstractButton*> options = buttons();
        if (options.isEmpty()) return;
        QAbstractButton* stop = checkedButton() ? checkedButton() : options.first();
        for (QAbstractButton* option : options) {
            const int policy = option->focusPolicy();
            option->setFocusPolicy(static_cast<Qt::FocusPolicy>(option == stop ? policy | Qt::TabFocus
                                                                               : policy & ~Qt::TabFocus));
        }
    }
};

} // namespace

InterviewPage::InterviewPage(const QString& className, const QString& title, ButtonRow row, QWidget* parent)
    : QWidget(parent), m_row(row)
{
    setObjectName(className);
    setProperty("HelpContextID", 0);
    setFixedSize(forms::twipsToPixels(PageWidth), forms::twipsToPixels(PageHeight));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setFocusPolicy(Qt::NoFocus);

    lbPageTitle = addLabel(QStringLiteral("lbPageTitle"), title, 720, 260, 8400, 495);
    lbPageTitle->setWordWrap(false);

    if (m_row == ButtonRow::WelcomeOnly) {
        cmdContinue = createButton(QStringLiteral("cmdContinue"), 6580, 2295, SLOT(onContinueClick()));
        cmdContinue->show();
        return;
    }
    // Left to right as the row reads; Continue is the default button.
    cmdBack = createButton(QStringLiteral("cmdBack"), 720, 1000, SLOT(onBackClick()));
    cmdNavigation = createButton(QStringLiteral("cmdNavigation"), 1800, 270, SLOT(onNavigationClick()));
    cmdHelp = createButton(QStringLiteral("cmdHelp"), 2520, 1005, SLOT(onHelpClick()));
    cmdYes = createButton(QStringLiteral("cmdYes"), 4200, 975, SLOT(onYesClick()));
    cmdNo = createButton(QStringLiteral("cmdNo"), 5280, 855, SLOT(onNoClick()));
    cmdContinue = createButton(QStringLiteral("cmdContinue"), 7200, 1695, SLOT(onContinueClick()));
    if (com::hasMember(cmdContinue, QStringLiteral("Default")))
        com::setProperty(cmdContinue, QStringLiteral("Default"), true);
    if (com::hasMember(cmdNavigation, QStringLiteral("ToolTipText")))
        com::setProperty(cmdNavigation, QStringLiteral("ToolTipText"),
                         QStringLiteral("Open Navigation Window"));
    else
        cmdNavigation->setToolTip(QStringLiteral("Open Navigation Window"));
}

InterviewPage::~InterviewPage() = default;

QPixmap InterviewPage::buttonFace(const QString& name, QSize size) const
{
    const qreal ratio = devicePixelRatioF();
    if (!g_frmMain) return buttonPicture(name, size, ratio);
    const QString key =
        QStringLiteral("%1/%2x%3@%4").arg(name).arg(size.width()).arg(size.height()).arg(ratio);
    return g_frmMain->ButtonFaces().picture(key, [&] { return buttonPicture(name, size, ratio); });
}

QWidget* InterviewPage::createButton(const QString& name, int left, int width, const char* slot)
{
    const QSize size(forms::twipsToPixels(width), forms::twipsToPixels(kButtonHeight));
    const QPixmap face = buttonFace(name, size);
    com::PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Caption"), QString());
    bag.WriteProperty(QStringLiteral("Picture"), face);
    if (name == QLatin1String("cmdNavigation"))
        bag.WriteProperty(QStringLiteral("ToolTipText"), QStringLiteral("Open Navigation Window"));
    QWidget* button = com::ComponentRegistry::instance().create(kProgId, this, &bag);
    // A plain stand-in for the button library takes no settings: give it the face as its icon.
    if (!com::hasMember(button, QStringLiteral("Picture"))) {
        if (auto* plain = qobject_cast<QPushButton*>(button)) {
            plain->setIcon(QIcon(face));
            plain->setIconSize(size);
            plain->setFlat(true);
        }
    }
    button->setObjectName(name);
    button->setGeometry(QRect(QPoint(forms::twipsToPixels(left), forms::twipsToPixels(kButtonTop)), size));
    button->setProperty("Tag", QString());
    button->hide();
    com::connectEvent(button, SIGNAL(Click()), this, slot);
    return button;
}

void InterviewPage::placeButton(QWidget* button, int left, int width)
{
    button->setGeometry(forms::twipsToPixels(left), forms::twipsToPixels(kButtonTop),
                        forms::twipsToPixels(width), forms::twipsToPixels(kButtonHeight));
}

void InterviewPage::load()
{
    if (m_loaded) return;
    m_loaded = true;
    guarded(QStringLiteral("Form_Load"), [this] { Form_Load(); });
}

void InterviewPage::Form_Load()
{
    InitLabel(lbPageTitle, PageTitleLabel);
}

void InterviewPage::CalcForm()
{
    beginCalcForm();
}

vb::Trap InterviewPage::beginCalcForm()
{
    vb::Trap trap(className() + QStringLiteral(".CalcForm"));
    trap([] { g_CurrentStep = QStringLiteral("Calculate Form Data"); });
    return trap;
}

void InterviewPage::moveTo(QWidget* button, bool calc)
{
    if (m_moves.validate && !ValidateFormData()) return;
    if (calc) CalcForm();
    vb::Integer formId = vb::CInt(button->property("Tag"));
    // The page may be unloaded inside; it is deleted later, so nothing here touches it after.
    LoadForm(this, formId);
}

void InterviewPage::showQuickNavigation(bool calc)
{
    if (m_moves.validate && !ValidateFormData()) return;
    if (calc) CalcForm();
    ShowNavigationWindow();
}

bool InterviewPage::CommitEntries()
{
    if (m_moves.validate && !ValidateFormData()) return false;
    if (m_moves.calcOnForward) CalcForm();
    return true;
}

void InterviewPage::cmdBack_Click()
{
    moveTo(cmdBack, m_moves.calcOnBack);
}
void InterviewPage::cmdContinue_Click()
{
    moveTo(cmdContinue, m_moves.calcOnForward);
}
void InterviewPage::cmdYes_Click()
{
    moveTo(cmdYes, m_moves.calcOnForward);
}
void InterviewPage::cmdNo_Click()
{
    moveTo(cmdNo, m_moves.calcOnForward);
}
void InterviewPage::cmdNavigation_Click()
{
    showQuickNavigation(m_moves.calcOnNavigation);
}

void InterviewPage::cmdHelp_Click()
{
    // Help neither validates nor saves: F1 opens the topic of the page shown. When the focus is
    // not on this page (a click that did not move it), the key goes to the page itself.
    QWidget* focus = QApplication::focusWidget();
    if (focus && (focus == this || isAncestorOf(focus))) {
        forms::SendKeys(QStringLiteral("{F1}"));
        return;
    }
    QCoreApplication::postEvent(this, new QKeyEvent(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier));
    QCoreApplication::postEvent(this, new QKeyEvent(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier));
}

void InterviewPage::onBackClick()
{
    guarded(QStringLiteral("cmdBack_Click"), [this] { cmdBack_Click(); });
}
void InterviewPage::onContinueClick()
{
    guarded(QStringLiteral("cmdContinue_Click"), [this] { cmdContinue_Click(); });
}
void InterviewPage::onYesClick()
{
    guarded(QStringLiteral("cmdYes_Click"), [this] { cmdYes_Click(); });
}
void InterviewPage::onNoClick()
{
    guarded(QStringLiteral("cmdNo_Click"), [this] { cmdNo_Click(); });
}
void InterviewPage::onNavigationClick()
{
    guarded(QStringLiteral("cmdNavigation_Click"), [this] { cmdNavigation_Click(); });
}
void InterviewPage::onHelpClick()
{
    guarded(QStringLiteral("cmdHelp_Click"), [this] { cmdHelp_Click(); });
}

void InterviewPage::guarded(const QString& handler, const std::function<void()>& f)
{
    vb::guard(className() + QLatin1Char('.') + handler, f);
}

void InterviewPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous()) return;
    guarded(QStringLiteral("Form_Activate"), [this] { Form_Activate(); });
    // A page whose activation focused none of its controls has the focus on Continue, its
    // first stop for Enter: shown at start-up, after New or Open or by a move, Enter goes on.
    const QWidget* focus = window()->focusWidget();
    if ((!focus || !isAncestorOf(focus)) && cmdContinue && cmdContinue->isVisibleTo(this) &&
        cmdContinue->isEnabled())
        cmdContinue->setFocus(Qt::OtherFocusReason);
}

void InterviewPage::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && m_row == ButtonRow::Standard && event->modifiers() == Qt::NoModifier &&
        cmdContinue->isVisible() && cmdContinue->isEnabled()) {
        event->accept();
        onContinueClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool InterviewPage::refuse(QLineEdit* box, const QString& message)
{
    forms::MsgBox(message, forms::vbCritical, QStringLiteral("Validation Error"));
    box->setSelection(0, box->text().length());
    box->setFocus();
    return false;
}

QWidget* InterviewPage::currentControl(const QString& name) const
{
    QWidget* page = g_CurrentForm ? g_CurrentForm.data() : const_cast<InterviewPage*>(this);
    return page->findChild<QWidget*>(name);
}

void InterviewPage::focusCurrent(const QString& name) const
{
    if (QWidget* control = currentControl(name)) control->setFocus();
}

void InterviewPage::setPicture(QLabel* image, const QString& key)
{
    QPixmap picture;
    if (g_frmMain && g_frmMain->ImageList1().contains(key)) picture = g_frmMain->ImageList1().picture(key);
    image->setPixmap(picture);
    image->show();
}

QLabel* InterviewPage::addLabel(const QString& name, const QString& caption, int left, int top, int width,
                                int height, bool visible, QWidget* container)
{
    auto* label = new QLabel(caption, container ? container : this);
    label->setObjectName(name);
    label->setFont(designFont(false));
    label->setWordWrap(true);
    // One-line labels centre on their row, so that they line up with the input beside them.
    label->setAlignment(Qt::AlignLeft | (height <= 420 ? Qt::AlignVCenter : Qt::AlignTop));
    label->setGeometry(forms::twipsRect(left, top, width, height));
    label->setVisible(visible);
    return label;
}

QLabel* InterviewPage::addImage(const QString& name, int left, int top, int width, int height, bool visible)
{
    auto* image = new QLabel(this);
    image->setObjectName(name);
    image->setGeometry(forms::twipsRect(left, top, width, height));
    image->setScaledContents(true);
    image->setVisible(visible);
    return image;
}

QFrame* InterviewPage::addFrame(const QString& name, int left, int top, int width, int height)
{
    auto* frame = new QFrame(this);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::NoFrame);
    frame->setGeometry(forms::twipsRect(left, top, width, height));
    frame->hide();
    return frame;
}

QList<QRadioButton*> InterviewPage::addOptions(const QString& name, const QStringList& captions,
                                               QWidget* container, int left, int top, int width, int height,
                                               int stepX, int stepY)
{
    QList<QRadioButton*> options;
    QWidget* parent = container ? container : this;
    auto* group = new OptionGroup(parent);
    group->setObjectName(name);
    for (int i = 0; i < captions.size(); ++i) {
        auto* option = new QRadioButton(captions[i], parent);
        option->setObjectName(name + QString::number(i));
        option->setProperty("Index", i);
        option->setFont(designFont(true));
        option->setGeometry(forms::twipsRect(left + i * stepX, top + i * stepY, width, height));
        if (!container) option->hide();
        group->add(option);
        options.append(option);
    }
    return options;
}

QComboBox* InterviewPage::addComboBox(const QString& name, int left, int top, int width)
{
    auto* combo = new QComboBox(this);
    combo->setObjectName(name);
    combo->setEditable(false);
    combo->setFont(designFont(false));
    combo->setGeometry(forms::twipsRect(left, top, width, 420));
    combo->hide();
    keepEnterInList(combo);
    return combo;
}

QCheckBox* InterviewPage::addCheckBox(const QString& name, const QString& caption, int left, int top,
                                      int width)
{
    auto* check = new QCheckBox(caption, this);
    check->setObjectName(name);
    check->setFont(designFont(false));
    check->setGeometry(forms::twipsRect(left, top, width, 375));
    check->hide();
    return check;
}

QLineEdit* InterviewPage::addTextBox(const QString& name, int left, int top, int width, int maxLength)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setFont(designFont(false));
    box->setMaxLength(maxLength);
    box->setGeometry(forms::twipsRect(left, top, width, 375));
    box->hide();
    return box;
}

void InterviewPage::onClick(QRadioButton* option, std::function<void()> handler)
{
    // A change fires through toggled; a click on the option already chosen changes nothing, so
    // it fires through clicked.
    auto wasChecked = std::make_shared<bool>(false);
    const QString name = QStringLiteral("%1_Click").arg(option->objectName());
    connect(option, &QRadioButton::toggled, this, [this, handler, name](bool on) {
        if (on) guarded(name, handler);
    });
    connect(option, &QRadioButton::pressed, this,
            [option, wasChecked] { *wasChecked = option->isChecked(); });
    connect(option, &QRadioButton::clicked, this, [this, wasChecked, handler, name] {
        if (!*wasChecked) return;
        *wasChecked = false;
        guarded(name, handler);
    });
}

void InterviewPage::onClick(QComboBox* combo, std::function<void()> handler)
{
    const QString name = QStringLiteral("%1_Click").arg(combo->objectName());
    connect(combo, &QComboBox::currentIndexChanged, this, [this, handler, name](int index) {
        if (index >= 0) guarded(name, handler);
    });
}

void InterviewPage::onClick(QCheckBox* check, std::function<void()> handler)
{
    const QString name = QStringLiteral("%1_Click").arg(check->objectName());
    connect(check, &QCheckBox::toggled, this, [this, handler, name](bool) { guarded(name, handler); });
}

namespace
{

class SelectOnFocus : public QObject
{
public:
    SelectOnFocus(QObject* parent, bool fromStart) : QObject(parent), m_fromStart(fromStart) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::FocusIn) return false;
        if (auto* box = qobject_cast<QLineEdit*>(watched)) {
            // After the box's own focus handling, which may place the caret.
            const bool fromStart = m_fromStart;
            QMetaObject::invokeMethod(
                box,
                [box, fromStart] {
                    // The selection start stays where it is: a selection's own start, else the caret.
                    int start = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
                    if (fromStart) start = 0;
                    box->setSelection(start, box->text().length() - start);
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool m_fromStart;
};

} // namespace

void InterviewPage::selectOnFocus(QLineEdit* box, bool fromStart)
{
    box->installEventFilter(new SelectOnFocus(box, fromStart));
}

void InterviewPage::fillList(QComboBox* combo, const QStringList& items)
{
    const bool blocked = combo->blockSignals(true);
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->blockSignals(blocked);
}

bool InterviewPage::selectItem(QComboBox* combo, const QString& text)
{
    const int index = combo->findText(text, Qt::MatchExactly);
    if (index < 0) return false;
    combo->setCurrentIndex(index);
    return true;
}

} // namespace pages
