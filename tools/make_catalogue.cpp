// make_catalogue <out.mdb> <password> <source.sql>
//
// Builds one encrypted catalogue file from its SQL source; run by the build
// for every catalogue source under res/catalogue.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "catalogue/CatalogueBuilder.h"
#include "platform/Text.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_catalogue <out.mdb> <password> <source.sql>\n");
        return 2;
    }
    std::ifstream in(argv[3], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "make_catalogue: cannot read %s\n", argv[3]);
        return 1;
    }
    std::ostringstream sql;
    sql << in.rdbuf();

    std::wstring error;
    if (!quorrel::BuildCatalogue(quorrel::FromUtf8(argv[1]), sql.str(), quorrel::FromUtf8(argv[2]),
                                 &error)) {
        std::fprintf(stderr, "make_catalogue: %s: %s\n", argv[3], quorrel::ToUtf8(error).c_str());
        return 1;
    }
    return 0;
}
