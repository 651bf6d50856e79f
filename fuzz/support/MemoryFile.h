#pragma once
// Readers that take a path get the fuzz input as an in-memory file (a memfd reached through
// /proc/self/fd), which keeps each run off the disk.
#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzzsupport {

// The path of a file that holds exactly `size` bytes from `data`. Every call reuses the same file.
std::string memoryFile(const std::uint8_t* data, std::size_t size);

}  // namespace fuzzsupport
