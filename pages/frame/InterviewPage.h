#pragma once

#include "runtime/vb/Integer.h"
#include "runtime/vb/Trap.h"

#include <QList>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace pages
{

// The frame every interview and result page is built on: the title, the six navigation
// buttons, the move protocol (validate, CalcForm, LoadForm with the button's Tag), help and
// quick navigation, Enter for Continue, and helpers for the answer controls.
class InterviewPage : public QWidget
{
    Q_OBJECT

public:
    // Page size in twips.
    static constexpr int PageWidth = 9600;
    static constexpr int PageHeight = 7200;

    // layout: which row of buttons the page has.
    enum class ButtonRow { Standard, WelcomeOnly };

    InterviewPage(const QString& className, const QString& title, ButtonRow row = ButtonRow::Standard,
                  QWidget* parent = nullptr);
    ~InterviewPage() override;

    // Runs Form_Load once; the window factory calls it right after construction.
    void load();

    QString className() const { return objectName(); }

    // Takes what the page shows into the record as a move would, for a save: ValidateFormData
    // first (a refusal has told the user and kept the page, the entry selected), then CalcForm.
    // False when an entry was refused. The shell calls it late-bound on the page now shown.
    Q_INVOKABLE bool CommitEntries();

    // Moves a button of the row to another left edge and width (twips), for pages whose row
    // reads differently.
    void placeButton(QWidget* button, int left, int width);

    QLabel* lbPageTitle = nullptr;
    QWidget* cmdBack = nullptr;
    QWidget* cmdContinue = nullptr;
    QWidget* cmdYes = nullptr;
    QWidget* cmdNo = nullptr;
    QWidget* cmdNavigation = nullptr;
    QWidget* cmdHelp = nullptr;

protected:
    virtual void Form_Load();
    virtual void Form_Activate() {}
    // Writes the shown answers into the record. The frame's version only sets the step text.
    virtual void CalcForm();
    // True lets a move happen. The frame's version (the shared default) always does.
    virtual bool ValidateFormData() { return true; }

    virtual void cmdBack_Click();
    virtual void cmdContinue_Click();
    virtual void cmdYes_Click();
    virtual void cmdNo_Click();
    virtual void cmdNavigation_Click();
    virtual void cmdHelp_Click();

    // Which moves save first. A page that stores nothing on a move clears the flags.
    struct MoveRules {
        bool calcOnBack = true;
        bool calcOnForward = true; // Continue, Yes, No
        bool calcOnNavigation = true;
        bool validate = true;
    };
    MoveRules m_moves;

    // The trap of CalcForm ("<class>.CalcForm"), with the step text already set under it.
    vb::Trap beginCalcForm();

    // The frame's moves, for pages that replace a handler but keep the protocol.
    void moveTo(QWidget* button, bool calc);
    void showQuickNavigation(bool calc);

    // A refused entry: the "Validation Error" box, then the whole entry selected and focused.
    bool refuse(QLineEdit* box, const QString& message);

    // A control of the page now shown, by name (focus in Activate goes through it).
    QWidget* currentControl(const QString& name) const;
    void focusCurrent(const QString& name) const;

    // The picture of a key of the main window's image list into an image control.
    void setPicture(QLabel* image, const QString& key);

    // Answer controls, created hidden (unless said otherwise) at design positions in twips.
    QLabel* addLabel(const QString& name, const QString& caption, int left, int top, int width, int height,
                     bool visible = true, QWidget* container = nullptr);
    QLabel* addImage(const QString& name, int left, int top, int width, int height, bool visible = false);
    QFrame* addFrame(const QString& name, int left, int top, int width, int height);
    QList<QRadioButton*> addOptions(const QString& name, const QStringList& captions, QWidget* container,
                                    int left, int top, int width, int height, int stepX, int stepY);
    QComboBox* addComboBox(const QString& name, int left, int top, int width);
    QCheckBox* addCheckBox(const QString& name, const QString& caption, int left, int top, int width);
    QLineEdit* addTextBox(const QString& name, int left, int top, int width, int maxLength);

    // Click handlers with the runtime's meaning: they run when the value changes, by the user or
    // in code (and for an option, also when the user clicks the one already chosen).
    void onClick(QRadioButton* option, std::function<void()> handler);
    void onClick(QComboBox* combo, std::function<void()> handler);
    void onClick(QCheckBox* check, std::function<void()> handler);

    // GotFocus of a text box: selects from the caret (or, fromStart, from the first character)
    // to the end, so that typing replaces the entry.
    void selectOnFocus(QLineEdit* box, bool fromStart = false);

    // Empties a drop-down list and adds the items, leaving nothing selected and firing nothing.
    static void fillList(QComboBox* combo, const QStringList& items);
    // Selects the item with this text (runs its Click when the selection changes). A text not in
    // the list selects nothing and fires nothing.
    static bool selectItem(QComboBox* combo, const QString& text);

    // Runs a handler at an event boundary under this page's name.
    void guarded(const QString& handler, const std::function<void()>& f);

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private Q_SLOTS:
    void onBackClick();
    void onContinueClick();
    void onYesClick();
    void onNoClick();
    void onNavigationClick();
    void onHelpClick();

private:
    QWidget* createButton(const QString& name, int left, int width, const char* slot);
    // A button's face from the main window's shared faces (drawn here without a main window).
    QPixmap buttonFace(const QString& name, QSize size) const;

    ButtonRow m_row;
    bool m_loaded = false;
};

// Builds a page window and runs its load handler.
template <typename Page> QWidget* makePage()
{
    auto* page = new Page();
    page->load();
    return page;
}

} // namespace pages
