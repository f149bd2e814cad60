#pragma once

#include "controls/LustrelExport.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace ombLustrel
{

// The button's own property page: edits fourteen properties of the first selected button,
// late-bound by name. A designer sets the selection, watches Changed and calls ApplyChanges.
class LUSTREL_EXPORT General : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool Changed READ Changed WRITE setChanged NOTIFY ChangedChanged)

public:
    explicit General(QWidget* parent = nullptr);

    void setSelectedControls(const QList<QObject*>& controls);
    QList<QObject*> SelectedControls() const;
    bool Changed() const { return m_changed; }
    void setChanged(bool changed);

    void SelectionChanged();
    void ApplyChanges();

    // The question of the style list: answers 6 (Yes) or 7 (No). Tests install their own.
    using StyleQuestion = std::function<int(QWidget* page, const QString& prompt)>;
    static void setStyleQuestion(StyleQuestion question);

signals:
    void ChangedChanged(bool changed);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void markChanged();
    void cboStyle_Click();
    static void SelectAllText(QLineEdit* box);

    QList<QPointer<QObject>> m_selected;
    bool m_changed = false;
    bool m_loading = false;

    QLabel* lblCaption;
    QLineEdit* txtCaption;
    QLabel* lblStyle;
    QComboBox* cboStyle;
    QLabel* lblAppearance;
    QComboBox* cboAppearance;
    QLabel* lblBorderStyle;
    QComboBox* cboBorderStyle;
    QLabel* lblAlignment;
    QComboBox* cboAlignment;
    QLabel* lblTag;
    QLineEdit* txtTag;
    QCheckBox* chkShowFocus;
    QCheckBox* chkShowDefault;
    QCheckBox* chkEnabled;
    QCheckBox* chkUseMaskColor;
    QCheckBox* chkDropShadow;
    QLabel* lblPictureAlignment;
    QComboBox* cboPictureAlignment;
    QLabel* lblPictureSpacing;
    QLineEdit* txtPictureSpacing;
    QLabel* lblPictureStyle;
    QComboBox* cboPictureStyle;
};

} // namespace ombLustrel
