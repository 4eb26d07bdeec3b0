// Motor-step focus models (parameter types 4, 5 and 6): focusing moves lens
// groups along the axis in proportion to one focus coordinate, the focus
// step x. Types 4 and 5 are two thin groups whose separation changes with the
// step, type 6 three thin groups with two separations that change with it.
//
// For a requested working distance, magnification, field of view or
// object-to-image distance the model bisects the focus step at which the
// group chain images the object onto the sensor (the image distance the
// chain needs equals the rear distance the lens length leaves), then derives
// distances, magnification, focus draw, the effective F-number from a pupil
// model, the depth of field and the two ends of the focus travel. Close-up
// rings are tried upward when the focus travel alone cannot reach the
// request. These models answer 1 or -1 only.
#pragma once

#include "optics/CCCTVData.h"

class CParamReader;

// The course the three models share; each model supplies its optics at a
// focus step.
class CMotorStepLens : public CCCTVData {
public:
    int CalcOptics(double sensor, double value, int mode, tagLensCalcResult& result, double fno,
                   double wantedDOF, double coc, double draw) override;

protected:
    // The optics at one focus step x with one ring thickness.
    struct FocusStep {
        double x = 0.0;      // focus step
        double front = 0.0;  // object distance less working distance (A(x), or E)
        double rear = 0.0;   // image distance the lens length leaves (R)
        double B = 0.0;      // two groups: group separation B(x)
        double K = 0.0;      // two groups: power 1/f
        double S1 = 0.0;     // three groups: first separation S1(x)
        double S2 = 0.0;     // three groups: second separation S2(x)
        double X = 0.0;      // three groups: magnification term X
        double f = 0.0;      // system focal length
    };

    // What the pupil model gives: pupil magnification and entrance pupil.
    struct PupilTerms {
        double P = 0.0;
        double entrance = 0.0;
    };

    CMotorStepLens(int upperStep, int firstStep, bool refusesRingInSearch)
        : m_nUpperStep(upperStep), m_nFirstStep(firstStep), m_bRefusesRingInSearch(refusesRingInSearch) {}

    virtual FocusStep StepAt(double x, double ring) const = 0;
    virtual double Draw(double x) const = 0;         // focus draw at step x
    virtual double StepOfDraw(double draw) const = 0; // and back
    // Image distance the chain needs for magnification beta.
    virtual double ImageForMagnification(const FocusStep& st, double beta) const = 0;
    // Image distance for an object at distance a in front of the chain.
    virtual double ImageForObject(const FocusStep& st, double a) const = 0;
    // Object distance for an image distance s.
    virtual double ObjectForImage(const FocusStep& st, double s) const = 0;
    // Magnification for an image distance s.
    virtual double MagnificationAt(const FocusStep& st, double s) const = 0;
    // Object-to-image distance from object distance u and image distance g.
    virtual double ObjectToImage(const FocusStep& st, double u, double g) const = 0;
    // Working distance for a requested object-to-image distance.
    virtual double WorkingDistanceAt(double objectToImage, double ring) const = 0;
    virtual PupilTerms Pupil(const FocusStep& solution, double draw, double F) const = 0;
    // The ends of the focus travel (draw 0 and full draw) with the ring;
    // false when the configuration lies below the minimum end.
    virtual bool WriteRangeEnds(tagLensCalcResult& r, double sensor, double beta, double ring) const;

private:
    struct Bisection {
        FocusStep last;       // the last step evaluated
        double g = 0.0;       // its image distance
        double xAfter = 0.0;  // the step after the final halving
        bool converged = false;
    };
    template <class Image>
    Bisection Bisect(double ring, Image image) const;

