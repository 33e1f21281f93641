// Reads arbitrary bytes as a snapshot file. Whatever loads must encode to a snapshot that
// loads to the same record.
#include "files/file_access.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace ormel;
    TIconFileAccess access;
    TIconImage record;
    if (access.DecodeSnapshot(record, std::span(data, size)) != 0)
        return 0;

    ByteWriter out;
    access.EncodeSnapshot(record, out);
    TIconImage again;
    if (access.DecodeSnapshot(again, out.bytes()) != 0)
        std::abort();
    if (again.Width != record.Width || again.Height != record.Height || again.ColorDepth != record.ColorDepth ||
        again.ImageId != record.ImageId || !(again.Bitmap == record.Bitmap) || !(again.Mask == record.Mask))
        std::abort();
    return 0;
}
