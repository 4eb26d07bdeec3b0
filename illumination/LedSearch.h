// The illumination search: the request made from the page's inputs (or the
// message that refuses them), the type, colour and control masks, the run of
// every catalogue light through CLedData::MatchSearch with one row per
// fitting light, the finished cell texts of a row, and how the result
// columns sort.
//
// The search page reads its controls into tagLedSearchInputs and shows what
// these functions return; tests and benchmarks call them without a window.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "illumination/CLedData.h"
#include "platform/ColumnOrder.h"

class CLedTypeData;
class CLedColorData;

namespace led_search {

// Columns of a result row.
enum Column {
    kColModel = 0,
    kColType = 1,
    kColColor = 2,
    kColCurrent = 3,
    kColPower = 4,
    kColReferenceWD = 5,
    kColController = 6,
    kColControlMethod = 7,
    kColSpare = 8,  // always empty
    kColumnCount = 9,
};

// Images before the model name.
inline constexpr int kImageCatalogue = 0;
inline constexpr int kImageMadeToOrder = 1;

// The two search modes; kNoMode while neither is chosen.
enum Mode { kNoMode = 0, kLensSpecMode = 1, kIllumWDMode = 2 };

// Emitted colours in box order, mask bits 1, 2, 4, 8, 16, 32: Red, Green,
// Blue, White, IR, UV. Control methods: CC bit 1, CV bit 2.
inline constexpr int kColorCount = 6;
inline constexpr int kControlCount = 2;

// Messages that refuse a search, and the one for an empty result.
inline constexpr int kMsgNothingFound = 21005;
inline constexpr int kMsgNoMode = 21011;
inline constexpr int kMsgNoFov = 21012;
inline constexpr int kMsgNoLensWD = 21013;
inline constexpr int kMsgNoEffDiameter = 21014;
inline constexpr int kMsgNoArea = 21015;
inline constexpr int kMsgNoIllumWD = 21016;

// The page's inputs as the user left them.
struct tagLedSearchInputs {
    int nMode = kNoMode;
    std::wstring strFovH, strFovV;         // field of view, mm
    std::wstring strLensWD;                // lens working distance, mm
    std::wstring strEffDiameter;           // lens effective diameter, mm
    std::array<std::wstring, 3> strArea;   // lighting area H, V, D, mm
    std::wstring strIllumWD;               // illumination working distance, mm
    std::vector<bool> typeTicks;           // the type list's ticks, in type-array order
    bool bColorAll = false;
    std::array<bool, kColorCount> colorTicks{};
    bool bControlAll = false;
    std::array<bool, kControlCount> controlTicks{};
    std::wstring strCurrentLimit;          // A and less
    std::wstring strPowerLimit;            // W and less
};

// The arguments of CLedData::MatchSearch; -1.0 for a value not given.
struct tagLedSearchRequest {
    double dFovH = -1.0;
    double dFovV = -1.0;
    double dFovD = -1.0;
    double dLensWD = -1.0;
    double dEffDiameter = -1.0;
    int nTypeMask = 0;
    double dIllumWD = -1.0;
    double dAreaH = -1.0;
    double dAreaV = -1.0;
    double dAreaD = -1.0;
    int nColorMask = 0;
    int nControlMask = 0;
    double dCurrentLimit = -1.0;  // 0 or below: no limit
    double dPowerLimit = -1.0;
};

struct tagLedSearchDecision {
    int nMessage = 0;             // string id of the refusal; 0 to search
    std::wstring strFovD;         // lens mode: the diagonal to write into its edit; empty otherwise
    tagLedSearchRequest request;  // as far as the inputs were read
};

// Checks the inputs in the page's order and makes the request. In lens mode
// the diagonal is the hypotenuse of the two fields of view written with two
// decimals, and the request holds that text's value, as the user sees it.
tagLedSearchDecision DecideSearch(const tagLedSearchInputs& inputs, const std::vector<CLedTypeData*>& types);

// Bit 2^(TypeNum-1) of every ticked type (tick i is type i); a number
// outside 1..31 has no bit.
int TypeMask(const std::vector<CLedTypeData*>& types, const std::vector<bool>& ticks);
// 63 with "ALL", else the bits of the ticked colours.
int ColorMask(bool all, const std::array<bool, kColorCount>& ticks);
// 3 with "ALL", else CC 1 plus CV 2.
int ControlMethodMask(bool all, const std::array<bool, kControlCount>& ticks);

// One fitting light with its usable illumination working distances.
struct tagLedSearchRow {
    CLedData* pLight = nullptr;
    tagLedWDRange range;
};

// Runs every light, in catalogue order, through MatchSearch with a fresh
// range and replaces `rows` with the lights that fit. Returns their count.
int SearchLights(const std::vector<CLedData*>& lights, const tagLedSearchRequest& request,
                 std::vector<tagLedSearchRow>& rows);

// The catalogue's vocabularies and the language code their names are shown
// in ("JP", "CN", anything else English).
struct tagLedNameLists {
    const std::vector<CLedTypeData*>& types;
    const std::vector<CLedColorData*>& colors;
    const std::wstring& language;
};

using tagLedCells = std::array<std::wstring, kColumnCount>;

// The cell texts of a result row, each cut to what a cell holds.
void FormatRow(const tagLedSearchRow& row, const tagLedNameLists& names, tagLedCells& cells);
// The image before the model name.
int RowImage(const tagLedSearchRow& row);

// The cell texts of every row, by item data. The texts are written apart
// from the search: writing a row costs many times a MatchSearch call, so the
// search itself only keeps the lights that fit. `cells` keeps its storage
// from one search to the next.
void FormatRows(const std::vector<tagLedSearchRow>& rows, const tagLedNameLists& names,
                std::vector<tagLedCells>& cells);

// The first light named `model`, or null.
CLedData* FindLight(const std::vector<CLedData*>& lights, const std::wstring& model);

// How result column `column` sorts: model and colour as text, the current
// as a number, every other column not at all.
quorrel::ColumnKind SortKind(int column);

}  // namespace led_search
