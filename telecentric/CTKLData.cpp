#include "telecentric/CTKLData.h"

#include <algorithm>
#include <utility>

// Lenses of the sample catalogue without a holding section (res/catalogue/quorrel_tkl.sql).
const std::array<std::wstring_view, 4> CTKLData::kNoHoldLengthTypes = {
    L"QEV-035X",
    L"QEV-0.75X",
    L"TKL4-45D",
    L"LSC-1X-16K",
};

double CTKLData::ComputeHoldLength(const std::wstring& type, const std::wstring& kind, double L,
                                   double holdC, double mount) {
    if (kind == L"GUX") return 0.0;
    if (std::find(kNoHoldLengthTypes.begin(), kNoHoldLengthTypes.end(), type) !=
        kNoHoldLengthTypes.end())
        return 0.0;
    return L - holdC - mount;
}

CTKLData::CTKLData(std::wstring type, const tagTKLColumns& c)
    : Type(std::move(type)),
      Kind(c.Kind),
      SensorType(c.SensorType),
      Pmag(c.Pmag),
      Flength(c.Flength),
      Feff(c.Feff),
      NA(c.NA),
      WD(c.WD),
      OD(c.OD),
      OI(c.OI),
      L(c.L),
      RS(c.RS),
      DOF(c.DOF),
      LH(c.LH),
      LHP(c.LHP),
      ENPP(c.ENPP),
      EXPP(c.EXPP),
      ENPD(c.ENPD),
      EXPD(c.EXPD),
      STO(c.STO),
      LB(c.LB),
      LBd(c.LBd),
      CCDLimit(c.CCDLimit),
      LBLimit(c.LBLimit),
      HoldA(c.HoldA),
      HoldB(c.HoldB),
      HoldC(c.HoldC),
      HoldD(c.HoldD),
      Mount(c.Mount),
      EFDI(c.EFDI),
      RearconRecommend(c.RearconRecommend),
      CatalogJP(c.CatalogJP),
      CatalogEN(c.CatalogEN),
      CatalogCN(c.CatalogCN),
      MountType(c.MountType),
      SpecialFlag(c.SpecialFlag),
      HoldLength(ComputeHoldLength(Type, Kind, L, HoldC, Mount)) {}
