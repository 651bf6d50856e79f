#pragma once
// The build job's way of asking the user a yes/no question ("go on after a failed decode?").
// The GUI answers with its message dialog; the command line answers yes.
#include <string>

class MusicQuestion {
public:
    virtual ~MusicQuestion() = default;
    // `text` is UTF-8. True for Yes, false for No.
    virtual bool AskYesNo(const std::string& text) = 0;
};
