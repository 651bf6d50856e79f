#include "DecodeContext.h"

#include <algorithm>

namespace soundkit {

DecodeContext& DecodeContext::instance() {
    static DecodeContext context;
    return context;
}

bool DecodeContext::requestStop() {
    std::lock_guard lock(m_mutex);
    for (std::atomic<bool>* stop : m_running) stop->store(true);
    return !m_running.empty();
}

DecodeContext::Run::Run(DecodeContext& context) : m_context(context) {
    std::lock_guard lock(m_context.m_mutex);
    m_context.m_running.push_back(&m_stop);
}

DecodeContext::Run::~Run() {
    std::lock_guard lock(m_context.m_mutex);
    auto& running = m_context.m_running;
    running.erase(std::find(running.begin(), running.end(), &m_stop));
}

}  // namespace soundkit
