// The lens search without a window: which lenses are calculated and kept,
// and the texts of their rows.
//
// The thin-lens test lenses have f = 25, H = 0, a = 30, focus draw X = 5,
// image circle 11 and e0 = 0 (QT-A) or 0.5 (QT-B). With
//   L(beta) = (beta + 2 + 1/beta) f + H,  E(beta) = beta f - e0,
//   WD = L - a - 17.526 - E
// a 2/3" sensor (D 11, H 8.8, V 6.6) and a 100 mm horizontal field give
//   beta = 11 / (11 * 100 / 8.8) = 11 / 125 = 0.088, diagonal field 125,
//   vertical field 75; QT-A: E = 2.2 (no ring), WD = 336.2909 - 49.726
//   = 286.565; far end beta = 0 (no far limit: "+∞"); near end beta = 5/25
//   = 0.2, field 55, WD = 180 - 47.526 - 5 = 127.474.
//   QT-B: E = 1.7, WD = 287.065; far end beta = 0.5/25 = 0.02, field 550,
//   WD = 1300.5 - 47.526 = 1252.974; near end beta = 5.5/25 = 0.22, field
//   50, WD = 169.1364 - 47.526 - 5 = 116.610.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "catalogue/CCatalogDatabase.h"
#include "catalogue/LensRecordFactory.h"
#include "lens_selection/LensSearch.h"
#include "optics/CCCTVData.h"
#include "platform/Message.h"
#include "tests/support/TempCatalogue.h"

using namespace lens_search;

namespace {

constexpr wchar_t kThinA[] = L"25,0,30,0,30,-7.474,0,1,1.4,5,100,11,0,0,30";
constexpr wchar_t kThinB[] = L"25,0,30,0,30,-7.474,0,1,1.4,5,100,11,0.5,0,30";
// Fixed magnification 0.5, WD 110.5, image circle 11.
constexpr wchar_t kFixed[] = L"-0.5,40,0,0,110.5,0,180,0,0,1.9,0,0,0,0,10,9,0,0,0,11,0,30";

using Row = std::array<std::wstring, kColumnCount>;

class LensSearch : public ::testing::Test {
protected:
    CCCTVData* Add(const std::wstring& name, int paramType, const std::wstring& parameter, int specialFlag = 1) {
        tagLensColumns c;
        c.strType = name;
        c.nParamType = paramType;
        c.strParameter = parameter;
        c.nSpecialFlag = specialFlag;
        c.strFno = L"1.4,2,2.8";
        m_owned.push_back(CreateLensRecord(c));
        m_lenses.push_back(m_owned.back().get());
        return m_lenses.back();
    }

    // A 2/3" sensor with both sizes known.
    static tagLensSearchRequest TwoThirds(int kind, double value) {
        tagLensSearchRequest q;
        q.dDiagonal = 11.0;
        q.dHorizontal = 8.8;
        q.dVertical = 6.6;
        q.nKind = kind;
        q.dValue = value;
        q.nSensorMask = 1;
        q.nSensorAxes = kAxesVH;
        return q;
    }

    std::vector<Row> Search(const tagLensSearchRequest& q, int* count = nullptr) {
        std::vector<tagLensSearchRow> rows;
        const int n = SearchLenses(m_lenses, q, rows);
        if (count) *count = n;
        std::vector<Row> out;
        for (const auto& r : rows) out.push_back(r.cells);
        EXPECT_EQ(n, static_cast<int>(rows.size()));
        return out;
    }

    std::vector<std::wstring> Models(const tagLensSearchRequest& q) {
        std::vector<std::wstring> names;
        for (const Row& r : Search(q)) names.push_back(r[kColModel]);
        return names;
    }

    std::vector<std::unique_ptr<CCCTVData>> m_owned;
    std::vector<CCCTVData*> m_lenses;
};

}  // namespace

