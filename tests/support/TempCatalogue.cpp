#include "support/TempCatalogue.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <system_error>

#include "catalogue/CatalogueBuilder.h"
#include "platform/Text.h"

namespace quorrel::test {

namespace {

std::filesystem::path MakeTempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quorrel-cat-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        ADD_FAILURE() << "cannot create a temporary folder";
        return std::filesystem::temp_directory_path();
    }
    return pattern;
}

}  // namespace

CTempCatalogue::CTempCatalogue(const std::string& sqlUtf8, const std::wstring& password)
    : m_folder(MakeTempFolder()), m_file(m_folder / "catalogue.mdb") {
    std::wstring error;
    if (!BuildCatalogue(FromUtf8(m_file.string()), sqlUtf8, password, &error))
        ADD_FAILURE() << "catalogue did not build: " << ToUtf8(error);
}

CTempCatalogue::~CTempCatalogue() {
    std::error_code ec;
    if (m_folder != std::filesystem::temp_directory_path())
        std::filesystem::remove_all(m_folder, ec);
}

std::wstring CTempCatalogue::Path() const { return FromUtf8(m_file.string()); }

std::wstring SampleCataloguePath(const std::wstring& fileName) {
    return FromUtf8((std::filesystem::current_path() / ToUtf8(fileName)).string());
}

}  // namespace quorrel::test
