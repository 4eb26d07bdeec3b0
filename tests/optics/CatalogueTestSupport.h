// Helpers of the optics tests that go through the catalogue: the columns of
// a lens row for the record factory, the class check of a made record, and
// the built sample catalogue with its lenses found by ordinary searches as
// the lens search page makes them.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "catalogue/CCCTVCCDData.h"
#include "catalogue/CCatalogDatabase.h"
#include "optics/CCCTVData.h"
#include "platform/Text.h"
#include "tests/support/TempCatalogue.h"

namespace catalogue_test {

// A lens row of the given parameter type and text, flag 1, three F-numbers.
inline tagLensColumns Columns(int paramType, const std::wstring& parameter) {
    tagLensColumns c;
    c.strType = L"QT-" + std::to_wstring(paramType);
    c.nParamType = paramType;
    c.strParameter = parameter;
    c.nSpecialFlag = 1;
    c.strFno = L"2.8,4,5.6";
    return c;
}

// True when the record the factory made is of class T.
template <class T>
bool Is(const std::unique_ptr<CCCTVData>& lens) {
    return dynamic_cast<const T*>(lens.get()) != nullptr;
}

// The lenses and sensors of the sample catalogue, as the loaders read them.
struct SampleCatalogue {
    std::vector<std::unique_ptr<CCCTVData>> lenses;
    std::vector<std::unique_ptr<CCCTVCCDData>> sensors;

    CCCTVData* Lens(const std::wstring& name) const {
        for (const auto& l : lenses)
            if (l->m_strType == name) return l.get();
        return nullptr;
    }
    const CCCTVCCDData* Sensor(const std::wstring& name) const {
        for (const auto& s : sensors)
            if (s->m_strType == name) return s.get();
        return nullptr;
    }
};

// Opens the sample lens catalogue built beside the test program and loads
// its lens and sensor tables.
inline ::testing::AssertionResult LoadSampleCatalogue(SampleCatalogue& cat) {
    CCatalogDatabase db;
    if (!db.Open(quorrel::test::SampleCataloguePath(L"quorrel_cctv.mdb"),
                 quorrel::test::CTempCatalogue::kLensPassword))
        return ::testing::AssertionFailure() << "the sample lens catalogue does not open";
    if (!db.LoadLensTable(cat.lenses)) return ::testing::AssertionFailure() << "the lens table does not load";
    if (!db.LoadCCDTable(cat.sensors)) return ::testing::AssertionFailure() << "the sensor table does not load";
    return ::testing::AssertionSuccess();
}

enum SearchKind { kHorizontalFov = 1, kMagnification = 3, kWorkingDistance = 4 };

// An ordinary search: a sensor of the catalogue and one input.
struct Search {
    const wchar_t* sensor;
    SearchKind kind;
    double value;
};

// One lens of an ordinary search, as the lens search page makes it: the
// sensor must fit the lens and its class (else 99); the request is
// calculated on the sensor diagonal with F -1, no wanted depth of field,
// c 0.04 and draw 0, a horizontal field of view H given as D H / width.
inline int RunSearch(CCCTVData& lens, const CCCTVCCDData& sensor, const Search& s, tagLensCalcResult& r) {
    const double D = sensor.m_dRadial;
    if (D > lens.m_dImageCircle || (lens.m_nSpecialFlag & sensor.m_nSpecialFlag) == 0) return 99;
    r.PresetForSearch();
    int mode = kModeWorkingDistance;
    double value = s.value;
    if (s.kind == kHorizontalFov) {
        mode = kModeFieldOfView;
        value = D * s.value / sensor.m_dHorizontal;
    } else if (s.kind == kMagnification) {
        mode = kModeMagnification;
    }
    return lens.Calc(D, value, mode, r, -1.0, -1.0, 0.04, 0.0);
}

// The named lens is of the given parameter type, and the search finds it: a
// success with a computed, finite configuration in front of the lens, the
// working distance or field of view asked for.
inline void ExpectSearchFinds(const SampleCatalogue& cat, const wchar_t* lensName, int paramType,
                              const Search& search) {
    SCOPED_TRACE(quorrel::ToUtf8(lensName) + " with " + quorrel::ToUtf8(search.sensor));
    CCCTVData* lens = cat.Lens(lensName);
    const CCCTVCCDData* sensor = cat.Sensor(search.sensor);
    ASSERT_NE(lens, nullptr);
    ASSERT_NE(sensor, nullptr);
    EXPECT_EQ(lens->m_nParamType, paramType);
    tagLensCalcResult r;
    ASSERT_EQ(RunSearch(*lens, *sensor, search, r), kCalcOk);
    EXPECT_EQ(r.nValid, 1);
    EXPECT_GT(r.dWD[0], 0.0);
    EXPECT_GT(r.dMagnification[0], 0.0);
    EXPECT_TRUE(r.AllFinite());
    if (search.kind == kWorkingDistance) {
        EXPECT_EQ(r.dWD[0], search.value);
    }
    if (search.kind == kHorizontalFov) {
        EXPECT_NEAR(r.dFOV[0] * sensor->m_dHorizontal / sensor->m_dRadial, search.value, 1e-9);
    }
}

}  // namespace catalogue_test
