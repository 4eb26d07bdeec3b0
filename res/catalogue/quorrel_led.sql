-- Sample illumination catalogue (quorrel_led.mdb).
--
-- Common: one row per light. Type (IlluminationType.TypeNum) decides the
-- light's kind and its data table; Color is ColorNum. The lit field
-- at the object grows with the illumination working distance WD (light to
-- object, MinWD..MaxWD mm) as the quadratic b*WD^2 + c*WD + d per axis
-- (WD_H_*, WD_V_*, WD_D_*; the _a terms are kept for the catalogue's own
-- use and are 0 here). Ring lights, diffuse rings and domes light a round
-- field: their three axes are equal. Bars and rectangular windows light a
-- rectangle whose diagonal is the hypotenuse of its two sides over the
-- whole WD range (the D quadratic is fitted to it). A back light lights a
-- fixed surface: b and c are 0 and d is the surface's width, height and
-- diagonal.
-- MTO 1 marks a made-to-order product; Discontinued 1 a product no longer
-- listed. Controllers: QP-CV24-2 (24 V constant voltage, 2 channels of up
-- to 1 A), QP-CC35-4, QP-CC50-4, QP-CC70-4 (constant current 350/500/700 mA,
-- 4 channels), QP-CC100-2 (constant current 1 A, 2 channels); each light
-- runs on one whose method is its own and whose current covers its rating.
-- Spec_*: the geometry of each kind, keyed by ProductName (mm, degrees).
-- Spec_SimulatedCoaxialIllumination.WindowForm 0 is a round window whose
-- diameter is LongSide; 1 a rectangular one. Spec_SimpleDome.WindowSizeS 0
-- is a round window of diameter WindowSizeL.

CREATE TABLE IlluminationType (
    ID INTEGER PRIMARY KEY,
    TypeNum INTEGER NOT NULL,
    TypeNameJP TEXT, TypeNameEN TEXT, TypeNameCN TEXT,
    Discontinued INTEGER NOT NULL DEFAULT 0,
    DispOrder INTEGER
);

CREATE TABLE Color (
    ID INTEGER PRIMARY KEY,
    ColorNum INTEGER NOT NULL,
    ColorNameJP TEXT, ColorNameEN TEXT, ColorNameCN TEXT
);

CREATE TABLE Common (
    ID INTEGER PRIMARY KEY,
    ProductName TEXT NOT NULL UNIQUE,
    Type INTEGER, Color INTEGER,
    MaxRatedCurrent REAL, Power REAL, Weight REAL,
    Controller TEXT, ControlMethod TEXT,
    WindowSize REAL, MinWD REAL, CalculatedMaxWD REAL, MaxWD REAL,
    WD_H_a REAL, WD_H_b REAL, WD_H_c REAL, WD_H_d REAL,
    WD_V_a REAL, WD_V_b REAL, WD_V_c REAL, WD_V_d REAL,
    WD_D_a REAL, WD_D_b REAL, WD_D_c REAL, WD_D_d REAL,
    MTO INTEGER NOT NULL DEFAULT 0,
    CatalogJP TEXT, CatalogEN TEXT, CatalogCN TEXT,
    Discontinued INTEGER NOT NULL DEFAULT 0,
    DispOrder INTEGER
);

