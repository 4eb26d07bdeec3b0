// A telecentric catalogue row that fails while it is read leaves no record
// behind: neither in the array nor as an orphan on the heap.
//
// This program counts the blocks the global operator new hands out and gets
// back. A failing load is run once to warm up every cache it touches; after
// that, a failing load followed by clearing the array must return the count
// to where it was.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "catalogue/CCatalogDatabase.h"
#include "platform/Message.h"
#include "support/TempCatalogue.h"
#include "telecentric/CTKLData.h"
#include "telecentric/CTKLExtraData.h"

namespace {
std::atomic<long> g_liveBlocks{0};
}  // namespace

void* operator new(std::size_t size) {
    void* p = std::malloc(size ? size : 1);
    if (!p) throw std::bad_alloc();
    ++g_liveBlocks;
    return p;
}

void operator delete(void* p) noexcept {
    if (!p) return;
    --g_liveBlocks;
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

using quorrel::CMessageRecorder;
using quorrel::test::CTempCatalogue;

namespace {

const char kFailingCatalogue[] =
    "CREATE TABLE LENS (ID INTEGER PRIMARY KEY, Type TEXT, Discontinued INTEGER,"
    " SpecialFlag INTEGER, MountType TEXT, CatalogCN TEXT, CatalogEN TEXT, CatalogJP TEXT,"
    " RearconRecommend INTEGER, EFDI REAL, Mount REAL);"
    "INSERT INTO LENS VALUES (1, 'TKL1-65_65D', 0, 1, 'C', 'cn', 'en', 'jp', 0, 20.0, 'x');"
    "CREATE TABLE LENS_EXTRA (ID INTEGER PRIMARY KEY, LENS_Type TEXT, REARCON_Type TEXT,"
    " CCD_Type TEXT, Telecentricity REAL, Distortion REAL, RelativeIllum REAL, MagMin REAL,"
    " MagMax REAL);"
    "INSERT INTO LENS_EXTRA VALUES (1, 'TKL1-65_65D', '--', '1\"', 0.03, 'x', 94, 1, 1);";

// Live blocks left over by one failing load whose records are then dropped.
template <typename Array, typename Load>
long BlocksLeftByFailingLoad(Array& arr, CMessageRecorder& messages, Load load) {
    const long before = g_liveBlocks.load();
    const bool ok = load(arr);
    arr.clear();
    messages.Clear();
    return ok ? -1 : g_liveBlocks.load() - before;
}

}  // namespace

TEST(TKLLoaderOwnership, FailingRowsLeaveNoRecordBehind) {
    CTempCatalogue cat(kFailingCatalogue);
    CMessageRecorder messages;
    CCatalogDatabase db;
    ASSERT_TRUE(db.Open(cat.Path(), CTempCatalogue::kLensPassword));

    std::vector<std::unique_ptr<CTKLData>> lenses;
    std::vector<std::unique_ptr<CTKLExtraData>> extras;
    lenses.reserve(4);
    extras.reserve(4);
    auto loadLenses = [&](auto& arr) { return db.LoadTKLLensTable(arr); };
    auto loadExtras = [&](auto& arr) { return db.LoadTKLExtraTable(arr); };

    // Warm-up: the message list gets its storage, caches fill.
    BlocksLeftByFailingLoad(lenses, messages, loadLenses);
    BlocksLeftByFailingLoad(extras, messages, loadExtras);

    EXPECT_EQ(BlocksLeftByFailingLoad(lenses, messages, loadLenses), 0);
    EXPECT_EQ(BlocksLeftByFailingLoad(extras, messages, loadExtras), 0);

    // Both loads did fail on the bad value and appended nothing.
    EXPECT_FALSE(db.LoadTKLLensTable(lenses));
    EXPECT_FALSE(db.LoadTKLExtraTable(extras));
    EXPECT_TRUE(lenses.empty());
    EXPECT_TRUE(extras.empty());
    EXPECT_EQ(messages.Texts(), (std::vector<std::wstring>{L"Type mismatch.", L"Type mismatch."}));
}
