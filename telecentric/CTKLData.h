// One telecentric lens of the catalogue, with its hold length.
//
// A record is built once from the row of the telecentric lens table and never
// changes afterwards. The main dialog owns the records; the telecentric pages
// find a lens by its model name (Type).
#pragma once

#include <array>
#include <string>
#include <string_view>

// The column values of one telecentric lens row, in the order the record
// takes them. A catalogue row may stand for two lenses of one construction
// (two model names); both records are built from the same columns.
struct tagTKLColumns {
    std::wstring Kind;          // series name
    std::wstring SensorType;    // sensor-class label of the result list
    double Pmag = 0.0;          // paraxial magnification; may be negative, used as |Pmag|
    double Flength = 0.0;       // focal length, mm
    double Feff = 0.0;          // effective F-number
    double NA = 0.0;            // numerical aperture
    double WD = 0.0;            // working distance, mm
    double OD = 0.0;            // length shown beside the working distance, mm
    double OI = 0.0;            // object-to-image distance, mm
    double L = 0.0;             // barrel length, mm
    double RS = 0.0;            // resolution, um
    double DOF = 0.0;           // depth of field, mm
    double LH = 0.0;            // optical data, stored only
    double LHP = 0.0;           // optical data, stored only
    double ENPP = 0.0;          // optical data, stored only
    double EXPP = 0.0;          // optical data, stored only
    double ENPD = 0.0;          // optical data, stored only
    double EXPD = 0.0;          // optical data, stored only
    double STO = 0.0;           // optical data, stored only
    double LB = 0.0;            // lens back, mm
    double LBd = 0.0;           // stored only
    double CCDLimit = 0.0;      // largest sensor diagonal covered ("Image Format"), mm
    double LBLimit = 0.0;       // stored only
    double HoldA = 0.0;         // holding drawing dimension A, mm
    double HoldB = 0.0;         // holding drawing dimension B, mm
    double HoldC = 0.0;         // holding drawing dimension C, mm
    double HoldD = 0.0;         // holding drawing dimension D, mm
    double Mount = 0.0;         // mount length, mm
    double EFDI = 0.0;          // effective diameter of the lens front, mm
    int RearconRecommend = 0;   // stored only
    std::wstring CatalogJP;     // catalogue document, Japanese
    std::wstring CatalogEN;     // catalogue document, English
    std::wstring CatalogCN;     // catalogue document, Chinese
    std::wstring MountType;     // stored only
    int SpecialFlag = 0;        // sensor classes accepted (bit mask)
};

// The lens is its catalogue columns under a model name, with the hold length
// they give.
class CTKLData : public tagTKLColumns {
public:
    // The four lenses of the catalogue that are held without a holding
    // section: their hold length is 0 whatever their dimensions say.
    static const std::array<std::wstring_view, 4> kNoHoldLengthTypes;

    // Copies the columns and derives the hold length.
    CTKLData(std::wstring type, const tagTKLColumns& columns);
    virtual ~CTKLData() = default;
    CTKLData(const CTKLData&) = delete;
    CTKLData& operator=(const CTKLData&) = delete;

    std::wstring Type;          // model name; pages find the lens by it
    double HoldLength = 0.0;    // length of the holding section, mm; 0.0 when none

private:
    // 0.0 for the GUX series and for the lenses of kNoHoldLengthTypes, else
    // the barrel length less the front part (HoldC) and the mount.
    static double ComputeHoldLength(const std::wstring& type, const std::wstring& kind, double L,
                                    double holdC, double mount);
};
