// Extra data of one telecentric lens (one row of the lens-extra table): the
// distortion the data-sheet page shows, and values kept as read.
#pragma once

#include <string>

class CTKLExtraData {
public:
    CTKLExtraData() = default;
    virtual ~CTKLExtraData() = default;
    CTKLExtraData(const CTKLExtraData&) = delete;
    CTKLExtraData& operator=(const CTKLExtraData&) = delete;

    std::wstring LENS_Type;       // model name of the lens the row belongs to
    std::wstring REARCON_Type;    // rear-converter kind; "--" for the lens alone
    std::wstring CCD_Type;        // stored only
    double Telecentricity = 0.0;  // stored only
    double Distortion = 0.0;      // largest optical distortion, %
    double RelativeIllum = 0.0;   // stored only
    double MagMin = 0.0;          // stored only
    double MagMax = 0.0;          // stored only
};
