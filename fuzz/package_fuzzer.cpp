// Input: an inflated skin package (version, bitmaps, skin.ini text). It is deflated quickly and
// loaded through the store, so the package reader, the bitmap decoder and the skin.ini reading all
// see the fuzzer's bytes.

#include <zlib.h>

#include <cstdint>
#include <string>

#include "fuzz_load.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    uLongf packedSize = compressBound(static_cast<uLong>(size));
    std::string packed(packedSize, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize, data, static_cast<uLong>(size), 1) != Z_OK)
        return 0;
    packed.resize(packedSize);
    veyrin::TbsCompressedStoredSkin store;
    store.setCompressedData(std::move(packed));
    veyrin::fuzz::loadStore(store);
    return 0;
}
