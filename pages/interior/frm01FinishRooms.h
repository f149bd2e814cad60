#pragma once

#include "pages/interior/QuestionPage.h"

namespace pages
{

// Page 40: finishing the garage, the basement and the bonus room.
class frm01FinishRooms : public QuestionPage
{
    Q_OBJECT

public:
    frm01FinishRooms();

    // Design tops of the three frames (twips).
    static constexpr int GarageTop = 960;
    static constexpr int BasementTop = 2160;
    static constexpr int BonusRoomTop = 3480;

    QFrame* fraGarage = nullptr;
    QLabel* Label1 = nullptr;
    QList<QRadioButton*> optGarage;
    QFrame* fraBasement = nullptr;
    QLabel* Label2 = nullptr;
    QList<QRadioButton*> optBasement;
    QFrame* fraBonusRoom = nullptr;
    QLabel* Label3 = nullptr;
    QList<QRadioButton*> optBonusRoom;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void CalcForm() override;
};

} // namespace pages
