-- Sample lens catalogue: FA lenses (thin-lens model) and sensor formats.
-- Built into quorrel_cctv.mdb by tools/make_catalogue. Model names are invented.
--
-- LENS.Parameter of the thin-lens model (ParamType 1), 15 numbers:
--   f, H, a, -, s1, s2, -, P, open F, max draw, max ring, image circle, e0, b, effective diameter
-- with a the flange-to-front length, s1 = a and s2 = 17.526 - f - H, so that
-- s1 + s2 is the distance from the lens front to the front principal point
-- and the working distance read both ways agrees.
-- CCD.SpecialFlag: bit 0 area sensors, bit 1 line-scan sensors.
-- CCD.AreaFlag: bit 0 width and height meaningful, bit 1 diagonal meaningful.

CREATE TABLE LENS (
    ID INTEGER PRIMARY KEY,
    Type TEXT,
    ParamType INTEGER,
    CatalogJP TEXT,
    CatalogEN TEXT,
    CatalogCN TEXT,
    Parameter TEXT,
    PixelSize REAL,
    MountType TEXT,
    SpecialFalg INTEGER,
    DrawoutDirection INTEGER,
    Fno TEXT,
    Discontinued INTEGER,
    DispOrder INTEGER
);

CREATE TABLE CCD (
    ID INTEGER PRIMARY KEY,
    Horizontal REAL,
    Vertical REAL,
    Radial REAL,
    Type TEXT,
    AreaFlag INTEGER,
    SpecialFlag INTEGER,
    DispOrder INTEGER
);

INSERT INTO CCD (Horizontal, Vertical, Radial, Type, AreaFlag, SpecialFlag, DispOrder) VALUES (3.6, 2.7, 4.5, '1/4"', 3, 1, 10);
INSERT INTO CCD (Horizontal, Vertical, Radial, Type, AreaFlag, SpecialFlag, DispOrder) VALUES (4.8, 3.6, 6, '1/3"', 3, 1, 20);
INSERT INTO CCD (Horizontal, Vertical, Radial, Type, AreaFlag, SpecialFlag, DispOrder) VALUES (4.97, 3.73, 6.21, '1/2.9"', 3, 1, 30);
INSERT INTO CCD (Horizontal, Vertical, Radial, Type, AreaFlag, SpecialFlag, DispOrder) VALUES (5.7, 4.28, 7.13, '1/2.5"', 3, 1, 40);
INSERT INTO CCD (Horizontal, Vertical, Radial, Type, AreaFlag, SpecialFlag, DispOrder) VALUES (6.4, 4.8, 8, '1/2"', 3, 1, 50);
INSERT INTO CCD (Horizontal, Vertical, Radial, Type, AreaFlag, SpecialFlag, DispOrder) VALUES (7.18, 5.32, 8.94, '1/1.8"', 3, 1, 60);
INSERT INTO CCD (Horizontal, Vertical, Radial, Type, AreaFlag, SpecialFlag, DispOrder) VALUES (8.8, 6.6, 11, '2/3"', 3, 1, 70);
INSERT INTO CCD (Horizontal, Vertical, Radial, Type, AreaFlag, SpecialFlag, DispOrder) VALUES (11.25, 7.03, 13.27, '1/1.2"', 3, 1, 80);
INSERT INTO CCD (Horizontal, Vertical, Radial, Type, AreaFlag, SpecialFlag, DispOrder) VALUES (12.8, 9.6, 16, '1"', 3, 1, 90);
INSERT INTO CCD (Horizontal, Vertical, Radial, Type, AreaFlag, SpecialFlag, DispOrder) VALUES (14.13, 10.35, 17.52, '1.1"', 3, 1, 100);
INSERT INTO CCD (Horizontal, Vertical, Radial, Type, AreaFlag, SpecialFlag, DispOrder) VALUES (17.3, 13, 21.64, '4/3"', 3, 1, 110);
INSERT INTO CCD (Horizontal, Vertical, Radial, Type, AreaFlag, SpecialFlag, DispOrder) VALUES (NULL, NULL, 14.34, 'I/F 14.3mm (2k x 7um line)', 2, 2, 120);

