// Two-group paraxial models (parameter types 2 and 3): the lens is two thin
// groups whose separation s changes when the lens is focused. The focus draw
// moves one group; close-up rings lengthen a second distance. A calculation
// solves for the separation that meets the input, derives magnification,
// distances and draw, and takes the smallest ring that keeps the draw within
// the lens's range. The depth of field uses an effective F-number built from
// a paraxial pupil magnification. Every ring or draw limit answers -1.
#pragma once

#include "optics/CCCTVData.h"

// Groups f1 (front) and f2; the ring distance x = t12 - t7 + R, with t12 in
// m_dExtensionOffset:
//   magnification     beta(s) = S x - k s - 1,  S = 1/f1 + 1/f2, k = (x/f2 - 1)/f1
//   object distance   o(s) = (s x/f2 - (s + x)) / ((s/f1 - 1)(x/f2) - (s + x)/f1 + 1)
//   working distance  W(s) = o(s) - (T - s - x)
//   object-to-image   L(s) = o(s) + s + x + t5 + t8
//   focus draw        s + t4 - t6 - t10
class CCCTVData_Param2 : public CCCTVData {
public:
    void SetParameter() override;
    int CalcOptics(double sensor, double value, int mode, tagLensCalcResult& result, double fno,
                   double wantedDOF, double coc, double draw) override;

    double m_dF1 = 0.0;   // 1: f1, focal length of the first group, mm
    double m_dF2 = 0.0;   // 2: f2, focal length of the second group, mm
    double m_dT3 = 0.0;   // 3: length term of T
    double m_dT4 = 0.0;   // 4: separation term (draw 0 reference)
    double m_dT5 = 0.0;   // 5: length term of the object-to-image distance
    double m_dT6 = 0.0;   // 6: separation term
    double m_dT7 = 0.0;   // 7: subtracted from t12 in the ring distance
    double m_dT8 = 0.0;   // 8: length term of the object-to-image distance
    double m_dT10 = 0.0;  // 10: separation term
    double m_dT13 = 0.0;  // 13: pupil correction
    double m_dT14 = 0.0;  // 14: pupil term
    double m_dT16 = 0.0;  // 16: pupil correction
    double m_dT17 = 0.0;  // 17: pupil correction divisor
    double m_dT19 = 0.0;  // 19: focal length of the pupil group
    double m_dT20 = 0.0;  // 20: pupil term
    double m_dT21 = 0.0;  // 21: pupil term

private:
    // Quantities of a ring thickness R.
    struct RingQuantities {
        double x = 0.0;  // ring distance t12 - t7 + R
        double T = 0.0;  // length term t3 + t11 + x + t6 - t4 + t10
        double a = 0.0;  // x/f2 - 1
        double k = 0.0;  // a/f1
    };
    // What the accepted evaluation leaves for the rest of the calculation.
    struct Evaluation {
        double s = 0.0;       // group separation
        RingQuantities ring;  // of its ring
    };

    RingQuantities QuantitiesOfRing(double R) const;
    // The separation s that meets the input (per mode; `draw` in the ring
    // mode), with the configuration column of the result written; d is the
    // discriminant of modes 0 and 3, else 0.
    double SolveSeparation(const RingQuantities& rq, double sensor, double value, int mode, double draw,
                           tagLensCalcResult& r, double& d) const;
    // One evaluation at ring thickness R: the separation, the draw and the
    // ring tests (1, -1, or the next ring to try).
    int EvaluateRing(double sensor, double value, int mode, double R, double draw, tagLensCalcResult& r,
                     Evaluation& e) const;
    double Object(double s, double x) const;
    double SystemFocalLength(double s) const;
};

// Groups g1 and g2 (token 2 and token 1); for a separation s and a length m:
//   object distance   o(s, m) = (s m/g1 - (s + m)) / ((s/g2 - 1)(m/g1) - (s + m)/g2 + 1)
//   magnification     beta(s, m) = ((s/g2) / (1/g2 + 1/g1 - s/(g1 g2)) - Fs(s) + m) / Fs(s)
//   working distance  o - Q,  object-to-image  o + s + m + u8 + u5
//   focus draw        u10 - (s + u4 - u6)
class CCCTVData_Param3 : public CCCTVData {
public:
    void SetParameter() override;
    int CalcOptics(double sensor, double value, int mode, tagLensCalcResult& result, double fno,
                   double wantedDOF, double coc, double draw) override;

    double m_dG2 = 0.0;      // 1: g2, focal length of the second group, mm
    double m_dG1 = 0.0;      // 2: g1, focal length of the first group, mm
    double m_dU3 = 0.0;      // 3: object-side length (Q = u11 + u3)
    double m_dU4 = 0.0;      // 4: separation term
    double m_dU5 = 0.0;      // 5: length term of the object-to-image distance
    double m_dU6 = 0.0;      // 6: separation term
    double m_dU7 = 0.0;      // 7: subtracted from u12 in the ring distance
    double m_dU8 = 0.0;      // 8: length term of the object-to-image distance
    double m_dU10 = 0.0;     // 10: separation at draw 0
    double m_dU13 = 0.0;     // 13: pupil term
    double m_dToken14 = 0.0; // 14: stored only
    double m_dU17 = 0.0;     // 17: aperture correction divisor
    double m_dU18 = 0.0;     // 18: aperture correction
    double m_dU19 = 0.0;     // 19: focal length of the pupil group
    double m_dU20 = 0.0;     // 20: pupil term
    double m_dU21 = 0.0;     // 21: pupil term
    double m_dU22 = 0.0;     // 22: pupil magnification divisor
    double m_dU23 = 0.0;     // 23: pupil magnification term

private:
    // Quantities of a ring thickness R, with y = u12 - u7 + R.
    struct RingQuantities {
        double T = 0.0;   // y + Q + V
        double h = 0.0;   // T - Q
        double b1 = 0.0;  // h/g2 - 1
        double c1 = 0.0;  // b1/g1
    };
    // What the accepted evaluation leaves for the rest of the calculation.
    struct Evaluation {
        double s = 0.0;       // group separation
        RingQuantities ring;  // of its ring
    };

    double FrontLength() const { return m_dFrontDistA + m_dU3; }         // Q
    double DrawZeroSeparation() const { return m_dU10 - m_dU4 + m_dU6; }  // V
    RingQuantities QuantitiesOfRing(double R) const;
    // The separation s that meets the input (per mode; `draw` in the ring
    // mode), with the configuration column of the result written; d is the
    // discriminant of modes 0 to 3, else 0.
    double SolveSeparation(const RingQuantities& rq, double sensor, double value, int mode, double draw,
                           tagLensCalcResult& r, double& d) const;
    // One evaluation at ring thickness R: the separation, the draw and the
    // ring tests (1, -1, or the next ring to try).
    int EvaluateRing(double sensor, double value, int mode, double R, double draw, tagLensCalcResult& r,
                     Evaluation& e) const;
    double Object(double s, double m) const;
    double SystemFocalLength(double s) const;
    double Beta(double s, double m) const;
};
