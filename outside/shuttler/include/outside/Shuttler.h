#pragma once
// Shuttler: the transfer library that moves prepared data between the PC and the navigation
// unit's hard disk. This stand-in emulates the unit with a folder that plays its disk: the folder
// named by $HARBROOK_UNIT_DIR, or the one given to SetUnitFolder(). The unit counts as connected
// over USB while that folder exists.
//
// Unit layout (inside the unit folder):
//   AVMTR/             the music set (AVMTR.PPD, PLINFOnnn.PPD, TRACKnnn_nn.PPD) and MYDB.txt
//   NAVIDATA/POINT/    POINTREC.V04, POINTGRP.V04, IMG/ (POINTIMG.DAT, pictures),
//                      DETAIL/ (POINTCMT.DAT, comments)
// The work folder given to SetPath() has the same layout.
//
// Every Trans operation returns at once and runs on a worker thread; its progress and outcome
// are queued as messages that the caller takes with ShuttlerGetMessage():
//   kMsgFileProgress  wParam 0, lParam = const ShuttlerFileProgress*: one file's progress
//   kMsgResult        wParam = result code: the outcome (the last one before kMsgEnd counts)
//   kMsgEnd           the transfer has ended
// When Initialize() was given a message target, each message is also posted to it, so a user
// interface can wake up instead of polling; the posted kMsgFileProgress carries the same record
// pointer.
//
// A set sent to the unit replaces the unit's previous set only once it has arrived whole: it is
// copied into a staging folder on the unit and swapped in by rename. A stopped or failed send
// leaves the previous set as it was.
//
// All calls come from one (the user-interface) thread.
#include <platform/MessageNumbers.h>
#include <platform/MessageTarget.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

// One file's progress, as carried by kMsgFileProgress. Lifetime: the record stays valid until the
// next Trans operation starts or Release() is called (so at least until the next
// ShuttlerGetMessage() call, and also for the copy posted to the message target).
struct ShuttlerFileProgress {
    char path[260];         // the file on the PC side (in the work folder), NUL-terminated
    std::uint16_t percent;  // 0 to 100 of that file
};
static_assert(sizeof(ShuttlerFileProgress) == 262);
static_assert(offsetof(ShuttlerFileProgress, percent) == 260);

// What ShuttlerGetMessage() fills (the window message of the original interface).
struct ShuttlerMsg {
    unsigned message = 0;
    platform::WParam wParam = 0;
    platform::LParam lParam = 0;
};

// Faults for tests, applied to the next transfers. For trying the user interface by hand,
// Initialize() takes them from $HARBROOK_SHUTTLER_FAULTS ("busy=1,fail=2,code=4,delay=50").
struct ShuttlerFaults {
    int busyCount = 0;        // the next this many Trans calls report 8 (busy) and touch nothing
    int failAfterFiles = -1;  // >= 0: fail once this many files are copied (0: before the first)
    unsigned failCode = 4;    // the result code of that failure
    std::chrono::milliseconds chunkDelay{0};  // slow transfer: pause after every copied chunk
};

class CShuttler {
public:
    // Messages queued for the caller (see above).
    static constexpr unsigned kMsgFileProgress = platform::msg::kShuttlerFileProgress;
    static constexpr unsigned kMsgResult = platform::msg::kShuttlerResult;
    static constexpr unsigned kMsgEnd = platform::msg::kShuttlerEnd;

    // Result codes of a transfer.
    enum : unsigned {
        kOk = 0,
        kNotConnected = 1,   // the unit folder does not exist
        kNoSource = 2,       // the work folder holds nothing to send / no work folder set
        kReadFailed = 3,     // a file could not be read
        kWriteFailed = 4,    // a file could not be written
        kStopped = 5,        // TransStop() ended the transfer
        kUnitFull = 6,       // the destination disk is full
        kNoUnitData = 7,     // the unit has no point data to fetch
        kBusy = 8,           // the unit is busy: start the same transfer again
        kNotInitialized = 9, // Initialize() was not called
        kPathTooLong = 10,   // a path does not fit the 260-byte progress record
    };

    // `target` (may be null) receives a posted copy of every message; `log` 1 writes a line per
    // operation and per file to standard error. Non-zero on success.
    static int Initialize(platform::MessageTarget* target, int log);
    // Stops and joins a running transfer, drops queued messages and records.
    static void Release();

    // The folder that plays the unit's disk when $HARBROOK_UNIT_DIR is not set (empty: none).
    static void SetUnitFolder(const std::string& folder);
    static std::string UnitFolder();
    // Non-zero while the unit folder exists.
    static int GetUsbStatus();

    // The work folder of the next transfer (a trailing '/' is added when missing).
    static int SetPath(const char* workFolder);

    // Start a transfer; results arrive as messages. Return non-zero when the transfer was
    // started (a refusal still queues kMsgResult and kMsgEnd).
    static int TransMusicToNavi();
    static int TransMyDBToNavi();
    static int TransMapToNavi();
    static int TransMapToPc();
    // Asks a running transfer to stop; harmless when none runs (joins a finished worker).
    static void TransStop();

    // The text for a result code, UTF-8; null for codes without a message.
    static const char* GetErrorString(unsigned code);

    static void InjectFaults(const ShuttlerFaults& faults);
};

// Takes the oldest queued message into `msg`. Non-zero when a message was taken.
int ShuttlerGetMessage(ShuttlerMsg* msg);
