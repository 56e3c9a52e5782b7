// One libFuzzer target: the check of the target named by STAPELWERK_FUZZ_TARGET on every
// input. A broken property aborts, so that libFuzzer keeps the input as a finding.

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "checks/fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const stapelwerk::fuzz::Check check = [] {
        const stapelwerk::fuzz::Check found = stapelwerk::fuzz::checkOf(STAPELWERK_FUZZ_TARGET);
        if (found == nullptr) {
            std::fprintf(stderr, "no fuzz target \"%s\"\n", STAPELWERK_FUZZ_TARGET);
            std::abort();
        }
        return found;
    }();
    const std::string failure = check({reinterpret_cast<const char*>(data), size});
    if (!failure.empty()) {
        std::fprintf(stderr, "%s: %s\n", STAPELWERK_FUZZ_TARGET, failure.c_str());
        std::abort();
    }
    return 0;
}
