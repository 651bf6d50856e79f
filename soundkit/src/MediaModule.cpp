#include "MediaModule.h"

#include <platform/LoadableModule.h>

namespace soundkit {

const MediaFunctions* MediaModule::functions() {
    static platform::LoadableModule module(reinterpret_cast<const void*>(&MediaModule::functions),
                                           MediaFunctions::kModuleFile, MediaFunctions::kEntryName);
    return module.Functions<MediaFunctions>();
}

}  // namespace soundkit
