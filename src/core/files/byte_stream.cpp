#include "files/byte_stream.h"

#include <cstring>

namespace ormel {

bool ByteReader::seek(std::size_t position)
{
    if (position > bytes_.size())
        return false;
    pos_ = position;
    return true;
}

bool ByteReader::skip(std::size_t count)
{
    if (count > remaining())
        return false;
    pos_ += count;
    return true;
}

bool ByteReader::read(void* out, std::size_t count)
{
    if (count > remaining())
        return false;
    if (count > 0)
        std::memcpy(out, bytes_.data() + pos_, count);
    pos_ += count;
    return true;
}

bool ByteReader::take(std::size_t count, std::span<const std::uint8_t>& out)
{
    if (count > remaining())
        return false;
    out = bytes_.subspan(pos_, count);
    pos_ += count;
    return true;
}

bool ByteReader::readU8(std::uint8_t& v) { return read(&v, 1); }

bool ByteReader::readU16(std::uint16_t& v)
{
    std::uint8_t b[2];
    if (!read(b, 2))
        return false;
    v = LoadU16(b);
    return true;
}

bool ByteReader::readU32(std::uint32_t& v)
{
    std::uint8_t b[4];
    if (!read(b, 4))
        return false;
    v = LoadU32(b);
    return true;
}

bool ByteReader::readI32(std::int32_t& v)
{
    std::uint32_t u = 0;
    if (!readU32(u))
        return false;
    v = static_cast<std::int32_t>(u);
    return true;
}

void ByteWriter::seek(std::size_t position)
{
    if (position > bytes_.size())
        bytes_.resize(position, 0);
    pos_ = position;
}

void ByteWriter::write(const void* data, std::size_t count)
{
    if (pos_ + count > bytes_.size())
        bytes_.resize(pos_ + count);
    if (count > 0)
        std::memcpy(bytes_.data() + pos_, data, count);
    pos_ += count;
}

void ByteWriter::writeU16(std::uint16_t v)
{
    const std::uint8_t b[2] = {std::uint8_t(v), std::uint8_t(v >> 8)};
    write(b, 2);
}

void ByteWriter::writeU32(std::uint32_t v)
{
    const std::uint8_t b[4] = {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)};
    write(b, 4);
}

void ByteWriter::writeZeros(std::size_t count)
{
    if (pos_ + count > bytes_.size())
        bytes_.resize(pos_ + count, 0);
    else
        std::memset(bytes_.data() + pos_, 0, count);
    pos_ += count;
}

} // namespace ormel
