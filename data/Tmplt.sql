-- House-file template: copied for every new estimate. Holds the default
-- answers, the file's database version and the page history.
-- Booleans are stored as -1 (true) and 0 (false).

CREATE TABLE [HouseData] (
  LotCondition SMALLINT,
  WaterType SMALLINT,
  SewerType SMALLINT,
  DefaultGrade SMALLINT,
  NumBedrooms SMALLINT,
  NumFullBath SMALLINT,
  NumHalfBath SMALLINT,
  MainFloorSqFt SMALLINT,
  SecondFloorSqFt SMALLINT,
  ThirdFloorSqFt SMALLINT,
  BonusRoomSqFt SMALLINT,
  BasementSqFt SMALLINT,
  FrontPorchSqFt SMALLINT,
  RearPorchSqFt SMALLINT,
  MainCeilingHeight SMALLINT,
  BasementCeilingHeight SMALLINT,
  NumCarGarage SMALLINT,
  FoundationType SMALLINT,
  BrickConfiguration SMALLINT,
  PrimaryExterior TEXT,
  SecondaryExterior TEXT,
  RoofPitch SMALLINT,
  RoofStyle SMALLINT,
  HeatType SMALLINT,
  FixtureType SMALLINT,
  AC BIT,
  DoorOpeners BIT,
  FinishBonusRoom BIT,
  FinishBasement BIT,
  FinishGarage BIT,
  KitchenIsland BIT,
  KitchenBar BIT,
  GardenTub BIT,
  InterestRate REAL,
  Location SMALLINT,
  LocationFactor REAL,
  FireplaceStyle SMALLINT,
  FireplaceFace SMALLINT,
  ExternalChase BIT,
  DistanceToStreet SMALLINT,
  DrivewayTreatment SMALLINT,
  SidewalksRequired BIT,
  LotWidth SMALLINT,
  LotSize REAL,
  LotPrice REAL,
  CornerLot BIT,
  Pantry BIT,
  BreakfastNook BIT,
  DiningRoom BIT,
  FamilyRoom BIT,
  LivingRoom BIT,
  GreatRoom BIT,
  GatheringRoom BIT,
  Foyer BIT,
  GameRoom BIT,
  Office BIT,
  Study BIT,
  Den BIT,
  SunRoom BIT,
  Loft BIT,
  UtilityRoom BIT,
  SittingRoom BIT,
  BonusRoom BIT,
  Kitchen BIT,
  HouseStyle SMALLINT,
  NumFloors SMALLINT
);

-- An average ranch: 1800 sq ft on a crawl space, 3 bedrooms, 2 full baths,
-- two-car garage with openers, vinyl siding, gable roof 8/12, gas heat with
-- air conditioning, no fireplace, in Kansas City, Missouri (LocationID 98,
-- factor 1.00 in the control database).
INSERT INTO [HouseData] VALUES (
  0,      -- LotCondition: light brush
  0,      -- WaterType: city water
  0,      -- SewerType: city sewer
  2,      -- DefaultGrade: average
  3,      -- NumBedrooms
  2,      -- NumFullBath
  0,      -- NumHalfBath
  1800,   -- MainFloorSqFt
  0,      -- SecondFloorSqFt
  0,      -- ThirdFloorSqFt
  0,      -- BonusRoomSqFt
  0,      -- BasementSqFt
  0,      -- FrontPorchSqFt
  0,      -- RearPorchSqFt
  8,      -- MainCeilingHeight
  8,      -- BasementCeilingHeight
  2,      -- NumCarGarage
  1,      -- FoundationType: crawl space
  0,      -- BrickConfiguration: no brick
  '1',    -- PrimaryExterior: vinyl
  '0',    -- SecondaryExterior: none
  8,      -- RoofPitch
  0,      -- RoofStyle: gable
  0,      -- HeatType: gas
  0,      -- FixtureType: chrome
  -1,     -- AC
  -1,     -- DoorOpeners
  0,      -- FinishBonusRoom
  0,      -- FinishBasement
  0,      -- FinishGarage
  0,      -- KitchenIsland
  0,      -- KitchenBar
  0,      -- GardenTub
  7,      -- InterestRate, percent
  98,     -- Location
  1.0,    -- LocationFactor
  0,      -- FireplaceStyle: none
  0,      -- FireplaceFace: none
  0,      -- ExternalChase
  40,     -- DistanceToStreet, feet
  0,      -- DrivewayTreatment: concrete
  0,      -- SidewalksRequired
  100,    -- LotWidth, feet
  0.5,    -- LotSize, acres
  40000,  -- LotPrice, dollars
  0,      -- CornerLot
  0,      -- Pantry
  0,      -- BreakfastNook
  -1,     -- DiningRoom
  -1,     -- FamilyRoom
  0,      -- LivingRoom
  0,      -- GreatRoom
  0,      -- GatheringRoom
  -1,     -- Foyer
  0,      -- GameRoom
  0,      -- Office
  0,      -- Study
  0,      -- Den
  0,      -- SunRoom
  0,      -- Loft
  -1,     -- UtilityRoom
  0,      -- SittingRoom
  0,      -- BonusRoom
  -1,     -- Kitchen
  1,      -- HouseStyle: ranch
  1       -- NumFloors
);

CREATE TABLE [Database] (
  Version REAL
);
INSERT INTO [Database] (Version) VALUES (2);

-- Page 1 is already on the stack, so Back works from the page after it.
CREATE TABLE [Form Stack] (
  Form_ID SMALLINT
);
INSERT INTO [Form Stack] (Form_ID) VALUES (1);

CREATE TABLE [Visited Forms] (
  Form_ID SMALLINT
);
INSERT INTO [Visited Forms] (Form_ID) VALUES (1);
