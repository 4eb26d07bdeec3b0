// The detail page's decisions that need no window: input choice, calculation
// arguments, checks, lists, shown fields and the focus marker.
#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/CCCTVCCDData.h"
#include "catalogue/CCatalogDatabase.h"
#include "lens_selection/DetailCalculation.h"
#include "lens_selection/LensCatalogueLists.h"
#include "optics/CCCTVData.h"
#include "platform/Numbers.h"
#include "platform/Text.h"
#include "support/TempCatalogue.h"

using namespace detail_calc;

namespace {

// The detail page's scale: 108 pixels of travel from x 395.
int MarkerX395(double maxDraw, double p, int direction) { return 395 + MarkerOffset(maxDraw, p, direction, 108); }

std::unique_ptr<CCCTVCCDData> Sensor(const wchar_t* name, double h, double v, double d, int flag) {
    auto s = std::make_unique<CCCTVCCDData>();
    s->m_strType = name;
    s->m_dHorizontal = h;
    s->m_dVertical = v;
    s->m_dRadial = d;
    s->m_nSpecialFlag = flag;
    return s;
}

// The sample lens catalogue, loaded once.
const std::vector<std::unique_ptr<CCCTVData>>& SampleLenses() {
    static std::vector<std::unique_ptr<CCCTVData>> lenses = [] {
        std::vector<std::unique_ptr<CCCTVData>> loaded;
        CCatalogDatabase db;
        if (db.Open(quorrel::test::SampleCataloguePath(L"quorrel_cctv.mdb"), L"4817qz")) db.LoadLensTable(loaded);
        return loaded;
    }();
    return lenses;
}

const CCCTVData* SampleLens(const std::wstring& model) {
    for (const auto& lens : SampleLenses())
        if (lens->m_strType == model) return lens.get();
    return nullptr;
}

Request WithValue(InputKind kind, double value, const wchar_t* text = L"") {
    Request q;
    q.bits = 1u << BoxIndex(kind);
    q.values[BoxIndex(kind)] = value;
    q.readsInfinity[BoxIndex(kind)] = std::wstring(text) == L"Infinity";
    q.h = 8.8;
    q.v = 6.6;
    q.d = 11.0;
    q.maxDraw = 3.0;
    q.paramType = 1;
    return q;
}

}  // namespace

TEST(DetailInput, MagnificationWinsOverRingOverTheFieldsOfViewThenObjectToImageThenWD) {
    EXPECT_EQ(ChooseInput(0x7f), InputKind::Magnification);
    EXPECT_EQ(ChooseInput(0x10 | 0x1 | 0x20), InputKind::Ring);
    EXPECT_EQ(ChooseInput(0x1 | 0x2 | 0x4), InputKind::Vertical);
    EXPECT_EQ(ChooseInput(0x2 | 0x4 | 0x40), InputKind::Horizontal);
    EXPECT_EQ(ChooseInput(0x4 | 0x40 | 0x20), InputKind::Diagonal);
    EXPECT_EQ(ChooseInput(0x40 | 0x20), InputKind::ObjectToImage);
    EXPECT_EQ(ChooseInput(0x20 | 0x80 | 0x100), InputKind::WD);
    EXPECT_EQ(ChooseInput(0x80 | 0x100), InputKind::None);
}

TEST(DetailInput, FieldsOfViewBecomeTheDiagonalTheModelsTake) {
    // 2/3" sensor: H 8.8, V 6.6, D 11. A vertical field of view of 26.4 is
    // the diagonal 26.4 * 11 / 6.6 = 44; a horizontal one of 35.2 the same.
    for (auto [kind, value] : {std::pair{InputKind::Vertical, 26.4}, std::pair{InputKind::Horizontal, 35.2},
                               std::pair{InputKind::Diagonal, 44.0}}) {
        const Plan p = PlanCalculation(WithValue(kind, value));
        EXPECT_EQ(p.action, Action::Calc);
        EXPECT_EQ(p.mode, kModeFieldOfView);
        EXPECT_DOUBLE_EQ(p.value, 44.0);
        EXPECT_TRUE(p.rangeMessages);
    }
    EXPECT_EQ(PlanCalculation(WithValue(InputKind::ObjectToImage, 154.25)).mode, kModeObjectToImage);
    EXPECT_EQ(PlanCalculation(WithValue(InputKind::WD, 100.0)).mode, kModeWorkingDistance);
    EXPECT_EQ(PlanCalculation(Request{}).action, Action::NoInput);
}