TEST_F(LensSearch, HorizontalFieldRowsMatchTheThinLensRelations) {
    Add(L"QT-A", 1, kThinA);
    Add(L"QT-B", 1, kThinB);
    const std::vector<Row> rows = Search(TwoThirds(kHorizontalFov, 100.0));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (Row{L"QT-A", L"0.00", L"100.0(+\u221E-44.0)", L"75.0(+\u221E-33.0)", L"125.0(+\u221E-55.0)",
                            L"0.09(0.00-0.20)", L"286.6(+\u221E-127.5)", L""}));
    EXPECT_EQ(rows[1], (Row{L"QT-B", L"0.00", L"100.0(440.0-40.0)", L"75.0(330.0-30.0)", L"125.0(550.0-50.0)",
                            L"0.09(0.02-0.22)", L"287.1(1253.0-116.6)", L""}));
}

TEST_F(LensSearch, VerticalAndDiagonalFieldsAskTheSameMagnification) {
    Add(L"QT-A", 1, kThinA);
    const std::vector<Row> byHorizontal = Search(TwoThirds(kHorizontalFov, 100.0));
    // 75 mm vertical: 11 * 75 / 6.6 = 125 mm diagonal, as 100 mm horizontal.
    EXPECT_EQ(Search(TwoThirds(kVerticalFov, 75.0)), byHorizontal);
    EXPECT_EQ(Search(TwoThirds(kDiagonalFov, 125.0)), byHorizontal);
}

TEST_F(LensSearch, MagnificationNeedingARingShowsTheRingAndItsRange) {
    Add(L"QT-A", 1, kThinA);
    // beta 0.3: E = 7.5 > X = 5; the search stops at ring index 5, which
    // becomes the 5.0 mm ring; draw 2.5. Far end beta = 5/25 = 0.2 (field 55,
    // WD 180 - 47.526 - 5 = 127.474), near end beta = 10/25 = 0.4 (field 27.5,
    // WD 122.5 - 47.526 - 10 = 64.974); at 0.3: field 36.667,
    // WD 140.8333 - 47.526 - 7.5 = 85.807.
    const std::vector<Row> rows = Search(TwoThirds(kMagnification, 0.3));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (Row{L"QT-A", L"5.00", L"29.3(44.0-22.0)", L"22.0(33.0-16.5)", L"36.7(55.0-27.5)",
                            L"0.30(0.20-0.40)", L"85.8(127.5-65.0)", L""}));
}

TEST_F(LensSearch, WorkingDistanceRequestKeepsTheGivenDistance) {
    Add(L"QT-A", 1, kThinA);
    // WD 300: d = 300 + 30 - 7.474 - 25 = 297.526, beta = 25 / 297.526 =
    // 0.08403, diagonal field 130.91.
    const std::vector<Row> rows = Search(TwoThirds(kWorkingDistance, 300.0));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (Row{L"QT-A", L"0.00", L"104.7(+\u221E-44.0)", L"78.5(+\u221E-33.0)", L"130.9(+\u221E-55.0)",
                            L"0.08(0.00-0.20)", L"300.0(+\u221E-127.5)", L""}));
}

TEST_F(LensSearch, FixedMagnificationLensShowsSingleValues) {
    Add(L"QE-T", 10, kFixed);
    // Field 11 / 0.5 = 22; vertical 13.2, horizontal 17.6.
    const std::vector<Row> rows = Search(TwoThirds(kMagnification, 0.5));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (Row{L"QE-T", L"0.00", L"17.6", L"13.2", L"22.0", L"0.50", L"110.5", L""}));
    // 100 mm horizontal asks 0.088x, far outside its band: no row.
    int count = -2;
    EXPECT_TRUE(Search(TwoThirds(kHorizontalFov, 100.0), &count).empty());
    EXPECT_EQ(count, 0);
}

TEST_F(LensSearch, DiagonalOnlySensorLeavesTheVerticalAndHorizontalCellsEmpty) {
    Add(L"QT-A", 1, kThinA);
    tagLensSearchRequest q = TwoThirds(kDiagonalFov, 125.0);
    q.nSensorAxes = kAxesDiagonalOnly;
    const std::vector<Row> rows = Search(q);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][kColFovH], L"");
    EXPECT_EQ(rows[0][kColFovV], L"");
    EXPECT_EQ(rows[0][kColFovD], L"125.0(+\u221E-55.0)");
}

TEST_F(LensSearch, ImageCircleEqualToTheSensorDiagonalStays) {
    Add(L"QT-A", 1, kThinA);  // image circle 11
    tagLensSearchRequest q = TwoThirds(kDiagonalFov, 125.0);
    EXPECT_EQ(Models(q), std::vector<std::wstring>{L"QT-A"});
    q.dDiagonal = 11.000001;
    EXPECT_TRUE(Models(q).empty());
}

