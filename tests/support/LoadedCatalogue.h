// Loading a small catalogue in a test.
//
// COpenCatalogue builds a catalogue from SQL, opens it and records every
// message shown while it lives. Load runs one loader on such a catalogue
// and keeps what it appended, its result and its messages:
//
//   auto l = Load(kSchema + rows, &CCatalogDatabase::LoadLensTable);
//   EXPECT_TRUE(l.ok);
//   EXPECT_EQ(Field(l.rows, &CCCTVData::m_strType), (Texts{L"A", L"B"}));
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/CCatalogDatabase.h"
#include "platform/Message.h"
#include "support/TempCatalogue.h"

namespace quorrel::test {

using Texts = std::vector<std::wstring>;

class COpenCatalogue {
public:
    explicit COpenCatalogue(const std::string& sqlUtf8,
                            const std::wstring& password = CTempCatalogue::kLensPassword)
        : m_file(sqlUtf8, password) {
        EXPECT_TRUE(db.Open(m_file.Path(), password)) << "the catalogue did not open";
    }
    const CTempCatalogue& File() const { return m_file; }

private:
    CTempCatalogue m_file;  // built before, removed after the connection

public:
    CMessageRecorder messages;
    CCatalogDatabase db;
};

template <class T>
struct CLoaded {
    bool ok = false;
    std::vector<std::unique_ptr<T>> rows;
    Texts messages;
};

template <class T>
CLoaded<T> Load(const std::string& sqlUtf8,
                bool (CCatalogDatabase::*loader)(std::vector<std::unique_ptr<T>>&),
                const std::wstring& password = CTempCatalogue::kLensPassword) {
    COpenCatalogue cat(sqlUtf8, password);
    CLoaded<T> out;
    out.ok = (cat.db.*loader)(out.rows);
    out.messages = cat.messages.Texts();
    return out;
}

// One member of every record, in array order.
template <class T, class Base, class M>
std::vector<M> Field(const std::vector<std::unique_ptr<T>>& arr, M Base::*member) {
    std::vector<M> out;
    for (const auto& record : arr) out.push_back((*record).*member);
    return out;
}

// The first record whose member equals `value`, or nullptr.
template <class T, class Base, class M>
T* FindBy(const std::vector<std::unique_ptr<T>>& arr, M Base::*member, const M& value) {
    for (const auto& record : arr)
        if ((*record).*member == value) return record.get();
    return nullptr;
}

inline std::string ReadFileBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFileBytes(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace quorrel::test
