#pragma once

#include "files/byte_stream.h"
#include "files/file_access.h"
#include "test_support.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace ormel::test {

// Small PE and NE files built by hand, for cases no real file shows.

struct TestResource {
    std::uint32_t type = 0;
    std::uint32_t id = 0;
    std::vector<std::uint8_t> data;
};

struct TestFormat {
    std::uint8_t width = 0, height = 0;
    std::uint16_t bits = 0, id = 0;
};

inline std::vector<std::uint8_t> GroupDirectory(const std::vector<TestFormat>& formats)
{
    ByteWriter out;
    out.writeU16(0);
    out.writeU16(1);
    out.writeU16(static_cast<std::uint16_t>(formats.size()));
    for (const TestFormat& f : formats) {
        out.writeU8(f.width);
        out.writeU8(f.height);
        out.writeZeros(2);
        out.writeU16(1);
        out.writeU16(f.bits);
        out.writeU32(0);
        out.writeU16(f.id);
    }
    return out.bytes();
}

inline std::vector<std::uint8_t> IconBlock(const TIconImage& image)
{
    ByteWriter out;
    TIconFileAccess().WriteImageData(out, image);
    return out.bytes();
}

// Offsets of the PE file's resource section and of each resource's language directory
// (relative to the section), for patching.
struct BuiltPe {
    std::vector<std::uint8_t> bytes;
    std::size_t rsrc = 0;
    std::vector<std::size_t> languageDirs;
};

// A PE file with one ".rsrc" section holding a type / name / language tree of the resources,
// types in order of first appearance.
inline BuiltPe MakePe(const std::vector<TestResource>& resources, std::uint16_t machine = 0x014C,
                      std::uint16_t optionalHeaderSize = 224)
{
    constexpr std::uint32_t kVirtualAddress = 0x1000;
    BuiltPe pe;
    pe.rsrc = 0x400;
    std::vector<std::uint32_t> types;
    for (const TestResource& r : resources)
        if (std::find(types.begin(), types.end(), r.type) == types.end())
            types.push_back(r.type);
    std::vector<std::uint8_t>& b = pe.bytes;
    b.assign(pe.rsrc + 16 + 8 * types.size(), 0);
    b[0] = 'M';
    b[1] = 'Z';
    Put32(b, 60, 64);
    std::memcpy(&b[64], "PE\0\0", 4);
    Put16(b, 68, machine);
    Put16(b, 70, 1);
    Put16(b, 84, optionalHeaderSize);
    const std::size_t section = 88 + optionalHeaderSize;
    std::memcpy(&b[section], ".rsrc", 5);
    Put32(b, section + 12, kVirtualAddress);
    Put32(b, section + 20, static_cast<std::uint32_t>(pe.rsrc));

    Put16(b, pe.rsrc + 14, static_cast<std::uint16_t>(types.size()));
    std::vector<std::pair<std::size_t, const TestResource*>> dataEntries;
    for (std::size_t t = 0; t < types.size(); ++t) {
        const std::size_t nameDir = b.size() - pe.rsrc;
        Put32(b, pe.rsrc + 16 + 8 * t, types[t]);
        Put32(b, pe.rsrc + 20 + 8 * t, 0x80000000u | static_cast<std::uint32_t>(nameDir));
        std::vector<const TestResource*> ofType;
        for (const TestResource& r : resources)
            if (r.type == types[t])
                ofType.push_back(&r);
        b.resize(b.size() + 16 + 8 * ofType.size());
        Put16(b, pe.rsrc + nameDir + 14, static_cast<std::uint16_t>(ofType.size()));
        for (std::size_t k = 0; k < ofType.size(); ++k) {
            const std::size_t languageDir = b.size() - pe.rsrc;
            pe.languageDirs.push_back(languageDir);
            Put32(b, pe.rsrc + nameDir + 16 + 8 * k, ofType[k]->id);
            Put32(b, pe.rsrc + nameDir + 20 + 8 * k, 0x80000000u | static_cast<std::uint32_t>(languageDir));
            b.resize(b.size() + 16 + 8 + 16);
            Put16(b, pe.rsrc + languageDir + 14, 1);
            Put32(b, pe.rsrc + languageDir + 16, 0x409);
            Put32(b, pe.rsrc + languageDir + 20, static_cast<std::uint32_t>(languageDir + 24));
            dataEntries.emplace_back(pe.rsrc + languageDir + 24, ofType[k]);
        }
    }
    for (const auto& [entry, resource] : dataEntries) {
        Put32(b, entry, kVirtualAddress + static_cast<std::uint32_t>(b.size() - pe.rsrc));
        Put32(b, entry + 4, static_cast<std::uint32_t>(resource->data.size()));
        b.insert(b.end(), resource->data.begin(), resource->data.end());
    }
    return pe;
}

// An NE icon library laid out as the Windows resource compiler would: alignment 16, group
// records numbered 1, 2, ..., icon records with the given numbers, then the names strings.
inline std::vector<std::uint8_t> MakeNe(const std::vector<std::vector<std::uint8_t>>& groups,
                                        const std::vector<TestResource>& icons, const std::vector<std::string>& names,
                                        std::uint8_t linkerVersion = 0)
{
    constexpr std::uint16_t kShift = 4;
    ByteWriter out;
    out.write("MZ", 2);
    out.writeZeros(58);
    out.writeU32(64);
    out.write("NE", 2);
    out.writeU8(linkerVersion);
    out.writeZeros(61);
    out.seek(64 + 36);
    out.writeU16(64);
    out.seek(64 + 54);
    out.writeU8(2);
    out.seek(128);
    out.writeU16(kShift);
    std::vector<std::pair<std::size_t, const std::vector<std::uint8_t>*>> records;
    const auto writeType = [&](std::uint16_t type, std::size_t count) {
        out.writeU16(type);
        out.writeU16(static_cast<std::uint16_t>(count));
        out.writeZeros(4);
    };
    const auto writeRecord = [&](std::uint16_t id, const std::vector<std::uint8_t>& data) {
        records.emplace_back(out.position(), &data);
        out.writeZeros(4);
        out.writeU16(0x1C30);
        out.writeU16(static_cast<std::uint16_t>(id | 0x8000));
        out.writeZeros(4);
    };
    writeType(0x800E, groups.size());
    for (std::size_t i = 0; i < groups.size(); ++i)
        writeRecord(static_cast<std::uint16_t>(i + 1), groups[i]);
    writeType(0x8003, icons.size());
    for (const TestResource& icon : icons)
        writeRecord(static_cast<std::uint16_t>(icon.id), icon.data);
    out.writeU16(0);
    for (const std::string& name : names) {
        out.writeU8(static_cast<std::uint8_t>(name.size()));
        out.write(name.data(), name.size());
    }
    out.writeU8(0);
    for (const auto& [record, data] : records) {
        const std::size_t start = (out.bytes().size() + 15) & ~std::size_t(15);
        out.seek(start);
        out.write(data->data(), data->size());
        out.seek(record);
        out.writeU16(static_cast<std::uint16_t>(start >> kShift));
        out.writeU16(static_cast<std::uint16_t>((data->size() + 15) >> kShift));
        out.seek(out.bytes().size());
    }
    return out.bytes();
}

} // namespace ormel::test