    // One evaluation at ring thickness `ring`: the configuration column of
    // the result by mode, then the acceptance tests (1, -1, or the next ring
    // to try). `solution` receives the focus step whose optics give it.
    int EvaluateRing(double sensor, double value, int mode, double ring, double draw, tagLensCalcResult& r,
                     FocusStep& solution) const;
    // Modes 1 and 2: the step whose image distance gives magnification beta;
    // writes the magnification, distances and draw. False when the
    // bisection did not converge.
    bool SolveForMagnification(double beta, double ring, tagLensCalcResult& r, FocusStep& solution) const;
    // Modes 0 and 3: the step that images an object `wd` in front of the
    // chain; writes the magnification, field of view and draw, and gives the
    // image distance g. False when the bisection did not converge.
    bool SolveForWorkingDistance(double sensor, double wd, double ring, tagLensCalcResult& r,
                                 FocusStep& solution, double& g) const;
    // Mode 4 and the other modes: the configuration at the given draw.
    void ConfigurationAtDraw(double sensor, double value, double ring, double draw, tagLensCalcResult& r,
                             FocusStep& solution) const;
    // Acceptance: a negative draw or a ring beyond the limits ends the search
    // (-1); the configuration stands (1) within the draw, converged and
    // outside the refused band; otherwise the next ring is tried.
    int TestAcceptance(const tagLensCalcResult& r, double ring, bool converged, int mode) const;

    const int m_nUpperStep;             // focus steps run from 0 to this
    const int m_nFirstStep;             // the bisection starts here
    const bool m_bRefusesRingInSearch;  // rings of 2.5 to 4.5 mm are passed over
};

// Two thin groups t1 (front) and t2, separation B; with the power
// K = 1/t1 + 1/t2 - B/(t1 t2):
//   image distance for beta      (beta + 1 - B/t1) / K
//   image distance for object a  ((a/t1 - 1) B - a) / ((a/t1 - 1) B/t2 - a (1/t1 + 1/t2) + 1)
//   object distance for image s  (B s/t2 - (s + B)) / (s (B/t1 - 1)/t2 - (s + B)/t1 + 1)
//   magnification                K s + B/t1 - 1
//   object-to-image              u + B + g + t5 + t8
class CTwoGroupMotorLens : public CMotorStepLens {
public:
    double m_dT1 = 0.0;   // 1: focal length of the front group, mm
    double m_dT2 = 0.0;   // 2: focal length of the rear group, mm
    double m_dT3 = 0.0;   // 3: constant of the front-side position term
    double m_dT4 = 0.0;   // 4: offset subtracted from the separation and the length sum
    double m_dT5 = 0.0;   // 5: first addend of the object-to-image distance
    double m_dT6 = 0.0;   // 6: constant of the group separation
    double m_dT7 = 0.0;   // 7: offset subtracted from the extension offset in the length sum
    double m_dT8 = 0.0;   // 8: second addend of the object-to-image distance
    double m_dT10 = 0.0;  // 10: front-side position per focus step
    double m_dT11 = 0.0;  // 11: constant of the front-side position term
    double m_dT12 = 0.0;  // 12: separation (and draw) per focus step
    double m_dT13 = 0.0;  // 13: constant of the separation and of the draw

protected:
    using CMotorStepLens::CMotorStepLens;

    // Reads tokens 1 to 8 and 10 to 13, with token 9 as the image circle.
    void ReadGroupTokens(CParamReader& reader);
    // The step's optics from its separation B, front-side term A and rear
    // distance R.
    FocusStep TwoGroupStep(double x, double A, double B, double R) const;

    // The draw follows the separation: t12 x + t13 less the model's draw
    // origin; the working distance is what the object-to-image distance
    // leaves after t5, t8 and the model's length sum.
    virtual double DrawOrigin() const = 0;
    virtual double LengthSum(double ring) const = 0;
    double Draw(double x) const override;
    double StepOfDraw(double draw) const override;
    double WorkingDistanceAt(double objectToImage, double ring) const override;

    double ImageForMagnification(const FocusStep& st, double beta) const override;
    double ImageForObject(const FocusStep& st, double a) const override;
    double ObjectForImage(const FocusStep& st, double s) const override;
    double MagnificationAt(const FocusStep& st, double s) const override;
    double ObjectToImage(const FocusStep& st, double u, double g) const override;
};

// Focus steps 0 to 1149; the pupil magnification follows the draw.
class CCCTVData_Param4 : public CTwoGroupMotorLens {
public:
    CCCTVData_Param4() : CTwoGroupMotorLens(1149, 574, true) {}
    void SetParameter() override;

