#include "pages/rooms/frm01OtherRooms.h"

#include "estimate/clsHomeData.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"

#include <QCheckBox>
#include <QLabel>

namespace pages
{

const frm01OtherRooms::Room frm01OtherRooms::Rooms[16] = {
    {u"chkPantry", u"Pantry", &clsHomeData::rmPantry, &clsHomeData::setrmPantry, 1, 1},
    {u"chkNook", u"Breakfast Nook", &clsHomeData::rmBreakfastNook, &clsHomeData::setrmBreakfastNook, 1, 2},
    {u"chkDiningRoom", u"Dining Room", &clsHomeData::rmDiningRoom, &clsHomeData::setrmDiningRoom, 1, 3},
    {u"chkFamilyRoom", u"Family Room", &clsHomeData::rmFamilyRoom, &clsHomeData::setrmFamilyRoom, 1, 4},
    {u"chkLivingRoom", u"Living Room", &clsHomeData::rmLivingRoom, &clsHomeData::setrmLivingRoom, 1, 5},
    {u"chkGreatRoom", u"Great Room", &clsHomeData::rmGreatRoom, &clsHomeData::setrmGreatRoom, 1, 6},
    {u"chkGatheringRoom", u"Gathering Room", &clsHomeData::rmGatheringRoom, &clsHomeData::setrmGatheringRoom,
     2, 1},
    {u"chkFoyer", u"Foyer", &clsHomeData::rmFoyer, &clsHomeData::setrmFoyer, 2, 2},
    {u"chkGameroom", u"Game Room", &clsHomeData::rmGameRoom, &clsHomeData::setrmGameRoom, 2, 3},
    {u"chkOffice", u"Office", &clsHomeData::rmOffice, &clsHomeData::setrmOffice, 2, 4},
    {u"chkStudy", u"Study", &clsHomeData::rmStudy, &clsHomeData::setrmStudy, 2, 5},
    {u"chkDen", u"Den", &clsHomeData::rmDen, &clsHomeData::setrmDen, 2, 6},
    {u"chkSunroom", u"Sunroom", &clsHomeData::rmSunRoom, &clsHomeData::setrmSunRoom, 3, 1},
    {u"chkLoft", u"Loft", &clsHomeData::rmLoft, &clsHomeData::setrmLoft, 3, 2},
    {u"chkUtilityRoom", u"Utility/Laundry Room", &clsHomeData::rmUtilityRoom, &clsHomeData::setrmUtilityRoom,
     3, 3},
    {u"chkSittingRoom", u"Sitting Room", &clsHomeData::rmSittingRoom, &clsHomeData::setrmSittingRoom, 3, 4},
};

namespace
{
// Column lefts and widths in twips; rows 480 apart from the top of the first.
constexpr int kColumnLeft[] = {1440, 3960, 6360};
constexpr int kColumnWidth[] = {2400, 2400, 3000};
constexpr int kFirstRowTop = 1680;
constexpr int kRowStep = 480;
} // namespace

frm01OtherRooms::frm01OtherRooms()
    : InterviewPage(QStringLiteral("frm01OtherRooms"), QStringLiteral("Other Rooms"))
{
    lbStatement = addLabel(QStringLiteral("lbStatement"),
                           QStringLiteral("Select any rooms in addition to bedrooms, bathrooms and kitchen."),
                           1440, 960, 7440, 400);
    for (const Room& room : Rooms) {
        QCheckBox* box = addCheckBox(QString::fromUtf16(room.checkBox), QString::fromUtf16(room.caption),
                                     kColumnLeft[room.column - 1], kFirstRowTop + (room.row - 1) * kRowStep,
                                     kColumnWidth[room.column - 1]);
        const auto set = room.set;
        onClick(box, [box, set] { (HomeData().*set)(box->isChecked()); });
        if (!m_boxes.isEmpty()) setTabOrder(m_boxes.last(), box);
        m_boxes.append(box);
    }
}

void frm01OtherRooms::Form_Load()
{
    InitLabel(lbPageTitle, PageTitleLabel);
    InitLabel(lbStatement, StatementLabel);
}

void frm01OtherRooms::Form_Activate()
{
    for (int i = 0; i < m_boxes.size(); ++i)
        m_boxes[i]->setChecked((HomeData().*Rooms[i].get)());
    for (QCheckBox* box : m_boxes)
        box->show();
    focusCurrent(QStringLiteral("chkPantry"));
}

} // namespace pages