TEST_F(LensSearch, SensorMaskKeepsOnlyLensesSharingABit) {
    Add(L"QT-area", 1, kThinA, 1);
    Add(L"QT-line", 1, kThinA, 2);
    Add(L"QT-both", 1, kThinA, 3);
    tagLensSearchRequest q = TwoThirds(kDiagonalFov, 125.0);
    q.nSensorMask = 1;  // a typed-in sensor
    EXPECT_EQ(Models(q), (std::vector<std::wstring>{L"QT-area", L"QT-both"}));
    q.nSensorMask = 2;
    EXPECT_EQ(Models(q), (std::vector<std::wstring>{L"QT-line", L"QT-both"}));
}

TEST_F(LensSearch, WorkingDistanceWindowBoundsAreInclusive) {
    Add(L"QE-T", 10, kFixed);  // WD exactly 110.5
    tagLensSearchRequest q = TwoThirds(kMagnification, 0.5);
    q.dWDMin = 110.5;
    q.dWDMax = 200.0;
    EXPECT_EQ(Models(q).size(), 1u);
    q.dWDMin = 100.0;
    q.dWDMax = 110.5;
    EXPECT_EQ(Models(q).size(), 1u);
    q.dWDMin = 110.51;
    q.dWDMax = -1.0;  // no upper bound
    EXPECT_TRUE(Models(q).empty());
    q.dWDMin = 0.0;  // no lower bound
    q.dWDMax = 110.49;
    EXPECT_TRUE(Models(q).empty());
}

TEST_F(LensSearch, ZeroValueReturnsMinusOneAndLeavesTheRows) {
    Add(L"QT-A", 1, kThinA);
    std::vector<tagLensSearchRow> rows(1);
    rows[0].cells[kColModel] = L"earlier";
    tagLensSearchRequest q = TwoThirds(kHorizontalFov, 1e-9);
    EXPECT_EQ(SearchLenses(m_lenses, q, rows), -1);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].cells[kColModel], L"earlier");
    q.dValue = 0.0;
    EXPECT_EQ(SearchLenses(m_lenses, q, rows), -1);
    EXPECT_EQ(rows[0].cells[kColModel], L"earlier");
    // Just above the tolerance the search runs (and finds nothing so small).
    q.dValue = 2e-9;
    EXPECT_EQ(SearchLenses(m_lenses, q, rows), 0);
    EXPECT_TRUE(rows.empty());
}

TEST_F(LensSearch, RefusedLensesAreDroppedAndOrderIsCatalogueOrder) {
    Add(L"QT-3", 1, kThinA);
    Add(L"QT-far", 1, L"25,0,30,0,30,-7.474,0,1,1.4,5,2,11,0,0,30");  // rings up to 2 mm only
    Add(L"QT-1", 1, kThinA);
    Add(L"QT-2", 1, kThinB);
    // beta 0.3 needs the 5 mm ring: -3 for the lens limited to 2 mm rings.
    // QT-B (e0 0.5): E = 7.0, the slack -2 reaches 0 at ring index 4, so the
    // 2.0 mm ring with draw 5.0 = X: accepted.
    EXPECT_EQ(Models(TwoThirds(kMagnification, 0.3)), (std::vector<std::wstring>{L"QT-3", L"QT-1", L"QT-2"}));
}

TEST_F(LensSearch, ParameterTypeOutsideTheModelRangeIsNeverCalculated) {
    Add(L"QT-501", 501, kThinA);  // made as a thin lens, keeps type 501
    CCCTVData* zero = Add(L"QT-0", 0, kThinA);
    EXPECT_EQ(zero->m_nParamType, 0);
    tagLensCalcResult r;
    r.FillRingTable();
    const tagLensSearchRequest q = TwoThirds(kHorizontalFov, 100.0);
    EXPECT_EQ(CalcLensForSearch(*m_lenses[0], q, r), kLensNotCalculated);
    EXPECT_EQ(r.dWD[0], -1.0);  // preset, not calculated
    EXPECT_EQ(CalcLensForSearch(*zero, q, r), kLensNotCalculated);
    EXPECT_TRUE(Models(q).empty());
}

