// The illumination search without a window: the checks of the page's inputs
// with their messages, the masks, and the cells of a result row.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "illumination/LedSearch.h"
#include "illumination/LedTypes.h"
#include "illumination/LedVocabulary.h"

using namespace led_search;

namespace {

tagLedSearchInputs LensInputs(const wchar_t* h, const wchar_t* v, const wchar_t* wd, const wchar_t* eff) {
    tagLedSearchInputs in;
    in.nMode = kLensSpecMode;
    in.strFovH = h, in.strFovV = v, in.strLensWD = wd, in.strEffDiameter = eff;
    return in;
}

tagLedSearchInputs WDInputs(int axis, const wchar_t* area, const wchar_t* wd) {
    tagLedSearchInputs in;
    in.nMode = kIllumWDMode;
    in.strArea[static_cast<size_t>(axis)] = area;
    in.strIllumWD = wd;
    return in;
}

std::unique_ptr<CLedTypeData> Type(int number, const wchar_t* name = L"") {
    auto t = std::make_unique<CLedTypeData>();
    t->m_nTypeNum = number, t->m_strTypeNameEN = name;
    return t;
}

}  // namespace

TEST(LedSearchDecision, KeepsTheLensValuesReadAndSearchesTheDiagonalAsWritten) {
    struct Case {
        const char* what;
        tagLedSearchInputs in;
        int message;
        const wchar_t* fovD;  // written into the diagonal edit
        double searchedFovD, lensWD, effDiameter;
    };
    const Case cases[] = {
        {"no vertical field", LensInputs(L"3", L"", L"100", L"20"), kMsgNoFov, L"", -1, -1, -1},
        {"no lens WD: the diagonal is written first", LensInputs(L"3", L"4", L"", L"20"), kMsgNoLensWD, L"5.00",
         5, -1, -1},
        {"no effective diameter", LensInputs(L"3", L"4", L"100", L""), kMsgNoEffDiameter, L"5.00", 5, 100, -1},
        // 14.1421... is written "14.14" and searched as shown.
        {"searched", LensInputs(L"10", L"10", L"150", L"23.46"), 0, L"14.14", 14.14, 150, 23.46},
        {"a text that is no number reads 0", LensInputs(L".", L".", L".", L"."), 0, L"0.00", 0, 0, 0},
        {"working-distance mode reads no lens", WDInputs(1, L"20", L"30"), 0, L"", -1, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const tagLedSearchDecision d = DecideSearch(c.in, {});
        EXPECT_EQ(d.nMessage, c.message);
        EXPECT_EQ(d.strFovD, c.fovD);
        EXPECT_EQ(d.request.dFovD, c.searchedFovD);
        EXPECT_EQ(d.request.dLensWD, c.lensWD);
        EXPECT_EQ(d.request.dEffDiameter, c.effDiameter);
    }
}

TEST(LedSearchMasks, TypesColoursAndControlMethods) {
    std::vector<std::unique_ptr<CLedTypeData>> owned;
    for (int n : {1, 11, 12, 8, 11, 0, 32}) owned.push_back(Type(n));
    std::vector<CLedTypeData*> types;
    for (const auto& t : owned) types.push_back(t.get());
    const struct {
        std::vector<bool> ticks;
        int mask;
    } typeCases[] = {
        {{true, true, true, true, false, false, false}, 1 | 1024 | 2048 | 128},
        {{false, true, false, false, true, false, false}, 1024},  // one number ticked twice: one bit
        {{false, false, false, false, false, true, true}, 0},     // numbers without a bit
        {{false, false, false, false, false, false, false}, 0},
        {{true}, 1},  // fewer ticks than types
    };
    for (const auto& c : typeCases) EXPECT_EQ(TypeMask(types, c.ticks), c.mask);

    EXPECT_EQ((std::vector<int>{ColorMask(true, {}), ColorMask(false, {true, false, true, false, false, true}),
                                ColorMask(false, {})}),
              (std::vector<int>{63, 1 | 4 | 32, 0}));
    EXPECT_EQ((std::vector<int>{ControlMethodMask(true, {}), ControlMethodMask(false, {true, false}),
                                ControlMethodMask(false, {false, true}), ControlMethodMask(false, {})}),
              (std::vector<int>{3, 1, 2, 0}));
}

TEST(LedSearchRows, CellsOfCatalogueAndMadeToOrderLights) {
    // A ring at 10..150 whose H area 0.0008 x^2 + 0.9 x + 40 covers 20 mm
    // at every WD: from WD 30 it is usable up to 150.
    auto ring = std::make_unique<CLedData_DirectRing>();
    ring->ProductName = L"QR-T1", ring->Type = 1, ring->Color = 4;
    ring->MaxRatedCurrent = 0.126, ring->Power = 1e-9;
    ring->Controller = L"QP-CV24-2", ring->ControlMethod = L"CV";
    ring->MinWD = 10, ring->MaxWD = 150;
    ring->WD_H_b = 0.0008, ring->WD_H_c = 0.9, ring->WD_H_d = 40;
    ring->InternalDiameter = 30, ring->Height = 18;
    // A made-to-order back light of a colour and a type the lists lack,
    // with a name longer than a cell holds.
    auto back = std::make_unique<CLedData_BackLight>();
    back->ProductName = std::wstring(70, L'K'), back->Type = 8, back->Color = 6, back->MTO = 1;
    back->MaxRatedCurrent = 0.0, back->Power = 19.2, back->ControlMethod = L"CC";
    back->WD_H_d = 200, back->WD_V_d = 150, back->WD_D_d = 250;
    const std::vector<CLedData*> lights{ring.get(), back.get()};

    auto ringType = Type(1, L"Ring light");
    CLedColorData white;
    white.m_nColorNum = 4, white.m_strColorNameEN = L"White";
    const std::vector<CLedTypeData*> types{ringType.get()};
    const std::vector<CLedColorData*> colors{&white};

    tagLedSearchRequest q;
    q.nTypeMask = 1 | 128, q.nColorMask = 63, q.nControlMask = 3;
    q.dIllumWD = 30, q.dAreaH = 20;
    std::vector<tagLedSearchRow> rows(5);  // rows of an earlier search
    ASSERT_EQ(SearchLights(lights, q, rows), 2);
    ASSERT_EQ(rows.size(), 2u);
    const std::wstring english = L"EN";
    const tagLedNameLists names{types, colors, english};
    tagLedCells cells;
    FormatRow(rows[0], names, cells);
    EXPECT_EQ(cells, (tagLedCells{L"QR-T1", L"Ring light", L"White", L"0.13", L"--", L"30.00 - 150.00",
                                  L"QP-CV24-2", L"CV", L""}));
    EXPECT_EQ(RowImage(rows[0]), kImageCatalogue);
    FormatRow(rows[1], names, cells);
    EXPECT_EQ(cells, (tagLedCells{std::wstring(63, L'K'), L"", L"", L"--", L"19.20", L"--", L"", L"CC", L""}));
    EXPECT_EQ(RowImage(rows[1]), kImageMadeToOrder);

    // A light that does not fit makes no row.
    q.nTypeMask = 128;
    EXPECT_EQ(SearchLights(lights, q, rows), 1);
    EXPECT_EQ(rows[0].pLight, back.get());
    EXPECT_EQ(FindLight(lights, std::wstring(70, L'K')), back.get());
    EXPECT_EQ(FindLight(lights, std::wstring(63, L'K')), nullptr);
}
