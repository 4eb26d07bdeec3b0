-- Sample telecentric lens catalogue (quorrel_tkl.mdb).
--
-- LENS: one row per lens construction. A model name with "_" stands for two
-- lenses of the same optics: "TKL05-65_65D" is TKL05-65 and TKL05-65D (the
-- second name is the text up to the first "-" followed by the part after
-- the "_"). A capital D in the name marks coaxial illumination.
-- Series and magnification in the name: QEV-<m>X, TKL<m>-<WD>, GUX-<m> with
-- a leading 0 read as "0." (QEV-035X is 0.35x, TKL05-65 0.5x, GUX-02 0.2x,
-- GUXD-10 1.0x). LSC is a line-scan lens of no magnification series.
-- Optics: Feff = |m| / (2 NA); DOF = 0.02 mm / (|m| NA) (image-side circle of
-- confusion 0.02 mm); RS = 0.61 * lambda / NA in micrometres at the lens's
-- design wavelength (0.55 um; 0.85 um for the NIR lens); OI = WD + L + LB.
-- Holding drawing: A hold diameter, B front diameter, C front part length,
-- D rear diameter; hold length = L - C - Mount (none for the GUX series and
-- for the lenses held by their mount alone, whose A to D are 0).
-- SpecialFlag (sensor classes, as in the sensor formats of quorrel_cctv):
-- 1 area sensors, 2 line-scan sensors, 4 NIR sensors (the NIR lens also
-- serves ordinary area sensors).
-- LENS_EXTRA: one row per lens and rear converter; "--" is the lens alone.

