// Reads arbitrary bytes as an icon file. Whatever loads must write back and read again with
// the same formats.
#include "files/file_access.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace ormel;
    TIconFileAccess access;
    TIconDocument document;
    access.ReadIconData(std::span(data, size), document);
    if (document.Images.empty())
        return 0;

    std::vector<std::uint8_t> written;
    if (access.EncodeIconFile(document.Images, written) != 0)
        std::abort();
    TIconDocument again;
    if (access.ReadIconData(written, again) != 0 || again.Images.size() != document.Images.size())
        std::abort();
    for (std::size_t i = 0; i < again.Images.size(); ++i)
        if (again.Images[i].Width != document.Images[i].Width || again.Images[i].Height != document.Images[i].Height)
            std::abort();
    return 0;
}
