#pragma once

#include "runtime/forms/PictureCache.h"

#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

class QLabel;
class ScrllngFrm;

// Registers the quick-navigation window with the window table under "frmNavigation".
// Every page's Navigation button shows its one instance.
void registerNavigationWindow();
// Shows the one quick-navigation window modeless, making it first when it is not loaded.
void ShowNavigationWindow();

// "Quick Navigation": one button per listed section of the interview, in Sequence order,
// styled by section level, ticked when visited; a click jumps to that page and closes.
// The list is built when the window is made, so each showing reflects the current state.
class frmNavigation : public QWidget
{
    Q_OBJECT

public:
    explicit frmNavigation(QWidget* parent = nullptr);
    ~frmNavigation() override;

    ScrllngFrm* ScrllngFrm1() const { return m_ScrllngFrm1; }
    QWidget* Picture1() const { return m_Picture1; }
    QLabel* imgCurrent() const { return m_imgCurrent; }
    QWidget* cmdContinue() const { return m_cmdContinue; }
    // The control array; element 0 always exists, shown only when a section fills it.
    const QList<QWidget*>& cmdSection() const { return m_cmdSection; }

    // The window's image list: 1 "NoCheck", 2 "Checked", drawn at the window's pixel ratio.
    QPixmap ImageList1(int index) const;
    // Caption colour of a section not yet visited below the first level: faint, yet at a
    // contrast of 3.4:1 on the white list (the button-face grey would vanish on it).
    static constexpr uint FadedColor = 0x8C8C8Cu;
    // Where the current-page marker sits when no listed section is the current page (twips).
    static constexpr int MarkerDesignTop = -600;

    void cmdSection_Click(int Index);
    void cmdContinue_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private Q_SLOTS:
    void onSectionClick();
    void onContinueClick();

private:
    void Form_Load();
    void Form_Resize();
    void Form_QueryUnload();
    QWidget* createSection(int index);
    // The shown section buttons, top to bottom.
    QList<QWidget*> listedSections() const;
    // Where a list key moves the focus from a section; null for a key the list does not take.
    QWidget* sectionForKey(const QWidget* from, int key) const;

    ScrllngFrm* m_ScrllngFrm1 = nullptr;
    QWidget* m_Picture1 = nullptr;
    QLabel* m_imgCurrent = nullptr;
    QWidget* m_cmdContinue = nullptr;
    QList<QWidget*> m_cmdSection;
    // The entry of the page shown, or of the section that page is part of.
    QPointer<QWidget> m_currentSection;
    bool m_unloading = false;
    mutable forms::PictureCache m_imageList;
};
