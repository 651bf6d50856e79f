#pragma once
// How a transfer talks to the user: the message dialog's questions and messages, the music check
// report, the choice of a removable drive. The GUI answers with its dialogs, the command line from
// its options. Texts are UTF-8.
#include <music/MusicQuestion.h>

#include <string>

class CMusicData;

class TransferPrompts : public MusicQuestion {
public:
    // Message dialog answers and types, as the message dialog numbers them.
    static constexpr int kOk = 1;
    static constexpr int kCancel = 2;
    static constexpr int kYes = 6;
    static constexpr int kNo = 7;
    static constexpr int kTypeOk = 0;
    static constexpr int kTypeYesNo = 4;

    // Shows `text` with the buttons of `type`; the answer. Never called with an empty text.
    virtual int Ask(const std::string& text, int type) = 0;
    // The music check report of a failed check.
    virtual void ShowCheckReport(CMusicData& music) = 0;
    // The removable drive to copy to for `mode`; empty when the user cancelled.
    virtual std::string ChooseDrive(int mode) = 0;

    // An OK-only message; nothing for an empty text.
    void Tell(const std::string& text) {
        if (!text.empty()) Ask(text, kTypeOk);
    }
    bool AskYesNo(const std::string& text) override { return Ask(text, kTypeYesNo) == kYes; }
};
