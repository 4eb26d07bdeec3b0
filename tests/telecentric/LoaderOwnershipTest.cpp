// A telecentric catalogue row that fails while it is read leaves no record
// behind: neither in the array nor as an orphan on the heap. This program
// counts the blocks the global operator new hands out and gets back; after a
// warm-up load (caches, the message list), a failing load followed by
// clearing its array must bring the count back to where it was.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "support/LoadedCatalogue.h"
#include "telecentric/CTKLData.h"
#include "telecentric/CTKLExtraData.h"

namespace {
std::atomic<long> g_liveBlocks{0};
}  // namespace

// Kept out of line: inlined into a caller, the pair would show gcc a block
// from operator new going to free, and a block from malloc to operator
// delete, and it would warn of a mismatch that is none.
[[gnu::noinline]] void* operator new(std::size_t size) {
    void* p = std::malloc(size ? size : 1);
    if (!p) throw std::bad_alloc();
    ++g_liveBlocks;
    return p;
}

[[gnu::noinline]] void operator delete(void* p) noexcept {
    if (!p) return;
    --g_liveBlocks;
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

// Both tables hold one split row whose second number read fails.
TEST(TKLLoaderOwnership, FailingRowsLeaveNoRecordBehind) {
    quorrel::test::COpenCatalogue cat(
        "CREATE TABLE LENS (ID INTEGER PRIMARY KEY, Type TEXT, Discontinued INTEGER,"
        " SpecialFlag INTEGER, MountType TEXT, CatalogCN TEXT, CatalogEN TEXT, CatalogJP TEXT,"
        " RearconRecommend INTEGER, EFDI REAL, Mount REAL);"
        "INSERT INTO LENS VALUES (1, 'TKL1-65_65D', 0, 1, 'C', 'cn', 'en', 'jp', 0, 20.0, 'x');"
        "CREATE TABLE LENS_EXTRA (ID INTEGER PRIMARY KEY, LENS_Type TEXT, REARCON_Type TEXT,"
        " CCD_Type TEXT, Telecentricity REAL, Distortion REAL, RelativeIllum REAL, MagMin REAL,"
        " MagMax REAL);"
        "INSERT INTO LENS_EXTRA VALUES (1, 'TKL1-65_65D', '--', '1\"', 0.03, 'x', 94, 1, 1);");
    std::vector<std::unique_ptr<CTKLData>> lenses;
    std::vector<std::unique_ptr<CTKLExtraData>> extras;
    lenses.reserve(4);
    extras.reserve(4);
    // Live blocks left by one failing load whose records are then dropped.
    auto leftBy = [&](auto& arr, auto loader) {
        const long before = g_liveBlocks.load();
        const bool ok = (cat.db.*loader)(arr);
        arr.clear();
        cat.messages.Clear();
        return ok ? -1 : g_liveBlocks.load() - before;
    };
    leftBy(lenses, &CCatalogDatabase::LoadTKLLensTable);  // warm-up
    leftBy(extras, &CCatalogDatabase::LoadTKLExtraTable);
    EXPECT_EQ(leftBy(lenses, &CCatalogDatabase::LoadTKLLensTable), 0);
    EXPECT_EQ(leftBy(extras, &CCatalogDatabase::LoadTKLExtraTable), 0);

    // Both loads did fail on the bad value and appended nothing.
    EXPECT_FALSE(cat.db.LoadTKLLensTable(lenses));
    EXPECT_FALSE(cat.db.LoadTKLExtraTable(extras));
    EXPECT_TRUE(lenses.empty());
    EXPECT_TRUE(extras.empty());
    EXPECT_EQ(cat.messages.Texts(), (quorrel::test::Texts{L"Type mismatch.", L"Type mismatch."}));
}
