#pragma once

#include "files/icon_image.h"
#include "files/raster.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ormel {

// The most pixels a picture may have; larger ones are refused before anything is allocated.
inline constexpr std::int64_t kMaxPicturePixels = 100'000'000;

// A decoded picture: its colours, and its opacity when some pixel is not fully opaque.
struct TPicture {
    Raster Colour;
    // One byte per pixel, rows top to bottom without padding, 0 transparent to 255 opaque.
    // Empty for a picture that is opaque everywhere.
    std::vector<std::uint8_t> Alpha;

    int width() const { return Colour.width(); }
    int height() const { return Colour.height(); }
    bool hasAlpha() const { return !Alpha.empty(); }
    std::uint8_t alpha(int x, int y) const
    {
        return Alpha.empty() ? 255 : Alpha[static_cast<std::size_t>(y) * static_cast<std::size_t>(width()) + x];
    }
};

enum class TPictureFormat { Unknown, Jpeg, Bmp, Png, Gif, Ico };

enum class TPictureOutcome {
    Loaded,        // Picture holds the decoded picture
    NotFound,      // the file could not be opened or read
    Unrecognised,  // the bytes are none of the formats read here
    TooLarge,      // more pixels than allowed, or a size whose arithmetic overflows
    Damaged,       // a recognised format whose data is truncated or inconsistent
    Cancelled,     // the progress callback asked to stop
};

struct TPictureReadOptions {
    // When positive, a JPEG is decoded at the smallest of its reduced scales whose longer side
    // is still at least this many pixels; 0 decodes every picture at full size.
    int MaxLongSide = 0;
    // Pictures with more pixels (at full size) are refused.
    std::int64_t MaxPixels = kMaxPicturePixels;
    // Called on the reading thread as decoding advances, with the percentage done (each value
    // once, rising); returning false cancels the read. Must not throw.
    std::function<bool(int percent)> Progress;
};

struct TPictureResult {
    TPictureOutcome Outcome = TPictureOutcome::Unrecognised;
    TPictureFormat Format = TPictureFormat::Unknown;
    // Why the picture was refused; empty when it was loaded.
    std::string Message;
    TPicture Picture;
    // The picture's own size, after the EXIF orientation and before any reduced-scale decoding.
    int FullWidth = 0;
    int FullHeight = 0;

    bool Loaded() const { return Outcome == TPictureOutcome::Loaded; }
};

// Messages of the refusals.
inline constexpr const char* kPictureFormatNotAvailable = "The file format is not available.";
inline constexpr const char* kPictureDamaged = "The picture file is damaged or truncated.";
inline constexpr const char* kPictureNotFound = "File not found.";
inline constexpr const char* kPictureCancelled = "Opening the picture was cancelled.";
std::string PictureTooLargeMessage(std::int64_t width, std::int64_t height);

// Checks a declared size before anything is allocated for it: both sides positive, each at most
// what an int holds, and at most maxPixels pixels. Fills `result` with the refusal and returns
// false otherwise.
bool CheckPictureSize(std::int64_t width, std::int64_t height, std::int64_t maxPixels, TPictureResult& result);

// Passes the share done of a decode to the options' progress callback whenever its percentage
// changes, and remembers a request to stop.
class PictureProgress {
public:
    explicit PictureProgress(const TPictureReadOptions& options) : callback_(options.Progress) {}
    // False once the callback asked to stop.
    bool report(std::int64_t done, std::int64_t total);
    bool cancelled() const { return cancelled_; }
    // Sets the result to the cancellation and drops the picture.
    void refuse(TPictureResult& result) const;

private:
    const std::function<bool(int)>& callback_;
    int last_ = -1;
    bool cancelled_ = false;
};

// Gives the picture its size with unspecified colours and, when withAlpha, an alpha plane of
// 255. The size must have passed CheckPictureSize.
void AllocatePicture(TPicture& picture, int width, int height, bool withAlpha);

// Drops the alpha plane when every pixel is opaque.
void DropOpaqueAlpha(TPicture& picture);

// Turns a picture stored in EXIF orientation 1 to 8 upright: 2 mirrors, 3 turns half round,
// 4 flips, 5 transposes, 6 turns a quarter clockwise, 7 transverses, 8 turns a quarter
// anticlockwise. Other values leave the picture as it is.
void ApplyExifOrientation(TPicture& picture, int orientation);

// The picture composed over a background colour: each channel is
// (alpha x colour + (255 - alpha) x background + 127) / 255.
Raster ComposePicture(const TPicture& picture, TColor background);

} // namespace ormel
