#pragma once

#include "pages/frame/InterviewPage.h"

class clsHomeData;

namespace pages
{

// Page 15: sixteen extra rooms, each a check box that stores its flag at once.
class frm01OtherRooms : public InterviewPage
{
    Q_OBJECT

public:
    frm01OtherRooms();

    QLabel* lbStatement = nullptr;

    struct Room {
        const char16_t* checkBox;
        const char16_t* caption;
        bool (clsHomeData::*get)() const;
        void (clsHomeData::*set)(bool);
        int column; // 1..3
        int row;    // 1..6
    };
    // In tab order: down the first column, then the second, then the third.
    static const Room Rooms[16];

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    QList<QCheckBox*> m_boxes;
};

} // namespace pages