TEST_F(LensSearch, LensWithoutAModelOfItsOwnShowsItsPresetValues) {
    // A record of the base class returns 0, which the search keeps.
    auto bare = std::make_unique<CCCTVData>();
    bare->m_strType = L"QT-bare";
    bare->m_nParamType = 300;
    bare->m_dImageCircle = 11.0;
    m_lenses.push_back(bare.get());
    m_owned.push_back(std::move(bare));
    const std::vector<Row> rows = Search(TwoThirds(kHorizontalFov, 100.0));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (Row{L"QT-bare", L"0.00", L"+\u221E(+\u221E-+\u221E)", L"+\u221E(+\u221E-+\u221E)",
                            L"+\u221E(+\u221E-+\u221E)", L"-1.00(-1.00--1.00)", L"+\u221E(+\u221E-+\u221E)", L""}));
}

TEST_F(LensSearch, CalcLensForSearchPresetsTheRecordBeforeEachLens) {
    Add(L"QT-A", 1, kThinA);
    tagLensCalcResult r;
    r.FillRingTable();
    r.nMinValid = 1;
    r.nRingIndex = 7;
    r.dFOV[1] = 5.0;
    EXPECT_EQ(CalcLensForSearch(*m_lenses[0], TwoThirds(kHorizontalFov, 100.0), r), kCalcOk);
    EXPECT_EQ(r.nMinValid, 0);
    EXPECT_EQ(r.nRingIndex, 0);
    EXPECT_EQ(r.dFOV[1], -1.0);
    EXPECT_DOUBLE_EQ(r.dFOV[0], 125.0);
    EXPECT_EQ(r.dRing[200], 100.0);
}

TEST_F(LensSearch, CellsHoldAtMost63Characters) {
    // A model name of 70 characters keeps its first 63.
    const std::wstring longName = L"QT-" + std::wstring(67, L'x');
    Add(longName, 1, kThinA);
    Add(L"QT-A", 1, kThinA);
    const std::vector<Row> rows = Search(TwoThirds(kHorizontalFov, 100.0));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][kColModel], longName.substr(0, 63));
    EXPECT_EQ(rows[1][kColModel], L"QT-A");
}

TEST_F(LensSearch, RowsOfAnEarlierSearchAreReplaced) {
    Add(L"QT-A", 1, kThinA);
    Add(L"QT-B", 1, kThinB);
    std::vector<tagLensSearchRow> rows;
    EXPECT_EQ(SearchLenses(m_lenses, TwoThirds(kHorizontalFov, 100.0), rows), 2);
    tagLensSearchRequest q = TwoThirds(kHorizontalFov, 100.0);
    q.nSensorAxes = kAxesDiagonalOnly;
    q.dWDMax = 287.0;  // QT-B's 287.065 is out
    EXPECT_EQ(SearchLenses(m_lenses, q, rows), 1);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].cells[kColModel], L"QT-A");
    EXPECT_EQ(rows[0].cells[kColFovH], L"");  // no text left from the first search
}

TEST_F(LensSearch, LensesWhoseCellsCannotBeShownAreNotListed) {
    // A thin lens without rings (type 11: f 16, H -4, image circle 11), which
    // takes any field of view however large.
    Add(L"QT-N", 11, L"16,-4,35,0,35,5.526,0,1.5,1.4,1.5,0,11,20");
    struct Case {
        const char* what;
        double D, H, V;
        int kind;
        double value;
    };
    const Case unlisted[] = {
        // A catalogue format without a diagonal (a NULL Radial reads 0).
        {"no diagonal", 0.0, 8.8, 6.6, kMagnification, 0.1},
        {"no height", 11.0, 8.8, 0.0, kVerticalFov, 75.0},
        {"no width", 11.0, 0.0, 6.6, kHorizontalFov, 100.0},
        // 1e308 * 8.8 overflows in the horizontal cell.
        {"overflowing field", 11.0, 8.8, 6.6, kDiagonalFov, 1e308},
        // With all its digits it would be cut at 63 characters.
        {"field beyond 1e12", 11.0, 8.8, 6.6, kDiagonalFov, 1e100},
        // A field of 8e11 mm is shown, its working distance 1.16e12 mm not.
        {"working distance beyond 1e12", 11.0, 8.8, 6.6, kDiagonalFov, 8e11},
    };
    for (const Case& c : unlisted) {
        tagLensSearchRequest q = TwoThirds(c.kind, c.value);
        q.dDiagonal = c.D;
        q.dHorizontal = c.H;
        q.dVertical = c.V;
        EXPECT_TRUE(Search(q).empty()) << c.what;
    }
    // Up to the limit the row stays.
    const std::vector<Row> rows = Search(TwoThirds(kDiagonalFov, 1e11));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][kColFovD], L"100000000000.0(+\u221E-36.7)");
    EXPECT_EQ(rows[0][kColWD], L"145454545430.0(+\u221E-28.8)");
}

