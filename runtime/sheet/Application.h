#pragma once

#include <QObject>
#include <QPointer>

namespace sheet
{

class SheetWindow;
class WorkbookCollection;

// The spreadsheet application as its automation object. Its window shows the newest workbook's
// first worksheet while Visible is true. Letting go of the last reference ends the application,
// unless it is in the user's hands (UserControl true and its window open); then closing the
// window ends it.
class Application : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QObject* Workbooks READ Workbooks CONSTANT)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
    Q_PROPERTY(bool UserControl READ UserControl WRITE setUserControl)

public:
    Application();
    ~Application() override;

    QObject* Workbooks() const;
    WorkbookCollection* workbooks() const { return m_workbooks; }
    bool Visible() const;
    void setVisible(bool visible);
    bool UserControl() const { return m_userControl; }
    void setUserControl(bool userControl) { m_userControl = userControl; }

    SheetWindow* window() const;
    // The last reference is gone.
    void release();

private:
    WorkbookCollection* m_workbooks;
    QPointer<SheetWindow> m_window;
    bool m_userControl = false;
    bool m_released = false;
};

} // namespace sheet
