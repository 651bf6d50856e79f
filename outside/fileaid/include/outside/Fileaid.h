#pragma once
// Fileaid: the file services the program takes from outside: existence checks, deleting a work
// folder with everything in it, and the space a file takes on a drive. The file and folder
// dialogs belong to the GUI and are not part of this core library.
#include <cstdint>

class CFileaid {
public:
    CFileaid() = delete;

    // Nonzero when `path` names an existing file (anything but a folder); 0 otherwise.
    static int CheckFile(const char* path);
    // Deletes the folder `path` with everything in it (symbolic links are removed, never
    // followed). Nonzero on success; 0 for a missing folder, a path that is not a folder, the
    // root folder, or when something could not be deleted.
    static int DeleteDirectory(const char* path);
    // The space a file of `size` bytes takes on the volume that holds `path` (a folder or file,
    // or a path below an existing folder): size rounded up to the volume's fragment size. When
    // the volume cannot be queried, `size` itself.
    static std::uint64_t GetSizeOnDisk(const char* path, std::uint64_t size);
};
