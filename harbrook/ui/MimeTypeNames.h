#pragma once
// MimeTypeNames: the type name and icon name of a file, from the MIME database by file name,
// remembered per extension (a database look-up costs tens of microseconds, too much for a folder
// of ten thousand files). Thread-safe.
#include <QString>

class MimeTypeNames {
public:
    struct Entry {
        QString typeName;  // the type's description in the user's language
        QString iconName;
    };

    MimeTypeNames() = delete;

    static Entry ForFile(const QString& fileName);
    static Entry ForFolder();
};