    double m_dT14 = 0.0;  // 14: second constant of the separation (and of the pupil model)
    double m_dT17 = 0.0;  // 17: draw origin

protected:
    FocusStep StepAt(double x, double ring) const override;
    double DrawOrigin() const override { return m_dT17; }
    double LengthSum(double ring) const override;
    PupilTerms Pupil(const FocusStep& solution, double draw, double F) const override;
};

// Focus steps 0 to 771; a pupil model of its own with seven values.
class CCCTVData_Param5 : public CTwoGroupMotorLens {
public:
    CCCTVData_Param5() : CTwoGroupMotorLens(771, 385, true) {}
    void SetParameter() override;

    double m_dT16 = 0.0;  // 16: draw origin
    double m_dU1 = 0.0;   // 19: pupil model values u1 .. u7
    double m_dU2 = 0.0;
    double m_dU3 = 0.0;
    double m_dU4 = 0.0;
    double m_dU5 = 0.0;
    double m_dU6 = 0.0;
    double m_dU7 = 0.0;

protected:
    FocusStep StepAt(double x, double ring) const override;
    double DrawOrigin() const override { return m_dT16; }
    double LengthSum(double ring) const override;
    PupilTerms Pupil(const FocusStep& solution, double draw, double F) const override;
};

// Three thin groups fa, fb, fc with separations S1 and S2 (focus steps 0 to
// 227); the working distance is measured a fixed E = t4 + front distance in
// front of the first group.
class CCCTVData_Param6 : public CMotorStepLens {
public:
    CCCTVData_Param6() : CMotorStepLens(227, 113, false) {}
    void SetParameter() override;

    double m_dT1 = 0.0;   // 1: fa, focal length of the first group, mm
    double m_dT2 = 0.0;   // 2: fb, second group
    double m_dT3 = 0.0;   // 3: fc, third group
    double m_dT4 = 0.0;   // 4: object-side offset (added to the front distance)
    double m_dT5 = 0.0;   // 5: offset subtracted from the first separation and the draw origin
    double m_dT6 = 0.0;   // 6: first addend of the object-to-image distance
    double m_dT7 = 0.0;   // 7: constant of the first separation
    double m_dT8 = 0.0;   // 8: offset subtracted from the second separation
    double m_dT9 = 0.0;   // 9: second addend of the object-to-image distance
    double m_dT10 = 0.0;  // 10: constant of the second separation
    double m_dT11 = 0.0;  // 11: offset subtracted from the extension offset in the length sum
    double m_dT12 = 0.0;  // 12: third addend of the object-to-image distance
    double m_dT13 = 0.0;  // 13: draw origin
    double m_dT14 = 0.0;  // 14: second constant of the first separation (and of the pupil model)
    double m_dT15 = 0.0;  // 15: constant of the length sum
    double m_dT19 = 0.0;  // 19: first separation (and draw) per focus step
    double m_dT20 = 0.0;  // 20: constant of the first separation and of the draw
    double m_dT21 = 0.0;  // 21: second separation per focus step
    double m_dT22 = 0.0;  // 22: constant of the second separation

protected:
    FocusStep StepAt(double x, double ring) const override;
    double Draw(double x) const override;
    double StepOfDraw(double draw) const override;
    double ImageForMagnification(const FocusStep& st, double beta) const override;
    double ImageForObject(const FocusStep& st, double a) const override;
    double ObjectForImage(const FocusStep& st, double s) const override;
    double MagnificationAt(const FocusStep& st, double s) const override;
    double ObjectToImage(const FocusStep& st, double u, double g) const override;
    double WorkingDistanceAt(double objectToImage, double ring) const override;
    PupilTerms Pupil(const FocusStep& solution, double draw, double F) const override;
    bool WriteRangeEnds(tagLensCalcResult& r, double sensor, double beta, double ring) const override;

private:
    double FrontOffset() const { return m_dT4 + m_dFrontDistA; }  // E
    double LengthSum(double ring) const;                            // L'
};
