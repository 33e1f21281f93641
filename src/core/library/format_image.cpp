#include "library/format_image.h"

#include "files/byte_stream.h"
#include "library/snapshot_name.h"

namespace ormel {

bool HasImage(const TIconFormat& format)
{
    return !format.FileName.empty() || !format.Resource.empty();
}

int LoadFormatImage(const TIconFormat& format, TIconImage& image, TIconFileAccess& access)
{
    if (!format.FileName.empty())
        return access.LoadSnapshot(image, format.FileName);
    ByteReader block(format.Resource);
    return access.ReadImageData(block, format.ResourceBits, image);
}

int WriteSnapshotFiles(TIconLibrary& library)
{
    TIconFileAccess access;
    for (TGroupIcon& entry : library.Groups)
        for (std::size_t j = 0; j < entry.Formats.size(); ++j) {
            TIconFormat& format = entry.Formats[j];
            if (format.Resource.empty())
                continue;
            TIconImage image;
            if (LoadFormatImage(format, image, access) != 0) {
                format.Resource = {};
                continue;
            }
            const std::string fileName = NewSnapshotFileName(library.TempDir, entry.Name, static_cast<int>(j));
            if (access.SaveSnapshot(image, fileName) != 0) {
                library.LastMessage = access.ErrorText;
                return -1;
            }
            format.FileName = fileName;
            format.Resource = {};
        }
    return 0;
}

} // namespace ormel
