// Models of lenses that work at one fixed magnification, with a fixed
// working distance and object-to-image distance straight from the catalogue
// (parameter types 10 and 100).
//
// A request is accepted only near the lens's own magnification B0 = |B|
// (strictly within 0.74 to 1.26 times the input magnification), or in
// working-distance mode near its own working distance W0; the answer is then
// the lens's fixed configuration. There is no ring, no focus draw and no
// range. The two types differ only in the depth of field: type 10 uses the
// thin-lens formula, type 100 scales the catalogue's depth of field.
#pragma once

#include "optics/CCCTVData.h"

// The values and course both types share.
class CFixedMagnificationLens : public CCCTVData {
public:
    int CalcOptics(double sensor, double value, int mode, tagLensCalcResult& result, double fno,
                   double wantedDOF, double coc, double draw) override;

    // Tokens 1 to 19 of the parameter text, in order.
    double m_dFixedMagnification = 0.0;   // 1: B, the lens's magnification (its sign is ignored)
    double m_dFixedFocalLength = 0.0;     // 2: f, mm
    double m_dFixedToken3 = 0.0;          // 3: stored only
    double m_dFixedToken4 = 0.0;          // 4: stored only
    double m_dFixedWD = 0.0;              // 5: W0, working distance, mm
    double m_dFixedToken6 = 0.0;          // 6: stored only
    double m_dFixedObjectToImage = 0.0;   // 7: L0, object-to-image distance, mm
    double m_dFixedToken8 = 0.0;          // 8: stored only
    double m_dFixedToken9 = 0.0;          // 9: stored only
    double m_dCatalogDOF = 0.0;           // 10: G, catalogue depth of field at c 0.04 and the open F-number, mm
    double m_dFixedToken11 = 0.0;         // 11: stored only
    double m_dFixedToken12 = 0.0;         // 12: stored only
    double m_dFixedToken13 = 0.0;         // 13: stored only
    double m_dFixedToken14 = 0.0;         // 14: stored only
    double m_dEntrancePupil = 0.0;        // 15: entrance pupil (P = exit / entrance)
    double m_dExitPupil = 0.0;            // 16: exit pupil
    double m_dFixedToken17 = 0.0;         // 17: stored only
    double m_dFixedToken18 = 0.0;         // 18: stored only
    double m_dFixedToken19 = 0.0;         // 19: stored only

protected:
    // Reads the 19 values, then image circle, ring limit and effective
    // diameter, and, when `withOpenFno`, the open F-number as a 23rd token.
    void ReadParameters(bool withOpenFno);

    // Depth of field for the input magnification beta and the lens's own B0.
    virtual void DepthOfField(tagLensCalcResult& r, double beta, double B0, double fno, double wantedDOF,
                              double coc) const = 0;
};

// Thin-lens depth of field with pupil magnification P = exit / entrance: the
// input magnification sets the pupil factor beta/P + 1, the lens's own B0
// stands in the denominator and in the root.
class CCCTVData_Param10 : public CFixedMagnificationLens {
public:
    void SetParameter() override;

protected:
    void DepthOfField(tagLensCalcResult& r, double beta, double B0, double fno, double wantedDOF,
                      double coc) const override;
};

// The catalogue depth of field G, scaled by the circle of confusion; the open
// F-number is the 23rd token.
class CCCTVData_Param100 : public CFixedMagnificationLens {
public:
    void SetParameter() override;

protected:
    void DepthOfField(tagLensCalcResult& r, double beta, double B0, double fno, double wantedDOF,
                      double coc) const override;
};
