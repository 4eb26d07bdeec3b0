// Thin-lens model with close-up rings: the reference model, and the model of
// every parameter type that has no class of its own.
//
// A thin lens of focal length f whose principal planes lie H apart, focused
// by a helicoid draw of up to D and brought closer with rings in 0.5 mm steps:
//   extension         E(beta) = beta f - e0
//   object-to-image   L(beta) = (beta + 2 + 1/beta) f + H
//   working distance  W(beta, E) = L(beta) - a - 17.526 - E + b
//   field of view     sensor / beta
#pragma once

#include "optics/CCCTVData.h"

class CCCTVData_Param1 : public CCCTVData {
public:
    void SetParameter() override;
    int CalcOptics(double sensor, double value, int mode, tagLensCalcResult& result, double fno,
                   double wantedDOF, double coc, double draw) override;

private:
    double Extension(double beta) const { return beta * m_dFocalLength - m_dExtensionOffset; }
    double ObjectToImage(double beta) const;
    double WorkingDistance(double L, double extension) const;
};
