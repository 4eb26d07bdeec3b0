#include "catalogue/LensRecordFactory.h"

#include "optics/CCCTVData_Param1.h"
// -- model headers: ringless, fixed-magnification, two-group, motor-step --
#include "optics/FixedMagnificationModels.h"
#include "optics/MotorStepModels.h"
#include "optics/RinglessModels.h"
#include "optics/TwoGroupModels.h"
// -- model headers: fitted, fitted single-lens, power-law --
#include "optics/FittedModels.h"
#include "optics/FittedSingleLensModels.h"
#include "optics/PowerLawModel.h"
// -- model headers: draw-polynomial, polynomial-coefficient, focus-draw --
#include "optics/DrawPolynomialModels.h"
#include "optics/FocusDrawPolynomialModels.h"
#include "optics/PolynomialCoefficientModels.h"

namespace {

// What the loader sets on a fitted model instead of reading a parameter text
// (the ring limit of every fitted model is 0).
struct FittedConstants {
    int nParamType;
    double dImageCircle;
    double dMaxDraw;  // < 0: keep the model's own
    double dEffectiveDiameter;
};

constexpr FittedConstants kFittedConstants[] = {
    {7, 16.8, -1.0, 58.61255},
    {8, 16.8, -1.0, 40.24916},
    {9, 45.0, -1.0, 30.09786},
    {12, 11.0, 1.25, 19.5},
    {13, 11.0, -1.0, 21.0},
};

const FittedConstants* FittedConstantsOf(int paramType) {
    for (const auto& k : kFittedConstants)
        if (k.nParamType == paramType) return &k;
    return nullptr;
}

// Models whose values come from their parameter text.
std::unique_ptr<CCCTVData> NewParameterTextModel(int paramType) {
    switch (paramType) {
    // -- parameter-text models: ringless, fixed-magnification, two-group, motor-step --
    case 2: return std::make_unique<CCCTVData_Param2>();
    case 3: return std::make_unique<CCCTVData_Param3>();
    case 4: return std::make_unique<CCCTVData_Param4>();
    case 5: return std::make_unique<CCCTVData_Param5>();
    case 6: return std::make_unique<CCCTVData_Param6>();
    case 10: return std::make_unique<CCCTVData_Param10>();
    case 11: return std::make_unique<CCCTVData_Param11>();
    case 16: return std::make_unique<CCCTVData_Param16>();
    case 100: return std::make_unique<CCCTVData_Param100>();
    // -- parameter-text models: fitted single-lens, power-law --
    case 14: return std::make_unique<CCCTVData_Param14>();
    case 17: return std::make_unique<CCCTVData_Param17>();
    // -- parameter-text models: draw-polynomial, polynomial-coefficient, focus-draw --
    case 18: return std::make_unique<CCCTVData_Param18>();
    case 19: return std::make_unique<CCCTVData_Param19>();
    case 20: return std::make_unique<CCCTVData_Param20>();
    case 118: return std::make_unique<CCCTVData_Param118>();
    case 119: return std::make_unique<CCCTVData_Param119>();
    default:
        return std::make_unique<CCCTVData_Param1>();
    }
}

// Fitted models, or nullptr when the type is not fitted.
std::unique_ptr<CCCTVData> NewFittedModel(int paramType) {
    switch (paramType) {
    case 7: return std::make_unique<CCCTVData_Param7>();
    case 8: return std::make_unique<CCCTVData_Param8>();
    case 9: return std::make_unique<CCCTVData_Param9>();
    case 12: return std::make_unique<CCCTVData_Param12>();
    case 13: return std::make_unique<CCCTVData_Param13>();
    // -- fitted models --
    default:
        return nullptr;
    }
}

// Models that complete themselves from the columns.
std::unique_ptr<CCCTVData> NewSelfCompletingModel(const tagLensColumns& columns) {
    switch (columns.nParamType) {
    // -- self-completing models: fitted --
    case 15: return std::make_unique<CCCTVData_Param15>(columns);
    // -- self-completing models: draw-polynomial --
    case 21: case 200: return std::make_unique<CCCTVData_Param200>(columns);
    default:
        return nullptr;
    }
}

}  // namespace

std::unique_ptr<CCCTVData> CreateLensRecord(const tagLensColumns& columns) {
    if (auto lens = NewSelfCompletingModel(columns)) return lens;

    const FittedConstants* constants = FittedConstantsOf(columns.nParamType);
    if (auto lens = constants ? NewFittedModel(columns.nParamType) : nullptr) {
        lens->AssignColumns(columns);
        lens->m_dImageCircle = constants->dImageCircle;
        lens->m_dMaxRingLength = 0.0;
        if (constants->dMaxDraw >= 0.0) lens->m_dMaxDraw = constants->dMaxDraw;
        lens->m_dEffectiveDiameter = constants->dEffectiveDiameter;
        lens->SplitFnoList();
        return lens;
    }

    auto lens = NewParameterTextModel(columns.nParamType);
    lens->AssignColumns(columns);
    lens->m_dMaxRingLength = 100.0;
    lens->SetParameter();
    lens->SplitFnoList();
    return lens;
}
