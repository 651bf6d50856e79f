// CSoundkit: decoding a music file to a PCM WAV file.
#include <soundkit/Soundkit.h>

#include "DecodeContext.h"
#include "MediaModule.h"

using soundkit::DecodeContext;
using soundkit::MediaModule;

int CSoundkit::Decode(const char* source, const char* wavPath, const SoundkitPcmForm* form,
                      SoundkitDecodeError* error) {
    m_stop = 0;
    SoundkitDecodeError result = SoundkitDecodeError::CannotOpen;
    if (source && wavPath) {
        DecodeContext::Run run(DecodeContext::instance());
        const auto progress = [this](int percent) {
            platform::postTo(m_target, m_progressMessage, 0, percent);
        };
        const soundkit::MediaFunctions* media = MediaModule::functions();
        result = media ? media->decode(run.stopFlag(), progress, source, wavPath, form)
                       : SoundkitDecodeError::Undecodable;
        if (run.stopFlag() || m_stop != 0) result = SoundkitDecodeError::Stopped;
    }
    // Posted at the end of every run, whatever its outcome.
    platform::postTo(m_target, m_completionMessage, 0, 0);
    if (error) *error = result;
    return result == SoundkitDecodeError::None ? 1 : 0;
}

int CSoundkit::DecodeRun(const char* source, const char* wavPath) {
    return Decode(source, wavPath, nullptr, nullptr);
}

int CSoundkit::DecodeAnyRun(const char* source, const char* wavPath, const SoundkitPcmForm& form,
                            SoundkitDecodeError* error) {
    return Decode(source, wavPath, &form, error);
}

int CSoundkit::DecodeStop() {
    m_stop = DecodeContext::instance().requestStop() ? 1 : 0;
    return 1;
}
