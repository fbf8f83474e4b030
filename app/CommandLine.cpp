#include "app/CommandLine.h"

#include "app/Version.h"

#include <cstdio>
#include <cstring>

namespace CommandLine {

namespace {

const char kUsage[] =
    "Usage: slydra [-h | --help] [-v | --version] [Qt options]\n"
    "A sliding-tile puzzle: slide the letters, or your own picture, back in order.\n"
    "\n"
    "  -h, --help     show this help and exit\n"
    "  -v, --version  show the version and exit\n"
    "\n"
    "Qt's own options work as in any Qt program, for example -style NAME or -reverse.\n"
    "Grid size, animation and picture are set in the game under Tools > Options.\n";

} // namespace

int AnswerInfoOptions(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (!std::strcmp(argv[i], "--version") || !std::strcmp(argv[i], "-v")) {
            std::printf("slydra %s\n", kSlydraVersion);
            return 0;
        }
    }
    return -1;
}

int RejectLeftovers(int argc, char** argv)
{
    if (argc < 2)
        return -1;
    std::fprintf(stderr, "slydra: unknown option '%s' (see slydra --help)\n", argv[1]);
    return 2;
}

} // namespace CommandLine
