#pragma once
// Fakes for the point view's tests: the web map (the copied position and the opened addresses)
// and the message dialog (texts recorded, questions answered from a script).
#include <outside/Atlasgate.h>
#include <platform/Cp932.h>
#include <shell/gui/MessageDlg.h>

#include <QStringList>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pointtest {

inline std::string sjis(const char* utf8) {
    return platform::utf8ToCp932(utf8).value();
}

// The map bridge, started with a clipboard and a browser the test controls; stopped at the end.
class MapBridge {
public:
    MapBridge() {
        CAtlasgate::SetClipboard(m_clipboard);
        CAtlasgate::SetUrlOpener(m_opener);
        CAtlasgate::Init();
    }
    ~MapBridge() { CAtlasgate::Exit(); }
    void Copy(std::string text) { m_clipboard->content = std::move(text); }
    const std::vector<std::string>& Opened() const { return m_opener->opened; }

private:
    struct Clipboard : MapClipboard {
        std::optional<std::string> content;
        std::optional<std::string> text() override { return content; }
    };
    struct Opener : MapUrlOpener {
        std::vector<std::string> opened;
        bool open(const std::string& url) override {
            opened.push_back(url);
            return true;
        }
    };
    std::shared_ptr<Clipboard> m_clipboard = std::make_shared<Clipboard>();
    std::shared_ptr<Opener> m_opener = std::make_shared<Opener>();
};

// Records every message; questions take the next scripted answer (Yes when none is left).
class Messages {
public:
    Messages() {
        SetMessageDlgResponder([this](const QString& text, int type) {
            shown.append(text);
            if (type == CMessageDlg::kInformation) return CMessageDlg::kOk;
            if (answers.empty()) return CMessageDlg::kYes;
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        });
    }
    ~Messages() { SetMessageDlgResponder({}); }

    QStringList shown;
    std::deque<int> answers;
};

}  // namespace pointtest
