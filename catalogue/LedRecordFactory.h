// Makes the illumination record of a catalogue row as the class its Type
// selects, and reads the geometry of that class from the type's data table.
#pragma once

#include <functional>
#include <memory>

#include "illumination/CLedData.h"

class CCatalogDatabase;

// Completes one record from its type's data table on an open catalogue.
using LedSpecReader = std::function<void(CCatalogDatabase&)>;

// The record of a row of Common, as the class its Type selects (1, 11, 12
// direct ring; 2 low-angle ring; 3 shadowless ring; 5 simulated coaxial; 6
// bar; 7 simple dome; 8 back light), with the 28 values set and the type's
// own members 0. Any other Type gives no record (null). When `readSpec` is
// given it receives the reading of the new record's data table: it copies
// every value the query gives into the record, a missing row leaving -1.0 in
// the numbers.
std::unique_ptr<CLedData> CreateLedRecord(const tagLedCommonColumns& columns,
                                          LedSpecReader* readSpec = nullptr);
