#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace ormel {

// Reads little-endian values from bytes held in memory. Every read checks the bounds: a read
// past the end returns false and leaves the position where it was.
class ByteReader {
public:
    ByteReader() = default;
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t size() const { return bytes_.size(); }
    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return bytes_.size() - pos_; }
    bool seek(std::size_t position);
    bool skip(std::size_t count);

    bool read(void* out, std::size_t count);
    bool readU8(std::uint8_t& v);
    bool readU16(std::uint16_t& v);
    bool readU32(std::uint32_t& v);
    bool readI32(std::int32_t& v);

    // The next `count` bytes without copying, and the position moved past them.
    bool take(std::size_t count, std::span<const std::uint8_t>& out);
    std::span<const std::uint8_t> rest() const { return bytes_.subspan(pos_); }
    std::span<const std::uint8_t> all() const { return bytes_; }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

// Writes little-endian values into a growing buffer; writing after a seek back overwrites.
class ByteWriter {
public:
    std::vector<std::uint8_t>& bytes() { return bytes_; }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    std::size_t position() const { return pos_; }
    void seek(std::size_t position);

    void write(const void* data, std::size_t count);
    void writeU8(std::uint8_t v) { write(&v, 1); }
    void writeU16(std::uint16_t v);
    void writeU32(std::uint32_t v);
    void writeI32(std::int32_t v) { writeU32(static_cast<std::uint32_t>(v)); }
    void writeZeros(std::size_t count);

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

inline std::uint16_t LoadU16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
inline std::uint32_t LoadU32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
}
inline std::int32_t LoadI32(const std::uint8_t* p) { return static_cast<std::int32_t>(LoadU32(p)); }

} // namespace ormel