CREATE TABLE Spec_DirectRing (
    ID INTEGER PRIMARY KEY, ProductName TEXT NOT NULL,
    InternalDiameter REAL, ExternalDiameter REAL, Height REAL, LightingAngle REAL
);
CREATE TABLE Spec_LowAngleRing (
    ID INTEGER PRIMARY KEY, ProductName TEXT NOT NULL,
    InternalDiameter REAL, ExternalDiameter REAL, Height REAL, LightingAngle REAL
);
CREATE TABLE Spec_ShadowlessRing (
    ID INTEGER PRIMARY KEY, ProductName TEXT NOT NULL,
    InternalDiameter REAL, ExternalDiameter REAL, Height REAL
);
CREATE TABLE Spec_SimulatedCoaxialIllumination (
    ID INTEGER PRIMARY KEY, ProductName TEXT NOT NULL,
    Length REAL, Width REAL, Height REAL, WindowForm INTEGER,
    LongSide REAL, ShortSide REAL, OpticalPathLengthExtension REAL
);
CREATE TABLE Spec_Bar (
    ID INTEGER PRIMARY KEY, ProductName TEXT NOT NULL,
    Length REAL, Width REAL, Tickness REAL, LightingArea TEXT
);
CREATE TABLE Spec_Backlights (
    ID INTEGER PRIMARY KEY, ProductName TEXT NOT NULL,
    Length REAL, Width REAL, Tickness REAL, LightingSurface TEXT
);
CREATE TABLE Spec_SimpleDome (
    ID INTEGER PRIMARY KEY, ProductName TEXT NOT NULL,
    InternalDiameter REAL, ExternalDiameter REAL, Height REAL,
    WindowSizeL REAL, WindowSizeS REAL, WindowThickness REAL
);

-- Type 4 (coaxial light with a half mirror) is no longer sold.
INSERT INTO IlluminationType (ID, TypeNum, TypeNameJP, TypeNameEN, TypeNameCN, Discontinued, DispOrder) VALUES
    (1, 1, 'リング照明', 'Ring light', '环形光源', 0, 1),
    (2, 11, 'アングルリング照明', 'Angled ring light', '斜射环形光源', 0, 2),
    (3, 12, '拡散リング照明', 'Diffuse ring light', '漫射环形光源', 0, 3),
    (4, 2, 'ローアングルリング照明', 'Low-angle ring light', '低角度环形光源', 0, 4),
    (5, 3, 'シャドウレスリング照明', 'Shadowless ring light', '无影环形光源', 0, 5),
    (6, 5, '疑似同軸照明', 'Simulated coaxial light', '类同轴光源', 0, 6),
    (7, 7, 'シンプルドーム照明', 'Simple dome light', '简易穹顶光源', 0, 7),
    (8, 6, 'バー照明', 'Bar light', '条形光源', 0, 8),
    (9, 8, 'バックライト', 'Back light', '背光源', 0, 9),
    (10, 4, '同軸照明', 'Coaxial light', '同轴光源', 1, 10);

INSERT INTO Color (ID, ColorNum, ColorNameJP, ColorNameEN, ColorNameCN) VALUES
    (1, 1, '赤色', 'Red', '红色'),
    (2, 2, '緑色', 'Green', '绿色'),
    (3, 3, '青色', 'Blue', '蓝色'),
    (4, 4, '白色', 'White', '白色'),
    (5, 5, '赤外', 'IR', '红外'),
    (6, 6, '紫外', 'UV', '紫外');

