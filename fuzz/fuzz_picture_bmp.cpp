// Reads arbitrary bytes as a BMP of every header, depth and compression.
#include "picture_fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ormel::TPictureReadOptions options = ormel::FuzzReadOptions(size);
    ormel::CheckPictureResult(ormel::ReadBmpPicture(std::span(data, size), options), options);
    return 0;
}