TEST(DetailInput, ZeroInputsMeanInfinityOnlyWhereTheyReadInfinity) {
    EXPECT_EQ(PlanCalculation(WithValue(InputKind::Magnification, 0.0)).action, Action::InfinityFocus);
    EXPECT_EQ(PlanCalculation(WithValue(InputKind::WD, 0.0, L"Infinity")).action, Action::InfinityInput);
    EXPECT_EQ(PlanCalculation(WithValue(InputKind::Vertical, 0.0, L"Infinity")).action, Action::InfinityInput);
    EXPECT_EQ(PlanCalculation(WithValue(InputKind::ObjectToImage, 0.0)).action, Action::Nothing);
    EXPECT_EQ(PlanCalculation(WithValue(InputKind::Diagonal, 1e-10)).action, Action::Nothing);
}

TEST(DetailInput, RingInputPassesTheRingAndTheSmallerOfDrawAndPosition) {
    Request q = WithValue(InputKind::Ring, 2.0);
    q.ring = 5.0;
    Plan p = PlanCalculation(q);
    EXPECT_EQ(p.action, Action::Calc);
    EXPECT_EQ(p.mode, kModeRing);
    EXPECT_DOUBLE_EQ(p.value, 5.0);
    EXPECT_DOUBLE_EQ(p.draw, 2.0);
    EXPECT_FALSE(p.rangeMessages);
    q.values[BoxIndex(InputKind::Ring)] = 9.0;  // beyond the 3 mm draw range
    EXPECT_DOUBLE_EQ(PlanCalculation(q).draw, 3.0);

    // No ring and position 0 on a lens that draws out forward is infinity focus,
    q.ring = 0.0;
    q.values[BoxIndex(InputKind::Ring)] = 0.0;
    EXPECT_EQ(PlanCalculation(q).action, Action::RingAtInfinity);
    // but not for the other direction, type 21 or a high-resolution macro lens.
    for (auto change : {+[](Request& r) { r.drawoutDirection = 1; }, +[](Request& r) { r.paramType = 21; },
                        +[](Request& r) { r.mcHr = true; }}) {
        Request other = q;
        change(other);
        EXPECT_EQ(PlanCalculation(other).action, Action::Calc);
    }
}

TEST(DetailInput, ChecksComeInTheirOrderAndRefuseSensorSizesOfZero) {
    CheckInputs in;
    in.coc = 0.0;  // and no lens either: the circle of confusion is named first
    EXPECT_EQ(CheckBeforeCalculation(in), 20006);
    in.coc = 0.04;
    EXPECT_EQ(CheckBeforeCalculation(in), 20004);
    in.lensSelected = in.sensorKnown = true;
    EXPECT_EQ(CheckBeforeCalculation(in), 20004) << "no F-number";
    in.bits = kBitDOF | kBitDiagonal;  // a wanted depth of field stands in for it
    EXPECT_EQ(CheckBeforeCalculation(in), 20005);
    in.wantedDOF = 2.0;
    in.d = 11.0;
    in.imageCircle = 10.99;
    EXPECT_EQ(CheckBeforeCalculation(in), 20017);
    in.imageCircle = 11.0;
    EXPECT_EQ(CheckBeforeCalculation(in), 0);

    // Sizes the run would divide by.
    in.d = 0.0;
    EXPECT_EQ(CheckBeforeCalculation(in), 20017);
    in.d = 8.0;
    in.bits = kBitVertical;
    in.fnoGiven = true;
    EXPECT_EQ(CheckBeforeCalculation(in), 20017) << "a diagonal-only sensor has no height";
    in.bits = kBitHorizontal;
    in.v = 4.8;
    EXPECT_EQ(CheckBeforeCalculation(in), 20017);
    in.h = 6.4;
    EXPECT_EQ(CheckBeforeCalculation(in), 0);
}

TEST(DetailResult, CodesWithoutAConfigurationRaise20009AndRangeCodesTheirHint) {
    EXPECT_EQ(MessageForCode(kCalcInfeasible, true), 20009);
    EXPECT_EQ(MessageForCode(kCalcNegativeDraw, false), 20009);
    EXPECT_EQ(MessageForCode(kCalcBelowRange, true), 20119);
    EXPECT_EQ(MessageForCode(kCalcAboveRange, true), 20120);
    EXPECT_EQ(MessageForCode(kCalcBelowRange, false), 0) << "the ring input raises no range hint";
    EXPECT_EQ(MessageForCode(kCalcOk, true), 0);
    EXPECT_EQ(MessageForCode(kCalcNoModel, true), 0);
    EXPECT_FALSE(IsShowable(kCalcInfeasible));
    EXPECT_FALSE(IsShowable(kCalcNegativeDraw));
    EXPECT_TRUE(IsShowable(kCalcBelowRange));
    EXPECT_TRUE(IsShowable(kCalcAboveRange));
}

