#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// Help > About: the program's version, the open house file's version and the maker's contact.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);

    QLabel* lbProduct() const { return m_lbProduct; }
    QLabel* lbFileVersion() const { return m_lbFileVersion; }
    QPushButton* cmdOK() const { return m_cmdOK; }
    QPushButton* cmdSysInfo() const { return m_cmdSysInfo; }

    void StartSysInfo();

private:
    void Form_Load();

    QLabel* m_Image1 = nullptr;
    QLabel* m_Image2 = nullptr;
    QLabel* m_lbProduct = nullptr;
    QLabel* m_lbFileVersion = nullptr;
    QLabel* m_lbStatement = nullptr;
    QLabel* m_lbStatement2 = nullptr;
    QLabel* m_lbContact = nullptr;
    QPushButton* m_cmdOK = nullptr;
    QPushButton* m_cmdSysInfo = nullptr;
};
