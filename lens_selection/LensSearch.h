// The non-telecentric lens search: every catalogue lens that can serve the
// sensor is run through its own optical model for the wanted quantity, the
// lenses whose working distance falls in the optional window are kept, and
// each kept lens becomes one result row of eight cell texts.
//
// The search page shows the rows; tests and benchmarks call the search
// without a window.
#pragma once

#include <array>
#include <string>
#include <vector>

class CCCTVData;
struct tagLensCalcResult;

namespace lens_search {

// The wanted quantity.
enum Kind {
    kVerticalFov = 0,    // vertical field of view, mm
    kHorizontalFov = 1,  // horizontal field of view, mm
    kDiagonalFov = 2,    // diagonal field of view, mm
    kMagnification = 3,  // optical magnification
    kWorkingDistance = 4,  // working distance, mm
};

// Which sensor sizes are known.
inline constexpr int kAxesVH = 0x1;            // vertical and horizontal (with the diagonal)
inline constexpr int kAxesDiagonalOnly = 0x2;  // the diagonal only

// Columns of a result row.
enum Column {
    kColModel = 0,
    kColRing = 1,
    kColFovH = 2,
    kColFovV = 3,
    kColFovD = 4,
    kColMagnification = 5,
    kColWD = 6,
    kColSpare = 7,  // always empty
    kColumnCount = 8,
};

// The longest text a cell holds.
inline constexpr size_t kMaxCellLength = 63;

// Parameter type of the fixed-magnification lenses, whose cells hold single
// values instead of value(far-near) triples.
inline constexpr int kFixedMagnificationType = 10;

// The permissible circle of confusion the search calculates with, mm.
inline constexpr double kSearchCoc = 0.04;

struct tagLensSearchRequest {
    double dDiagonal = 0.0;    // sensor diagonal D, mm
    double dHorizontal = 0.0;  // sensor width H, mm
    double dVertical = 0.0;    // sensor height V, mm
    double dValue = 0.0;       // the wanted value, in the unit of its kind
    int nKind = kVerticalFov;  // Kind
    double dWDMin = -1.0;      // working-distance window; 0 or below: no bound
    double dWDMax = -1.0;
    int nSensorMask = 0;       // sensor-class bits; a lens must share one
    int nSensorAxes = 0;       // kAxesVH / kAxesDiagonalOnly
};

// The request of one search, in the order the page passes its inputs.
inline tagLensSearchRequest MakeRequest(double D, double H, double V, double value, int kind,
                                        double wdMin, double wdMax, int sensorMask, int sensorAxes) {
    return {D, H, V, value, kind, wdMin, wdMax, sensorMask, sensorAxes};
}

struct tagLensSearchRow {
    std::array<std::wstring, kColumnCount> cells;  // texts of columns 0..7
};

// What CalcLensForSearch reports for a lens the search does not calculate:
// the sensor diagonal exceeds its image circle, its sensor class does not
// match, or its parameter type lies outside 1..500.
inline constexpr int kLensNotCalculated = 100;

// Runs one lens as the search does. The caller fills result.dRing once
// (tagLensCalcResult::FillRingTable); this presets the six triples to -1.0
// and the four flags to 0, converts the request to the model's mode and
// value and calls Calc on the sensor diagonal with no F-number, no wanted
// depth of field, the search's circle of confusion and no focus draw.
// Returns Calc's code, or kLensNotCalculated.
int CalcLensForSearch(CCCTVData& lens, const tagLensSearchRequest& request, tagLensCalcResult& result);

// True when a calculated lens passes the working-distance window (both
// bounds inclusive).
bool InWorkingDistanceWindow(const tagLensSearchRequest& request, const tagLensCalcResult& result);

// The search. Returns -1 when the wanted value lies within 1e-9 of zero
// (`rows` is then left as it is); otherwise replaces `rows` with one row per
// kept lens, in catalogue order, and returns their count.
int SearchLenses(const std::vector<CCCTVData*>& lenses, const tagLensSearchRequest& request,
                 std::vector<tagLensSearchRow>& rows);

}  // namespace lens_search
