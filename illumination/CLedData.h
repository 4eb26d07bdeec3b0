// The illumination record and its lighting-area model.
//
// One CLedData is one light of the illumination catalogue and the base of the
// seven type classes (LedTypes.h). The lit field at the object grows with the
// illumination working distance WD (light to object); per axis k (H, V, D) it
// is modelled as the quadratic
//
//     area_k(WD) = b_k * WD^2 + c_k * WD + d_k        (mm, for MinWD <= WD <= MaxWD)
//
// The routines here narrow a range of working distances to where the area
// reaches a wanted size, cut it where an opening of the light would vignette
// the lens's light cone, and solve the quadratic over the whole range. The
// type classes build their search and calculation on them.
#pragma once

#include <string>
#include <utility>

// The usable illumination working distances as two intervals, mm. One usable
// interval: both intervals are equal. Two (the area is too small in the
// middle): interval 2 is the nearer one, interval 1 the farther one.
struct tagLedWDRange {
    double dMaxWD1 = 0.0;  // upper end of interval 1
    double dMaxWD2 = 0.0;  // upper end of interval 2
    double dMinWD1 = 0.0;  // lower end of interval 1
    double dMinWD2 = 0.0;  // lower end of interval 2

    // Both intervals become [lower, upper].
    void SetBoth(double lower, double upper) {
        dMinWD1 = dMinWD2 = lower;
        dMaxWD1 = dMaxWD2 = upper;
    }
};

// One illumination calculation: the three lighting areas and up to two
// working distances (only those the return code names are written).
struct tagLedCalcResult {
    double dAreaH = 0.0;  // horizontal lighting area, mm
    double dAreaV = 0.0;  // vertical lighting area, mm
    double dAreaD = 0.0;  // diagonal lighting area, mm
    double dWD1 = 0.0;    // working distance 1, mm
    double dWD2 = 0.0;    // working distance 2, mm
};

// Codes of MatchSearch; every negative code means "not listed".
enum LedMatchCode {
    kLedRejectType = -9000,     // type not in the type mask
    kLedRejectColor = -9001,    // colour not in the colour mask
    kLedRejectCC = -1003,       // constant-current light, CC not wanted
    kLedRejectCV = -9002,       // constant-voltage light, CV not wanted
    kLedRejectCurrent = -9003,  // rated current above the limit
    kLedRejectPower = -9004,    // power above the limit
};

// Codes of EvaluateSearch (1, 2, 3: fits).
enum LedSearchCode {
    kLedMinAboveMax = -1000,        // lens mode: MinWD above the usable maximum WD
    kLedAllVignette = -1001,        // lens mode: every usable WD vignettes
    kLedFovNotLit = -1002,          // lens mode: the field of view cannot be lit
    kLedFovOverSurface = -1010,     // lens mode, back light: field larger than the surface
    kLedWDOutside = -2000,          // WD mode: WD outside [MinWD, MaxWD]
    kLedAreaOverLit = -2001,        // WD mode: wanted area above the area lit at that WD
    kLedNoWDForArea = -2002,        // WD mode: no usable WD for the wanted area
    kLedAreaOverSurface = -2010,    // WD mode, back light: area larger than the surface
    kLedEmptyInterval = -3000,      // an interval came out empty
};

// Codes of Calculate (1: WD 1 written, 2: WD 2 written, 3: both).
enum LedCalcCode {
    kLedWDBelowMin = -5000,        // item 0: WD below MinWD
    kLedWDAboveMax = -5001,        // item 0: WD above the usable maximum
    kLedWDVignettes = -5010,       // item 0: the WD vignettes
    kLedAreaNeverReached = -6000,  // items 1-3: the area is never reached
    kLedNoWDInRange = -6001,       // items 1-3: no WD inside [MinWD, usable maximum]
    kLedAreaVignettes = -6010,     // items 1-3: every WD found vignettes
};

// The 28 values of one catalogue row of the table Common, in column order.
struct tagLedCommonColumns {
    std::wstring ProductName;
    int Type = 0;
    int Color = 0;
    double MaxRatedCurrent = 0.0;
    double Power = 0.0;
    double Weight = 0.0;
    std::wstring Controller;
    std::wstring ControlMethod;
    double WindowSize = 0.0;
    double MinWD = 0.0;
    double CalculatedMaxWD = 0.0;
    double MaxWD = 0.0;
    double WD_H_a = 0.0, WD_H_b = 0.0, WD_H_c = 0.0, WD_H_d = 0.0;
    double WD_V_a = 0.0, WD_V_b = 0.0, WD_V_c = 0.0, WD_V_d = 0.0;
    double WD_D_a = 0.0, WD_D_b = 0.0, WD_D_c = 0.0, WD_D_d = 0.0;
    int MTO = 0;
    std::wstring CatalogJP;
    std::wstring CatalogEN;
    std::wstring CatalogCN;
};

