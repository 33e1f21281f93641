#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace ormel {

// Reads a whole regular file into memory. False when it cannot be opened or read, or when it
// is larger than maxBytes.
bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out,
                   std::uint64_t maxBytes = std::uint64_t(1) << 31);

// Writes the bytes to a temporary file beside the target, then renames it over the target, so
// an interrupted write never leaves a half-written file. An existing target keeps its mode.
// `durable` flushes the data to the disk before the rename (for the user's own files).
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes, bool durable = true);

} // namespace ormel
