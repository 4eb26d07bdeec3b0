// The seven kinds of illumination, each with its own geometry.
//
// A ring light is a disc with a central hole that the lens's light cone must
// pass; a dome has a viewing window at its top; a simulated coaxial light has
// a circular or rectangular window; a bar light lights a rectangle; a back
// light has a fixed lighting surface. Every class answers the search
// (EvaluateSearch) and the calculation (Calculate) of CLedData from its own
// members. A product without a data-table row holds -1.0 in its numbers.
#pragma once

#include <string>

#include "illumination/CLedData.h"

// The three ring lights: a disc with a central hole that the lens's light
// cone must pass. The lit field is a circle, so the H quadratic serves every
// axis; the three kinds differ only in how they light, not in the search or
// the calculation.
class CLedData_Ring : public CLedData {
public:
    ~CLedData_Ring() override = default;
    int Calculate(double value, int item, double fovH, double fovV, double lensWD,
                  double effDiameter, tagLedCalcResult& result) override;
    int EvaluateSearch(double fovH, double fovV, double fovD, double lensWD, double effDiameter,
                       double illumWD, double areaH, double areaV, double areaD,
                       tagLedWDRange& range) override;

    double InternalDiameter = 0.0;  // hole diameter, mm
    double ExternalDiameter = 0.0;  // outer diameter, mm
    double Height = 0.0;            // height, mm

protected:
    CLedData_Ring() = default;  // only as one of the three kinds
};

// Direct ring light (types 1, 11 and 12).
class CLedData_DirectRing : public CLedData_Ring {
public:
    double LightingAngle = 0.0;  // lighting angle, degrees
};

// Low-angle ring light (type 2).
class CLedData_LowAngleRing : public CLedData_Ring {
public:
    double LightingAngle = 0.0;  // lighting angle, degrees
};

// Shadowless ring light (type 3).
class CLedData_ShadowlessRing : public CLedData_Ring {};

// Simulated coaxial light (type 5): the lens looks through a window.
class CLedData_SimCoaxial : public CLedData {
public:
    ~CLedData_SimCoaxial() override = default;
    int Calculate(double value, int item, double fovH, double fovV, double lensWD,
                  double effDiameter, tagLedCalcResult& result) override;
    int EvaluateSearch(double fovH, double fovV, double fovD, double lensWD, double effDiameter,
                       double illumWD, double areaH, double areaV, double areaD,
                       tagLedWDRange& range) override;

    double Length = 0.0;                      // outline, long side, mm
    double Width = 0.0;                       // outline, short side, mm
    double Height = 0.0;                      // height, mm
    double OpticalPathLengthExtension = 0.0;  // added optical path, mm
    int WindowForm = 0;                       // 0 circular window, else rectangular
    double LongSide = 0.0;                    // window long side (circular: diameter), mm
    double ShortSide = 0.0;                   // window short side, mm
};

// Bar light (type 6): lights a rectangle; each axis has its own quadratic.
class CLedData_Bar : public CLedData {
public:
    CLedData_Bar() = default;
    explicit CLedData_Bar(const tagLedCommonColumns& columns) { AssignCommon(columns); }
    ~CLedData_Bar() override = default;
    int Calculate(double value, int item, double fovH, double fovV, double lensWD,
                  double effDiameter, tagLedCalcResult& result) override;
    int EvaluateSearch(double fovH, double fovV, double fovD, double lensWD, double effDiameter,
                       double illumWD, double areaH, double areaV, double areaD,
                       tagLedWDRange& range) override;

    std::wstring LightingArea;  // lighting surface as text
    double Length = 0.0;        // mm
    double Width = 0.0;         // mm
    double Tickness = 0.0;      // thickness, mm
};

// Simple dome (type 7): the lens looks through a window at the dome's top.
class CLedData_SimpleDome : public CLedData {
public:
    ~CLedData_SimpleDome() override = default;
    int Calculate(double value, int item, double fovH, double fovV, double lensWD,
                  double effDiameter, tagLedCalcResult& result) override;
    int EvaluateSearch(double fovH, double fovV, double fovD, double lensWD, double effDiameter,
                       double illumWD, double areaH, double areaV, double areaD,
                       tagLedWDRange& range) override;

    double InternalDiameter = 0.0;  // dome internal diameter, mm
    double ExternalDiameter = 0.0;  // dome external diameter, mm
    double Height = 0.0;            // height, mm
    double WindowSizeL = 0.0;       // window long side (or diameter), mm
    double WindowSizeS = 0.0;       // window short side, 0 for a round window, mm
    double WindowThickness = 0.0;   // thickness of the dome top at the window, mm
};

// Back light (type 8): a fixed lighting surface under the object.
class CLedData_BackLight : public CLedData {
public:
    CLedData_BackLight() = default;
    explicit CLedData_BackLight(const tagLedCommonColumns& columns) { AssignCommon(columns); }
    ~CLedData_BackLight() override = default;
    int Calculate(double value, int item, double fovH, double fovV, double lensWD,
                  double effDiameter, tagLedCalcResult& result) override;
    int EvaluateSearch(double fovH, double fovV, double fovD, double lensWD, double effDiameter,
                       double illumWD, double areaH, double areaV, double areaD,
                       tagLedWDRange& range) override;

    std::wstring LightingSurface;  // lighting surface as text
    double Length = 0.0;           // mm
    double Width = 0.0;            // mm
    double Tickness = 0.0;         // thickness, mm
};
