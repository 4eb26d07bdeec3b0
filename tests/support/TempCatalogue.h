// Test helpers for the catalogue layer.
//
// CTempCatalogue writes a small encrypted catalogue file from SQL text into a
// fresh temporary folder (with the same builder the build uses for the
// sample catalogue) and removes the folder when it goes out of scope:
//
//   CTempCatalogue cat("CREATE TABLE Color(ColorNum INTEGER, ColorNameEN TEXT);"
//                      "INSERT INTO Color VALUES (1, 'White');");
//   CCatalogDatabase db;
//   ASSERT_TRUE(db.Open(cat.Path(), CTempCatalogue::kLensPassword));
//
// The SQL must build; a build failure fails the test (ADD_FAILURE with the
// SQLCipher text) and leaves no file at Path().
//
// SampleCataloguePath names a catalogue built by the default build beside
// the program; the test programs run with the build folder as their working
// directory.
#pragma once

#include <filesystem>
#include <string>

namespace quorrel::test {

class CTempCatalogue {
public:
    static constexpr const wchar_t* kLensPassword = L"4817qz";   // quorrel_cctv, quorrel_tkl
    static constexpr const wchar_t* kLedPassword = L"3062mh";    // quorrel_led

    explicit CTempCatalogue(const std::string& sqlUtf8,
                            const std::wstring& password = kLensPassword);
    ~CTempCatalogue();
    CTempCatalogue(const CTempCatalogue&) = delete;
    CTempCatalogue& operator=(const CTempCatalogue&) = delete;

    // Full path of the catalogue file.
    std::wstring Path() const;
    const std::filesystem::path& FsPath() const { return m_file; }
    // The temporary folder, for further files a test wants to put beside it.
    const std::filesystem::path& Folder() const { return m_folder; }

private:
    std::filesystem::path m_folder;
    std::filesystem::path m_file;
};

// "quorrel_cctv.mdb" -> <working directory>/quorrel_cctv.mdb
std::wstring SampleCataloguePath(const std::wstring& fileName);

}  // namespace quorrel::test
