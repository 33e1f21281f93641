// Reads arbitrary bytes as a JPEG, with its EXIF orientation and at reduced scales.
#include "picture_fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ormel::TPictureReadOptions options = ormel::FuzzReadOptions(size);
    ormel::CheckPictureResult(ormel::ReadJpegPicture(std::span(data, size), options), options);
    return 0;
}
