// The parts of the detail calculation page that need no window: the sensor
// and F-number lists, the close-up ring list, the choice of the input and
// the arguments of the lens calculation, the checks that end a run with a
// message, the fields a result shows and the focus marker position.
#pragma once

#include <string>
#include <vector>

#include "lens_selection/LensSearch.h"
#include "optics/CCCTVData.h"
#include "optics/ModelMath.h"

class CCCTVCCDData;

namespace detail_calc {

// A typed value counts as zero within the models' tolerance (1e-9), both
// ends included.
using optics::IsZero;

// Input bits of the page, one per check box.
enum InputBit : unsigned {
    kBitVertical = 0x1,
    kBitHorizontal = 0x2,
    kBitDiagonal = 0x4,
    kBitMagnification = 0x8,
    kBitRing = 0x10,
    kBitWD = 0x20,
    kBitObjectToImage = 0x40,
    kBitDOF = 0x80,
    kBitCoC = 0x100,
    kInputKindBits = 0x7f,
};

// The seven input kinds, in the order of their check boxes.
enum class InputKind { None, Vertical, Horizontal, Diagonal, Magnification, Ring, WD, ObjectToImage };

// The input a calculation uses when several boxes are ticked: the first set
// bit in the order magnification, ring, vertical, horizontal, diagonal,
// object-to-image, working distance.
InputKind ChooseInput(unsigned bits);

// Index 0..6 of a kind in box order (3001..3007), -1 for None.
int BoxIndex(InputKind kind);

// ---- lists --------------------------------------------------------------

// Sensors the lens covers, in catalogue order: diagonal not larger than the
// image circle and a sensor class the lens serves.
std::vector<const CCCTVCCDData*> CoveredSensors(const CCCTVData& lens,
                                                const std::vector<CCCTVCCDData*>& sensors);

// Entry of the sensor list to select: the last entry equal to `text`; when
// none, entry 0 unless the sensor size is typed by hand (then -1).
int SensorIndexToSelect(const std::vector<std::wstring>& entries, const std::wstring& text, bool manual);

// Close-up ring entries "0.0", "0.5", ... : filling stops after the first
// value that is not below the longest ring, or after 201 entries.
std::vector<std::wstring> RingEntries(double longestRing);

// The F-numbers offered for a model: its built-in list, else the default
// list 1.4 .. 16.0.
std::vector<std::wstring> FnoEntries(const std::wstring& model);
const std::vector<std::wstring>& DefaultFnoEntries();

// True when the name holds "-MC" and also "HR" (case-sensitive).
bool IsMcHrModel(const std::wstring& model);

// The magnification a fixed-magnification lens is calculated at as soon as
// it is chosen: |B| of its model.
struct FixedMagnification {
    bool isFixed = false;
    double magnification = 0.0;  // |B|
};
// Types 10 and 100 when `withType100`, type 10 alone otherwise.
FixedMagnification FixedMagnificationOf(const CCCTVData& lens, bool withType100);

// ---- sensor and checks --------------------------------------------------

// What the checks before a calculation look at.
struct CheckInputs {
    double coc = 0.0;
    bool lensSelected = false;
    bool sensorKnown = false;
    bool fnoGiven = false;  // an F-number is chosen or typed
    unsigned bits = 0;
    double wantedDOF = 0.0;  // read only when the DOF bit is set
    double h = 0.0, v = 0.0, d = 0.0;
    double imageCircle = 0.0;
};
// The message that ends the run before anything is calculated, or 0:
// 20006 no circle of confusion, 20004 lens, sensor or F-number missing,
// 20005 no wanted depth of field, 20017 a sensor the lens does not cover.
// A sensor without a diagonal, or without the height (width) that a vertical
// (horizontal) field of view needs, is refused with 20017 too, so no sensor
// size of zero ever divides.
int CheckBeforeCalculation(const CheckInputs& in);

// ---- the calculation ----------------------------------------------------

// What one run does with its input.
enum class Action {
    NoInput,          // 20016; the run ends
    Calc,             // CCCTVData::Calc with value, mode and draw
    InfinityFocus,    // magnification 0: focus at infinity
    InfinityInput,    // a field of view or distance reading "Infinity"
    RingAtInfinity,   // no ring and no focus draw on a lens focused at infinity
    Nothing,          // a zero input: nothing is calculated, the tail runs
};

struct Request {
    unsigned bits = 0;
    double values[7] = {};       // edits 3011, 3012, 3013, 3014, 3015, 3017, 3018 as numbers
    bool readsInfinity[7] = {};  // the same edits' text is "Infinity"
    double ring = 0.0;           // selected close-up ring, mm
    double h = 0.0, v = 0.0, d = 0.0;
    double maxDraw = 0.0;        // the lens's focus draw range
    int drawoutDirection = 0;
    int paramType = 0;
    bool mcHr = false;
};

struct Plan {
    Action action = Action::NoInput;
    InputKind kind = InputKind::None;
    double value = 0.0;
    int mode = 0;
    double draw = 0.0;
    // Range messages 20119 / 20120 follow the calculation (not for the ring).
    bool rangeMessages = false;
};
Plan PlanCalculation(const Request& request);

// The message a calculation's code raises, or 0: -2 20119 and -3 20120 when
// the plan asks for range messages; -1 and -4 (no configuration) 20009.
int MessageForCode(int code, bool rangeMessages);

// False for the codes whose record is not a configuration (-1, -4).
bool IsShowable(int code);

// The wanted depth of field needs an aperture wider than the lens opens.
bool IsFnoTooSmall(unsigned bits, double openFno, double resultFno);

// The fields a result shows, with the axes the sensor lacks left out.
struct Fields {
    double magnification = 0.0;
    double ring = 0.0;
    double focusDraw = 0.0;
    double fovD = 0.0;
    bool hasH = false, hasV = false;
    double fovH = 0.0, fovV = 0.0;  // fovD * H / D, fovD * V / D
    double objectToImage = 0.0;
    double wd = 0.0;
    double dof = 0.0;
    double effectiveFno = 0.0;
    double fno = 0.0;
    int ringIndex = 0;
};
Fields ResultFields(const tagLensCalcResult& r, double h, double v, double d, bool sensorVH);

// The magnification above which a result fills the geometry edits.
constexpr double kShownMagnification = 1e-11;

// The code a page calculation counts as: a record that cannot be shown (a
// value that is no finite number, or one that the result writes and that is
// not lens_search::IsShownNumber) is no configuration, kCalcInfeasible, even
// when the model reported a range end. Other codes stay.
int ShownCode(int code, const tagLensCalcResult& r, const Fields& shown);

// C-mount lenses (type 1) cannot take rings from 2.5 up to 5.0 mm.
bool IsCMountRingConflict(double ring, int paramType);

// The caution for a ring longer than the lens accepts: string 20007 with the
// longest ring, or 20008 when that is 0 or less.
std::wstring RingCaution(double longestRing);

// Replaces the first "%.Nf" (or "%.f") of `format` with `value`, formatted
// locale-independently.
std::wstring FormatWithValue(const std::wstring& format, double value);

// ---- one calculation run ----------------------------------------------------

// What a calculation run reads from the page.
struct CalcInputs {
    CCCTVData* lens = nullptr;         // the selected lens, or null
    bool mcHr = false;                 // IsMcHrModel of the lens combo text
    bool sensorSelected = false;       // the sensor combo has a selection
    double h = 0.0, v = 0.0, d = 0.0;  // the selected format's sizes, else the manual edits as numbers
    bool sensorVH = true;              // the page's flag before the run
    double coc = 0.0;
    int fnoSelected = -1;              // the F-number combo's selected entry, -1 for none
    std::wstring fnoText;              // its text, chosen or typed
    std::vector<std::wstring> fnoEntries;  // its list
    unsigned bits = 0;                 // the page's input bits
    double wantedDOF = 0.0;            // edit 3219 as a number
    double values[7] = {};             // edits 3011, 3012, 3013, 3014, 3015, 3017, 3018 as numbers
    bool readsInfinity[7] = {};        // the same edits' text is "Infinity"
    double ring = 0.0;                 // the selected close-up ring, mm
};

// How the run rewrites the manual sensor edits.
enum class SensorEdits {
    Keep,
    WriteDiagonal,  // width and height typed: their diagonal, "%.2f"
    EmptyVH,        // the diagonal alone: width and height emptied
};

struct CalcOutcome {
    // Written first, whatever follows.
    SensorEdits sensorEdits = SensorEdits::Keep;
    bool sensorVH = true;              // the page's flag once the sensor is read
    double h = 0.0, v = 0.0, d = 0.0;  // the sensor the run uses
    // The F-number entry whose text was typed, selected as an editable
    // drop-down does; -1 for none.
    int selectFno = -1;
    // A check failed, or no input is chosen (20016): shown, and the run ends
    // with nothing else written.
    int message = 0;
    Plan plan;
    bool mcHr = false;
    // Shown after the calculation, before the result: 20009, 20119, 20120.
    int calcMessage = 0;
    // False when the record is no configuration: the page empties what would
    // look like its result.
    bool showable = true;
    tagLensCalcResult result;  // zeroed with its ring table, as the lens left it
};

// The run without its window: the sensor, the F-number, the checks, the
// input and, for a request the lens answers, the lens calculation itself.
// The F-number is the chosen entry, or the typed text when it is a positive
// number (an entry it equals becomes the chosen one).
CalcOutcome DecideCalculation(const CalcInputs& in);

// ---- focus marker ---------------------------------------------------------

// The largest focusing-ring position: the draw range rounded to 3 decimals.
double FocusLimit(double maxDraw);

// Where the marker stands for position p on a lens with draw range maxDraw,
// as a whole distance 0..travel from the scale's left end: it moves from the
// right end (direction 0) or the left end. A lens without a draw range keeps
// the marker where position 0 puts it.
int MarkerOffset(double maxDraw, double p, int direction, int travel);

// Whether the focusing edit is set back to the limit: only on a lens with a
// draw range, for a position above its limit.
bool ForcesFocusLimit(double maxDraw, double p);

}  // namespace detail_calc
