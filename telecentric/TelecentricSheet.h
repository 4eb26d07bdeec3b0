// The data sheet of one telecentric lens without a window: the text of
// every value cell of the data-sheet page, under the control id the page
// (and the telecentric report, which reads the page) knows it by.
#pragma once

#include <string>
#include <vector>

class CTKLData;
class CTKLExtraData;

namespace tkl_sheet {

// Control ids of the value cells.
enum CellId {
    kIllumination = 5012,   // "Coaxial", "Non-Coax.", "--" without a model name
    kMagnification = 5013,  // nominal magnification of the name, "-" when unknown
    kOI = 5014,             // object-to-image distance
    kWDOD = 5015,           // "WD / OD"
    kResolution = 5016,     // resolution, um
    kDOF = 5017,            // depth of field
    kNA = 5018,             // numerical aperture
    kFeff = 5019,           // effective F-number
    kDistortion = 5020,     // from the extra record; "-" without one
    kImageFormat = 5021,    // largest sensor diagonal covered
    kBarrelLength = 5022,   // kept hidden on the page; the report prints it
    kFigureOD = 5113,       // the dimension drawing's values
    kFigureLensBack = 5114,
    kFigureWD = 5115,
    kFigureBarrelLength = 5116,
    kFigureOI = 5117,
    kHoldB = 5212,          // the holding drawing's values; "-" when none
    kHoldA = 5213,
    kHoldLength = 5214,
    kHoldC = 5215,
    kHoldD = 5216,
};

struct tagSheetCell {
    int id;             // CellId
    std::wstring text;  // finished text
};

// Every value cell of `lens`, in the order the page writes them. `extra` is
// the lens's extra record, or null when it has none.
std::vector<tagSheetCell> SheetCells(const CTKLData& lens, const CTKLExtraData* extra);

// The extra record of the lens alone: the first of `extras` with that model
// name and the rear-converter kind "--"; null when there is none.
CTKLExtraData* FindExtra(const std::vector<CTKLExtraData*>& extras, const std::wstring& model);

}  // namespace tkl_sheet