CREATE TABLE LENS (
    ID INTEGER PRIMARY KEY,
    Type TEXT, Kind TEXT, SensorType TEXT,
    Pmag REAL, Flength REAL, Feff REAL, NA REAL,
    WD REAL, OD REAL, OI REAL, L REAL, RS REAL, DOF REAL,
    LH REAL, LHP REAL, ENPP REAL, EXPP REAL, ENPD REAL, EXPD REAL, STO REAL,
    LB REAL, LBd REAL, CCDLimit REAL, LBLimit REAL,
    HoldA REAL, HoldB REAL, HoldC REAL, HoldD REAL, Mount REAL, EFDI REAL,
    RearconRecommend INTEGER,
    CatalogJP TEXT, CatalogEN TEXT, CatalogCN TEXT, MountType TEXT,
    SpecialFlag INTEGER,
    Discontinued INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE LENS_EXTRA (
    ID INTEGER PRIMARY KEY,
    LENS_Type TEXT, REARCON_Type TEXT, CCD_Type TEXT,
    Telecentricity REAL, Distortion REAL, RelativeIllum REAL,
    MagMin REAL, MagMax REAL
);

INSERT INTO LENS (ID, Type, Kind, SensorType, Pmag, Flength, Feff, NA, WD, OD, OI, L, RS, DOF,
    LH, LHP, ENPP, EXPP, ENPD, EXPD, STO, LB, LBd, CCDLimit, LBLimit,
    HoldA, HoldB, HoldC, HoldD, Mount, EFDI, RearconRecommend,
    CatalogJP, CatalogEN, CatalogCN, MountType, SpecialFlag, Discontinued) VALUES
    (1, 'TKL005-450', 'TKL', '5M', -0.0501, 738, 8.1, 0.0031, 450, 250, 1107.53, 640, 108.2, 128.8, 109.8, 5.5, 99999, -401.5, 4.58, 8.24, 4.58, 17.53, 0.5, 11, 1, 120, 250, 420, 62, 6, 236, 0, 'https://catalogue.example.com/jp/tkl/TKL005-450.pdf', 'https://catalogue.example.com/en/tkl/TKL005-450.pdf', 'https://catalogue.example.com/cn/tkl/TKL005-450.pdf', 'C', 1, 0),
    (2, 'TKL01-300', 'TKL', '5M', -0.1002, 484.5, 9.1, 0.0055, 300, 132, 727.53, 410, 61, 36.29, 54.9, 5.5, 99999, -263.5, 5.33, 9.59, 5.33, 17.53, 0.5, 11, 1, 80, 132, 250, 48, 6, 122, 0, 'https://catalogue.example.com/jp/tkl/TKL01-300.pdf', 'https://catalogue.example.com/en/tkl/TKL01-300.pdf', 'https://catalogue.example.com/cn/tkl/TKL01-300.pdf', 'C', 1, 0),
    (3, 'GUX-02', 'GUX', '2M', 0.2003, 243.2, 12.5, 0.008, 160, 64, 362.53, 185, 41.9, 12.48, 27.5, 5.5, 99999, -128.5, 3.89, 7, 3.89, 17.53, 0.5, 11, 1, 40, 64, 95, 32, 5, 58, 0, 'https://catalogue.example.com/jp/tkl/GUX-02.pdf', 'https://catalogue.example.com/en/tkl/GUX-02.pdf', 'https://catalogue.example.com/cn/tkl/GUX-02.pdf', 'C', 1, 0),
    (4, 'TKL025-110', 'TKL', '12M', -0.2497, 216.2, 11.4, 0.011, 110, 84, 358, 236, 30.5, 7.28, 35.2, 8.8, 99999, -153.6, 4.76, 8.56, 4.76, 12, 0.5, 17.6, 1, 60, 84, 120, 46, 7, 76, 0, 'https://catalogue.example.com/jp/tkl/TKL025-110.pdf', 'https://catalogue.example.com/en/tkl/TKL025-110.pdf', 'https://catalogue.example.com/cn/tkl/TKL025-110.pdf', 'M42x1.0', 1, 0),
    (5, 'QEV-035X', 'QEV', '21M', -0.3503, 267.9, 12.5, 0.014, 150, 82, 458.5, 262, 24, 4.08, 32.8, 11.5, 99999, -203.7, 7.5, 13.5, 7.5, 46.5, 0.5, 23, 1, 0, 0, 0, 0, 9, 74, 1, 'https://catalogue.example.com/jp/tkl/QEV-035X.pdf', 'https://catalogue.example.com/en/tkl/QEV-035X.pdf', 'https://catalogue.example.com/cn/tkl/QEV-035X.pdf', 'F', 1, 0),
    (6, 'GUX-05', 'GUX', '5M', 0.4998, 153.1, 12.5, 0.02, 100, 32, 235.53, 118, 16.8, 2, 11, 5.5, 99999, -88.3, 6.12, 11.02, 6.12, 17.53, 0.5, 11, 1, 28, 32, 60, 28, 5, 27, 0, 'https://catalogue.example.com/jp/tkl/GUX-05.pdf', 'https://catalogue.example.com/en/tkl/GUX-05.pdf', 'https://catalogue.example.com/cn/tkl/GUX-05.pdf', 'C', 1, 0),
    (7, 'TKL05-65_65D', 'TKL', '5M', -0.4996, 140.6, 10, 0.025, 65, 42, 250.53, 168, 13.4, 1.6, 16, 8, 99999, -118.3, 7.03, 12.65, 7.03, 17.53, 0.5, 16, 1, 30, 42, 70, 30, 6, 36, 1, 'https://catalogue.example.com/jp/tkl/TKL05-65.pdf', 'https://catalogue.example.com/en/tkl/TKL05-65.pdf', 'https://catalogue.example.com/cn/tkl/TKL05-65.pdf', 'C', 1, 0),
    (8, 'TKL05-110NIR', 'TKL', 'NIR', -0.5012, 195.5, 11.9, 0.021, 110, 38, 317.53, 190, 24.7, 1.9, 11, 5.5, 99999, -131.5, 8.21, 14.78, 8.21, 17.53, 0.5, 11, 1, 30, 38, 82, 30, 6, 30, 0, 'https://catalogue.example.com/jp/tkl/TKL05-110NIR.pdf', 'https://catalogue.example.com/en/tkl/TKL05-110NIR.pdf', 'https://catalogue.example.com/cn/tkl/TKL05-110NIR.pdf', 'C', 5, 0),
    (9, 'TKL05-90', 'TKL', '2M', -0.5004, 166.5, 12.5, 0.02, 90, 36, 277.53, 170, 16.8, 2, 11, 5.5, 99999, -119.5, 6.66, 11.99, 6.66, 17.53, 0.5, 11, 1, 30, 36, 72, 30, 6, 28, 0, 'https://catalogue.example.com/jp/tkl/TKL05-90.pdf', 'https://catalogue.example.com/en/tkl/TKL05-90.pdf', 'https://catalogue.example.com/cn/tkl/TKL05-90.pdf', 'C', 1, 1),
    (10, 'QEV-0.75X', 'QEV', '25M', -0.7498, 206.3, 12.5, 0.03, 110, 58, 370.5, 214, 11.2, 0.89, 22, 16.5, 99999, -174.9, 12.38, 22.28, 12.38, 46.5, 0.5, 33, 1, 0, 0, 0, 0, 9, 50, 0, 'https://catalogue.example.com/jp/tkl/QEV-0.75X.pdf', 'https://catalogue.example.com/en/tkl/QEV-0.75X.pdf', 'https://catalogue.example.com/cn/tkl/QEV-0.75X.pdf', 'F', 1, 0),
    (11, 'QEV-1X_1XD', 'QEV', '29M', -1.0004, 182.2, 13.9, 0.036, 90, 56, 341.5, 205, 9.3, 0.56, 21.6, 21.65, 99999, -169.5, 13.12, 23.61, 13.12, 46.5, 0.5, 43.3, 1, 50, 56, 88, 52, 9, 48, 1, 'https://catalogue.example.com/jp/tkl/QEV-1X.pdf', 'https://catalogue.example.com/en/tkl/QEV-1X.pdf', 'https://catalogue.example.com/cn/tkl/QEV-1X.pdf', 'F', 1, 0),
    (12, 'TKL1-110D', 'TKL', '12M', -0.9991, 178.4, 12.5, 0.04, 110, 34, 279.53, 152, 8.4, 0.5, 8.8, 8.8, 99999, -108.7, 14.27, 25.69, 14.27, 17.53, 0.5, 17.6, 1, 30, 34, 64, 30, 6, 26, 0, 'https://catalogue.example.com/jp/tkl/TKL1-110D.pdf', 'https://catalogue.example.com/en/tkl/TKL1-110D.pdf', 'https://catalogue.example.com/cn/tkl/TKL1-110D.pdf', 'C', 1, 0),
    (13, 'GUXD-10', 'GUX', '2M', 1.0002, 108.2, 16.7, 0.03, 65, 22, 178.53, 96, 11.2, 0.67, 4, 4, 99999, -75.1, 6.49, 11.69, 6.49, 17.53, 0.5, 8, 1, 20, 22, 40, 20, 5, 14, 0, 'https://catalogue.example.com/jp/tkl/GUXD-10.pdf', 'https://catalogue.example.com/en/tkl/GUXD-10.pdf', 'https://catalogue.example.com/cn/tkl/GUXD-10.pdf', 'C', 1, 0),
    (14, 'LSC-1X-16K', 'LSC', '16k5μm', -1.0006, 237.9, 11.1, 0.045, 120, 104, 427, 262, 7.5, 0.44, 41, 41, 99999, -202.2, 21.41, 38.54, 21.41, 45, 0.5, 82, 1, 0, 0, 0, 0, 8, 90, 0, 'https://catalogue.example.com/jp/tkl/LSC-1X-16K.pdf', 'https://catalogue.example.com/en/tkl/LSC-1X-16K.pdf', 'https://catalogue.example.com/cn/tkl/LSC-1X-16K.pdf', 'M72x0.75', 2, 0),
    (15, 'TKL1.5-65', 'TKL', '5M', -1.4985, 128.9, 15, 0.05, 65, 30, 224.53, 142, 6.7, 0.27, 3.7, 5.5, 99999, -102.7, 12.89, 23.2, 12.89, 17.53, 0.5, 11, 1, 28, 30, 52, 28, 6, 15, 0, 'https://catalogue.example.com/jp/tkl/TKL1.5-65.pdf', 'https://catalogue.example.com/en/tkl/TKL1.5-65.pdf', 'https://catalogue.example.com/cn/tkl/TKL1.5-65.pdf', 'C', 1, 0),
    (16, 'QEV-2X-D', 'QEV', '47M', -2.0008, 182.6, 13.3, 0.075, 80, 44, 354.5, 228, 4.5, 0.13, 10.8, 21.65, 99999, -183.3, 27.39, 49.3, 27.39, 46.5, 0.5, 43.3, 1, 40, 44, 76, 52, 9, 28, 1, 'https://catalogue.example.com/jp/tkl/QEV-2X-D.pdf', 'https://catalogue.example.com/en/tkl/QEV-2X-D.pdf', 'https://catalogue.example.com/cn/tkl/QEV-2X-D.pdf', 'F', 1, 0),
    (17, 'TKL2-65D', 'TKL', '2M', -1.9978, 130.7, 16.6, 0.06, 65, 30, 228.53, 146, 5.6, 0.17, 2.8, 5.5, 99999, -105.1, 15.68, 28.23, 15.68, 17.53, 0.5, 11, 1, 28, 30, 50, 28, 6, 12, 0, 'https://catalogue.example.com/jp/tkl/TKL2-65D.pdf', 'https://catalogue.example.com/en/tkl/TKL2-65D.pdf', 'https://catalogue.example.com/cn/tkl/TKL2-65D.pdf', 'C', 1, 0),
    (18, 'TKL3-65', 'TKL', 'VGA', -2.9967, 127.1, 18.7, 0.08, 65, 30, 220.53, 138, 4.2, 0.08, 1.3, 4, 99999, -100.3, 20.34, 36.6, 20.34, 17.53, 0.5, 8, 1, 28, 30, 48, 28, 6, 11, 0, 'https://catalogue.example.com/jp/tkl/TKL3-65.pdf', 'https://catalogue.example.com/en/tkl/TKL3-65.pdf', 'https://catalogue.example.com/cn/tkl/TKL3-65.pdf', 'C', 1, 0),
    (19, 'TKL4-45D', 'TKL', 'VGA', -4.003, 101.7, 20, 0.1, 45, 30, 188.53, 126, 3.4, 0.05, 0.7, 3, 99999, -93.1, 20.34, 36.61, 20.34, 17.53, 0.5, 6, 1, 0, 0, 0, 0, 6, 10, 0, 'https://catalogue.example.com/jp/tkl/TKL4-45D.pdf', 'https://catalogue.example.com/en/tkl/TKL4-45D.pdf', 'https://catalogue.example.com/cn/tkl/TKL4-45D.pdf', 'C', 1, 0);

INSERT INTO LENS_EXTRA (ID, LENS_Type, REARCON_Type, CCD_Type, Telecentricity, Distortion,
    RelativeIllum, MagMin, MagMax) VALUES
    (1, 'TKL005-450', '--', '2/3"', 0.03, 0.08, 94, 0.05, 0.0502),
    (2, 'TKL01-300', '--', '2/3"', 0.04, 0.06, 93, 0.1, 0.1004),
    (3, 'GUX-02', '--', '2/3"', 0.05, 0.1, 92, 0.1999, 0.2007),
    (4, 'TKL025-110', '--', '1.1"', 0.02, 0.05, 91, 0.2492, 0.2502),
    (5, 'QEV-035X', '--', '4/3"', 0.03, 0.04, 95, 0.3496, 0.351),
    (6, 'QEV-035X', 'RC-1.5X', '4/3"', 0.07, 0.06, 88, 0.5228, 0.5281),
    (7, 'QEV-035X', 'RC-2X', '4/3"', 0.07, 0.06, 88, 0.6971, 0.7041),
    (8, 'GUX-05', '--', '2/3"', 0.04, 0.08, 94, 0.4988, 0.5008),
    (9, 'TKL05-65_65D', '--', '1"', 0.05, 0.03, 93, 0.4986, 0.5006),
    (10, 'TKL05-65_65D', 'RC-1.5X', '1"', 0.06, 0.05, 86, 0.7457, 0.7531),
    (11, 'TKL05-65_65D', 'RC-2X', '1"', 0.06, 0.05, 86, 0.9942, 1.0042),
    (12, 'TKL05-110NIR', '--', '2/3"', 0.02, 0.05, 92, 0.5002, 0.5022),
    (13, 'QEV-0.75X', '--', 'APS-C', 0.04, 0.02, 95, 0.7483, 0.7513),
    (14, 'QEV-1X_1XD', '--', '35mm', 0.05, 0.03, 94, 0.9984, 1.0024),
    (15, 'QEV-1X_1XD', 'RC-1.5X', '35mm', 0.07, 0.05, 87, 1.4931, 1.5081),
    (16, 'QEV-1X_1XD', 'RC-2X', '35mm', 0.07, 0.05, 87, 1.9908, 2.0108),
    (17, 'TKL1-110D', '--', '1.1"', 0.02, 0.04, 93, 0.9971, 1.0011),
    (18, 'GUXD-10', '--', '1/2"', 0.03, 0.09, 92, 0.9982, 1.0022),
    (19, 'LSC-1X-16K', '--', '16k 5um line', 0.04, 0.01, 91, 0.9986, 1.0026),
    (20, 'TKL1.5-65', '--', '2/3"', 0.05, 0.05, 95, 1.4955, 1.5015),
    (21, 'QEV-2X-D', '--', '35mm', 0.02, 0.02, 94, 1.9968, 2.0048),
    (22, 'QEV-2X-D', 'RC-1.5X', '35mm', 0.06, 0.04, 87, 2.9862, 3.0162),
    (23, 'QEV-2X-D', 'RC-2X', '35mm', 0.06, 0.04, 87, 3.9816, 4.0216),
    (24, 'TKL2-65D', '--', '2/3"', 0.03, 0.06, 93, 1.9938, 2.0018),
    (25, 'TKL3-65', '--', '1/2"', 0.04, 0.07, 92, 2.9907, 3.0027),
    (26, 'TKL4-45D', '--', '1/3"', 0.05, 0.1, 91, 3.995, 4.011);

