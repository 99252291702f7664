// Loads arbitrary bytes as a .dat file: a file of 1024 bytes or more must load its first 1024,
// anything shorter must be refused, and a loaded image must save and load back unchanged.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/image/DatFile.h"
#include "core/util/FileIo.h"
#include "FuzzFolder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input = radio::fuzz::folder("dat-fuzz") + "/input.dat";
    const std::string output = radio::fuzz::folder("dat-fuzz") + "/output.dat";
    if (!radio::writeFileAtomically(input, radio::Bytes(data, data + size))) {
        std::abort();
    }
    auto loaded = radio::loadDatFile(input);
    if (size < radio::MemoryImage::kSize) {
        if (loaded) {
            std::abort();
        }
        return 0;
    }
    if (!loaded || std::memcmp(loaded.value().data(), data, radio::MemoryImage::kSize) != 0) {
        std::abort();
    }
    if (!radio::saveDatFile(output, loaded.value())) {
        std::abort();
    }
    auto again = radio::loadDatFile(output);
    if (!again || !(again.value() == loaded.value())) {
        std::abort();
    }
    return 0;
}
