#pragma once
// Loads the media module beside libsoundkit on first use.
#include "MediaFunctions.h"

namespace soundkit {

class MediaModule {
public:
    // The module's functions; null when it cannot be loaded (an incomplete installation), in
    // which case the reason has been written to standard error once.
    static const MediaFunctions* functions();
};

}  // namespace soundkit
