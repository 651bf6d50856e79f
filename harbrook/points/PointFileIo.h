#pragma once
// Whole-file reads and writes for the point files. Reads are bounded; writes go through a
// temporary file so that a failed write never replaces the previous file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace points {

enum class FileRead { Ok, CannotOpen, ReadError };

// Reads at most `maxBytes` from the start of the file into `bytes` (fewer at end of file). Only
// a regular file can be opened.
FileRead readFilePrefix(const std::string& path, std::size_t maxBytes,
                        std::vector<std::uint8_t>& bytes);

// Writes `size` bytes as the whole content of `path`; the previous file is replaced only once the
// new one is complete.
bool writeWholeFile(const std::string& path, const void* data, std::size_t size);

}  // namespace points
