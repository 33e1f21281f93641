// Reads arbitrary bytes as the editor's clipboard block. Whatever decodes must encode to a
// block that decodes to the same two pictures.
#include "tools/orm_clipboard.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace ormel;
    Raster colour, mask;
    if (!DecodeOrmelBlock(std::span(data, size), colour, mask))
        return 0;
    if (colour.width() != mask.width() || colour.height() != mask.height() || colour.empty())
        std::abort();

    Raster colourAgain, maskAgain;
    if (!DecodeOrmelBlock(EncodeOrmelBlock(colour, mask), colourAgain, maskAgain))
        std::abort();
    if (!(colourAgain == colour) || !(maskAgain == mask))
        std::abort();
    return 0;
}
