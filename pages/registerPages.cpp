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

namespace pages
{

void registerPages()
{
    struct Page {
        const char16_t* className;
        QWidget* (*make)();
    };
    const Page pages[] = {
        // start
        {u"frm01Welcome", &makePage<frm01Welcome>},
        {u"frm01Disclaimer", &makePage<frm01Disclaimer>},
        // house
        {u"frm01HouseType", &makePage<frm01HouseType>},
        {u"frm01SquareFootage", &makePage<frm01SquareFootage>},
        {u"frm01DefaultGrade", &makePage<frm01DefaultGrade>},
        {u"frm01Garage", &makePage<frm01Garage>},
        {u"frm01MainFloorCeiling", &makePage<frm01MainFloorCeiling>},
        // rooms
        {u"frm01NumberBedrooms", &makePage<frm01NumberBedrooms>},
        {u"frm01NumberBathrooms", &makePage<frm01NumberBathrooms>},
        {u"frm01OtherRooms", &makePage<frm01OtherRooms>},
        // foundation
        {u"frm01Basement", &makePage<frm01Basement>},
        {u"frm01Basement02", &makePage<frm01Basement02>},
        {u"frm01Foundation", &makePage<frm01Foundation>},
        {u"frm01BasementHeight", &makePage<frm01BasementHeight>},
        // roof
        {u"frm01RoofStyle", &makePage<frm01RoofStyle>},
        {u"frm01RoofPitch", &makePage<frm01RoofPitch>},
        // systems
        {u"frm01WaterType", &makePage<frm01WaterType>},
        {u"frm01SewerType", &makePage<frm01SewerType>},
        {u"frm01HeatType", &makePage<frm01HeatType>},
        // site
        {u"frm01HouseLocation", &makePage<frm01HouseLocation>},
        {u"frm01LotCondition", &makePage<frm01LotCondition>},
        {u"frm01LotSize", &makePage<frm01LotSize>},
        {u"frm01StreetDistance", &makePage<frm01StreetDistance>},
        {u"frm01SidewalksReq", &makePage<frm01SidewalksReq>},
        {u"frm01LotPrice", &makePage<frm01LotPrice>},
        {u"frm01Driveway", &makePage<frm01Driveway>},
        // interior
        {u"frm01FaucetFixtures", &makePage<frm01FaucetFixtures>},
        {u"frm01KitchenExtras", &makePage<frm01KitchenExtras>},
        {u"frm01FinishRooms", &makePage<frm01FinishRooms>},
        {u"frm01GardenTub", &makePage<frm01GardenTub>},
        // exterior
        {u"frm01Exterior", &makePage<frm01Exterior>},
        {u"frm01Porches", &makePage<frm01Porches>},
        // fireplace
        {u"frm01Fireplace", &makePage<frm01Fireplace>},
        {u"frm01Fireplace02", &makePage<frm01Fireplace02>},
        {u"frm01Fireplace03", &makePage<frm01Fireplace03>},
        // prototypes
        {u"frmStep4", &makePage<frmStep4>},
        {u"frmTemplate", &makePage<frmTemplate>},
    };
    for (const Page& page : pages)
        forms::Forms::registerClass(QString::fromUtf16(page.className), page.make);
}

} // namespace pages
