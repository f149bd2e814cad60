-- A house file as the program saves it today (database version 2): a two-storey house in
-- Coeur d'Alene, Idaho, answered from the welcome page to the basement's height, then Back twice
-- to the size of the basement, and saved there. A test opens it: a change that no longer opens
-- the files users have fails it. Never regenerate it from the template: it stands for the files
-- already saved. The build turns it into a .tvm file as data/*.sql become the .cfg files.

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

INSERT INTO [HouseData] VALUES (
  0,                   -- LotCondition
  0,                   -- WaterType
  0,                   -- SewerType
  2,                   -- DefaultGrade
  4,                   -- NumBedrooms
  3,                   -- NumFullBath
  1,                   -- NumHalfBath
  1400,                -- MainFloorSqFt
  1300,                -- SecondFloorSqFt
  0,                   -- ThirdFloorSqFt
  300,                 -- BonusRoomSqFt
  700,                 -- BasementSqFt
  120,                 -- FrontPorchSqFt
  80,                  -- RearPorchSqFt
  8,                   -- MainCeilingHeight
  9,                   -- BasementCeilingHeight
  3,                   -- NumCarGarage
  4,                   -- FoundationType
  0,                   -- BrickConfiguration
  '1',                 -- PrimaryExterior
  '0',                 -- SecondaryExterior
  8,                   -- RoofPitch
  0,                   -- RoofStyle
  0,                   -- HeatType
  0,                   -- FixtureType
  -1,                  -- AC
  0,                   -- DoorOpeners
  0,                   -- FinishBonusRoom
  0,                   -- FinishBasement
  0,                   -- FinishGarage
  0,                   -- KitchenIsland
  0,                   -- KitchenBar
  0,                   -- GardenTub
  7.0,                 -- InterestRate
  50,                  -- Location
  0.9100000262260437,  -- LocationFactor
  0,                   -- FireplaceStyle
  0,                   -- FireplaceFace
  0,                   -- ExternalChase
  40,                  -- DistanceToStreet
  0,                   -- DrivewayTreatment
  0,                   -- SidewalksRequired
  100,                 -- LotWidth
  0.5,                 -- LotSize
  40000.0,             -- LotPrice
  0,                   -- CornerLot
  0,                   -- Pantry
  0,                   -- BreakfastNook
  -1,                  -- DiningRoom
  -1,                  -- FamilyRoom
  0,                   -- LivingRoom
  0,                   -- GreatRoom
  0,                   -- GatheringRoom
  0,                   -- Foyer
  0,                   -- GameRoom
  -1,                  -- Office
  0,                   -- Study
  0,                   -- Den
  -1,                  -- SunRoom
  0,                   -- Loft
  -1,                  -- UtilityRoom
  0,                   -- SittingRoom
  -1,                  -- BonusRoom
  -1,                  -- Kitchen
  3,                   -- HouseStyle
  2                    -- NumFloors
);

CREATE TABLE [Database] (
  Version REAL
);

INSERT INTO [Database] (Version) VALUES (2.0);

CREATE TABLE [Form Stack] (
  Form_ID SMALLINT
);

INSERT INTO [Form Stack] (Form_ID) VALUES (1), (10), (28), (11), (22), (47), (37), (12), (14), (15), (16), (17);

CREATE TABLE [Visited Forms] (
  Form_ID SMALLINT
);

INSERT INTO [Visited Forms] (Form_ID) VALUES (1), (10), (28), (11), (22), (47), (37), (12), (14), (15), (16), (17), (24), (23);