-- Thin-lens FA lenses: 2/3" series QF, 1" series QH, 1.1" compact series QC,
-- then three discontinued predecessors.
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QF-4M18', 1, 'https://example.com/catalog/jp/QF-4M18.pdf', 'https://example.com/catalog/en/QF-4M18.pdf', 'https://example.com/catalog/cn/QF-4M18.pdf', '4,-2,48,0,48,15.526,0,3,1.8,0.15,0,11,0,0,24', 3.45, 'C', 1, 0, '1.8,2.8,4,5.6,8,11,16', 0, 10);
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QF-6M14', 1, 'https://example.com/catalog/jp/QF-6M14.pdf', 'https://example.com/catalog/en/QF-6M14.pdf', 'https://example.com/catalog/cn/QF-6M14.pdf', '6,-3,45,0,45,14.526,0,2.6,1.4,0.3,0,11,0,0,26', 3.45, 'C', 1, 0, '1.4,2,2.8,4,5.6,8,11,16', 0, 20);
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QF-8M14', 1, 'https://example.com/catalog/jp/QF-8M14.pdf', 'https://example.com/catalog/en/QF-8M14.pdf', 'https://example.com/catalog/cn/QF-8M14.pdf', '8,-4,43,0,43,13.526,0,2.2,1.4,0.5,5,11,0,0,25', 3.45, 'C', 1, 0, '1.4,2,2.8,4,5.6,8,11,16', 0, 30);
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QF-12M14', 1, 'https://example.com/catalog/jp/QF-12M14.pdf', 'https://example.com/catalog/en/QF-12M14.pdf', 'https://example.com/catalog/cn/QF-12M14.pdf', '12,-5,38,0,38,10.526,0,1.8,1.4,1,10,11,0,0,22', 3.45, 'C', 1, 0, '1.4,2,2.8,4,5.6,8,11,16', 0, 40);
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QF-16M14', 1, 'https://example.com/catalog/jp/QF-16M14.pdf', 'https://example.com/catalog/en/QF-16M14.pdf', 'https://example.com/catalog/cn/QF-16M14.pdf', '16,-4,35,0,35,5.526,0,1.5,1.4,1.5,15,11,0,0,20', 3.45, 'C', 1, 0, '1.4,2,2.8,4,5.6,8,11,16', 0, 50);
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QF-25M14', 1, 'https://example.com/catalog/jp/QF-25M14.pdf', 'https://example.com/catalog/en/QF-25M14.pdf', 'https://example.com/catalog/cn/QF-25M14.pdf', '25,-2,30,0,30,-5.474,0,1.1,1.4,3,25,11,0,0,20', 3.45, 'C', 1, 0, '1.4,2,2.8,4,5.6,8,11,16', 0, 60);
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QF-35M14', 1, 'https://example.com/catalog/jp/QF-35M14.pdf', 'https://example.com/catalog/en/QF-35M14.pdf', 'https://example.com/catalog/cn/QF-35M14.pdf', '35,2,36,0,36,-19.474,0,0.95,1.4,4,40,11,0,0,26', 3.45, 'C', 1, 0, '1.4,2,2.8,4,5.6,8,11,16', 0, 70);
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QF-50M18', 1, 'https://example.com/catalog/jp/QF-50M18.pdf', 'https://example.com/catalog/en/QF-50M18.pdf', 'https://example.com/catalog/cn/QF-50M18.pdf', '50,4,40,0,40,-36.474,0,0.85,1.8,5,50,11,0,0,28', 3.45, 'C', 1, 0, '1.8,2.8,4,5.6,8,11,16', 0, 80);
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QF-75M25', 1, 'https://example.com/catalog/jp/QF-75M25.pdf', 'https://example.com/catalog/en/QF-75M25.pdf', 'https://example.com/catalog/cn/QF-75M25.pdf', '75,-10,58,0,58,-47.474,0,0.7,2.5,6,100,11,0,0,32', 3.45, 'C', 1, 0, '2.5,4,5.6,8,11,16,22', 0, 90);
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QH-8M18', 1, 'https://example.com/catalog/jp/QH-8M18.pdf', 'https://example.com/catalog/en/QH-8M18.pdf', 'https://example.com/catalog/cn/QH-8M18.pdf', '8,-6,55,0,55,15.526,0,2.8,1.8,0.5,5,16,0,0,34', 2.5, 'C', 1, 1, '1.8,2.8,4,5.6,8,11,16', 0, 100);
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QH-12M18', 1, 'https://example.com/catalog/jp/QH-12M18.pdf', 'https://example.com/catalog/en/QH-12M18.pdf', 'https://example.com/catalog/cn/QH-12M18.pdf', '12,-6,48,0,48,11.526,0,2.2,1.8,1,10,16,0,0,30', 2.5, 'C', 1, 1, '1.8,2.8,4,5.6,8,11,16', 0, 110);
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QH-16M18', 1, 'https://example.com/catalog/jp/QH-16M18.pdf', 'https://example.com/catalog/en/QH-16M18.pdf', 'https://example.com/catalog/cn/QH-16M18.pdf', '16,-5,45,0,45,6.526,0,1.8,1.8,1.5,15,16,0,0,28', 2.5, 'C', 1, 1, '1.8,2.8,4,5.6,8,11,16', 0, 120);
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QH-25M18', 1, 'https://example.com/catalog/jp/QH-25M18.pdf', 'https://example.com/catalog/en/QH-25M18.pdf', 'https://example.com/catalog/cn/QH-25M18.pdf', '25,-3,38,0,38,-4.474,0,1.2,1.8,3,25,16,0,0,26', 2.5, 'C', 1, 1, '1.8,2.8,4,5.6,8,11,16', 0, 130);
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QH-35M20', 1, 'https://example.com/catalog/jp/QH-35M20.pdf', 'https://example.com/catalog/en/QH-35M20.pdf', 'https://example.com/catalog/cn/QH-35M20.pdf', '35,1,40,0,40,-18.474,0,1,2,4,40,16,0,0,28', 2.5, 'C', 1, 1, '2,2.8,4,5.6,8,11,16', 0, 140);
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QH-50M28', 1, 'https://example.com/catalog/jp/QH-50M28.pdf', 'https://example.com/catalog/en/QH-50M28.pdf', 'https://example.com/catalog/cn/QH-50M28.pdf', '50,3,48,0,48,-35.474,0,0.85,2.8,5,50,16,0,0,30', 2.5, 'C', 1, 1, '2.8,4,5.6,8,11,16,22', 0, 150);
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QH-75M28', 1, 'https://example.com/catalog/jp/QH-75M28.pdf', 'https://example.com/catalog/en/QH-75M28.pdf', 'https://example.com/catalog/cn/QH-75M28.pdf', '75,-12,65,0,65,-45.474,0,0.7,2.8,6.5,100,16,0,0,36', 2.5, 'C', 1, 1, '2.8,4,5.6,8,11,16,22', 0, 160);
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QC-12M28', 1, 'https://example.com/catalog/jp/QC-12M28.pdf', 'https://example.com/catalog/en/QC-12M28.pdf', 'https://example.com/catalog/cn/QC-12M28.pdf', '12,-5,40,0,40,10.526,0,1.9,2.8,1,10,17.6,0,0,22', 3.45, 'C', 3, 0, '2.8,4,5.6,8,11,16,22', 0, 170);
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QC-16M28', 1, 'https://example.com/catalog/jp/QC-16M28.pdf', 'https://example.com/catalog/en/QC-16M28.pdf', 'https://example.com/catalog/cn/QC-16M28.pdf', '16,-4,36,0,36,5.526,0,1.6,2.8,1.5,15,17.6,0,0,20', 3.45, 'C', 3, 0, '2.8,4,5.6,8,11,16,22', 0, 180);
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QC-25M28', 1, 'https://example.com/catalog/jp/QC-25M28.pdf', 'https://example.com/catalog/en/QC-25M28.pdf', 'https://example.com/catalog/cn/QC-25M28.pdf', '25,-2,30,0,30,-5.474,0,1.15,2.8,2.5,25,17.6,0,0,18', 3.45, 'C', 3, 0, '2.8,4,5.6,8,11,16,22', 0, 190);
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QC-35M28', 1, 'https://example.com/catalog/jp/QC-35M28.pdf', 'https://example.com/catalog/en/QC-35M28.pdf', 'https://example.com/catalog/cn/QC-35M28.pdf', '35,1,32,0,32,-18.474,0,1,2.8,3.5,40,17.6,0,0,20', 3.45, 'C', 3, 0, '2.8,4,5.6,8,11,16,22', 0, 200);
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QC-50M28', 1, 'https://example.com/catalog/jp/QC-50M28.pdf', 'https://example.com/catalog/en/QC-50M28.pdf', 'https://example.com/catalog/cn/QC-50M28.pdf', '50,3,38,0,38,-35.474,0,0.85,2.8,4.5,50,17.6,0,0,22', 3.45, 'C', 3, 0, '2.8,4,5.6,8,11,16,22', 0, 210);
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QF-25M16', 1, 'https://example.com/catalog/jp/QF-25M16.pdf', 'https://example.com/catalog/en/QF-25M16.pdf', 'https://example.com/catalog/cn/QF-25M16.pdf', '25,-2,31,0,31,-5.474,0,1.1,1.6,2.5,25,11,0,0,20', 3.45, 'C', 1, 0, '1.6,2,2.8,4,5.6,8,11,16', 1, 65);
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QF-50M20', 1, 'https://example.com/catalog/jp/QF-50M20.pdf', 'https://example.com/catalog/en/QF-50M20.pdf', 'https://example.com/catalog/cn/QF-50M20.pdf', '50,4,42,0,42,-36.474,0,0.85,2,4.5,50,11,0,0,26', 3.45, 'C', 1, 0, '2,2.8,4,5.6,8,11,16', 1, 85);
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QH-16M20', 1, 'https://example.com/catalog/jp/QH-16M20.pdf', 'https://example.com/catalog/en/QH-16M20.pdf', 'https://example.com/catalog/cn/QH-16M20.pdf', '16,-5,46,0,46,6.526,0,1.8,2,1.4,15,16,0,0,27', 2.5, 'C', 1, 1, '2,2.8,4,5.6,8,11,16', 1, 125);
-- == lenses: ringless, fixed-magnification, two-group, motor-step ==
-- == lenses: fitted, fitted single-lens, power-law ==
-- Fitted lenses: their optics are constants of their model classes (the
-- loader sets image circle, ring limit and front diameter; Parameter is not
-- read): QW-6M28 (7: 1" wide angle, 0.05x at most), QW-8M24 (8: 1", 0.07x),
-- QL-35M28 (9: 45 mm image circle, area and line sensors, up to 0.5x),
-- QS-12M18 (12: 2/3", up to 0.104x with 1.25 mm draw), QS-8M20 (13: 2/3",
-- up to 0.127x), QX-85M56 (15: 82 mm image circle, 0.5x to 1.0x).
-- Fitted single-lens QM-85M40/QM-85M45 (14: 0.2x to 0.5x): Parameter
--   -, -, f, -, -, image circle, max ring, effective diameter.
-- Power-law macros QP-35M28 (0.05x to 0.5x, 2/3") and QP-75M40 (0.1x to 0.5x,
-- 1"): Parameter = beta split, WD(beta) high and low branch (coefficient,
-- exponent), OI slope and offset, WD split, beta(WD) near and far branch,
-- WD-from-OI slope and offset, beta-from-draw slope and offset, beta max,
-- beta min, g(beta), pupil denominator, pupil numerator (beta^2 first),
-- draw slope and offset, image circle, max ring, max draw, effective
-- diameter, shortest WD, open F.
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QW-6M28', 7, 'https://example.com/catalog/jp/QW-6M28.pdf', 'https://example.com/catalog/en/QW-6M28.pdf', 'https://example.com/catalog/cn/QW-6M28.pdf', '', 3.45, 'C', 1, 0, '2.8,4,5.6,8,11,16', 0, 510);
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QW-8M24', 8, 'https://example.com/catalog/jp/QW-8M24.pdf', 'https://example.com/catalog/en/QW-8M24.pdf', 'https://example.com/catalog/cn/QW-8M24.pdf', '', 3.45, 'C', 1, 0, '2.4,2.8,4,5.6,8,11,16', 0, 520);
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QL-35M28', 9, 'https://example.com/catalog/jp/QL-35M28.pdf', 'https://example.com/catalog/en/QL-35M28.pdf', 'https://example.com/catalog/cn/QL-35M28.pdf', '', 7, 'F', 3, 0, '2.8,4,5.6,8,11,16,22', 0, 530);
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QS-12M18', 12, 'https://example.com/catalog/jp/QS-12M18.pdf', 'https://example.com/catalog/en/QS-12M18.pdf', 'https://example.com/catalog/cn/QS-12M18.pdf', '', 3.45, 'C', 1, 0, '1.8,2,2.8,4,5.6,8,11,16', 0, 540);
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QS-8M20', 13, 'https://example.com/catalog/jp/QS-8M20.pdf', 'https://example.com/catalog/en/QS-8M20.pdf', 'https://example.com/catalog/cn/QS-8M20.pdf', '', 3.45, 'C', 1, 0, '2,2.8,4,5.6,8,11,16', 0, 550);
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QX-85M56', 15, 'https://example.com/catalog/jp/QX-85M56.pdf', 'https://example.com/catalog/en/QX-85M56.pdf', 'https://example.com/catalog/cn/QX-85M56.pdf', '', 5.5, 'M72', 3, 0, '5.6,8,11,16,22,32', 0, 560);
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QM-85M40', 14, 'https://example.com/catalog/jp/QM-85M40.pdf', 'https://example.com/catalog/en/QM-85M40.pdf', 'https://example.com/catalog/cn/QM-85M40.pdf', '0,0,84.7,0,0,11,0,32', 3.45, 'C', 1, 0, '4,5.6,8,11,16,22,32', 0, 570);
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QM-85M45', 14, 'https://example.com/catalog/jp/QM-85M45.pdf', 'https://example.com/catalog/en/QM-85M45.pdf', 'https://example.com/catalog/cn/QM-85M45.pdf', '0,0,85,0,0,17.6,0,36', 3.45, 'C', 1, 0, '4.5,5.6,8,11,16,22,32', 0, 575);
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QP-35M28', 17, 'https://example.com/catalog/jp/QP-35M28.pdf', 'https://example.com/catalog/en/QP-35M28.pdf', 'https://example.com/catalog/cn/QP-35M28.pdf', '0.15,48.1,-0.903,47.49,-0.91,1,95,267.1,72.92,-1.1074,69.57,-1.0989,1,-95,0.0285714,0.05,0.5,0.05,0,2,35,0,0.1,1,0,0.15,0.8,35,-1.75,11,0,16,30,88,2.8', 3.45, 'C', 1, 0, '2.8,4,5.6,8,11,16', 0, 580);
INSERT INTO LENS (Type, ParamType, CatalogJP, CatalogEN, CatalogCN, Parameter, PixelSize, MountType, SpecialFalg, DrawoutDirection, Fno, Discontinued, DispOrder) VALUES ('QP-75M40', 17, 'https://example.com/catalog/jp/QP-75M40.pdf', 'https://example.com/catalog/en/QP-75M40.pdf', 'https://example.com/catalog/cn/QP-75M40.pdf', '0.3,130,-0.792,128.7,-0.8,1,150,337.2,466.8,-1.2626,433.4,-1.25,1,-150,0.0133333,0.1,0.5,0.1,0,3,75,0,0.1,1,0,0.2,0.85,75,-7.5,16,0,30,36,220,4', 2.5, 'C', 1, 1, '4,5.6,8,11,16,22', 0, 585);
-- == lenses: draw-polynomial, polynomial-coefficient, focus-draw ==
