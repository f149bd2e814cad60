-- Control database: the interview's page plan and the locations with their cost factors.

CREATE TABLE [Form Definition] (
  Form_ID SMALLINT PRIMARY KEY,
  Sequence INTEGER NOT NULL,
  Yes_Form SMALLINT NOT NULL,
  No_Form SMALLINT NOT NULL,
  HelpContextID INTEGER NOT NULL,
  [Section Name] TEXT NOT NULL,
  [Section Level] SMALLINT NOT NULL,
  Visible BIT NOT NULL,
  QuickNav BIT NOT NULL
);

-- Pages in interview order. Yes_Form is the Continue target (or Yes on a
-- Yes/No page); No_Form is set only on the two Yes/No pages, 16 (basement)
-- and 43 (fireplace). Branch pages reached only through a Yes/No answer stay
-- out of Quick Navigation so that a jump cannot store a branch the user did
-- not choose. Booleans are stored as -1 (true) and 0 (false).
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (1, 10, 10, 0, 1001, 'Welcome', 1, -1, -1);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (10, 20, 28, 0, 1010, 'Purpose of Program', 2, -1, -1);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (28, 30, 11, 0, 1028, 'Location of House', 1, -1, -1);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (11, 40, 22, 0, 1011, 'Style of House', 1, -1, -1);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (22, 50, 47, 0, 1022, 'Garage', 2, -1, -1);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (47, 60, 37, 0, 1047, 'Porches', 2, -1, -1);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (37, 70, 12, 0, 1037, 'Square Footage', 2, -1, -1);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (12, 80, 14, 0, 1012, 'Number of Bedrooms', 1, -1, -1);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (14, 90, 15, 0, 1014, 'Number of Bathrooms', 2, -1, -1);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (15, 100, 16, 0, 1015, 'Other Rooms', 2, -1, -1);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (16, 110, 17, 21, 1016, 'Basement', 1, -1, -1);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (17, 120, 24, 0, 1017, 'Size of Basement', 3, -1, 0);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (24, 130, 23, 0, 1024, 'Basement Ceiling Height', 3, -1, 0);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (21, 140, 23, 0, 1021, 'Foundation', 3, -1, 0);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (23, 150, 20, 0, 1023, 'Main Floor Ceiling Height', 2, -1, -1);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (20, 160, 25, 0, 1020, 'Quality of House', 1, -1, -1);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (25, 170, 26, 0, 1025, 'Roof Style', 1, -1, -1);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (26, 180, 42, 0, 1026, 'Roof Pitch', 2, -1, -1);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (42, 190, 27, 0, 1042, 'Exterior Treatment', 1, -1, -1);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (27, 200, 38, 0, 1027, 'Heating and Air Conditioning', 1, -1, -1);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (38, 210, 41, 0, 1038, 'Faucet Fixtures', 1, -1, -1);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (41, 220, 39, 0, 1041, 'Master Bathroom Upgrade', 2, -1, -1);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (39, 230, 40, 0, 1039, 'Kitchen Options', 2, -1, -1);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (40, 240, 43, 0, 1040, 'Finish Rooms', 2, -1, -1);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (43, 250, 44, 29, 1043, 'Fireplaces', 1, -1, -1);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (44, 260, 45, 0, 1044, 'Type of Fireplace', 3, -1, 0);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (45, 270, 29, 0, 1045, 'Fireplace Facing and Hearth', 3, -1, 0);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (29, 280, 31, 0, 1029, 'Lot Condition', 1, -1, -1);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (31, 290, 32, 0, 1031, 'Lot Size', 2, -1, -1);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (32, 300, 33, 0, 1032, 'Distance from Street', 2, -1, -1);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (33, 310, 2, 0, 1033, 'Sidewalk Systems', 2, -1, -1);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (2, 320, 34, 0, 1002, 'Driveway Treatment', 2, -1, -1);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (34, 330, 35, 0, 1034, 'Water System', 2, -1, -1);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (35, 340, 46, 0, 1035, 'Sewer System', 2, -1, -1);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (46, 350, 36, 0, 1046, 'Lot Price', 2, -1, -1);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (36, 360, 3, 0, 1036, 'Cost Breakouts', 1, -1, -1);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (3, 370, 4, 0, 1003, 'House Summary', 2, -1, -1);
INSERT INTO [Form Definition] (Form_ID, Sequence, Yes_Form, No_Form, HelpContextID, [Section Name], [Section Level], Visible, QuickNav) VALUES (4, 380, 0, 0, 1004, 'Payment Options', 2, -1, -1);

