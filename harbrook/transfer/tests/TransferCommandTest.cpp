// The transfer command over the three stores: USB and card paths, the work folder gone on every
// path, the questions before starting, the detection texts, the point states after a send or a
// copy, and the card written data first, index last.
#include "TransferFakes.h"

#include <transfer/TransferCommand.h>
#include <transfer/WorkFolder.h>

#include <music/MusicData.h>
#include <mydb/MyDbData.h>
#include <mydb/MyDbRow.h>
#include <points/CPointData.h>
#include <shell/AppSettings.h>

#include <outside/Shuttler.h>
#include <songbase/Songbase.h>
#include <testsupport/ScratchDir.h>
#include <testsupport/TestAudio.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

namespace fs = std::filesystem;
using Outcome = TransferCommand::Outcome;

// While the card's index file exists, every data file must be there whole.
class IndexLastProgress : public RecordingProgress {
public:
    fs::path index;
    std::vector<fs::path> data;     // on the card
    std::vector<fs::path> sources;  // their sources, when known: the sizes must match too
    bool violated = false;

protected:
    void Refresh() override {
        RecordingProgress::Refresh();
        if (index.empty() || !fs::exists(index)) return;
        for (std::size_t i = 0; i < data.size(); ++i) {
            std::error_code ec;
            const auto size = fs::file_size(data[i], ec);
            if (ec || (i < sources.size() && size != fs::file_size(sources[i], ec))) violated = true;
        }
    }
};

class TransferCommandTest : public ::testing::Test {
protected:
    TransferCommandTest() {
        settings.withDJ = 0;
        command.SetWorkBase(base.folder());
        command.SetPauses(std::chrono::milliseconds(0));
        CShuttler::SetUnitFolder(unit.path().string());
        CShuttler::Initialize(nullptr, 0);
    }
    ~TransferCommandTest() override {
        CShuttler::Release();
        CShuttler::SetUnitFolder({});
        music.ClearAll();
    }
    bool WorkFolderLeft() const { return !fs::is_empty(base.path()); }
    void AddMyDbRow(const char* kind = "#Playlist") {
        MyDbRow row = mydb::blankRow();
        std::snprintf(row.command, sizeof row.command, "%s", kind);
        std::snprintf(row.no, sizeof row.no, "1");
        ASSERT_TRUE(myDb.InsertRow(0, row));
    }
    int AddPoint(const char* name) {
        const int slot = addTestPoint(pointStore, name);
        EXPECT_GE(slot, 0);
        return slot;
    }
    void Unplug() { usb = false; }

    testsupport::ScratchDir base, unit, card;
    AppSettings settings;
    CMusicData music;
    CMyDbData myDb;
    points::CPointData pointStore;
    IndexLastProgress progress;
    ScriptedPrompts prompts;
    bool usb = true;
    int refreshed = 0, broadcasts = 0;
    TransferCommand command{{music, myDb, pointStore}, settings, progress, prompts,
                            {[this] { return usb; }, [this] { ++refreshed; },
                             [this] { ++broadcasts; }}};
};

