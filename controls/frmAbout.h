#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace ombLustrel
{

// The library's about box, shown modally by a button.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    static QString applicationTitle();
    static QString companyName();
    static QString homePage();
    static int major() { return 1; }
    static int minor() { return 1; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void lblWebSite_Click();

    QLabel* Image1;
    QLabel* lblVersion;
    QLabel* lblCopyright;
    QLabel* lblWarning;
    QLabel* lblVisitOnWeb;
    QLabel* lblWebSite;
    QPushButton* cmdOK;
};

} // namespace ombLustrel
