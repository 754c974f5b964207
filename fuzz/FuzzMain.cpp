// The libFuzzer entry of one harness, chosen by CORVANA_FUZZ_BODY when the program is built: a
// broken property is reported and aborts, so libFuzzer keeps the input.
#include <cstdio>
#include <cstdlib>

#include "FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        CORVANA_FUZZ_BODY(FuzzBytes(data, size));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "corvana-fuzz: %s\n", e.what());
        std::abort();
    }
    return 0;
}