TEST_F(TransferCommandTest, MyDbOverUsbLandsOnTheUnitAndTheWorkFolderGoes) {
    AddMyDbRow();
    EXPECT_EQ(command.Run(1), Outcome::Done);
    EXPECT_TRUE(fs::exists(unit.path() / "AVMTR" / "MYDB.txt"));
    EXPECT_FALSE(WorkFolderLeft());
    EXPECT_EQ(progress.begun, 1);
    EXPECT_FALSE(progress.IsOpen());
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(TransferCommandTest, WorkFolderGoesAfterFailureAndCancel) {
    AddMyDbRow();
    CShuttler::InjectFaults({0, 0, CShuttler::kWriteFailed, {}});
    EXPECT_EQ(command.Run(1), Outcome::Failed);
    EXPECT_EQ(prompts.shown.size(), 1u);
    EXPECT_FALSE(WorkFolderLeft());

    CShuttler::InjectFaults({1000000, -1, 4, {}});
    progress.cancelAtPump = progress.pumps + 10;
    EXPECT_EQ(command.Run(1), Outcome::Cancelled);
    EXPECT_FALSE(WorkFolderLeft());
    EXPECT_FALSE(fs::exists(unit.path() / "AVMTR" / "MYDB.txt"));
}

TEST_F(TransferCommandTest, QuestionsBeforeStartingCanEndTheCommand) {
    AddMyDbRow();
    // A missing work folder of the user's: No keeps the setting and does nothing.
    command.SetWorkBase({});
    settings.tempFolder = 1;
    settings.tempFolderPath = (base.path() / "gone").string();
    prompts.answers = {TransferPrompts::kNo};
    EXPECT_EQ(command.Run(1), Outcome::NotStarted);
    EXPECT_EQ(settings.tempFolder, 1);
    EXPECT_EQ(prompts.shown.back(), WorkFolder::kMissingQuestion);
    // Yes goes back to the temporary folder.
    prompts.answers = {TransferPrompts::kYes};
    EXPECT_EQ(command.Run(1), Outcome::Done);
    EXPECT_EQ(settings.tempFolder, 0);
    EXPECT_EQ(progress.begun, 1);

    // A failing check shows the store's text and sends nothing.
    AddMyDbRow("#Nonsense");
    const std::size_t before = prompts.shown.size();
    EXPECT_EQ(command.Run(1), Outcome::NotStarted);
    EXPECT_EQ(prompts.shown.size(), before + 1);
    EXPECT_EQ(progress.begun, 1);
}

TEST_F(TransferCommandTest, PointStatesAfterSendAndCopy) {
    const int slot = AddPoint("a");
    pointStore.SetTransferAllowed(true);
    EXPECT_EQ(command.Run(2), Outcome::Done);
    EXPECT_EQ(pointStore.GetPointState(slot), 1);
    EXPECT_EQ(refreshed, 1);

    const int second = AddPoint("b");
    Unplug();
    prompts.drive = card.folder();
    EXPECT_EQ(command.Run(2), Outcome::Done);
    EXPECT_EQ(pointStore.GetPointState(second), 2);
    EXPECT_EQ(pointStore.GetPointState(slot), 1);
    EXPECT_EQ(broadcasts, 1);
    EXPECT_FALSE(WorkFolderLeft());
}

TEST_F(TransferCommandTest, PointCardGetsItsRecordFileLast) {
    for (int i = 0; i < 3; ++i) pointStore.SetComment(AddPoint("p"), std::string(200, 'c').c_str());
    Unplug();
    prompts.drive = card.folder();
    // The card set as the copier sees it in a work folder of our own.
    testsupport::ScratchDir preview;
    ASSERT_TRUE(pointStore.WriteForMedia(preview.folder()));
    for (const auto& entry : fs::recursive_directory_iterator(preview.path())) {
        if (!entry.is_regular_file() || entry.path().filename() == "POINTREC.V04") continue;
        progress.sources.push_back(entry.path());
        progress.data.push_back(card.path() / fs::relative(entry.path(), preview.path()));
    }
    progress.index = card.path() / "NAVIDATA" / "POINT" / "POINTREC.V04";
    ASSERT_GE(progress.data.size(), 3u);
    EXPECT_EQ(command.Run(2), Outcome::Done);
    EXPECT_TRUE(fs::exists(progress.index));
    EXPECT_FALSE(progress.violated);
}

TEST_F(TransferCommandTest, MusicCardCopyWithoutDetectionWritesTheIndexLast) {
    const std::string mp3 = testsupport::toneFile("transfer_tone.mp3", 44100, 2, "libmp3lame",
                                                  128000, 1);
    ASSERT_EQ(music.NewPlayList(nullptr), 0);
    ASSERT_EQ(music.AddFile(0, mp3), 0);
    ASSERT_EQ(music.AddFile(0, mp3), 0);
    Unplug();
    prompts.drive = card.folder();
    progress.index = card.path() / "AVMTR" / "AVMTR.PPD";
    for (const char* name : {"PLINFO001.PPD", "TRACK001_01.PPD", "TRACK001_02.PPD"})
        progress.data.push_back(card.path() / "AVMTR" / name);
    EXPECT_EQ(command.Run(0), Outcome::Done);
    EXPECT_TRUE(std::none_of(progress.titles.begin(), progress.titles.end(),
                             [](const std::string& t) { return t == TransferCommand::kDetectTitle; }));
    EXPECT_NE(std::find(progress.titles.begin(), progress.titles.end(),
                        TransferCommand::kPrepareTitle), progress.titles.end());
    EXPECT_TRUE(fs::exists(progress.index));
    EXPECT_FALSE(progress.violated);
    EXPECT_FALSE(WorkFolderLeft());
    EXPECT_TRUE(prompts.shown.empty());

    // A failing check shows the report and leaves nothing behind.
    music.ClearAll();
    EXPECT_EQ(command.Run(0), Outcome::NotStarted);
    EXPECT_EQ(prompts.reports, 1);
    EXPECT_FALSE(WorkFolderLeft());
}

// A source that changes after its check fails the build; the message names it and why.
class ChangingSourceProgress : public RecordingProgress {
public:
    fs::path source;

protected:
    void Refresh() override {
        RecordingProgress::Refresh();
        if (source.empty() || Model().Position() == 0) return;  // after the first TRACK file
        std::FILE* file = std::fopen(source.c_str(), "ab");
        if (file) std::fputs("appended after the check", file), std::fclose(file);
        source.clear();
    }
};

TEST_F(TransferCommandTest, MusicSourceChangedAfterItsCheckIsNamedInTheFailure) {
    const fs::path mp3 = card.path() / "changing.mp3";
    fs::copy_file(testsupport::toneFile("transfer_tone.mp3", 44100, 2, "libmp3lame", 128000, 1),
                  mp3);
    ASSERT_EQ(music.NewPlayList(nullptr), 0);
    ASSERT_EQ(music.AddFile(0, mp3.string()), 0);
    ASSERT_EQ(music.AddFile(0, mp3.string()), 0);
    ChangingSourceProgress changing;
    changing.source = mp3;
    TransferCommand copy{{music, myDb, pointStore}, settings, changing, prompts,
                         {[] { return false; }, {}, {}}};
    copy.SetWorkBase(base.folder());
    copy.SetPauses(std::chrono::milliseconds(0));
    prompts.drive = unit.folder();
    EXPECT_EQ(copy.Run(0), Outcome::Failed);
    ASSERT_FALSE(prompts.shown.empty());
    const std::string& shown = prompts.shown.back();
    EXPECT_NE(shown.find(mp3.string() + "\r" + TransferCommand::kChangedSinceCheck),
              std::string::npos)
        << shown;
    EXPECT_FALSE(WorkFolderLeft());
}

}  // namespace
