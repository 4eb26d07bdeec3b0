#include "catalogue/LensRecordFactory.h"

#include "optics/CCCTVData_Param1.h"
#include "optics/DrawPolynomialModels.h"
#include "optics/FittedModels.h"
#include "optics/FittedSingleLensModels.h"
#include "optics/FixedMagnificationModels.h"
#include "optics/FocusDrawPolynomialModels.h"
#include "optics/MotorStepModels.h"
#include "optics/PolynomialCoefficientModels.h"
#include "optics/PowerLawModel.h"
#include "optics/RinglessModels.h"
#include "optics/TwoGroupModels.h"

namespace {

// The class of a parameter type; the thin-lens model for every type without
// a class of its own.
std::unique_ptr<CCCTVData> NewModel(int paramType) {
    switch (paramType) {
    // Models read from the parameter text.
    case 2: return std::make_unique<CCCTVData_Param2>();
    case 3: return std::make_unique<CCCTVData_Param3>();
    case 4: return std::make_unique<CCCTVData_Param4>();
    case 5: return std::make_unique<CCCTVData_Param5>();
    case 6: return std::make_unique<CCCTVData_Param6>();
    case 10: return std::make_unique<CCCTVData_Param10>();
    case 11: return std::make_unique<CCCTVData_Param11>();
    case 14: return std::make_unique<CCCTVData_Param14>();
    case 16: return std::make_unique<CCCTVData_Param16>();
    case 17: return std::make_unique<CCCTVData_Param17>();
    case 18: return std::make_unique<CCCTVData_Param18>();
    case 19: return std::make_unique<CCCTVData_Param19>();
    case 20: return std::make_unique<CCCTVData_Param20>();
    case 100: return std::make_unique<CCCTVData_Param100>();
    case 118: return std::make_unique<CCCTVData_Param118>();
    case 119: return std::make_unique<CCCTVData_Param119>();
    // Fitted models: they ignore the text and set their fixed image circle,
    // effective diameter (and draw) with no close-up rings.
    case 7: return std::make_unique<CCCTVData_Param7>();
    case 8: return std::make_unique<CCCTVData_Param8>();
    case 9: return std::make_unique<CCCTVData_Param9>();
    case 12: return std::make_unique<CCCTVData_Param12>();
    case 13: return std::make_unique<CCCTVData_Param13>();
    default: return std::make_unique<CCCTVData_Param1>();
    }
}

// Models that complete themselves from the columns.
std::unique_ptr<CCCTVData> NewSelfCompletingModel(const tagLensColumns& columns) {
    switch (columns.nParamType) {
    case 15: return std::make_unique<CCCTVData_Param15>(columns);
    case 21:
    case 200: return std::make_unique<CCCTVData_Param200>(columns);
    default: return nullptr;
    }
}

}  // namespace

std::unique_ptr<CCCTVData> CreateLensRecord(const tagLensColumns& columns) {
    if (auto lens = NewSelfCompletingModel(columns)) return lens;

    auto lens = NewModel(columns.nParamType);
    lens->AssignColumns(columns);
    lens->m_dMaxRingLength = 100.0;  // the text (or the fitted constants) may replace it
    lens->SetParameter();
    lens->SplitFnoList();
    return lens;
}
