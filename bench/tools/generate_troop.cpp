// Writes a generated troop into a folder, for trying the program or a
// desktop benchmark on many scouts:
//   generate_troop FOLDER COUNT [--catalogs] [--large]
// COUNT scouts with their notes files; --catalogs adds the requirement
// catalogs, --large one more scout of about 2,000 lines. Dates are written in
// the short date format of the user's locale, as the program reads them.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "bench/GeneratedTroop.h"
#include "platform/core/DateTime.h"
#include "platform/core/Files.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: generate_troop FOLDER COUNT [--catalogs] [--large]\n");
        return 2;
    }
    const int count = std::atoi(argv[2]);
    std::filesystem::create_directories(argv[1]);
    std::filesystem::current_path(argv[1]);
    InitShortDateFormatFromLocale();
    generated::WriteTroop(count);
    for (int i = 3; i < argc; ++i) {
        if (std::strcmp(argv[i], "--catalogs") == 0) generated::WriteCatalogs();
        if (std::strcmp(argv[i], "--large") == 0) generated::WriteLargeScout(count);
    }
    return 0;
}