// The quadratic of one axis.
struct tagLedAreaCoef {
    double b = 0.0;
    double c = 0.0;
    double d = 0.0;

    double At(double wd) const { return b * wd * wd + c * wd + d; }
};

class CLedData {
public:
    CLedData() = default;
    virtual ~CLedData() = default;
    CLedData(const CLedData&) = delete;
    CLedData& operator=(const CLedData&) = delete;

    // Lighting areas (item 0: the value is a WD) or working distances (items
    // 1, 2, 3: the value is a wanted H, V or D area) of this light. The lens
    // values are negative when no lens is given. The base has no model: 0.
    virtual int Calculate(double value, int item, double fovH, double fovV, double lensWD,
                          double effDiameter, tagLedCalcResult& result);

    // Whether the light fits a search, and with which working distances.
    // Lens mode: the fields of view and lens values, -1.0 for the WD and the
    // areas. WD mode: -1.0 for the lens values, the wanted WD and area. The
    // base has no model: 0.
    virtual int EvaluateSearch(double fovH, double fovV, double fovD, double lensWD,
                               double effDiameter, double illumWD, double areaH, double areaV,
                               double areaD, tagLedWDRange& range);

    // The search filter: type, colour, control method, current and power,
    // then the light's own EvaluateSearch. Positive when the light fits.
    int MatchSearch(double fovH, double fovV, double fovD, double lensWD, double effDiameter,
                    int typeMask, double illumWD, double areaH, double areaV, double areaD,
                    int colorMask, int controlMask, double currentLimit, double powerLimit,
                    tagLedWDRange& range);

    // Narrows interval 1 of the range to where b*x^2 + c*x + d reaches `area`.
    // A negative area with a hint of 0 or more becomes the area at the hint
    // and is written back. Returns -1 (no quadratic), -2 (never that much),
    // -3 (no root in the interval), 1 (every WD lights enough, or only the
    // larger root inside), 2 (only the smaller root inside), 3 (both inside).
    static int SolveWDForArea(tagLedWDRange& range, double& area, double b, double c, double d,
                              double wdHint);

    // Cuts the range where an opening of diameter `inner` at the
    // illumination WD would cut the light cone between the lens front
    // (diameter `effDiameter`, `lensWD` from the object) and the field of
    // view (diameter `fovD` at the object). 0 when done, -4 when every WD
    // vignettes.
    static int LimitWDByVignetting(tagLedWDRange& range, double effDiameter, double inner,
                                   double fovD, double lensWD);

    // The working distances where b*x^2 + c*x + d equals `area`, over the
    // whole range [MinWD, MaxWD]. 0: the two roots (unchecked against the
    // range; not numbers when |b| <= 1e-9, so no range holds them); 1: every
    // WD lights more, roots (MinWD, -1.0); -3: none.
    int SolveAreaRoots(std::pair<double, double>& roots, double d, double area, double b,
                       double c) const;

    // Copies the 28 catalogue values into the record.
    void AssignCommon(const tagLedCommonColumns& columns);

    // MaxWD, lowered to lensWD - height when a lens is given and the light
    // must fit between the lens and the object.
    double UsableMaxWD(double lensWD, double height) const;

    tagLedAreaCoef CoefH() const { return {WD_H_b, WD_H_c, WD_H_d}; }
    tagLedAreaCoef CoefV() const { return {WD_V_b, WD_V_c, WD_V_d}; }
    tagLedAreaCoef CoefD() const { return {WD_D_b, WD_D_c, WD_D_d}; }

    std::wstring ProductName;        // model name; key of the data-table rows
    int Type = 0;                    // illumination type number
    int Color = 0;                   // emitted colour number
    double MaxRatedCurrent = 0.0;    // rated current, A
    double Power = 0.0;              // power, W
    double Weight = 0.0;             // weight, g
    std::wstring Controller;         // matching controller
    std::wstring ControlMethod;      // "CC" constant current, "CV" constant voltage
    double WindowSize = 0.0;         // window size (shown only)
    double MinWD = 0.0;              // smallest usable illumination WD, mm
    double CalculatedMaxWD = 0.0;    // stored only
    double MaxWD = 0.0;              // largest usable illumination WD, mm
    double WD_H_a = 0.0;             // H axis coefficients (a is stored only)
    double WD_H_b = 0.0;
    double WD_H_c = 0.0;
    double WD_H_d = 0.0;
    double WD_V_a = 0.0;             // V axis coefficients
    double WD_V_b = 0.0;
    double WD_V_c = 0.0;
    double WD_V_d = 0.0;
    double WD_D_a = 0.0;             // D axis coefficients
    double WD_D_b = 0.0;
    double WD_D_c = 0.0;
    double WD_D_d = 0.0;
    int MTO = 0;                     // non-zero: made to order
    std::wstring CatalogJP;          // catalogue document address, Japanese
    std::wstring CatalogEN;          // English
    std::wstring CatalogCN;          // Chinese
};