TEST(DetailResult, RecordsTheEditsCannotShowCountAsNoConfiguration) {
    // QF-25M14 at 0.25x on 2/3" (the page's worked example), at the range end.
    tagLensCalcResult quarter{};
    quarter.FillRingTable();
    quarter.dMagnification[0] = 0.25;
    quarter.dFOV[0] = 44.0;
    quarter.dFocusDraw[0] = 1.25;
    quarter.dObjectToImage[0] = 154.25;
    quarter.dWD[0] = 100.474;
    quarter.dFno = 1.4;
    quarter.dEffectiveFno = 1.718182;
    quarter.dDOF = 2.199483;
    auto code = [](int calculated, const tagLensCalcResult& r) {
        return ShownCode(calculated, r, ResultFields(r, 8.8, 6.6, 11.0, true));
    };
    EXPECT_EQ(code(kCalcAboveRange, quarter), kCalcAboveRange);
    EXPECT_EQ(code(kCalcOk, quarter), kCalcOk);
    EXPECT_EQ(code(kCalcNegativeDraw, quarter), kCalcNegativeDraw);

    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* what;
        void (*change)(tagLensCalcResult&, double);
        double value;
        int expected;
    };
    const Case cases[] = {
        // Not finite, shown or not.
        {"F-number", [](tagLensCalcResult& r, double x) { r.dFno = x; }, inf, kCalcInfeasible},
        {"far WD", [](tagLensCalcResult& r, double x) { r.dWD[2] = x; }, -inf, kCalcInfeasible},
        {"far field", [](tagLensCalcResult& r, double x) { r.dFOV[1] = x; },
         std::numeric_limits<double>::quiet_NaN(), kCalcInfeasible},
        // Finite but beyond 1e12, in an edit the result writes.
        {"magnification", [](tagLensCalcResult& r, double x) { r.dMagnification[0] = x; }, 1e300, kCalcInfeasible},
        {"O/I", [](tagLensCalcResult& r, double x) { r.dObjectToImage[0] = x; }, 2.5e13, kCalcInfeasible},
        {"WD", [](tagLensCalcResult& r, double x) { r.dWD[0] = x; }, -1.000001e12, kCalcInfeasible},
        {"effective F", [](tagLensCalcResult& r, double x) { r.dEffectiveFno = x; }, 1.27e301, kCalcInfeasible},
        {"DOF", [](tagLensCalcResult& r, double x) { r.dDOF = x; }, 1e300, kCalcInfeasible},
        // 44e12 * 8.8 / 11 = 3.52e13 horizontal.
        {"field", [](tagLensCalcResult& r, double x) { r.dFOV[0] = x; }, 44e12, kCalcInfeasible},
        // 1e12 itself is shown ("1000000000000.000").
        {"WD at the limit", [](tagLensCalcResult& r, double x) { r.dWD[0] = x; }, 1e12, kCalcAboveRange},
        // Values the result does not write: a negative depth of field (its
        // edit is emptied) and far ends.
        {"negative DOF", [](tagLensCalcResult& r, double x) { r.dDOF = x; }, -1e300, kCalcAboveRange},
        {"far WD", [](tagLensCalcResult& r, double x) { r.dWD[2] = x; }, 1e300, kCalcAboveRange},
    };
    for (const Case& c : cases) {
        tagLensCalcResult r = quarter;
        c.change(r, c.value);
        EXPECT_EQ(code(kCalcAboveRange, r), c.expected) << c.what;
    }
    // Without a magnification the geometry edits keep their text: their
    // values are not shown.
    tagLensCalcResult atInfinity{};
    atInfinity.dWD[0] = 1e300;
    EXPECT_EQ(code(kCalcOk, atInfinity), kCalcOk);
    atInfinity.dEffectiveFno = 1e300;
    EXPECT_EQ(code(kCalcOk, atInfinity), kCalcInfeasible);
}

