// The stand-in of the CAD system as a program, to try a doit.pro by hand:
//   stapelwerk_cad_standin DIRECTORY [--pass-over] [--crash-at N] [--shown MODEL]
// replays doit of DIRECTORY/doit.pro as CadStandIn.h describes, and says how the run ended.

#include <cstdio>
#include <filesystem>
#include <string>

#include "support/CadStandIn.h"

int main(int argc, char* argv[]) {
    using namespace stapelwerk::testing;
    std::error_code noDirectory;
    if (argc < 2 || !std::filesystem::is_regular_file(std::filesystem::path(argv[1]) / "doit.pro",
                                                      noDirectory)) {
        std::fputs(
            "usage: stapelwerk_cad_standin DIRECTORY [--pass-over] [--crash-at N] "
            "[--shown MODEL]\n",
            stderr);
        return 2;
    }
    ReplayOptions options;
    for (int i = 2; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--pass-over") {
            options.whenMissing = WhenMissing::passOver;
        } else if (option == "--crash-at" && i + 1 < argc) {
            options.crashAtFile = std::stoul(argv[++i]);
        } else if (option == "--shown" && i + 1 < argc) {
            options.shownModel = argv[++i];
        } else {
            std::fprintf(stderr, "unknown: %s\n", option.c_str());
            return 2;
        }
    }
    const Replay replay = replayDoit(argv[1], options);
    if (replay.ended) {
        std::puts("doit ran to its end");
    } else if (replay.stoppedAt) {
        std::printf("doit stopped: %s not found\n", replay.stoppedAt->c_str());
    } else {
        std::puts("the CAD system ended (crash)");
    }
    return replay.ended ? 0 : 1;
}
