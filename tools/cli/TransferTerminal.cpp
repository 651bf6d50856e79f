#include "TransferTerminal.h"

#include "Interrupt.h"
#include "Messages.h"

#include <music/MusicData.h>
#include <transfer/TransferCommand.h>
#include <transfer/WorkFolder.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace cli {

std::string oneLine(const std::string& text) {
    std::string line;
    for (char c : text) {
        if (c == '\r' || c == '\n') {
            if (!line.empty() && line.back() != ' ') line += ' ';
        } else {
            line += c;
        }
    }
    return line;
}

bool TerminalTransferProgress::OnBegin(bool) {
    m_terminal = ::isatty(STDERR_FILENO) == 1;
    m_shown.clear();
    m_logged.clear();
    return true;
}

void TerminalTransferProgress::OnEnd() {
    if (m_terminal && !m_shown.empty()) std::fputs("\n", stderr);
    m_shown.clear();
}

void TerminalTransferProgress::Refresh() {
    if (!IsOpen()) return;
    const ProgressModel& m = Model();
    std::string line = m.Title();
    if (const std::string counter = m.CounterText(); !counter.empty()) line += "  " + counter;
    if (m_terminal) {
        const std::string shown = "\r" + line + "  " + m.PercentText() + "\x1b[K";
        if (shown == m_shown) return;
        m_shown = shown;
        std::fputs(shown.c_str(), stderr);
    } else {
        // A log or a pipe gets a line per title and file, without percentages.
        if (line == m_logged) return;
        m_logged = line;
        std::fprintf(stderr, "%s\n", line.c_str());
    }
    std::fflush(stderr);
}

void TerminalTransferProgress::ProcessEvents() {
    if (interruptSignal() != 0) RequestCancel();
}

TerminalPrompts::TerminalPrompts(const char* command, std::string card,
                                 std::function<unsigned long long(const std::string&)> mediaBytes)
    : m_command(command), m_card(std::move(card)), m_mediaBytes(std::move(mediaBytes)) {}

int TerminalPrompts::Ask(const std::string& text, int type) {
    m_last = text;
    // Going on after a failed decode costs a mood result; starting short of space could fail
    // midway: the first is answered yes, everything else no.
    const bool yes = text == CMusicData::kDecodeFailedQuestion;
    if (type == kTypeOk) {
        reportFailure(m_command, oneLine(text));
        return kOk;
    }
    reportFailure(m_command, oneLine(text) + (yes ? " -> yes" : " -> no"));
    return yes ? kYes : kNo;
}

void TerminalPrompts::ShowCheckReport(CMusicData& music) {
    std::string report = music.ReportText();
    std::replace(report.begin(), report.end(), '\r', '\n');
    std::fputs(report.c_str(), stderr);
    m_last = music.ErrorText();
    if (!m_last.empty()) reportFailure(m_command, m_last);
}

std::string TerminalPrompts::ChooseDrive(int) {
    std::error_code error;
    if (!std::filesystem::is_directory(m_card, error)) {
        reportFailure(m_command, m_card,
                      error ? systemReason(error.value()) : tr("is not a folder"));
        return {};
    }
    const unsigned long long free = WorkFolder::FreeBytesOf(m_card);
    const unsigned long long needed = m_mediaBytes(m_card);
    char line[128];
    std::snprintf(line, sizeof line, "空き容量 %llu MBytes%s", free >> 20,
                  needed != 0 && needed > free ? " (容量が不足しています)" : "");
    if (free == 0 || (needed != 0 && needed > free)) {
        m_last = line;
        reportFailure(m_command, m_card, free == 0 ? tr("free space unreadable") : line);
        return {};
    }
    return m_card;
}

}  // namespace cli
