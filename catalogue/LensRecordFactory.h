// Makes the lens record of a catalogue row as the optical model class its
// parameter type selects.
#pragma once

#include <memory>

#include "optics/CCCTVData.h"

// Creates the record, assigns the columns and completes it by the class's
// kind: parameter-text models get a ring limit of 100 mm and read their text;
// fitted models get their fixed constants; two classes complete themselves
// from the columns. Every record ends with its F-number list split. A
// parameter type without a class of its own gives the thin-lens model, which
// keeps the type as read.
std::unique_ptr<CCCTVData> CreateLensRecord(const tagLensColumns& columns);
