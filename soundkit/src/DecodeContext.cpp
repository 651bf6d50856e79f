#include "DecodeContext.h"

namespace soundkit {

DecodeContext& DecodeContext::instance() {
    static DecodeContext context;
    return context;
}

bool DecodeContext::begin() {
    std::lock_guard lock(m_mutex);
    if (m_running) return false;
    m_running = true;
    m_stop = false;
    return true;
}

void DecodeContext::end() {
    std::lock_guard lock(m_mutex);
    m_running = false;
}

bool DecodeContext::requestStop() {
    std::lock_guard lock(m_mutex);
    if (!m_running) return false;
    m_stop = true;
    return true;
}

}  // namespace soundkit
