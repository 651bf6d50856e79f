#pragma once
// Every window-message number the program sends, posts or handles, in one place. The numbers are
// those of the original window-message protocol and must not change: the transfer library, the
// decoder and the progress windows agree on them. Classes that send or handle a message keep a
// named constant of their own, defined from these.
namespace platform::msg {

// Window-system messages the main frame handles.
inline constexpr unsigned kCommand = 0x0111;       // wParam command id (buttons, menus, keys)
inline constexpr unsigned kSysCommand = 0x0112;    // wParam system command id (caption buttons)
inline constexpr unsigned kDeviceChange = 0x0219;  // wParam device event
inline constexpr unsigned kShellChange = 0x04C8;   // posted by the PC folder browser

// The transfer library's messages to its window.
inline constexpr unsigned kShuttlerFileProgress = 0x464;  // lParam one file's progress record
inline constexpr unsigned kShuttlerResult = 0x465;        // wParam result code
inline constexpr unsigned kShuttlerEnd = 0x468;           // the transfer has ended

// Progress of the music build job.
inline constexpr unsigned kBuildRange = 1334;      // wParam range
inline constexpr unsigned kBuildPosition = 1335;   // wParam position
inline constexpr unsigned kDecodeProgress = 1336;  // posted by the decoder
inline constexpr unsigned kDetectProgress = 1337;  // posted by the mood detector
inline constexpr unsigned kFileProgress = 1338;    // wParam total, lParam done

// Progress of the copier. Its progress message is the build job's file progress (0x53A is 1338):
// both fill the same bar from a total and a done count.
inline constexpr unsigned kCopyProgress = 0x53A;  // wParam total >> S, lParam done >> S
inline constexpr unsigned kTransferFile = 0x53B;  // wParam name count, lParam 1-based index
static_assert(kCopyProgress == kFileProgress);

}  // namespace platform::msg