INSERT INTO Common (ID, ProductName, Type, Color, MaxRatedCurrent, Power, Weight, Controller, ControlMethod,
    WindowSize, MinWD, CalculatedMaxWD, MaxWD,
    WD_H_a, WD_H_b, WD_H_c, WD_H_d, WD_V_a, WD_V_b, WD_V_c, WD_V_d, WD_D_a, WD_D_b, WD_D_c, WD_D_d,
    MTO, CatalogJP, CatalogEN, CatalogCN, Discontinued, DispOrder) VALUES
    (1, 'QR-D50', 1, 4, 0.12, 2.9, 60, 'QP-CV24-2', 'CV', 0, 10, 180, 150, 0, 0.0008, 0.9, 40, 0, 0.0008, 0.9, 40, 0, 0.0008, 0.9, 40, 0, 'https://catalogue.example.com/jp/led/QR-D50.pdf', 'https://catalogue.example.com/en/led/QR-D50.pdf', 'https://catalogue.example.com/cn/led/QR-D50.pdf', 0, 10),
    (2, 'QR-D65''S', 1, 2, 0.16, 3.8, 80, 'QP-CV24-2', 'CV', 0, 15, 240, 200, 0, 0.0007, 0.85, 50, 0, 0.0007, 0.85, 50, 0, 0.0007, 0.85, 50, 0, 'https://catalogue.example.com/jp/led/QR-D65S.pdf', 'https://catalogue.example.com/en/led/QR-D65S.pdf', 'https://catalogue.example.com/cn/led/QR-D65S.pdf', 0, 20),
    (3, 'QR-D80', 1, 4, 0.2, 4.8, 110, 'QP-CV24-2', 'CV', 0, 20, 300, 250, 0, 0.0006, 0.8, 60, 0, 0.0006, 0.8, 60, 0, 0.0006, 0.8, 60, 0, 'https://catalogue.example.com/jp/led/QR-D80.pdf', 'https://catalogue.example.com/en/led/QR-D80.pdf', 'https://catalogue.example.com/cn/led/QR-D80.pdf', 0, 30),
    (4, 'QR-D80R', 1, 1, 0.2, 4.8, 110, 'QP-CV24-2', 'CV', 0, 20, 300, 250, 0, 0.0006, 0.8, 60, 0, 0.0006, 0.8, 60, 0, 0.0006, 0.8, 60, 0, 'https://catalogue.example.com/jp/led/QR-D80R.pdf', 'https://catalogue.example.com/en/led/QR-D80R.pdf', 'https://catalogue.example.com/cn/led/QR-D80R.pdf', 0, 40),
    (5, 'QR-D120', 1, 4, 0.35, 8.4, 190, 'QP-CC35-4', 'CC', 0, 30, 420, 350, 0, 0.0004, 0.7, 95, 0, 0.0004, 0.7, 95, 0, 0.0004, 0.7, 95, 0, 'https://catalogue.example.com/jp/led/QR-D120.pdf', 'https://catalogue.example.com/en/led/QR-D120.pdf', 'https://catalogue.example.com/cn/led/QR-D120.pdf', 0, 50),
    (6, 'QR-D160', 1, 4, 0.5, 12, 320, 'QP-CC50-4', 'CC', 0, 40, 480, 400, 0, 0.0003, 0.65, 130, 0, 0.0003, 0.65, 130, 0, 0.0003, 0.65, 130, 1, 'https://catalogue.example.com/jp/led/QR-D160.pdf', 'https://catalogue.example.com/en/led/QR-D160.pdf', 'https://catalogue.example.com/cn/led/QR-D160.pdf', 0, 60),
    (7, 'QR-D40', 1, 4, 0.1, 2.4, 45, 'QP-CV24-2', 'CV', 0, 10, 144, 120, 0, 0.001, 0.9, 32, 0, 0.001, 0.9, 32, 0, 0.001, 0.9, 32, 0, 'https://catalogue.example.com/jp/led/QR-D40.pdf', 'https://catalogue.example.com/en/led/QR-D40.pdf', 'https://catalogue.example.com/cn/led/QR-D40.pdf', 1, 70),
    (8, 'QR-A70', 11, 4, 0.25, 6, 130, 'QP-CV24-2', 'CV', 0, 10, 144, 120, 0, 0.0012, 1.1, 45, 0, 0.0012, 1.1, 45, 0, 0.0012, 1.1, 45, 0, 'https://catalogue.example.com/jp/led/QR-A70.pdf', 'https://catalogue.example.com/en/led/QR-A70.pdf', 'https://catalogue.example.com/cn/led/QR-A70.pdf', 0, 80),
    (9, 'QR-A100', 11, 3, 0.3, 7.2, 180, 'QP-CC35-4', 'CC', 0, 15, 192, 160, 0, 0.001, 1, 70, 0, 0.001, 1, 70, 0, 0.001, 1, 70, 0, 'https://catalogue.example.com/jp/led/QR-A100.pdf', 'https://catalogue.example.com/en/led/QR-A100.pdf', 'https://catalogue.example.com/cn/led/QR-A100.pdf', 0, 90),
    (10, 'QR-A130', 11, 4, 0.4, 9.6, 240, 'QP-CC50-4', 'CC', 0, 20, 240, 200, 0, 0.0009, 1.2, 95, 0, 0.0009, 1.2, 95, 0, 0.0009, 1.2, 95, 0, 'https://catalogue.example.com/jp/led/QR-A130.pdf', 'https://catalogue.example.com/en/led/QR-A130.pdf', 'https://catalogue.example.com/cn/led/QR-A130.pdf', 0, 100),
    (11, 'QR-F60', 12, 4, 0.15, 3.6, 70, 'QP-CV24-2', 'CV', 0, 5, 96, 80, 0, 0.002, 0.6, 45, 0, 0.002, 0.6, 45, 0, 0.002, 0.6, 45, 0, 'https://catalogue.example.com/jp/led/QR-F60.pdf', 'https://catalogue.example.com/en/led/QR-F60.pdf', 'https://catalogue.example.com/cn/led/QR-F60.pdf', 0, 110),
    (12, 'QR-F90', 12, 4, 0.22, 5.3, 120, 'QP-CV24-2', 'CV', 0, 5, 120, 100, 0, 0.0018, 0.6, 68, 0, 0.0018, 0.6, 68, 0, 0.0018, 0.6, 68, 0, 'https://catalogue.example.com/jp/led/QR-F90.pdf', 'https://catalogue.example.com/en/led/QR-F90.pdf', 'https://catalogue.example.com/cn/led/QR-F90.pdf', 0, 120),
    (13, 'QR-F120', 12, 5, 0.3, 7.2, 170, 'QP-CC35-4', 'CC', 0, 10, 144, 120, 0, 0.0015, 0.55, 92, 0, 0.0015, 0.55, 92, 0, 0.0015, 0.55, 92, 0, 'https://catalogue.example.com/jp/led/QR-F120.pdf', 'https://catalogue.example.com/en/led/QR-F120.pdf', 'https://catalogue.example.com/cn/led/QR-F120.pdf', 0, 130),
    (14, 'QR-L60', 2, 4, 0.14, 3.4, 75, 'QP-CV24-2', 'CV', 0, 3, 36, 30, 0, 0.01, 0.5, 35, 0, 0.01, 0.5, 35, 0, 0.01, 0.5, 35, 0, 'https://catalogue.example.com/jp/led/QR-L60.pdf', 'https://catalogue.example.com/en/led/QR-L60.pdf', 'https://catalogue.example.com/cn/led/QR-L60.pdf', 0, 140),
    (15, 'QR-L100', 2, 1, 0.24, 5.8, 140, 'QP-CV24-2', 'CV', 0, 5, 48, 40, 0, 0.008, 0.6, 60, 0, 0.008, 0.6, 60, 0, 0.008, 0.6, 60, 0, 'https://catalogue.example.com/jp/led/QR-L100.pdf', 'https://catalogue.example.com/en/led/QR-L100.pdf', 'https://catalogue.example.com/cn/led/QR-L100.pdf', 0, 150),
    (16, 'QR-L150', 2, 4, 0.36, 8.6, 230, 'QP-CC50-4', 'CC', 0, 5, 60, 50, 0, 0.006, 0.5, 100, 0, 0.006, 0.5, 100, 0, 0.006, 0.5, 100, 0, 'https://catalogue.example.com/jp/led/QR-L150.pdf', 'https://catalogue.example.com/en/led/QR-L150.pdf', 'https://catalogue.example.com/cn/led/QR-L150.pdf', 0, 160),
    (17, 'QR-L150UV', 2, 6, 0.36, 8.6, 230, 'QP-CC50-4', 'CC', 0, 5, 60, 50, 0, 0.006, 0.5, 100, 0, 0.006, 0.5, 100, 0, 0.006, 0.5, 100, 0, 'https://catalogue.example.com/jp/led/QR-L150UV.pdf', 'https://catalogue.example.com/en/led/QR-L150UV.pdf', 'https://catalogue.example.com/cn/led/QR-L150UV.pdf', 0, 170),
    (18, 'QR-S70', 3, 4, 0.18, 4.3, 120, 'QP-CV24-2', 'CV', 0, 5, 72, 60, 0, 0.004, 0.6, 28, 0, 0.004, 0.6, 28, 0, 0.004, 0.6, 28, 0, 'https://catalogue.example.com/jp/led/QR-S70.pdf', 'https://catalogue.example.com/en/led/QR-S70.pdf', 'https://catalogue.example.com/cn/led/QR-S70.pdf', 0, 180),
    (19, 'QR-S100', 3, 4, 0.26, 6.2, 190, 'QP-CV24-2', 'CV', 0, 10, 96, 80, 0, 0.003, 0.6, 45, 0, 0.003, 0.6, 45, 0, 0.003, 0.6, 45, 0, 'https://catalogue.example.com/jp/led/QR-S100.pdf', 'https://catalogue.example.com/en/led/QR-S100.pdf', 'https://catalogue.example.com/cn/led/QR-S100.pdf', 0, 190),
    (20, 'QR-S140', 3, 2, 0.4, 9.6, 300, 'QP-CC50-4', 'CC', 0, 10, 120, 100, 0, 0.0025, 0.5, 70, 0, 0.0025, 0.5, 70, 0, 0.0025, 0.5, 70, 0, 'https://catalogue.example.com/jp/led/QR-S140.pdf', 'https://catalogue.example.com/en/led/QR-S140.pdf', 'https://catalogue.example.com/cn/led/QR-S140.pdf', 0, 200),
    (21, 'QC-30', 5, 4, 0.2, 4.8, 150, 'QP-CV24-2', 'CV', 30, 5, 72, 60, 0, 0.002, 0.3, 28, 0, 0.002, 0.3, 28, 0, 0.002, 0.3, 28, 0, 'https://catalogue.example.com/jp/led/QC-30.pdf', 'https://catalogue.example.com/en/led/QC-30.pdf', 'https://catalogue.example.com/cn/led/QC-30.pdf', 0, 210),
    (22, 'QC-50R', 5, 4, 0.3, 7.2, 260, 'QP-CC35-4', 'CC', 50, 5, 96, 80, 0, 0.002, 0.35, 48, 0, 0.0016, 0.3, 38, 0, 0.0025, 0.45, 61, 0, 'https://catalogue.example.com/jp/led/QC-50R.pdf', 'https://catalogue.example.com/en/led/QC-50R.pdf', 'https://catalogue.example.com/cn/led/QC-50R.pdf', 0, 220),
    (23, 'QC-80R', 5, 3, 0.45, 10.8, 480, 'QP-CC50-4', 'CC', 80, 10, 144, 120, 0, 0.0015, 0.35, 78, 0, 0.0012, 0.3, 58, 0, 0.002, 0.45, 97, 0, 'https://catalogue.example.com/jp/led/QC-80R.pdf', 'https://catalogue.example.com/en/led/QC-80R.pdf', 'https://catalogue.example.com/cn/led/QC-80R.pdf', 0, 230),
    (24, 'QD-70', 7, 4, 0.25, 6, 140, 'QP-CV24-2', 'CV', 20, 2, 24, 20, 0, 0.02, 1, 40, 0, 0.02, 1, 40, 0, 0.02, 1, 40, 0, 'https://catalogue.example.com/jp/led/QD-70.pdf', 'https://catalogue.example.com/en/led/QD-70.pdf', 'https://catalogue.example.com/cn/led/QD-70.pdf', 0, 240),
    (25, 'QD-120', 7, 4, 0.4, 9.6, 330, 'QP-CC50-4', 'CC', 32, 2, 36, 30, 0, 0.015, 1, 70, 0, 0.015, 1, 70, 0, 0.015, 1, 70, 0, 'https://catalogue.example.com/jp/led/QD-120.pdf', 'https://catalogue.example.com/en/led/QD-120.pdf', 'https://catalogue.example.com/cn/led/QD-120.pdf', 0, 250),
    (26, 'QD-200R', 7, 4, 0.7, 16.8, 820, 'QP-CC70-4', 'CC', 40, 5, 48, 40, 0, 0.01, 1, 120, 0, 0.01, 1, 120, 0, 0.01, 1, 120, 0, 'https://catalogue.example.com/jp/led/QD-200R.pdf', 'https://catalogue.example.com/en/led/QD-200R.pdf', 'https://catalogue.example.com/cn/led/QD-200R.pdf', 0, 260),
    (27, 'QB-100', 6, 4, 0.2, 4.8, 90, 'QP-CV24-2', 'CV', 0, 10, 360, 300, 0, 0.0005, 0.4, 100, 0, 0.0005, 0.4, 16, 0, 0.00085, 0.48, 101, 0, 'https://catalogue.example.com/jp/led/QB-100.pdf', 'https://catalogue.example.com/en/led/QB-100.pdf', 'https://catalogue.example.com/cn/led/QB-100.pdf', 0, 270),
    (28, 'QB-100IR', 6, 5, 0.2, 4.8, 90, 'QP-CV24-2', 'CV', 0, 10, 360, 300, 0, 0.0005, 0.4, 100, 0, 0.0005, 0.4, 16, 0, 0.00085, 0.48, 101, 0, 'https://catalogue.example.com/jp/led/QB-100IR.pdf', 'https://catalogue.example.com/en/led/QB-100IR.pdf', 'https://catalogue.example.com/cn/led/QB-100IR.pdf', 0, 280),
    (29, 'QB-200', 6, 1, 0.4, 9.6, 170, 'QP-CC50-4', 'CC', 0, 10, 480, 400, 0, 0.0004, 0.4, 200, 0, 0.0004, 0.4, 16, 0, 0.0007, 0.44, 201, 0, 'https://catalogue.example.com/jp/led/QB-200.pdf', 'https://catalogue.example.com/en/led/QB-200.pdf', 'https://catalogue.example.com/cn/led/QB-200.pdf', 0, 290),
    (30, 'QB-300', 6, 4, 0.6, 14.4, 250, 'QP-CC70-4', 'CC', 0, 20, 600, 500, 0, 0.0003, 0.4, 300, 0, 0.0003, 0.4, 20, 0, 0.00052, 0.43, 301, 0, 'https://catalogue.example.com/jp/led/QB-300.pdf', 'https://catalogue.example.com/en/led/QB-300.pdf', 'https://catalogue.example.com/cn/led/QB-300.pdf', 0, 300),
    (31, 'QK-5050', 8, 4, 0.15, 3.6, 120, 'QP-CV24-2', 'CV', 0, 0, 0, 0, 0, 0, 0, 50, 0, 0, 0, 50, 0, 0, 0, 70.71, 0, 'https://catalogue.example.com/jp/led/QK-5050.pdf', 'https://catalogue.example.com/en/led/QK-5050.pdf', 'https://catalogue.example.com/cn/led/QK-5050.pdf', 0, 310),
    (32, 'QK-10080', 8, 4, 0.3, 7.2, 300, 'QP-CV24-2', 'CV', 0, 0, 0, 0, 0, 0, 0, 100, 0, 0, 0, 80, 0, 0, 0, 128.06, 0, 'https://catalogue.example.com/jp/led/QK-10080.pdf', 'https://catalogue.example.com/en/led/QK-10080.pdf', 'https://catalogue.example.com/cn/led/QK-10080.pdf', 0, 320),
    (33, 'QK-10080R', 8, 1, 0.3, 7.2, 300, 'QP-CV24-2', 'CV', 0, 0, 0, 0, 0, 0, 0, 100, 0, 0, 0, 80, 0, 0, 0, 128.06, 0, 'https://catalogue.example.com/jp/led/QK-10080R.pdf', 'https://catalogue.example.com/en/led/QK-10080R.pdf', 'https://catalogue.example.com/cn/led/QK-10080R.pdf', 0, 330),
    (34, 'QK-200150', 8, 4, 0.8, 19.2, 1100, 'QP-CC100-2', 'CC', 0, 0, 0, 0, 0, 0, 0, 200, 0, 0, 0, 150, 0, 0, 0, 250, 0, 'https://catalogue.example.com/jp/led/QK-200150.pdf', 'https://catalogue.example.com/en/led/QK-200150.pdf', 'https://catalogue.example.com/cn/led/QK-200150.pdf', 0, 340);

