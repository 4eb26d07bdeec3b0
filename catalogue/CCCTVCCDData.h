// One sensor format of the lens catalogue (a row of the table CCD).
#pragma once

#include <string>

class CCCTVCCDData {
public:
    CCCTVCCDData() = default;
    virtual ~CCCTVCCDData() = default;

    int m_nID = 0;               // catalogue key of the format
    double m_dHorizontal = 0.0;  // sensor width, mm
    double m_dVertical = 0.0;    // sensor height, mm
    double m_dRadial = 0.0;      // sensor diagonal, mm
    std::wstring m_strType;      // format name shown in the sensor lists
    int m_nAreaFlag = 0;         // bit 0: width and height meaningful; bit 1: diagonal meaningful
    int m_nSpecialFlag = 0;      // sensor-class mask; a lens suits the format when the masks share a bit
};
