#pragma once
// A music document over an empty store for the music view's tests, with tone files made by
// ffmpeg, and the message and report dialogs answered without windows.
#include <music/view/MusicReportDlg.h>

#include <music/MusicData.h>
#include <shell/gui/MessageDlg.h>
#include <songbase/Songbase.h>
#include <testsupport/ScratchDir.h>
#include <testsupport/TestAudio.h>

#include <QStringList>

#include <gtest/gtest.h>

#include <string>

class MusicViewFixture : public ::testing::Test {
protected:
    MusicViewFixture() {
        SetMessageDlgResponder([this](const QString& text, int) {
            messages.append(text);
            return answer;
        });
        CMusicReportDlg::SetResponder([this](const QString& report, const QString& message) {
            reports.append(report);
            reportMessages.append(message);
        });
    }
    ~MusicViewFixture() override {
        SetMessageDlgResponder({});
        CMusicReportDlg::SetResponder({});
    }
    virtual CMusicData& doc() = 0;

    // A playable 1-second MP3 tagged with `trackNo` (0: no tag), cached per tag.
    static std::string Mp3(int trackNo = 0) {
        const std::string tag = trackNo ? " -metadata track=" + std::to_string(trackNo) : "";
        return testsupport::toneFile("view_t" + std::to_string(trackNo) + ".mp3", 44100, 2,
                                     "libmp3lame", 128000, 1, tag);
    }
    // A copy of a test file in the scratch folder under `name` (subfolders are made).
    std::string Copy(const std::string& source, const std::string& name) {
        const std::string path = scratch.file(name);
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        testsupport::writeFile(path, testsupport::readFile(source));
        return path;
    }
    // A playlist of `count` copies of one track record; its index.
    int PlayListOf(int count) {
        EXPECT_EQ(doc().NewPlayList(nullptr), 0);
        const int list = CSongbase::GetPlayListCount() - 1;
        if (count == 0) return list;
        EXPECT_EQ(doc().AddFile(list, Mp3(1)), 0);
        Songbase_Track record{};
        doc().CopyOutTrack(list, 0, &record);
        for (int i = 1; i < count; ++i) EXPECT_EQ(doc().InsertTrack(list, i, record), 0);
        return list;
    }

    testsupport::ScratchDir scratch;
    QStringList messages;
    QStringList reports;
    QStringList reportMessages;
    int answer = CMessageDlg::kYes;
};
