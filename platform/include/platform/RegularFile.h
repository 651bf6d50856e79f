#pragma once
// Opening files named by the user for reading. Only regular files are opened: a FIFO would block
// the reader until some other program writes to it, and a device such as /dev/zero feeds it
// without end. Finding out never blocks.
#include <cstdio>

namespace platform {

// Opens `path` read-only and close-on-exec when it names a regular file. Returns the descriptor,
// or -1 with errno set: the system's reason when the file cannot be opened, EISDIR for a folder
// and EINVAL for anything else that is not a regular file.
int openRegularFile(const char* path);

// The same as a stdio stream opened "rb"; null with errno set on failure.
std::FILE* fopenRegularFile(const char* path);

}  // namespace platform
