#pragma once

#include <QWidget>

class QFrame;
class QLabel;

// The start-up window: product, version, maker and notice over a picture of a house.
class frmSplash : public QWidget
{
    Q_OBJECT

public:
    explicit frmSplash(QWidget* parent = nullptr);

    QLabel* lblCompanyProduct() const { return m_lblCompanyProduct; }
    QLabel* lblVersion() const { return m_lblVersion; }
    QLabel* lblProductName() const { return m_lblProductName; }
    QLabel* lblCopyright() const { return m_lblCopyright; }

    // The program's notice line.
    static QString NoticeLine();

    // Shows the window and paints it at once, before the slow start-up work holds the event
    // loop: waits (at most a moment) until the window system has mapped the window.
    void showPainted();
    bool isPainted() const { return m_painted; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Load();

    QFrame* m_fraMainFrame = nullptr;
    QLabel* m_Image1 = nullptr;
    QLabel* m_lblCompanyProduct = nullptr;
    QLabel* m_lblVersion = nullptr;
    QLabel* m_lblProductName = nullptr;
    QLabel* m_lblCopyright = nullptr;
    bool m_painted = false;
};
