#include "library/library_writer.h"

#include "files/atomic_file.h"
#include "files/file_access.h"
#include "library/entry_name.h"
#include "library/format_image.h"

#include <algorithm>
#include <filesystem>

namespace ormel {

namespace {

constexpr std::size_t kNeHeaderOffset = 128;
constexpr std::size_t kResourceTableOffset = 192; // NE header + ne_rsrctab
constexpr std::uint16_t kGroupIconType = 0x800E;
constexpr std::uint16_t kIconType = 0x8003;
constexpr std::uint16_t kResourceFlags = 0x1C30; // moveable, pure, discardable
constexpr std::uint16_t kIntegerId = 0x8000;

const char* const kTooLarge = "The library is too large for an icon library file.";

void WriteDosAndNeHeaders(ByteWriter& out)
{
    out.write("MZ", 2);
    out.seek(60);
    out.writeU32(kNeHeaderOffset);
    out.seek(kNeHeaderOffset);
    out.writeZeros(64);
    out.seek(kNeHeaderOffset);
    out.write("NE", 2);
    out.seek(kNeHeaderOffset + 34);
    out.writeU16(64); // ne_segtab
    out.writeU16(64); // ne_rsrctab
    out.seek(kNeHeaderOffset + 54);
    out.writeU8(2); // ne_exetyp: Windows
    out.seek(kNeHeaderOffset + 62);
    out.writeU16(0x0300); // ne_expver
    out.seek(kResourceTableOffset);
}

// A resource record with its offset and length still zero; they are patched once the data
// is written.
void WriteResourceRecord(ByteWriter& out, std::int64_t& position, std::int32_t id)
{
    position = static_cast<std::int64_t>(out.position());
    out.writeU16(0);
    out.writeU16(0);
    out.writeU16(kResourceFlags);
    out.writeU16(static_cast<std::uint16_t>(id | kIntegerId));
    out.writeU16(0);
    out.writeU16(0);
}

// The next multiple of the alignment at or after the end of the file.
std::size_t AlignedEnd(const ByteWriter& out)
{
    const auto align = static_cast<std::size_t>(TIconLibrary::AlignSize);
    return (out.bytes().size() + align - 1) / align * align;
}

// Fills in the offset and length (in alignment units) of the record at `position` for data
// that starts at `start` and runs to the end of the file. False when they do not fit the
// record's 16-bit fields.
bool PatchResourceRecord(ByteWriter& out, std::int64_t position, std::size_t start, std::size_t end)
{
    const auto align = static_cast<std::size_t>(TIconLibrary::AlignSize);
    const std::size_t offset = start / align;
    const std::size_t length = (end - start + align - 1) / align;
    if (offset > 0xFFFF || length > 0xFFFF)
        return false;
    out.seek(static_cast<std::size_t>(position));
    out.writeU16(static_cast<std::uint16_t>(offset));
    out.writeU16(static_cast<std::uint16_t>(length));
    return true;
}

// Writes the entry's group directory; the position of each format's byte-count field goes to
// `sizeFields`, to be filled in once the image is written.
void WriteGroupDirectory(ByteWriter& out, const TGroupIcon& entry, std::vector<std::size_t>& sizeFields)
{
    out.writeU16(0);
    out.writeU16(1);
    out.writeU16(static_cast<std::uint16_t>(entry.Count));
    for (const TIconFormat& format : entry.Formats) {
        out.writeU8(static_cast<std::uint8_t>(format.Width & 255)); // 256 is written as 0
        out.writeU8(static_cast<std::uint8_t>(format.Height & 255));
        out.writeU8(0);
        out.writeU8(0);
        out.writeU16(1);
        out.writeU16(static_cast<std::uint16_t>(format.BitCount));
        sizeFields.push_back(out.position());
        out.writeU32(0);
        out.writeU16(static_cast<std::uint16_t>(format.ID));
    }
}

int Fail(TIconLibrary& library, const std::string& message)
{
    library.LastMessage = message;
    return -1;
}

} // namespace

int EncodeLibraryFile(TIconLibrary& library, std::vector<std::uint8_t>& out)
{
    std::vector<TGroupIcon>& groups = library.Groups;
    std::size_t formatCount = 0;
    for (const TGroupIcon& entry : groups)
        formatCount += entry.Formats.size();

    ByteWriter file;
    WriteDosAndNeHeaders(file);
    file.writeU16(TIconLibrary::AlignShift);

    file.writeU16(kGroupIconType);
    file.writeU16(static_cast<std::uint16_t>(groups.size()));
    file.writeU32(0);
    for (std::size_t i = 0; i < groups.size(); ++i)
        WriteResourceRecord(file, groups[i].Position, static_cast<std::int32_t>(i + 1));

    std::int32_t nextId = 1;
    for (TGroupIcon& entry : groups)
        for (TIconFormat& format : entry.Formats)
            format.ID = nextId++;
    file.writeU16(kIconType);
    file.writeU16(static_cast<std::uint16_t>(formatCount));
    file.writeU32(0);
    for (TGroupIcon& entry : groups)
        for (TIconFormat& format : entry.Formats)
            WriteResourceRecord(file, format.Position, format.ID);
    file.writeU16(0);

    // The names area must start within reach of the 16-bit ne_restab; that also keeps the
    // counts and IDs written above within 15 bits.
    const std::size_t names = file.position();
    if (names - kNeHeaderOffset > 0xFFFF)
        return Fail(library, kTooLarge);
    file.writeU8(3);
    file.write("ICL", 3);
    for (const TGroupIcon& entry : groups) {
        const std::string name = CutEntryName(entry.Name);
        file.writeU8(static_cast<std::uint8_t>(name.size()));
        file.write(name.data(), name.size());
    }
    file.writeU8(0);
    file.seek(kNeHeaderOffset + 38);
    file.writeU16(static_cast<std::uint16_t>(names - kNeHeaderOffset)); // ne_restab

    std::vector<std::size_t> sizeFields;
    for (const TGroupIcon& entry : groups) {
        const std::size_t start = AlignedEnd(file);
        file.seek(start);
        WriteGroupDirectory(file, entry, sizeFields);
        if (!PatchResourceRecord(file, entry.Position, start, file.bytes().size()))
            return Fail(library, kTooLarge);
    }

    std::size_t formatIndex = 0;
    for (const TGroupIcon& entry : groups)
        for (const TIconFormat& format : entry.Formats) {
            // Nothing is written for a format without an image (no snapshot file, or resource
            // bytes that do not decode): its record points at where its data would start, with
            // length 0, and the file does not grow. A damaged snapshot file fails the write.
            const std::size_t start = AlignedEnd(file);
            std::error_code ec;
            TIconFileAccess access;
            TIconImage image;
            bool held = false;
            if (format.FileName.empty()) {
                held = !format.Resource.empty() && LoadFormatImage(format, image, access) == 0;
            } else if (std::filesystem::exists(format.FileName, ec)) {
                if (LoadFormatImage(format, image, access) != 0)
                    return Fail(library, access.ErrorText);
                held = true;
            }
            if (held) {
                file.seek(start);
                if (access.WriteImageData(file, image) != 0)
                    return Fail(library, access.ErrorText);
            }
            const std::size_t end = std::max(start, file.bytes().size());
            if (!PatchResourceRecord(file, format.Position, start, end))
                return Fail(library, kTooLarge);
            // The group directory gives the image's exact byte count: extractors copy that many
            // bytes into an icon file.
            file.seek(sizeFields[formatIndex++]);
            file.writeU32(static_cast<std::uint32_t>(end - start));
        }

    // Padding the file to a whole unit keeps the last resource's length, counted in units,
    // inside the file; readers that check resource bounds refuse it otherwise.
    file.seek(AlignedEnd(file));
    out = std::move(file.bytes());
    return 0;
}

int WriteLibraryFile(TIconLibrary& library, const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    if (EncodeLibraryFile(library, bytes) != 0)
        return -1;
    if (!WriteFileAtomically(path, bytes))
        return Fail(library, "The file could not be written.");
    library.Modified = false;
    return 0;
}

} // namespace ormel
