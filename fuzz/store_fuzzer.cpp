// Input: the bytes of a store (a zlib stream), as compiled into the program or read from a
// compressed skin file. Both readings are tried.

#include <cstdint>
#include <string>

#include "fuzz_load.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    veyrin::TbsCompressedStoredSkin store;
    store.setCompressedData(bytes);
    veyrin::fuzz::loadStore(store);

    veyrin::TbsCompressedStoredSkin fromFile;
    try {
        fromFile.loadFromCompressedFileBytes(bytes);
    } catch (const veyrin::AppError&) {
        return 0;
    }
    veyrin::fuzz::loadStore(fromFile);
    return 0;
}
