#pragma once
// ShellItem: one entry of a PC folder as the folder tree and the file list show it.
#include <ui/MountedVolumes.h>

#include <QString>
#include <QtGlobal>

struct ShellItem {
    QString path;                // absolute and clean
    QString name;                // what the panes show
    bool isFolder = false;       // a folder, or a symbolic link to one
    bool isLink = false;         // a symbolic link (drawn with the link overlay)
    bool hasSubFolders = false;  // filled in for the tree only
    // The volume kind when the item is a volume's root folder, else kUnknown.
    ui::DriveType drive = ui::DriveType::kUnknown;
    // Size in bytes and last write time in nanoseconds since 1970 UTC, for files only; valid once
    // hasDetails is set (CShellFolders::ReadDetails).
    qint64 size = 0;
    qint64 modifiedNs = 0;
    bool hasDetails = false;
    QString typeName;  // from the MIME database
    QString iconName;  // an icon theme name for the item's kind

    bool IsDriveRoot() const { return drive != ui::DriveType::kUnknown; }
};
