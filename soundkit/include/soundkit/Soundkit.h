#pragma once
// Soundkit: what the program needs of a music file. Whether the unit can play it, its tag and
// stream data for the track records, and its decoding to a PCM WAV file.
#include <soundkit/Export.h>
#include <songbase/Records.h>
#include <platform/MessageTarget.h>

#include <atomic>
#include <cstdint>
#include <string>

// CheckFormat result codes (0 = playable).
enum SoundkitCheck : int {
    SK_CHECK_OK = 0,
    SK_CHECK_EXTENSION = 1,      // not .mp3/.wma, or the path cannot be converted
    SK_CHECK_UNREADABLE = 2,     // cannot open the file or read its format
    SK_CHECK_SAMPLE_RATE = 3,
    SK_CHECK_BIT_RATE = 4,
    SK_CHECK_DRM = 5,
    SK_CHECK_FORMAT_TAG = 6,     // not MP3 (0x0055) or WMA (0x0161)
    SK_CHECK_CHANNELS = 8,
    SK_CHECK_FILE_SIZE = 9,      // larger than 200 MiB
};

constexpr std::uint64_t kSoundkitMaxFileSize = 209715200;  // 200 MiB
constexpr int kWavHeaderSize = 46;

// Why DecodeAnyRun failed.
enum class SoundkitDecodeError {
    None,
    CannotOpen,   // the file cannot be opened (missing, no permission, not a regular file)
    NotAudio,     // no format FFmpeg knows, or no audio stream in it
    Undecodable,  // no decoder for the stream, or it gives no samples
    CannotWrite,  // the WAV file cannot be written
    Stopped,      // DecodeStop
};

// The PCM form DecodeAnyRun writes: 16-bit samples, at most `maxChannels` channels (more are
// mixed down), at the source's rate when it is one of `keptRates`, else at `otherRate`.
struct SoundkitPcmForm {
    int maxChannels = 2;
    const int* keptRates = nullptr;
    int keptRateCount = 0;
    int otherRate = 44100;
};

class SOUNDKIT_API CSoundkit {
public:
    // `target` receives the decoding messages (may be null); checks and information pass null
    // and zero messages.
    CSoundkit(platform::MessageTarget* target = nullptr, unsigned progressMessage = 0,
              unsigned completionMessage = 0);
    // Copies target, messages and the stop flag.
    CSoundkit(const CSoundkit& other);
    CSoundkit& operator=(const CSoundkit& other);
    ~CSoundkit() = default;

    // Keeps what checks and information learn of each music file in `file` between runs, so a
    // later run does not open an unchanged file again; null or "" keeps it for this run only
    // (the default). The file is written when the process ends.
    static void UseProbeFile(const char* file);
    // The user's probe file, under $XDG_CACHE_HOME/harbrook/.
    static std::string DefaultProbeFile();

    // A result code of SoundkitCheck.
    int CheckFormat(const char* path);

    // Fills the caller's zeroed detail record (all but its type and size words) and the optional
    // outputs. 1 on success, 0 on failure.
    int GetInfo(const char* path, AVT_Tk_DetailInfo* detail, unsigned short* tagTrackNo,
                std::uint32_t* fileSize);

    // Decodes `source` to a 16-bit PCM WAV file with the 46-byte header at `wavPath` (rate and
    // channel count as the source delivers them), posting progress (wParam 0, lParam percent,
    // rising, each value once) and, at the end of every run, the completion message. The output
    // is truncated when opened and only once the source has produced PCM, so a failed open or
    // an undecodable source leaves it untouched. 1 when decoded completely; 0 on failure and
    // when stopped (through any object). Several decodes may run at once on different threads.
    int DecodeRun(const char* source, const char* wavPath);

    // As DecodeRun, for any audio file FFmpeg can read (WAV of any layout, FLAC, Ogg, MP3, WMA,
    // AAC, ...), written in `form`. A file with several streams is decoded from its main audio
    // stream. On failure `error` (when given) tells why.
    int DecodeAnyRun(const char* source, const char* wavPath, const SoundkitPcmForm& form,
                     SoundkitDecodeError* error = nullptr);

    // Stops every running decode (callable from another thread). Sets this object's stop flag
    // to 1 when there was a decode to stop, else 0. Always returns 1.
    int DecodeStop();

private:
    int Decode(const char* source, const char* wavPath, const SoundkitPcmForm* form,
               SoundkitDecodeError* error);

    platform::MessageTarget* m_target;
    unsigned m_progressMessage;
    unsigned m_completionMessage;
    // Set by DecodeStop, possibly from another thread than the one running DecodeRun.
    std::atomic<int> m_stop = 0;
};