INSERT INTO Spec_DirectRing (ID, ProductName, InternalDiameter, ExternalDiameter, Height, LightingAngle) VALUES
    (1, 'QR-D50', 30, 62, 18, 30),
    (2, 'QR-D80', 52, 92, 20, 25),
    (3, 'QR-D80R', 52, 92, 20, 25),
    (4, 'QR-D120', 85, 136, 22, 20),
    (5, 'QR-D65''S', 40, 76, 19, 28),
    (6, 'QR-D160', 120, 176, 25, 20),
    (7, 'QR-D40', 22, 50, 16, 30),
    (8, 'QR-A70', 40, 80, 25, 45),
    (9, 'QR-A100', 64, 110, 28, 45),
    (10, 'QR-A130', 90, 142, 30, 50),
    (11, 'QR-F60', 30, 64, 22, 20),
    (12, 'QR-F90', 48, 96, 24, 20),
    (13, 'QR-F120', 70, 128, 26, 20);

INSERT INTO Spec_LowAngleRing (ID, ProductName, InternalDiameter, ExternalDiameter, Height, LightingAngle) VALUES
    (1, 'QR-L60', 42, 72, 15, 70),
    (2, 'QR-L100', 76, 112, 18, 75),
    (3, 'QR-L150', 120, 165, 20, 80),
    (4, 'QR-L150UV', 120, 165, 20, 80);

