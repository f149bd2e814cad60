#include "pages/exterior/frm01Exterior.h"
#include "pages/exterior/frm01Porches.h"
#include "pages/fireplace/frm01Fireplace.h"
#include "pages/fireplace/frm01Fireplace02.h"
#include "pages/fireplace/frm01Fireplace03.h"
#include "pages/foundation/frm01Basement.h"
#include "pages/foundation/frm01Basement02.h"
#include "pages/foundation/frm01BasementHeight.h"
#include "pages/foundation/frm01Foundation.h"
#include "pages/house/frm01DefaultGrade.h"
#include "pages/house/frm01Garage.h"
#include "pages/house/frm01HouseType.h"
#include "pages/house/frm01MainFloorCeiling.h"
#include "pages/house/frm01SquareFootage.h"
#include "pages/interior/frm01FaucetFixtures.h"
#include "pages/interior/frm01FinishRooms.h"
#include "pages/interior/frm01GardenTub.h"
#include "pages/interior/frm01KitchenExtras.h"
#include "pages/prototypes/frmStep4.h"
#include "pages/prototypes/frmTemplate.h"
#include "pages/roof/frm01RoofPitch.h"
#include "pages/roof/frm01RoofStyle.h"
#include "pages/rooms/frm01NumberBathrooms.h"
#include "pages/rooms/frm01NumberBedrooms.h"
#include "pages/rooms/frm01OtherRooms.h"
#include "pages/site/frm01Driveway.h"
#include "pages/site/frm01HouseLocation.h"
#include "pages/site/frm01LotCondition.h"
#include "pages/site/frm01LotPrice.h"
#include "pages/site/frm01LotSize.h"
#include "pages/site/frm01SidewalksReq.h"
#include "pages/site/frm01StreetDistance.h"
#include "pages/start/frm01Disclaimer.h"
#include "pages/start/frm01Welcome.h"
#include "pages/systems/frm01HeatType.h"
#include "pages/systems/frm01SewerType.h"
#include "pages/systems/frm01WaterType.h"

#include "runtime/forms/Forms.h"
#include "shell/PageWindows.h"

namespace pages
{

void registerPages()
{
    // Form_ID, window class, factory. The result pages (3, 4, 36) register in results/.
    static constexpr PageWindow windows[] = {
        {1, u"frm01Welcome", &makePage<frm01Welcome>},
        {2, u"frm01Driveway", &makePage<frm01Driveway>},
        {10, u"frm01Disclaimer", &makePage<frm01Disclaimer>},
        {11, u"frm01HouseType", &makePage<frm01HouseType>},
        {12, u"frm01NumberBedrooms", &makePage<frm01NumberBedrooms>},
        {14, u"frm01NumberBathrooms", &makePage<frm01NumberBathrooms>},
        {15, u"frm01OtherRooms", &makePage<frm01OtherRooms>},
        {16, u"frm01Basement", &makePage<frm01Basement>},
        {17, u"frm01Basement02", &makePage<frm01Basement02>},
        {20, u"frm01DefaultGrade", &makePage<frm01DefaultGrade>},
        {21, u"frm01Foundation", &makePage<frm01Foundation>},
        {22, u"frm01Garage", &makePage<frm01Garage>},
        {23, u"frm01MainFloorCeiling", &makePage<frm01MainFloorCeiling>},
        {24, u"frm01BasementHeight", &makePage<frm01BasementHeight>},
        {25, u"frm01RoofStyle", &makePage<frm01RoofStyle>},
        {26, u"frm01RoofPitch", &makePage<frm01RoofPitch>},
        {27, u"frm01HeatType", &makePage<frm01HeatType>},
        {28, u"frm01HouseLocation", &makePage<frm01HouseLocation>},
        {29, u"frm01LotCondition", &makePage<frm01LotCondition>},
        {31, u"frm01LotSize", &makePage<frm01LotSize>},
        {32, u"frm01StreetDistance", &makePage<frm01StreetDistance>},
        {33, u"frm01SidewalksReq", &makePage<frm01SidewalksReq>},
        {34, u"frm01WaterType", &makePage<frm01WaterType>},
        {35, u"frm01SewerType", &makePage<frm01SewerType>},
        {37, u"frm01SquareFootage", &makePage<frm01SquareFootage>},
        {38, u"frm01FaucetFixtures", &makePage<frm01FaucetFixtures>},
        {39, u"frm01KitchenExtras", &makePage<frm01KitchenExtras>},
        {40, u"frm01FinishRooms", &makePage<frm01FinishRooms>},
        {41, u"frm01GardenTub", &makePage<frm01GardenTub>},
        {42, u"frm01Exterior", &makePage<frm01Exterior>},
        {43, u"frm01Fireplace", &makePage<frm01Fireplace>},
        {44, u"frm01Fireplace02", &makePage<frm01Fireplace02>},
        {45, u"frm01Fireplace03", &makePage<frm01Fireplace03>},
        {46, u"frm01LotPrice", &makePage<frm01LotPrice>},
        {47, u"frm01Porches", &makePage<frm01Porches>},
    };
    registerPageWindows(windows);
    // The two prototypes follow the frame but are no page of the plan.
    forms::Forms::registerClass(QStringLiteral("frmStep4"), &makePage<frmStep4>);
    forms::Forms::registerClass(QStringLiteral("frmTemplate"), &makePage<frmTemplate>);
}

} // namespace pages
