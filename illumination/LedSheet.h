// The parts of the illumination data-sheet page that need no window: the
// fifteen label and value texts of a light's sheet, the lens values the page
// starts its calculation with, the figure of a light's type, and one run of
// the calculation with its message or its result texts.
#pragma once

#include <array>
#include <string>
#include <vector>

class CLedData;
class CLedTypeData;
class CLedColorData;

namespace led_sheet {

// The sheet: three columns of five rows. Rows 0-4 are column 1 (type,
// colour, current, power, weight), rows 5-9 column 2 (the type's own
// dimensions), rows 10-14 column 3 (WD, the three lighting areas, the
// controller).
inline constexpr int kRows = 15;
inline constexpr int kRowWD = 10;          // illumination WD; the areas follow
inline constexpr int kRowController = 14;  // LED controller

struct tagSheet {
    std::array<std::wstring, kRows> labels;
    std::array<std::wstring, kRows> values;
    bool bCalculation = true;  // "Calculation" can run (not for a back light)
};

// The name of a type or colour in the interface language (language code
// "JP" Japanese, "CN" Chinese, any other English); empty when the number
// has no entry.
std::wstring TypeName(const std::vector<CLedTypeData*>& types, int typeNum, const std::wstring& language);
std::wstring ColorName(const std::vector<CLedColorData*>& colors, int colorNum,
                       const std::wstring& language);

// The sheet of `light`; its result rows (WD and areas) are empty except for
// a back light, whose lighting surface is fixed.
tagSheet MakeSheet(const CLedData& light, const std::vector<CLedTypeData*>& types,
                   const std::vector<CLedColorData*>& colors, const std::wstring& language);

// The lens values a light is shown with (-1.0 each when not given). A lens
// working distance or effective diameter of 0 or more ticks "Lens spec".
// A value that is not given leaves its edit empty: its "-1.00" would turn
// into "1.00" in a digits-only edit.
struct tagLensFields {
    bool bLensSpec = false;
    std::array<std::wstring, 4> texts;  // lens WD, effective diameter, FOV H, FOV V
};
tagLensFields MakeLensFields(double lensWD, double effDiameter, double fovH, double fovV);

// The picture of an illumination type, without or with the lens above it;
// 0 for a type without a picture.
int FigurePng(int type, bool withLens);

// What the page reads before a calculation.
struct tagCalcRequest {
    int nItem = -1;          // item combo: 0 WD, 1 H, 2 V, 3 D area; -1 none chosen
    double dValue = 0.0;     // the value edit as a number
    bool bLensSpec = false;  // "Lens spec" ticked
    // Lens edits as read: lens WD, effective diameter, FOV H, FOV V; an
    // empty edit is -1.0.
    std::array<double, 4> lens = {-1.0, -1.0, -1.0, -1.0};
};

// A lens edit's text as a number; -1.0 when empty.
double LensEditValue(const std::wstring& text);

// The message a calculation code raises: 21000, 21001, 21004, 21007,
// 21008; 0 for a code with no message.
int MessageForCode(int code);

// One calculation: either a message (nothing written), or a message with
// the result rows emptied, or the result texts.
struct tagCalcOutcome {
    int nMessage = 0;       // string id, shown without an icon; 0 none
    bool bWrite = false;    // write `results` into the WD and area rows
    std::array<std::wstring, 4> results;  // WD, area H, V, D
};
tagCalcOutcome Calculate(CLedData& light, const tagCalcRequest& request);

}  // namespace led_sheet