INSERT INTO Spec_ShadowlessRing (ID, ProductName, InternalDiameter, ExternalDiameter, Height) VALUES
    (1, 'QR-S70', 25, 70, 30),
    (2, 'QR-S100', 40, 100, 35),
    (3, 'QR-S140', 60, 140, 40);

INSERT INTO Spec_SimulatedCoaxialIllumination (ID, ProductName, Length, Width, Height, WindowForm, LongSide, ShortSide, OpticalPathLengthExtension) VALUES
    (1, 'QC-30', 60, 50, 55, 0, 30, 0, 8),
    (2, 'QC-50R', 90, 70, 75, 1, 50, 40, 12),
    (3, 'QC-80R', 130, 100, 110, 1, 80, 60, 18);

INSERT INTO Spec_Bar (ID, ProductName, Length, Width, Tickness, LightingArea) VALUES
    (1, 'QB-100', 110, 26, 20, '100 x 16'),
    (2, 'QB-200', 210, 26, 20, '200 x 16'),
    (3, 'QB-300', 310, 30, 22, '300 x 20'),
    (4, 'QB-100IR', 110, 26, 20, '100 x 16');

INSERT INTO Spec_Backlights (ID, ProductName, Length, Width, Tickness, LightingSurface) VALUES
    (1, 'QK-5050', 70, 70, 12, '50 x 50'),
    (2, 'QK-10080', 124, 104, 14, '100 x 80'),
    (3, 'QK-10080R', 124, 104, 14, '100 x 80'),
    (4, 'QK-200150', 230, 180, 18, '200 x 150');

INSERT INTO Spec_SimpleDome (ID, ProductName, InternalDiameter, ExternalDiameter, Height, WindowSizeL, WindowSizeS, WindowThickness) VALUES
    (1, 'QD-70', 70, 80, 45, 20, 0, 3),
    (2, 'QD-120', 120, 132, 72, 32, 0, 3),
    (3, 'QD-200R', 200, 215, 110, 40, 30, 4);
