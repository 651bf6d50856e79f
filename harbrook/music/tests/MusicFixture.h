#pragma once
// A music document over an empty store, with short test audio and a scratch folder.
#include <music/MusicData.h>

#include <songbase/Songbase.h>
#include <testsupport/ScratchDir.h>
#include <testsupport/TestAudio.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

class MusicFixture : public ::testing::Test {
protected:
    // A playable 1-second MP3 tagged with `trackNo` (0: no track tag), cached per tag.
    static std::string Mp3(int trackNo = 0) {
        const std::string tag = trackNo ? " -metadata track=" + std::to_string(trackNo) : "";
        return testsupport::toneFile("music_t" + std::to_string(trackNo) + ".mp3", 44100, 2,
                                     "libmp3lame", 128000, 1, tag);
    }
    // A copy of a test file inside the scratch folder, which the test may delete or spoil.
    std::string OwnCopy(const std::string& source, const std::string& name) {
        const std::string path = scratch.file(name);
        testsupport::writeFile(path, testsupport::readFile(source));
        return path;
    }
    // A playlist holding the given files; its index.
    int PlayListOf(std::initializer_list<std::string> files) {
        EXPECT_EQ(doc.NewPlayList(nullptr), 0);
        const int list = CSongbase::GetPlayListCount() - 1;
        for (const std::string& file : files) EXPECT_EQ(doc.AddFile(list, file), 0) << file;
        return list;
    }

    // The temporary ("$$$") files left in the scratch folder, which the jobs use as theirs.
    int TempFiles() const {
        int count = 0;
        for (const auto& e : std::filesystem::directory_iterator(scratch.path()))
            count += e.path().filename().string().rfind("$$$", 0) == 0;
        return count;
    }

    testsupport::ScratchDir scratch;
    CMusicData doc;
};