TEST_F(LensSearch, LensesWhoseObjectWouldSitInsideTheLensAreNotListed) {
    // QT-in is QT-A with H = -90: its working distance is 90 mm shorter,
    // -4.193 at 0.3x (ring 5 mm) and 37.474 at 0.2x.
    Add(L"QT-A", 1, kThinA);
    Add(L"QT-in", 1, L"25,-90,30,0,30,-7.474,0,1,1.4,5,100,11,0,0,30");
    const std::vector<Row> rows = Search(TwoThirds(kMagnification, 0.3));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (Row{L"QT-A", L"5.00", L"29.3(44.0-22.0)", L"22.0(33.0-16.5)", L"36.7(55.0-27.5)",
                            L"0.30(0.20-0.40)", L"85.8(127.5-65.0)", L""}));
    EXPECT_EQ(Models(TwoThirds(kMagnification, 0.2)), (std::vector<std::wstring>{L"QT-A", L"QT-in"}));

    // A fixed-magnification lens shows its catalogue distance as it is: a
    // zero, also one that shows as "-0.0", stays.
    const struct {
        const wchar_t* wd;
        const wchar_t* cell;  // nullptr: not listed
    } cases[] = {{L"0", L"0.0"}, {L"-0.04", L"-0.0"}, {L"-0.05", nullptr}, {L"-19.5", nullptr}};
    for (const auto& c : cases) {
        m_lenses.clear();
        Add(L"QE-T", 10, std::wstring(L"-0.5,40,0,0,") + c.wd + L",0,180,0,0,1.9,0,0,0,0,10,9,0,0,0,11,0,30");
        const std::vector<Row> fixed = Search(TwoThirds(kMagnification, 0.5));
        ASSERT_EQ(fixed.size(), c.cell ? 1u : 0u) << c.wd;
        if (c.cell) {
            EXPECT_EQ(fixed[0][kColWD], c.cell);
        }
    }
}

TEST(LensSearchOnTheSample, NoRowShowsANegativeWorkingDistance) {
    quorrel::CMessageRecorder messages;
    std::vector<std::unique_ptr<CCCTVData>> owned;
    CCatalogDatabase db;
    ASSERT_TRUE(db.Open(quorrel::test::SampleCataloguePath(L"quorrel_cctv.mdb"),
                        quorrel::test::CTempCatalogue::kLensPassword));
    ASSERT_TRUE(db.LoadLensTable(owned));
    std::vector<CCCTVData*> lenses;
    for (const auto& l : owned) lenses.push_back(l.get());

    // Horizontal fields of 5 to 400 mm on a 2/3" sensor, 12.5 mm among them.
    tagLensSearchRequest q;
    q.dDiagonal = 11.0;
    q.dHorizontal = 8.8;
    q.dVertical = 6.6;
    q.nKind = kHorizontalFov;
    q.nSensorMask = 1;
    q.nSensorAxes = kAxesVH;
    std::vector<tagLensSearchRow> rows;
    size_t listed = 0;
    for (double h = 5.0; h <= 400.0; h += 2.5) {
        q.dValue = h;
        SearchLenses(lenses, q, rows);
        listed += rows.size();
        for (const tagLensSearchRow& row : rows) {
            const std::wstring& wd = row.cells[kColWD];
            EXPECT_TRUE(wd[0] != L'-' || wd.rfind(L"-0.0(", 0) == 0) << h << " mm: " << row.cells[kColModel] << " " << wd;
        }
    }
    EXPECT_GT(listed, 1000u);  // the sweep does list lenses
}
