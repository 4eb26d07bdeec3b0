// The non-telecentric lens search: every catalogue lens that can serve the
// sensor is run through its own optical model for the wanted quantity, the
// lenses whose working distance falls in the optional window are kept, and
// each kept lens becomes one result row of eight cell texts.
//
// The search page shows the rows; tests and benchmarks call the search
// without a window.
#pragma once

#include <array>
#include <cmath>
#include <string>
#include <vector>

class CCCTVData;
class CCCTVCCDData;
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

// Parameter type of the fixed-magnification lenses, whose cells hold single
// values instead of value(far-near) triples.
inline constexpr int kFixedMagnificationType = 10;

// The permissible circle of confusion the search calculates with, mm.
inline constexpr double kSearchCoc = 0.04;

// The largest magnitude the lens pages show: three "%.1f" parts of it stay
// far below a search cell's 63 characters, and "%.3f" of it is at most 17
// characters in a detail edit. A search lens with a larger (or no finite)
// value is not listed; a detail result with one is no configuration.
inline constexpr double kLargestShownValue = 1e12;
// Whether `x` can be shown: finite and within kLargestShownValue.
inline bool IsShownNumber(double x) { return std::fabs(x) <= kLargestShownValue; }  // false for NaN

// The sensor-class bits of a sensor typed in by hand.
inline constexpr int kTypedSensorMask = 1;

// Messages of the search page.
inline constexpr int kMsgSelectSensor = 20000;
inline constexpr int kMsgNotApplicable = 20001;
inline constexpr int kMsgMarkCheckBox = 20002;
inline constexpr int kMsgValueNotZero = 20003;

inline constexpr int kQuantityCount = 5;  // the wanted quantities, Kind 0..4

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
// match, its parameter type lies outside 1..500, or the request needs a
// sensor size that is not above zero (the diagonal always, the height for a
// vertical and the width for a horizontal field of view).
inline constexpr int kLensNotCalculated = 100;

// Runs one lens as the search does. The caller fills result.dRing once
// (tagLensCalcResult::FillRingTable); this presets the six triples to -1.0
// and the four flags to 0, converts the request to the model's mode and
// value and calls Calc on the sensor diagonal with no F-number, no wanted
// depth of field, the search's circle of confusion and no focus draw.
// Returns Calc's code, or kLensNotCalculated.
int CalcLensForSearch(CCCTVData& lens, const tagLensSearchRequest& request, tagLensCalcResult& result);

// True when a calculated lens has no computed working distance below zero
// (one that shows as "-0.0" counts as zero) and passes the working-distance
// window (both bounds inclusive).
bool InWorkingDistanceWindow(const tagLensSearchRequest& request, const tagLensCalcResult& result);

// The search. Returns -1 when the wanted value lies within 1e-9 of zero
// (`rows` is then left as it is); otherwise replaces `rows` with one row per
// kept lens, in catalogue order, and returns their count.
int SearchLenses(const std::vector<CCCTVData*>& lenses, const tagLensSearchRequest& request,
                 std::vector<tagLensSearchRow>& rows);

// ---- the search button ----------------------------------------------------

// What the search button reads from the page.
struct tagSearchInputs {
    bool bManualSensor = false;                          // "Manual input" ticked
    const CCCTVCCDData* pFormat = nullptr;               // the selected catalogue format, or null
    double dTypedV = 0.0, dTypedH = 0.0, dTypedD = 0.0;  // the manual size edits as numbers
    bool abTicked[kQuantityCount] = {};                  // the quantity boxes, Kind order
    double adValues[kQuantityCount] = {};                // their value edits as numbers
    bool bRefineWD = false;                              // the working-distance window is on
    double dWDMin = 0.0, dWDMax = 0.0;                   // its bound edits as numbers
    int nSensorAxes = 0;                                 // the page's, before the search
};

// The edits the checks rewrite.
enum SearchEdit { kEditManualV, kEditManualH, kEditManualD, kEditWDMin, kEditWDMax };
struct tagEditWrite {
    SearchEdit edit;
    std::wstring text;
};

struct tagSearchOutcome {
    // Written in this order before the message or the search. Emptying the
    // manual width and height leaves the diagonal alone, which unticks the
    // vertical and horizontal boxes on the page; the checks below already
    // count them unticked.
    std::vector<tagEditWrite> writes;
    int nSensorAxes = 0;           // the page's after the checks
    int nMessage = 0;              // 20000, 20002 or 20003: shown, and nothing is searched
    tagLensSearchRequest request;  // the search to run when nMessage is 0
};

// The checks of the search button, in the order the user meets them: the
// sensor, a ticked quantity, the working-distance window (a bound below
// 0.00001 is none; a wanted working distance widens the window to hold it; a
// maximum below the minimum becomes the minimum), a value not zero.
tagSearchOutcome DecideSearch(const tagSearchInputs& in);

}  // namespace lens_search
