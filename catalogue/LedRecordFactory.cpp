#include "catalogue/LedRecordFactory.h"

#include "catalogue/CCatalogDatabase.h"
#include "illumination/LedTypes.h"

namespace {

// The data-table reading of each class: the query writes straight into the
// record's members of the same names (it presets its numbers to -1.0, so a
// missing row leaves -1.0 there).

void ReadSpec(CCatalogDatabase& db, CLedData_DirectRing& r) {
    db.GetSpecDirectRing(r.ProductName, &r.InternalDiameter, &r.ExternalDiameter, &r.Height,
                         &r.LightingAngle);
}

void ReadSpec(CCatalogDatabase& db, CLedData_LowAngleRing& r) {
    db.GetSpecLowAngleRing(r.ProductName, &r.InternalDiameter, &r.ExternalDiameter, &r.Height,
                           &r.LightingAngle);
}

void ReadSpec(CCatalogDatabase& db, CLedData_ShadowlessRing& r) {
    db.GetSpecShadowlessRing(r.ProductName, &r.InternalDiameter, &r.ExternalDiameter, &r.Height);
}

void ReadSpec(CCatalogDatabase& db, CLedData_SimCoaxial& r) {
    db.GetSpecSimulatedCoaxial(r.ProductName, &r.Length, &r.Width, &r.Height, &r.WindowForm,
                               &r.LongSide, &r.ShortSide, &r.OpticalPathLengthExtension);
}

void ReadSpec(CCatalogDatabase& db, CLedData_Bar& r) {
    db.GetSpecBar(r.ProductName, &r.Length, &r.Width, &r.Tickness, &r.LightingArea);
}

void ReadSpec(CCatalogDatabase& db, CLedData_SimpleDome& r) {
    db.GetSpecSimpleDome(r.ProductName, &r.InternalDiameter, &r.ExternalDiameter, &r.Height,
                         &r.WindowSizeL, &r.WindowSizeS, &r.WindowThickness);
}

void ReadSpec(CCatalogDatabase& db, CLedData_BackLight& r) {
    db.GetSpecBacklights(r.ProductName, &r.Length, &r.Width, &r.Tickness, &r.LightingSurface);
}

// A record of class T with the row's values, and its data-table reading
// bound to it.
template <class T>
std::unique_ptr<CLedData> Make(const tagLedCommonColumns& columns, LedSpecReader* readSpec) {
    auto record = std::make_unique<T>();
    record->AssignCommon(columns);
    if (readSpec) *readSpec = [led = record.get()](CCatalogDatabase& db) { ReadSpec(db, *led); };
    return record;
}

}  // namespace

std::unique_ptr<CLedData> CreateLedRecord(const tagLedCommonColumns& columns,
                                          LedSpecReader* readSpec) {
    switch (columns.Type) {
        case 1:
        case 11:
        case 12:
            return Make<CLedData_DirectRing>(columns, readSpec);
        case 2:
            return Make<CLedData_LowAngleRing>(columns, readSpec);
        case 3:
            return Make<CLedData_ShadowlessRing>(columns, readSpec);
        case 5:
            return Make<CLedData_SimCoaxial>(columns, readSpec);
        case 6:
            return Make<CLedData_Bar>(columns, readSpec);
        case 7:
            return Make<CLedData_SimpleDome>(columns, readSpec);
        case 8:
            return Make<CLedData_BackLight>(columns, readSpec);
        default:
            if (readSpec) *readSpec = nullptr;
            return nullptr;
    }
}
