#include "optics/CCCTVData.h"

#include <cmath>

#include "optics/ModelMath.h"
#include "platform/Numbers.h"

void tagLensCalcResult::FillRingTable() {
    dRing[0] = 0.0;
    for (int i = 1; i < kRingCount; ++i) dRing[i] = dRing[i - 1] + 0.5;
}

void tagLensCalcResult::PresetForSearch() {
    for (int i = 0; i < 3; ++i) {
        dFOV[i] = dMagnification[i] = dExtension[i] = -1.0;
        dObjectToImage[i] = dWD[i] = dFocusDraw[i] = -1.0;
    }
    nValid = nMinValid = nMaxValid = nRingIndex = 0;
    FillRingTable();
}

bool tagLensCalcResult::AllFinite() const {
    const double* triples[] = {dFOV, dMagnification, dExtension, dObjectToImage, dWD, dFocusDraw};
    for (const double* t : triples)
        for (int i = 0; i < 3; ++i)
            if (!std::isfinite(t[i])) return false;
    return std::isfinite(dFno) && std::isfinite(dEffectiveFno) && std::isfinite(dDOF);
}

int CCCTVData::CalcOptics(double, double, int, tagLensCalcResult&, double, double, double, double) {
    return kCalcNoModel;
}

int CCCTVData::Calc(double sensor, double value, int mode, tagLensCalcResult& result, double fno,
                    double wantedDOF, double coc, double draw) {
    const int code = CalcOptics(sensor, value, mode, result, fno, wantedDOF, coc, draw);
    return code == kCalcOk ? optics::SuccessIfFinite(result) : code;
}

double CCCTVData::GetParamValue(const std::wstring& text, int start, int& comma) {
    comma = -1;
    if (start >= 0 && static_cast<size_t>(start) <= text.size()) {
        const size_t found = text.find(L',', static_cast<size_t>(start));
        if (found != std::wstring::npos) comma = static_cast<int>(found);
    }
    if (comma == -1) return -1.0;
    if (comma == start) return -1.0;  // empty token
    return quorrel::ParseLeadingNumber(
        std::wstring_view(text).substr(static_cast<size_t>(start), static_cast<size_t>(comma - start)));
}

double CCCTVData::EvalPolynomial(int n, const double* c, double x) {
    double sum = 0.0;
    for (int i = 0; i < n; ++i) sum += c[i] * std::pow(x, n - 1 - i);
    return sum;
}

void CCCTVData::AssignColumns(const tagLensColumns& c) {
    m_strType = c.strType;
    m_nParamType = c.nParamType;
    m_strCatalogJP = c.strCatalogJP;
    m_strCatalogEN = c.strCatalogEN;
    m_strCatalogCN = c.strCatalogCN;
    m_strParameter = c.strParameter;
    m_dPixelSize = c.dPixelSize;
    m_strMountType = c.strMountType;
    m_nSpecialFlag = c.nSpecialFlag;
    m_nDrawoutDirection = c.nDrawoutDirection;
    m_strFno = c.strFno;
}

void CCCTVData::SplitFnoList() {
    m_nFnoCount = 0;
    for (;;) {
        const size_t comma = m_strFno.find(L',');
        if (comma == std::wstring::npos) break;
        if (m_nFnoCount < kMaxFno) m_astrFno[m_nFnoCount++] = m_strFno.substr(0, comma);
        m_strFno.erase(0, comma + 1);
    }
    if (!m_strFno.empty() && m_nFnoCount < kMaxFno) m_astrFno[m_nFnoCount++] = m_strFno;
}
