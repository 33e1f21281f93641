#pragma once

#include "tools/orm_clipboard.h"

namespace ormel {

// The desktop's clipboard: the editor's block as MIME type application/x-ormel beside a
// standard image, which Qt offers other programs as PNG and BMP.
class QtSystemClipboard : public TSystemClipboard {
public:
    static constexpr const char* kMimeType = "application/x-ormel";

    bool Put(const std::vector<std::uint8_t>& ormelBlock, const Raster& bitmap) override;
    bool GetOrmelBlock(std::vector<std::uint8_t>& block) const override;
    bool GetBitmap(Raster& bitmap, std::vector<std::uint8_t>& alpha) const override;
    // Whether there is anything to paste: the editor's block or any image.
    static bool HasPicture();
};

} // namespace ormel