TEST(DetailResult, FieldsOfViewFollowTheSensorAxesItHas) {
    tagLensCalcResult r{};
    r.FillRingTable();
    r.dFOV[0] = 44.0;
    r.dMagnification[0] = 0.25;
    r.nRingIndex = 10;
    Fields f = ResultFields(r, 8.8, 6.6, 11.0, true);
    EXPECT_DOUBLE_EQ(f.fovH, 35.2);  // 44 * 8.8 / 11
    EXPECT_DOUBLE_EQ(f.fovV, 26.4);  // 44 * 6.6 / 11
    EXPECT_DOUBLE_EQ(f.ring, 5.0);
    EXPECT_FALSE(ResultFields(r, 8.8, 6.6, 11.0, false).hasH);
    f = ResultFields(r, 0.0, 0.0, 14.34, true);  // a line sensor
    EXPECT_FALSE(f.hasH || f.hasV);
    f = ResultFields(r, 8.8, 6.6, 0.0, true);
    EXPECT_FALSE(f.hasH || f.hasV);
    EXPECT_EQ(f.fovH, 0.0);
}

TEST(DetailResult, WantedDepthOfFieldIsTooSmallWhenTheApertureWouldOpenBeyondTheLens) {
    EXPECT_TRUE(IsFnoTooSmall(kBitDOF, 1.4, 0.64));
    EXPECT_TRUE(IsFnoTooSmall(kBitDOF, 1.4, 1.4));
    EXPECT_FALSE(IsFnoTooSmall(kBitDOF, 1.4, 1.91));
    EXPECT_FALSE(IsFnoTooSmall(kBitDiagonal, 1.4, 0.64));
}

TEST(DetailResult, RingCautionsCarryTheLongestRing) {
    EXPECT_EQ(RingCaution(25.0), L"Caution: Select Close-Up Ring less than equal to 25.0 mm.");
    EXPECT_EQ(RingCaution(7.2), L"Caution: Select Close-Up Ring less than equal to 7.2 mm.");
    EXPECT_EQ(RingCaution(0.0), L"Caution: Set Close-Up Ring as 0 mm.");
    EXPECT_EQ(RingCaution(-1.0), L"Caution: Set Close-Up Ring as -1 mm.");
    EXPECT_EQ(FormatWithValue(L"no value", 3.0), L"no value");
    EXPECT_TRUE(IsCMountRingConflict(2.5, 1));
    EXPECT_TRUE(IsCMountRingConflict(4.999, 1));
    EXPECT_FALSE(IsCMountRingConflict(5.0, 1));
    EXPECT_FALSE(IsCMountRingConflict(2.4, 1));
    EXPECT_FALSE(IsCMountRingConflict(3.0, 2));
}

TEST(DetailMarker, PositionMovesTheMarkerAlong108PixelsFromTheFarEnd) {
    // Draw 3 mm: s = 108 / 3 * p = 36 p.
    EXPECT_EQ(MarkerX395(3.0, 0.0, 0), 503);
    EXPECT_EQ(MarkerX395(3.0, 0.0, 1), 395);
    EXPECT_EQ(MarkerX395(3.0, 3.0, 0), 395);
    EXPECT_EQ(MarkerX395(3.0, 3.0, 1), 503);
    EXPECT_EQ(MarkerX395(3.0, 1.28, 0), 457);  // 503 - 46.08 + 0.5 = 457.42
    EXPECT_EQ(MarkerX395(3.0, 1.28, 1), 441);  // 46.08 + 395 + 0.5 = 441.58
    // Beyond either end it stops there; a huge position does not overflow.
    EXPECT_EQ(MarkerX395(3.0, 9.0, 0), 395);
    EXPECT_EQ(MarkerX395(3.0, -1.0, 0), 503);
    EXPECT_EQ(MarkerX395(3.0, -1.0, 1), 395);
    EXPECT_EQ(MarkerX395(3.0, 1e300, 1), 503);
    EXPECT_EQ(MarkerX395(3.0, -1e300, 0), 503);
}

TEST(DetailMarker, LensWithoutDrawRangeKeepsTheMarkerAtItsStartAndThePositionAsTyped) {
    EXPECT_EQ(MarkerX395(0.0, 2.0, 0), 503);
    EXPECT_EQ(MarkerX395(0.0, 2.0, 1), 395);
    EXPECT_EQ(MarkerX395(-1.0, 2.0, 0), 503);
    EXPECT_FALSE(ForcesFocusLimit(0.0, 2.0));
    EXPECT_FALSE(ForcesFocusLimit(-1.0, 2.0));
    // With a range, only a position above its rounded limit is set back.
    EXPECT_DOUBLE_EQ(FocusLimit(1.2345), 1.235);
    EXPECT_DOUBLE_EQ(FocusLimit(1.2344), 1.234);
    EXPECT_TRUE(ForcesFocusLimit(3.0, 3.0004));
    EXPECT_FALSE(ForcesFocusLimit(3.0, 3.0));
}

