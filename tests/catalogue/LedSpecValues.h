// The values a light takes from its type's data table.
#pragma once

#include <string>
#include <vector>

#include "illumination/LedTypes.h"

// The numbers in column order (WindowForm among them); the third is always
// the height or thickness of the light.
inline std::vector<double> SpecNumbers(const CLedData* led) {
    if (auto* r = dynamic_cast<const CLedData_DirectRing*>(led))
        return {r->InternalDiameter, r->ExternalDiameter, r->Height, r->LightingAngle};
    if (auto* r = dynamic_cast<const CLedData_LowAngleRing*>(led))
        return {r->InternalDiameter, r->ExternalDiameter, r->Height, r->LightingAngle};
    if (auto* r = dynamic_cast<const CLedData_ShadowlessRing*>(led))
        return {r->InternalDiameter, r->ExternalDiameter, r->Height};
    if (auto* r = dynamic_cast<const CLedData_SimCoaxial*>(led))
        return {r->Length,   r->Width,     r->Height, double(r->WindowForm),
                r->LongSide, r->ShortSide, r->OpticalPathLengthExtension};
    if (auto* r = dynamic_cast<const CLedData_Bar*>(led)) return {r->Length, r->Width, r->Tickness};
    if (auto* r = dynamic_cast<const CLedData_SimpleDome*>(led))
        return {r->InternalDiameter, r->ExternalDiameter, r->Height,
                r->WindowSizeL,      r->WindowSizeS,      r->WindowThickness};
    if (auto* r = dynamic_cast<const CLedData_BackLight*>(led))
        return {r->Length, r->Width, r->Tickness};
    return {};
}

inline std::wstring SpecText(const CLedData* led) {
    if (auto* r = dynamic_cast<const CLedData_Bar*>(led)) return r->LightingArea;
    if (auto* r = dynamic_cast<const CLedData_BackLight*>(led)) return r->LightingSurface;
    return L"";
}
