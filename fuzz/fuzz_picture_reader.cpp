// Reads arbitrary bytes as any picture, recognised by its content: also the PNG and ICO paths.
#include "picture_fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ormel::TPictureReadOptions options = ormel::FuzzReadOptions(size);
    const ormel::TPictureResult result = ormel::ReadPictureData(std::span(data, size), options);
    ormel::CheckPictureResult(result, options);
    if (result.Loaded() && result.Format != ormel::DetectPictureFormat(std::span(data, size)))
        std::abort();
    return 0;
}
