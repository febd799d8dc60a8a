// libFuzzer entry for the game file reader; built with -DTANDORA_LIBFUZZER=ON under clang.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "tests/gamefiles/reader_fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static tandora::testing_support::ReaderFuzzCheck check;
    const std::string failure = check.check(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!failure.empty()) {
        std::fprintf(stderr, "%s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
