// CSoundkit: decoding a music file to a PCM WAV file.
#include <soundkit/Soundkit.h>

#include "DecodeContext.h"
#include "WavDecoder.h"

using soundkit::DecodeContext;
using soundkit::WavDecoder;

int CSoundkit::DecodeRun(const char* source, const char* wavPath) {
    m_stop = 0;
    bool decoded = false;
    if (source && wavPath) {
        DecodeContext& context = DecodeContext::instance();
        DecodeContext::Lease lease(context);
        if (lease) {
            WavDecoder decoder(context.stopFlag(), [this](int percent) {
                platform::postTo(m_target, m_progressMessage, 0, percent);
            });
            decoded = decoder.run(source, wavPath) && !context.stopFlag();
        }
    }
    // Posted at the end of every run, whatever its outcome.
    platform::postTo(m_target, m_completionMessage, 0, 0);
    return decoded && m_stop == 0 ? 1 : 0;
}

int CSoundkit::DecodeStop() {
    m_stop = DecodeContext::instance().requestStop() ? 1 : 0;
    return 1;
}
