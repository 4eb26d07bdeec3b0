// Fuzz target: the readers of a telecentric model name. The whole input is
// one name, each byte one character.
//
// Checks: the general reader answers as the reader of the series the name
// names; a reader that finds nothing leaves the text as it was; the GUX
// reader always answers, with a point as its first or second character.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/FuzzText.h"
#include "telecentric/TelecentricNames.h"

using namespace quorrel::fuzz;

namespace {

void Fail(const char* what) {
    std::fprintf(stderr, "fuzz_telecentric_names: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::wstring name = Widen({reinterpret_cast<const char*>(data), size});
    const std::wstring untouched = L"untouched";

    (void)ModelNameHasD(name);

    using Reader = bool (*)(const std::wstring&, std::wstring&);
    const Reader series = name.find(L"QEV") != std::wstring::npos   ? ParseQevMagnification
                          : name.find(L"TKL") != std::wstring::npos ? ParseTklMagnification
                          : name.find(L"GUX") != std::wstring::npos ? ParseGuxMagnification
                                                                     : nullptr;
    std::wstring general = untouched;
    const bool found = ParseTelecentricMagnification(name, general);
    if (series) {
        std::wstring own = untouched;
        if (series(name, own) != found || own != general)
            Fail("the general reader differs from its series' reader");
    } else if (found || general != untouched) {
        Fail("a name of no series was read");
    }

    for (const Reader reader : {ParseQevMagnification, ParseTklMagnification}) {
        std::wstring text = untouched;
        if (!reader(name, text) && text != untouched) Fail("a failed read changed the text");
    }
    std::wstring gux;
    if (!ParseGuxMagnification(name, gux)) Fail("the GUX reader failed");
    if (gux.find(L'.') > 1) Fail("the GUX text has no point in front");
    return 0;
}
