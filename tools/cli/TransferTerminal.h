#pragma once
// The transfers' progress window and dialogs on a terminal: one progress line on stderr (redrawn
// in place on a terminal, a line per change of title or file otherwise), Ctrl-C as the cancel
// button, and the questions answered without asking (go on after a failed decode: yes; too
// little space: no). The drive is the one given with --card, checked for space as the drive
// dialog checks it.
#include <transfer/TransferProgress.h>
#include <transfer/TransferPrompts.h>

#include <functional>
#include <string>

namespace cli {

class TerminalTransferProgress : public TransferProgress {
protected:
    bool OnBegin(bool showCounter) override;
    void OnEnd() override;
    void Refresh() override;
    void ProcessEvents() override;

private:
    std::string m_shown;
    std::string m_logged;
    bool m_terminal = false;
};

class TerminalPrompts : public TransferPrompts {
public:
    // `command` names the messages; `mediaBytes` tells what a card copy needs on a drive.
    TerminalPrompts(const char* command, std::string card,
                    std::function<unsigned long long(const std::string&)> mediaBytes);

    int Ask(const std::string& text, int type) override;
    void ShowCheckReport(CMusicData& music) override;
    std::string ChooseDrive(int mode) override;
    // The message shown last (empty: none).
    const std::string& LastMessage() const { return m_last; }

private:
    const char* m_command;
    std::string m_card;
    std::function<unsigned long long(const std::string&)> m_mediaBytes;
    std::string m_last;
};

// `text` on one line: the dialogs' "\r" line breaks become spaces.
std::string oneLine(const std::string& text);

}  // namespace cli
