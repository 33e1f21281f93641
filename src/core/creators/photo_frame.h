#pragma once

#include "files/icon_image.h"

#include <filesystem>
#include <string>
#include <vector>

namespace ormel {

// Puts a photo frame on an image. The frame picture, stretched to the image's size, says per
// pixel how much of the frame colour covers the image (its red channel) and how transparent
// the pixel becomes (its blue channel). Fully transparent pixels count as white beneath the
// frame colour. Indexed images are framed in true colour and reduced to a palette of their
// own entry count again. An empty frame picture does nothing.
void ApplyPhotoFrame(const Raster& framePicture, TIconImage& image, TColor frameColour);

// The most frame pictures offered.
inline constexpr int kMaxPhotoFrames = 21;

// The frame pictures in the "frames" folder of the data directory: files whose names end in
// ".bmp" in any case, sorted by name ignoring case, at most 21. None when the folder is missing.
std::vector<std::filesystem::path> ListPhotoFrames(const std::string& dataDir);

// How a frame looks in the frame strip: a 48 x 48 white 32-bit image with the frame applied.
TIconImage PhotoFrameSample(const Raster& framePicture, TColor frameColour);

} // namespace ormel
