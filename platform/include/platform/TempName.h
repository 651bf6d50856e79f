#pragma once
// Temporary and cache folders, and Windows-style temporary names ("$$$" + hexadecimal number + ".TMP").
#include <string>

namespace platform {

// $TMPDIR or /tmp, always ending with '/'.
std::string tempFolder();

// Harbrook's folder for results it may recompute: $XDG_CACHE_HOME/harbrook/, or
// ~/.cache/harbrook/ when that is not set (or not absolute); always ending with '/'.
std::string cacheFolder();

// `folder` + `prefix` + uppercase hexadecimal of the low 16 bits of `unique` + ".TMP".
// With a non-zero `unique` the file is not created (as GetTempFileName does). With zero, numbers
// are tried until a name is free and that file is created empty; an empty string means failure.
std::string tempFileName(const std::string& folder, const std::string& prefix, unsigned unique);

// Appends '/' unless the path already ends with one.
std::string withTrailingSlash(std::string path);

}  // namespace platform