CREATE TABLE [Locations] (
  LocationID SMALLINT PRIMARY KEY,
  State TEXT NOT NULL,
  City TEXT NOT NULL,
  [Location Factor] REAL NOT NULL,
  UNIQUE (State, City)
);

-- Location Factor: construction cost relative to the national average (1.00).
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (1, 'Alabama', 'Birmingham', 0.86);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (2, 'Alabama', 'Huntsville', 0.85);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (3, 'Alabama', 'Mobile', 0.84);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (4, 'Alabama', 'Montgomery', 0.83);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (5, 'Alaska', 'Anchorage', 1.24);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (6, 'Alaska', 'Fairbanks', 1.26);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (7, 'Alaska', 'Juneau', 1.25);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (8, 'Arizona', 'Flagstaff', 0.92);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (9, 'Arizona', 'Phoenix', 0.90);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (10, 'Arizona', 'Tucson', 0.88);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (11, 'Arkansas', 'Fayetteville', 0.81);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (12, 'Arkansas', 'Fort Smith', 0.80);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (13, 'Arkansas', 'Jonesboro', 0.79);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (14, 'Arkansas', 'Little Rock', 0.83);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (15, 'California', 'Fresno', 1.09);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (16, 'California', 'Los Angeles', 1.18);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (17, 'California', 'Sacramento', 1.13);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (18, 'California', 'San Diego', 1.15);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (19, 'California', 'San Francisco', 1.32);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (20, 'California', 'San Jose', 1.30);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (21, 'Colorado', 'Colorado Springs', 0.93);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (22, 'Colorado', 'Denver', 0.97);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (23, 'Colorado', 'Fort Collins', 0.94);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (24, 'Colorado', 'Grand Junction', 0.91);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (25, 'Connecticut', 'Bridgeport', 1.11);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (26, 'Connecticut', 'Hartford', 1.09);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (27, 'Connecticut', 'New Haven', 1.10);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (28, 'Connecticut', 'Stamford', 1.16);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (29, 'Delaware', 'Dover', 0.99);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (30, 'Delaware', 'Newark', 1.02);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (31, 'Delaware', 'Wilmington', 1.04);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (32, 'District of Columbia', 'Anacostia', 0.96);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (33, 'District of Columbia', 'Georgetown', 1.00);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (34, 'District of Columbia', 'Washington', 0.98);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (35, 'Florida', 'Jacksonville', 0.85);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (36, 'Florida', 'Miami', 0.90);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (37, 'Florida', 'Orlando', 0.87);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (38, 'Florida', 'Pensacola', 0.83);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (39, 'Florida', 'Tallahassee', 0.82);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (40, 'Florida', 'Tampa', 0.88);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (41, 'Georgia', 'Atlanta', 0.90);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (42, 'Georgia', 'Augusta', 0.81);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (43, 'Georgia', 'Columbus', 0.82);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (44, 'Georgia', 'Macon', 0.81);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (45, 'Georgia', 'Savannah', 0.84);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (46, 'Hawaii', 'Hilo', 1.20);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (47, 'Hawaii', 'Honolulu', 1.24);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (48, 'Hawaii', 'Kahului', 1.22);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (49, 'Idaho', 'Boise', 0.89);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (50, 'Idaho', 'Coeur d''Alene', 0.91);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (51, 'Idaho', 'Idaho Falls', 0.87);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (52, 'Idaho', 'Pocatello', 0.86);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (53, 'Illinois', 'Chicago', 1.17);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (54, 'Illinois', 'Peoria', 1.00);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (55, 'Illinois', 'Rockford', 1.03);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (56, 'Illinois', 'Springfield', 0.99);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (57, 'Indiana', 'Evansville', 0.91);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (58, 'Indiana', 'Fort Wayne', 0.90);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (59, 'Indiana', 'Indianapolis', 0.93);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (60, 'Indiana', 'South Bend', 0.92);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (61, 'Iowa', 'Cedar Rapids', 0.92);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (62, 'Iowa', 'Davenport', 0.95);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (63, 'Iowa', 'Des Moines', 0.93);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (64, 'Iowa', 'Sioux City', 0.87);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (65, 'Kansas', 'Kansas City', 0.97);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (66, 'Kansas', 'Topeka', 0.87);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (67, 'Kansas', 'Wichita', 0.86);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (68, 'Kentucky', 'Bowling Green', 0.86);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (69, 'Kentucky', 'Lexington', 0.88);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (70, 'Kentucky', 'Louisville', 0.91);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (71, 'Kentucky', 'Paducah', 0.87);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (72, 'Louisiana', 'Baton Rouge', 0.85);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (73, 'Louisiana', 'Lafayette', 0.83);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (74, 'Louisiana', 'New Orleans', 0.87);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (75, 'Louisiana', 'Shreveport', 0.82);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (76, 'Maine', 'Augusta', 0.89);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (77, 'Maine', 'Bangor', 0.90);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (78, 'Maine', 'Portland', 0.93);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (79, 'Maryland', 'Annapolis', 0.96);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (80, 'Maryland', 'Baltimore', 0.97);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (81, 'Maryland', 'Frederick', 0.95);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (82, 'Maryland', 'Hagerstown', 0.90);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (83, 'Massachusetts', 'Boston', 1.19);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (84, 'Massachusetts', 'Springfield', 1.06);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (85, 'Massachusetts', 'Worcester', 1.09);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (86, 'Michigan', 'Detroit', 1.03);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (87, 'Michigan', 'Grand Rapids', 0.93);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (88, 'Michigan', 'Lansing', 0.96);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (89, 'Michigan', 'Marquette', 0.91);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (90, 'Minnesota', 'Duluth', 1.04);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (91, 'Minnesota', 'Minneapolis', 1.11);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (92, 'Minnesota', 'Rochester', 1.03);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (93, 'Minnesota', 'Saint Paul', 1.10);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (94, 'Mississippi', 'Biloxi', 0.83);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (95, 'Mississippi', 'Hattiesburg', 0.78);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (96, 'Mississippi', 'Jackson', 0.81);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (97, 'Mississippi', 'Tupelo', 0.77);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (98, 'Missouri', 'Kansas City', 1.00);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (99, 'Missouri', 'Saint Louis', 1.03);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (100, 'Missouri', 'Springfield', 0.88);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (101, 'Montana', 'Billings', 0.90);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (102, 'Montana', 'Great Falls', 0.88);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (103, 'Montana', 'Missoula', 0.89);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (104, 'Nebraska', 'Grand Island', 0.84);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (105, 'Nebraska', 'Lincoln', 0.88);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (106, 'Nebraska', 'Omaha', 0.91);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (107, 'Nevada', 'Carson City', 0.99);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (108, 'Nevada', 'Las Vegas', 1.04);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (109, 'Nevada', 'Reno', 1.02);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (110, 'New Hampshire', 'Concord', 0.94);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (111, 'New Hampshire', 'Manchester', 0.96);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (112, 'New Hampshire', 'Nashua', 0.97);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (113, 'New Jersey', 'Newark', 1.14);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (114, 'New Jersey', 'Paterson', 1.13);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (115, 'New Jersey', 'Trenton', 1.12);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (116, 'New Mexico', 'Albuquerque', 0.88);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (117, 'New Mexico', 'Las Cruces', 0.84);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (118, 'New Mexico', 'Santa Fe', 0.91);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (119, 'New York', 'Albany', 1.01);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (120, 'New York', 'Buffalo', 1.05);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (121, 'New York', 'New York', 1.32);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (122, 'New York', 'Rochester', 1.03);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (123, 'New York', 'Syracuse', 0.99);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (124, 'North Carolina', 'Asheville', 0.82);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (125, 'North Carolina', 'Charlotte', 0.85);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (126, 'North Carolina', 'Greensboro', 0.82);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (127, 'North Carolina', 'Raleigh', 0.84);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (128, 'North Carolina', 'Wilmington', 0.81);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (129, 'North Dakota', 'Bismarck', 0.88);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (130, 'North Dakota', 'Fargo', 0.89);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (131, 'North Dakota', 'Minot', 0.87);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (132, 'Ohio', 'Cincinnati', 0.95);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (133, 'Ohio', 'Cleveland', 1.00);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (134, 'Ohio', 'Columbus', 0.96);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (135, 'Ohio', 'Dayton', 0.93);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (136, 'Ohio', 'Toledo', 0.98);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (137, 'Oklahoma', 'Lawton', 0.81);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (138, 'Oklahoma', 'Oklahoma City', 0.84);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (139, 'Oklahoma', 'Tulsa', 0.83);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (140, 'Oregon', 'Eugene', 1.01);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (141, 'Oregon', 'Medford', 0.99);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (142, 'Oregon', 'Portland', 1.05);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (143, 'Oregon', 'Salem', 1.00);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (144, 'Pennsylvania', 'Allentown', 1.04);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (145, 'Pennsylvania', 'Erie', 0.97);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (146, 'Pennsylvania', 'Harrisburg', 0.95);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (147, 'Pennsylvania', 'Philadelphia', 1.14);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (148, 'Pennsylvania', 'Pittsburgh', 1.01);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (149, 'Rhode Island', 'Newport', 1.09);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (150, 'Rhode Island', 'Providence', 1.08);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (151, 'Rhode Island', 'Warwick', 1.07);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (152, 'South Carolina', 'Charleston', 0.83);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (153, 'South Carolina', 'Columbia', 0.82);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (154, 'South Carolina', 'Greenville', 0.80);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (155, 'South Carolina', 'Myrtle Beach', 0.81);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (156, 'South Dakota', 'Aberdeen', 0.80);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (157, 'South Dakota', 'Rapid City', 0.83);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (158, 'South Dakota', 'Sioux Falls', 0.85);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (159, 'Tennessee', 'Chattanooga', 0.83);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (160, 'Tennessee', 'Knoxville', 0.83);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (161, 'Tennessee', 'Memphis', 0.86);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (162, 'Tennessee', 'Nashville', 0.87);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (163, 'Texas', 'Amarillo', 0.82);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (164, 'Texas', 'Austin', 0.86);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (165, 'Texas', 'Dallas', 0.87);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (166, 'Texas', 'El Paso', 0.80);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (167, 'Texas', 'Houston', 0.88);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (168, 'Texas', 'San Antonio', 0.84);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (169, 'Utah', 'Ogden', 0.87);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (170, 'Utah', 'Provo', 0.88);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (171, 'Utah', 'Salt Lake City', 0.91);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (172, 'Vermont', 'Burlington', 0.93);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (173, 'Vermont', 'Montpelier', 0.90);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (174, 'Vermont', 'Rutland', 0.89);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (175, 'Virginia', 'Alexandria', 0.99);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (176, 'Virginia', 'Norfolk', 0.86);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (177, 'Virginia', 'Richmond', 0.88);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (178, 'Virginia', 'Roanoke', 0.84);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (179, 'Washington', 'Seattle', 1.09);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (180, 'Washington', 'Spokane', 0.98);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (181, 'Washington', 'Tacoma', 1.06);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (182, 'Washington', 'Yakima', 0.99);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (183, 'West Virginia', 'Charleston', 0.95);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (184, 'West Virginia', 'Huntington', 0.96);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (185, 'West Virginia', 'Morgantown', 0.94);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (186, 'West Virginia', 'Wheeling', 0.95);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (187, 'Wisconsin', 'Green Bay', 0.99);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (188, 'Wisconsin', 'Madison', 1.00);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (189, 'Wisconsin', 'Milwaukee', 1.05);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (190, 'Wyoming', 'Casper', 0.86);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (191, 'Wyoming', 'Cheyenne', 0.85);
INSERT INTO [Locations] (LocationID, State, City, [Location Factor]) VALUES (192, 'Wyoming', 'Laramie', 0.84);
