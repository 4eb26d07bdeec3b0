// Makes the lens record of a catalogue row as the optical model class its
// parameter type selects.
#pragma once

#include <memory>

#include "optics/CCCTVData.h"

// Creates the record, assigns the columns and completes it: the ring limit
// starts at 100 mm and SetParameter then reads the parameter text (fitted
// models set their fixed constants instead); two classes complete themselves
// from the columns. Every record ends with its F-number list split. A
// parameter type without a class of its own gives the thin-lens model, which
// keeps the type as read.
std::unique_ptr<CCCTVData> CreateLensRecord(const tagLensColumns& columns);
