#include "commands.h"

#include "pictures/picture_reader.h"

#include <cstdio>

namespace ormel::cli {

namespace {

const char* FormatName(TPictureFormat format)
{
    switch (format) {
    case TPictureFormat::Jpeg: return "JPEG";
    case TPictureFormat::Bmp: return "BMP";
    case TPictureFormat::Png: return "PNG";
    case TPictureFormat::Gif: return "GIF";
    case TPictureFormat::Ico: return "ICO";
    case TPictureFormat::Unknown: break;
    }
    return "unknown";
}

} // namespace

int PictureCommand(const std::vector<std::string>& args)
{
    if (args.empty()) {
        std::fputs("usage: ormel-cli picture FILE...\n", stderr);
        return 2;
    }
    bool allRead = true;
    for (const std::string& path : args) {
        const TPictureResult result = ReadPicture(path);
        if (!result.Loaded()) {
            std::fprintf(stderr, "%s: %s\n", path.c_str(), result.Message.c_str());
            allRead = false;
            continue;
        }
        std::printf("%s: %s %d x %d%s\n", path.c_str(), FormatName(result.Format), result.Picture.width(),
                    result.Picture.height(), result.Picture.hasAlpha() ? ", alpha" : "");
    }
    return allRead ? 0 : 1;
}

} // namespace ormel::cli
