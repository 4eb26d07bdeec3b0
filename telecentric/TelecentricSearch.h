// The telecentric lens search without a window.
//
// A telecentric lens has one fixed magnification, so the search turns the
// sensor size and the one quantity the user gives (vertical or horizontal
// field of view, or the magnification itself) into a wanted magnification m
// and keeps every lens whose |Pmag| lies within 0.74 m .. 1.26 m, whose image
// format covers the sensor diagonal and whose sensor classes include the
// sensor's. PlanSearch checks the inputs and works out what the page writes
// back; SearchTelecentric gives the finished cell texts of the result rows.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/ColumnOrder.h"

class CTKLData;
class CCCTVCCDData;

namespace tkl_search {

// The given quantity, in box order 4000..4002 (and edit order 4003..4005).
enum Quantity {
    kNoQuantity = -1,
    kVerticalFov = 0,    // vertical field of view, mm
    kHorizontalFov = 1,  // horizontal field of view, mm
    kMagnification = 2,  // optical magnification, x
    kQuantityCount = 3,
};

// Columns of a result row.
enum Column {
    kColModel = 0,
    kColSensor = 1,
    kColIllumination = 2,
    kColFovH = 3,
    kColFovV = 4,
    kColMagnification = 5,
    kColWD = 6,
    kColumnCount = 7,
};

// Messages of a refused search.
inline constexpr int kMsgSelectSensor = 20000;
inline constexpr int kMsgNotApplicable = 20001;
inline constexpr int kMsgMarkCheckBox = 20002;
inline constexpr int kMsgValueNotZero = 20003;

// The sensor class of a sensor size typed by hand.
inline constexpr int kManualSensorMask = 1;

// What the search page's controls hold when "Search" is pressed.
struct tagTklSearchInput {
    bool bManualSensor = false;               // "Manual input" ticked
    double dTypedH = 0.0;                     // edits 1131, 1132, 1133 as numbers
    double dTypedV = 0.0;
    double dTypedD = 0.0;
    const CCCTVCCDData* pSensor = nullptr;    // the chosen catalogue format; null for none
    int nQuantity = kNoQuantity;              // the ticked box
    double dValue = 0.0;                      // the ticked box's edit as a number
};

// How the typed sensor size is written back.
enum SensorEdits {
    kSensorAsTyped = 0,   // nothing to write (catalogue format, or refused)
    kWriteDiagonal = 1,   // the diagonal from the width and height
    kWriteSides = 2,      // width and height split 4:3 from the diagonal
};

// The decision on one search.
struct tagTklSearchPlan {
    int nMessage = 0;                  // message id of a refusal; 0 when the search runs
    int nSensorEdits = kSensorAsTyped; // written whatever a later check decides
    double dH = 0.0, dV = 0.0, dD = 0.0;  // sensor size, mm
    int nSensorMask = 0;               // sensor-class bits
    int nQuantity = kNoQuantity;       // the quantity given
    // The three quantities, unrounded, in edit order (V, H, m); the page
    // writes the two that were not typed. Set only when nMessage is 0.
    std::array<double, kQuantityCount> dQuantities{};
    double Magnification() const { return dQuantities[kMagnification]; }
};

// Checks the inputs in the page's order (sensor, box, value) and works out
// the sensor size and the wanted magnification. A sensor with a width or
// height of zero gives no magnification: 20001, without a division.
tagTklSearchPlan PlanSearch(const tagTklSearchInput& input);

struct tagTklSearchRow {
    std::array<std::wstring, kColumnCount> cells;  // texts of columns 0..6
};

// The search for the wanted magnification m on a sensor D x V x H with the
// sensor-class bits `mask`. Returns -1 when m lies within 1e-9 of zero
// (`rows` is then left as it is); otherwise replaces `rows` with one row per
// kept lens, in catalogue order, and returns their count.
int SearchTelecentric(const std::vector<CTKLData*>& lenses, double m, double D, double V, double H, int mask,
                      std::vector<tagTklSearchRow>& rows);

// "Coaxial" for a model name with a capital D, else "Non-Coax.".
std::wstring IlluminationText(const std::wstring& model);

// The first lens of that model name, or null.
CTKLData* FindLens(const std::vector<CTKLData*>& lenses, const std::wstring& model);

// How result column `column` sorts: model and illumination as texts, the
// sensor label by SensorRank, the numbers as numbers.
quorrel::ColumnKind ColumnKind(int column);

// The place of a sensor-class label in the Sensor column's order: "NIR" 0,
// "VGA" 1, "2M" 2, "5M" 3, "12M" 4, "21M" 5, "25M" 6, "29M" 7, "47M" 8,
// "16k5μm" 9 (letters A to Z in either case); any other label 10, after
// them.
int SensorRank(const std::wstring& label);

}  // namespace tkl_search
