// The illumination record a catalogue row becomes.
#include <gtest/gtest.h>

#include <tuple>
#include <typeinfo>

#include "catalogue/LedRecordFactory.h"
#include "illumination/LedTypes.h"

TEST(CreateLedRecord, TypeChoosesTheClassAndTheRecordKeepsTheRow) {
    const struct {
        int type;
        const std::type_info* cls;  // nullptr: no record
    } cases[] = {
        {1, &typeid(CLedData_DirectRing)},     {11, &typeid(CLedData_DirectRing)},
        {12, &typeid(CLedData_DirectRing)},    {2, &typeid(CLedData_LowAngleRing)},
        {3, &typeid(CLedData_ShadowlessRing)}, {5, &typeid(CLedData_SimCoaxial)},
        {6, &typeid(CLedData_Bar)},            {7, &typeid(CLedData_SimpleDome)},
        {8, &typeid(CLedData_BackLight)},      {0, nullptr},
        {4, nullptr},                          {9, nullptr},
        {10, nullptr},                         {13, nullptr},
        {40, nullptr},                         {-1, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        tagLedCommonColumns columns;
        columns.Type = c.type;
        columns.ProductName = L"QX-1";
        columns.MaxWD = 250;
        columns.WD_D_d = 60;
        const auto record = CreateLedRecord(columns);
        if (!c.cls) {
            EXPECT_EQ(record, nullptr);
            continue;
        }
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(typeid(*record), *c.cls);
        EXPECT_EQ(std::make_tuple(record->Type, record->ProductName, record->MaxWD, record->WD_D_d),
                  std::make_tuple(c.type, std::wstring(L"QX-1"), 250.0, 60.0));
    }
}
