#include "optics/ParamReader.h"

#include "optics/CCCTVData.h"
#include "platform/Numbers.h"

double CParamReader::Next() {
    int comma = -1;
    const double value = CCCTVData::GetParamValue(m_text, m_start, comma);
    m_start = comma + 1;  // 0 after a missing comma: read again from the start
    return value;
}

void CParamReader::Next(double* out, int count) {
    for (int i = 0; i < count; ++i) out[i] = Next();
}

void CParamReader::Next(std::initializer_list<double*> out) {
    for (double* value : out) *value = Next();
}

double CParamReader::Last() const {
    const size_t start = static_cast<size_t>(m_start);
    if (start >= m_text.size()) return -1.0;  // empty token
    return quorrel::ParseLeadingNumber(std::wstring_view(m_text).substr(start));
}

double CParamReader::NextOrLast() {
    int comma = -1;
    const double value = CCCTVData::GetParamValue(m_text, m_start, comma);
    if (comma == -1) return Last();
    m_start = comma + 1;
    return value;
}
