// Fitted single-lens models: one fixed focal length f and a constant pupil
// magnification P stand for the whole lens, while working distance WD,
// magnification beta and object-to-image distance OI are tied by closed-form
// fits (power laws, a logarithm, quadratics). They follow the course of the
// fitted models (CFittedModel): the configuration of the mode, the re-run at
// a violated range end, the thin-lens depth of field with k = beta / P + 1,
// the fixed range ends.
#pragma once

#include "optics/FittedModels.h"

// Fully built in: f = 12.02 mm, focus draw up to 1.25 mm, the draw following
// the magnification as f * beta.
class CCCTVData_Param12 : public CFittedModel {
public:
    void SetParameter() override;

protected:
    double WD(double beta) const override;
    double Beta(double wd) const override;
    double OI(double wd) const override;
    double WDFromOI(double oi) const override;
    double FocalLength(double beta) const override;
    double Pupil(double beta) const override;
    double BetaMin() const override;
    double BetaMax() const override;
    void AfterMode(int mode, double beta, tagLensCalcResult& r) const override;
    void WriteRangeEnds(tagLensCalcResult& r, double sensor) const override;
};

// Focal length and the limits the pages read come from the parameter text:
//   token 3 -> m_dFocalLength, 6 -> m_dImageCircle, 7 -> m_dMaxRingLength,
//   8 -> m_dEffectiveDiameter; tokens 1, 2, 4 and 5 are kept only.
// The eighth token ends at a further comma when there is one, else at the
// end of the text.
class CCCTVData_Param14 : public CFittedModel {
public:
    void SetParameter() override;

    double m_adStoredValues[4] = {};  // tokens 1, 2, 4 and 5; used by no calculation

protected:
    double WD(double beta) const override;
    double Beta(double wd) const override;
    double OI(double wd) const override;
    double WDFromOI(double oi) const override;
    double FocalLength(double beta) const override;
    double Pupil(double beta) const override;
    double BetaMin() const override;
    double BetaMax() const override;
    void AfterMode(int mode, double beta, tagLensCalcResult& r) const override;
    void WriteRangeEnds(tagLensCalcResult& r, double sensor) const override;
};
