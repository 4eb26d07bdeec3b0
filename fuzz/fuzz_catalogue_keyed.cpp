// Fuzz target: the catalogue loaders on damaged copies of the three sample
// catalogue files, encrypted with their passwords.
//
// The files are built once from res/catalogue. Input: byte 0 picks the file;
// bytes 1-4 (little-endian) are the length it is cut to (beyond its size:
// not cut); then every five bytes are a place (four bytes, taken modulo the
// length) and a mask XORed into the byte there.
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "catalogue/CatalogueBuilder.h"
#include "fuzz/FuzzCatalogue.h"

using namespace quorrel::fuzz;

namespace {

struct KeyedFile {
    const char* source;
    const wchar_t* password;
    std::string bytes;
};

KeyedFile g_files[] = {
    {"quorrel_cctv.sql", L"4817qz", {}},
    {"quorrel_tkl.sql", L"4817qz", {}},
    {"quorrel_led.sql", L"3062mh", {}},
};

std::string ReadAll(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

uint32_t Read32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    for (KeyedFile& f : g_files) {
        const auto sqlPath = std::filesystem::path(QUORREL_CATALOGUE_SOURCES) / f.source;
        const auto built = WorkFolder() / "built.db";
        std::wstring error;
        if (!quorrel::BuildCatalogue(built.wstring(), ReadAll(sqlPath), f.password, &error)) {
            std::fprintf(stderr, "fuzz_catalogue_keyed: %s does not build\n", sqlPath.c_str());
            std::abort();
        }
        f.bytes = ReadAll(built);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 5) return 0;
    const KeyedFile& f = g_files[data[0] % std::size(g_files)];
    std::string bytes = f.bytes.substr(0, Read32(data + 1));
    if (!bytes.empty())
        for (size_t i = 5; i + 5 <= size; i += 5)
            bytes[Read32(data + i) % bytes.size()] ^= static_cast<char>(data[i + 4]);

    const auto path = WorkFolder() / "damaged.db";
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    LoadEverything(path, f.password);
    return 0;
}
