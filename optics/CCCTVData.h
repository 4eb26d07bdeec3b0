// The catalogue lens record and the calculation interface every optical
// model shares.
//
// One CCCTVData is one row of the lens catalogue and, at the same time, the
// base of the optical models: the loader creates the record as the class its
// parameter type selects, copies the catalogue columns in, lets the class
// read its model values from the parameter text (SetParameter) and splits the
// F-number list. After that the record is read-only; a calculation writes
// only into the caller's tagLensCalcResult.
#pragma once

#include <string>

// Result of one calculation, owned by the caller. Each triple holds [0] the
// value at the computed setting, [1] the value at the smallest magnification
// reachable with the chosen ring (focus draw 0) and [2] at the largest (full
// focus draw). A model writes only the fields its path reaches; every other
// field keeps the caller's preset.
struct tagLensCalcResult {
    static constexpr int kRingCount = 201;

    double dFOV[3] = {};            // field of view along the sensor axis passed, mm
    double dMagnification[3] = {};  // optical magnification beta
    double dExtension[3] = {};      // close-up ring plus focus draw, mm
    double dObjectToImage[3] = {};  // object-to-image distance, mm
    double dWD[3] = {};             // working distance (object to lens front), mm
    double dFocusDraw[3] = {};      // focus (helicoid) draw, mm
    int nValid = 0;                 // 1 when column [0] was computed
    int nMinValid = 0;              // 1 when column [1] was computed
    int nMaxValid = 0;              // 1 when column [2] was computed
    int nRingIndex = 0;             // index into dRing of the close-up ring used
    double dRing[kRingCount] = {};  // ring thickness table filled by the caller: 0.5 * i mm
    double dFno = 0.0;              // F-number (given or derived)
    double dEffectiveFno = 0.0;     // effective F-number
    double dDOF = 0.0;              // depth of field, mm

    // The caller's duties before a calculation, as the lens search does them:
    // the six triples to -1.0, the four flags to 0, the ring table 0.0..100.0.
    void PresetForSearch();
    // Only the ring table: dRing[i] = 0.5 * i, built by repeated addition as
    // the pages do it, so every entry is exact.
    void FillRingTable();
    // True when every double of the record is finite.
    bool AllFinite() const;
};

// Calculation modes; any other value behaves as kModeRing and then searches
// the ring as the first four modes do.
enum LensCalcMode {
    kModeWorkingDistance = 0,
    kModeMagnification = 1,
    kModeFieldOfView = 2,
    kModeObjectToImage = 3,
    kModeRing = 4,
};

// Return codes of Calc.
enum LensCalcCode {
    kCalcNoModel = 0,
    kCalcOk = 1,
    kCalcInfeasible = -1,
    kCalcBelowRange = -2,
    kCalcAboveRange = -3,
    kCalcNegativeDraw = -4,  // draw-polynomial models: the ring needs a negative draw
};

// The eleven catalogue columns of one lens row, in the order the loader reads
// them. The record factory assigns them to a new record, or hands them to the
// constructor of the models that complete themselves.
struct tagLensColumns {
    std::wstring strType;         // Type
    int nParamType = 0;           // ParamType
    std::wstring strCatalogJP;    // CatalogJP
    std::wstring strCatalogEN;    // CatalogEN
    std::wstring strCatalogCN;    // CatalogCN
    std::wstring strParameter;    // Parameter
    double dPixelSize = 0.0;      // PixelSize
    std::wstring strMountType;    // MountType
    int nSpecialFlag = 0;         // SpecialFalg
    int nDrawoutDirection = 0;    // DrawoutDirection
    std::wstring strFno;          // Fno
};

class CCCTVData {
public:
    static constexpr int kMaxFno = 20;

    CCCTVData() = default;
    virtual ~CCCTVData() = default;
    CCCTVData(const CCCTVData&) = delete;
    CCCTVData& operator=(const CCCTVData&) = delete;

    // Fills the model values from m_strParameter (or sets fixed constants).
    virtual void SetParameter() {}

    // One calculation. The base class has no model: it returns 0 and leaves
    // the result as preset.
    virtual int CalcOptics(double sensor, double value, int mode, tagLensCalcResult& result,
                           double fno, double wantedDOF, double coc, double draw);

    // The single entry of every lens calculation. Passes the model's code
    // through, except that a success whose record carries a value that is
    // not finite (a division by zero or a square root of a negative number
    // inside the model) is reported as infeasible (-1): no caller can show or
    // compare such a value.
    int Calc(double sensor, double value, int mode, tagLensCalcResult& result, double fno,
             double wantedDOF, double coc, double draw);

    // Reads one token of a comma-separated list starting at `start`; `comma`
    // receives the index of the comma that ends it, or -1. Returns -1.0 when
    // no comma ends the token or the token is empty, else its leading number
    // (0.0 when none).
    static double GetParamValue(const std::wstring& text, int start, int& comma);

    // Sum of c[i] * x^(n-1-i), c[0] the coefficient of the highest power.
    static double EvalPolynomial(int n, const double* c, double x);

    // Copies the catalogue columns into the record.
    void AssignColumns(const tagLensColumns& columns);

    // Splits m_strFno into m_astrFno / m_nFnoCount; m_strFno is consumed and
    // ends as its last entry. Entries beyond the 20 places are not stored.
    void SplitFnoList();

    std::wstring m_strType;             // lens model name; pages find a lens by it
    int m_nParamType = 0;               // model number; selects the model class
    std::wstring m_strParameter;        // model values, comma-separated
    double m_dPixelSize = 0.0;          // stored only
    int m_nSpecialFlag = 1;             // sensor-class bit mask
    std::wstring m_strFno;              // F-number list; its last entry after SplitFnoList
    double m_dFocalLength = 0.0;        // model value 1 (thin lens: f, mm)
    double m_dPrincipalGap = 0.0;       // model value 2 (thin lens: H, mm)
    double m_dLensLength = 0.0;         // model value 3 (thin lens: a, mm)
    double m_dParam4 = 0.0;             // model value 4 (stored only)
    double m_dFrontDistA = 0.0;         // model value 5 (thin lens: s1, mm)
    double m_dFrontDistB = 0.0;         // model value 6 (thin lens: s2, mm)
    double m_dParam7 = 0.0;             // model value 7 (stored only)
    double m_dPupilMagnification = 0.0; // model value 8 (thin lens: P)
    double m_dOpenFno = 0.0;            // open F-number
    double m_dMaxDraw = 0.0;            // focus draw range, mm
    double m_dMaxRingLength = 0.0;      // longest close-up ring accepted, mm
    double m_dImageCircle = 0.0;        // largest sensor diagonal covered, mm
    double m_dExtensionOffset = 0.0;    // model value 13 (thin lens: e0, mm)
    double m_dWDOffset = 0.0;           // model value 14 (thin lens: b, mm)
    std::wstring m_strCatalogJP;        // catalogue document address, Japanese
    std::wstring m_strCatalogEN;        // catalogue document address, English
    std::wstring m_strCatalogCN;        // catalogue document address, Chinese
    std::wstring m_strMountType;        // mount name; stored only
    double m_dEffectiveDiameter = 0.0;  // effective front diameter, mm
    int m_nDrawoutDirection = 0;        // direction of the focus scale
    int m_nFnoCount = 0;                // used entries of m_astrFno
    std::wstring m_astrFno[kMaxFno];    // the F-number texts, in list order
};