TEST(DetailLists, RingListEndsAtTheFirstValueNotBelowTheLongestRing) {
    EXPECT_EQ(RingEntries(0.0), std::vector<std::wstring>{L"0.0"});
    EXPECT_EQ(RingEntries(-1.0), std::vector<std::wstring>{L"0.0"});
    const auto five = RingEntries(5.0);
    ASSERT_EQ(five.size(), 11u);
    EXPECT_EQ(five[1], L"0.5");
    EXPECT_EQ(five.back(), L"5.0");
    const auto odd = RingEntries(7.2);
    EXPECT_EQ(odd.size(), 16u);
    EXPECT_EQ(odd.back(), L"7.5");
    const auto all = RingEntries(100.0);
    ASSERT_EQ(all.size(), 201u);
    EXPECT_EQ(all.back(), L"100.0");
    EXPECT_EQ(RingEntries(250.0).size(), 201u);
}

TEST(DetailLists, SensorListHoldsTheCoveredSensorsOfTheLensClass) {
    std::vector<std::unique_ptr<CCCTVCCDData>> owned;
    owned.push_back(Sensor(L"1/2\"", 6.4, 4.8, 8.0, 1));
    owned.push_back(Sensor(L"2/3\"", 8.8, 6.6, 11.0, 1));
    owned.push_back(Sensor(L"1\"", 12.8, 9.6, 16.0, 1));
    owned.push_back(Sensor(L"I/F 8mm", 0.0, 0.0, 8.0, 2));
    std::vector<CCCTVCCDData*> sensors;
    for (const auto& s : owned) sensors.push_back(s.get());
    CCCTVData lens;
    lens.m_dImageCircle = 11.0;
    lens.m_nSpecialFlag = 1;
    auto covered = CoveredSensors(lens, sensors);
    ASSERT_EQ(covered.size(), 2u);
    EXPECT_EQ(covered[1]->m_strType, L"2/3\"");
    lens.m_nSpecialFlag = 3;
    EXPECT_EQ(CoveredSensors(lens, sensors).size(), 3u);

    const std::vector<std::wstring> entries = {L"1/2\"", L"2/3\"", L"1/2\""};
    EXPECT_EQ(SensorIndexToSelect(entries, L"1/2\"", false), 2) << "the last equal entry";
    EXPECT_EQ(SensorIndexToSelect(entries, L"1\"", false), 0);
    EXPECT_EQ(SensorIndexToSelect(entries, L"1\"", true), -1);
    EXPECT_EQ(SensorIndexToSelect({}, L"1\"", false), -1);
}

TEST(DetailLists, FNumbersComeFromTheBuiltInListOrTheDefault) {
    EXPECT_EQ(FnoEntries(L"QF-75M25"),
              (std::vector<std::wstring>{L"2.5", L"2.8", L"4.0", L"5.6", L"8.0", L"11.0", L"16.0", L"22.0"}));
    EXPECT_EQ(FnoEntries(L"QR-12M12-MC HR"), (std::vector<std::wstring>{L"1.2", L"2.0", L"2.8"}));
    const std::vector<std::wstring> defaults = {L"1.4", L"2.0", L"2.8", L"4.0", L"5.6", L"8.0", L"11.0", L"16.0"};
    EXPECT_EQ(FnoEntries(L"QE-60M56"), defaults) << "listed, but without a list of its own";
    EXPECT_EQ(FnoEntries(L"qf-75m25"), defaults) << "names match exactly";
    EXPECT_EQ(FnoEntries(L""), defaults);
}

TEST(DetailLists, HighResolutionMacroNamesHoldMcAndHr) {
    EXPECT_TRUE(IsMcHrModel(L"QR-25M28-MC HR"));
    EXPECT_TRUE(IsMcHrModel(L"HR-QR-MC"));
    EXPECT_FALSE(IsMcHrModel(L"QR-25M28-MC"));
    EXPECT_FALSE(IsMcHrModel(L"QR-25M28 HR"));
    EXPECT_FALSE(IsMcHrModel(L"QR-25M28-mc hr"));
}

