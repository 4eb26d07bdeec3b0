// Fitted models: lenses described by fitted curves instead of a prescription.
//
// Each class stands for one fixed lens design. Working distance WD and
// magnification beta are tied by power-law fits, the object-to-image
// distance OI follows from WD by a linear or polynomial fit, and the focal
// length f and pupil magnification P of the depth of field are fits of the
// magnification. No close-up ring, no focus draw and no value of the
// parameter text: every number is a constant of the class.
//
// The course every fitted model shares (CFittedModel::CalcOptics):
//   mode 2  FOV = value, beta = sensor / FOV, WD = WD(beta), OI = OI(WD)
//   mode 1  beta = value, FOV = sensor / beta, WD = WD(beta), OI = OI(WD)
//   mode 0  WD = value, beta = beta(WD), FOV = sensor / beta, OI = OI(WD)
//   mode 3  OI = value, WD = WD(OI), beta = beta(WD), FOV = sensor / beta
//   other   the magnification already in the record is tested
// then a magnification outside [betaMin, betaMax] answers with the
// configuration at the violated end (-2 below, -3 above, valid 0); inside,
// the thin-lens depth of field with k = beta / P + 1 and the fixed range ends.
#pragma once

#include "optics/CCCTVData.h"

class CFittedModel : public CCCTVData {
public:
    int CalcOptics(double sensor, double value, int mode, tagLensCalcResult& result, double fno,
                   double wantedDOF, double coc, double draw) final;

protected:
    virtual double WD(double beta) const = 0;         // working distance at magnification beta
    virtual double Beta(double wd) const = 0;         // magnification at working distance wd
    virtual double OI(double wd) const = 0;           // object-to-image distance at wd
    virtual double WDFromOI(double oi) const = 0;     // working distance at object-to-image oi
    virtual double FocalLength(double beta) const = 0;
    virtual double Pupil(double beta) const = 0;      // pupil magnification P
    virtual double BetaMin() const = 0;               // range ends, both inside the range
    virtual double BetaMax() const = 0;
    // What a model writes besides the configuration, once the mode is computed.
    virtual void AfterMode(int mode, double beta, tagLensCalcResult& r) const {}
    // The fixed range ends written on success.
    virtual void WriteRangeEnds(tagLensCalcResult& r, double sensor) const = 0;
};

class CCCTVData_Param7 : public CFittedModel {
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

class CCCTVData_Param8 : public CFittedModel {
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

class CCCTVData_Param9 : public CFittedModel {
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

class CCCTVData_Param13 : public CFittedModel {
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
    void WriteRangeEnds(tagLensCalcResult& r, double sensor) const override;
};

// Completes itself from the catalogue columns: the columns, a ring limit of
// 100 mm that its constants then replace, the constants, the F-number list.
class CCCTVData_Param15 : public CFittedModel {
public:
    explicit CCCTVData_Param15(const tagLensColumns& columns);
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
