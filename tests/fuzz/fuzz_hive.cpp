// Fuzzes the settings file's REGEDIT4 form: whatever the parser accepts, the writer writes
// back as text the parser reads to the same hive, and writing that again changes nothing.
#include "platform/registry_hive.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace hive = velmora::platform::hive;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string text(reinterpret_cast<const char *>(data), size);
    const auto parsed = hive::parse(text);
    if (!parsed)
        return 0;
    const std::string written = hive::format(*parsed);
    std::string why;
    const auto again = hive::parse(written, &why);
    if (!again) {
        std::fprintf(stderr, "fuzz_hive: the written hive does not read back (%s)\n%s\n",
                     why.c_str(), written.c_str());
        std::abort();
    }
    if (hive::format(*again) != written) {
        std::fprintf(stderr, "fuzz_hive: writing the hive again changed it\n%s\n", written.c_str());
        std::abort();
    }
    return 0;
}