TEST(DetailCatalogue, ModelTableCarriesItsListsAndFitsTheSampleCatalogue) {
    int ringless = 0, disabled = 0, restricted = 0, withFno = 0, endAt16 = 0;
    for (const lens_lists::LensEntry& e : lens_lists::Table()) {
        EXPECT_EQ(lens_lists::Find(e.model), &e) << "listed twice: " << quorrel::ToUtf8(e.model);
        ringless += (e.marks & lens_lists::kNoRingControls) != 0;
        disabled += (e.marks & lens_lists::kRingControlsDisabled) != 0;
        restricted += (e.marks & lens_lists::kRestrictedFovBoxes) != 0;
        EXPECT_FALSE(e.marks & lens_lists::kNoRingInResults);
        if (e.fnoList.empty()) continue;
        ++withFno;
        // An open F-number of the lens's own, then rising stops of the series.
        const double open = quorrel::ParseLeadingNumber(e.fnoList.front());
        EXPECT_GE(open, 1.2);
        EXPECT_LE(open, 5.1);
        double last = open;
        for (size_t i = 1; i < e.fnoList.size(); ++i) {
            const double stop = quorrel::ParseLeadingNumber(e.fnoList[i]);
            EXPECT_GT(stop, last);
            EXPECT_TRUE(e.fnoList[i] == L"2.0" || e.fnoList[i] == L"2.8" || e.fnoList[i] == L"4.0" ||
                        e.fnoList[i] == L"5.6" || e.fnoList[i] == L"8.0" || e.fnoList[i] == L"11.0" ||
                        e.fnoList[i] == L"16.0" || e.fnoList[i] == L"22.0");
            last = stop;
        }
        EXPECT_GE(last, 2.8);
        EXPECT_LE(last, 22.0);
        endAt16 += e.fnoList.back() == L"16.0";
    }
    EXPECT_EQ(ringless, 27);
    EXPECT_EQ(disabled, 1);
    EXPECT_EQ(restricted, 4);
    EXPECT_EQ(withFno, 121);
    EXPECT_GT(2 * endAt16, withFno) << "most lists end at 16.0";

    // Every sample lens without rings and focus draw is in the ringless list,
    // and a sample lens's built-in list opens at its catalogue F-number.
    ASSERT_EQ(SampleLenses().size(), 61u);  // the three discontinued lenses are not loaded
    for (const auto& lens : SampleLenses()) {
        const bool noFocus = lens->m_dMaxRingLength <= 0.0 && lens->m_dMaxDraw <= 0.0;
        const bool ringlessType = lens->m_nParamType == 10 || lens->m_nParamType == 11 ||
                                  lens->m_nParamType == 16 || lens->m_nParamType == 100;
        if (noFocus || ringlessType) {
            EXPECT_TRUE(lens_lists::HasMark(lens->m_strType, lens_lists::kNoRingControls))
                << quorrel::ToUtf8(lens->m_strType);
        }
        const lens_lists::LensEntry* e = lens_lists::Find(lens->m_strType);
        ASSERT_NE(e, nullptr);
        if (!e->fnoList.empty()) {
            EXPECT_DOUBLE_EQ(quorrel::ParseLeadingNumber(e->fnoList.front()),
                             quorrel::ParseLeadingNumber(lens->m_astrFno[0]));
        }
    }
}

TEST(DetailCatalogue, FixedMagnificationLensesAreCalculatedAtTheirOwnMagnification) {
    ASSERT_NE(SampleLens(L"QE-40M40"), nullptr);
    // QE-40M40 stores B = -0.5; QQ-25M28 (type 100) B = 0.25.
    FixedMagnification m = FixedMagnificationOf(*SampleLens(L"QE-40M40"), false);
    EXPECT_TRUE(m.isFixed);
    EXPECT_DOUBLE_EQ(m.magnification, 0.5);
    EXPECT_FALSE(FixedMagnificationOf(*SampleLens(L"QQ-25M28"), false).isFixed);
    m = FixedMagnificationOf(*SampleLens(L"QQ-25M28"), true);
    EXPECT_TRUE(m.isFixed);
    EXPECT_DOUBLE_EQ(m.magnification, 0.25);
    EXPECT_FALSE(FixedMagnificationOf(*SampleLens(L"QF-25M14"), true).isFixed);
    CCCTVData typeTenWithoutModel;  // a record of type 10 whose class has no model
    typeTenWithoutModel.m_nParamType = 10;
    EXPECT_FALSE(FixedMagnificationOf(typeTenWithoutModel, true).isFixed);
}
