// The media module's single export: the table of its functions.
#include "MediaFunctions.h"
#include "WavDecoder.h"

namespace soundkit {
namespace {

SoundkitDecodeError decode(const std::atomic<bool>& stop, const std::function<void(int)>& progress,
                           const std::string& source, const std::string& wavPath,
                           const SoundkitPcmForm* form) {
    WavDecoder decoder(stop, progress);
    return decoder.run(source, wavPath, form);
}

const MediaFunctions kFunctions{MediaFunctions::kVersion, &SourceInspector::inspect, &decode};

}  // namespace
}  // namespace soundkit

extern "C" __attribute__((visibility("default"))) const soundkit::MediaFunctions*
soundkit_media_functions() {
    return &soundkit::kFunctions;
}
