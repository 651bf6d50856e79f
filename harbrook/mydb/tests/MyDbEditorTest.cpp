#include <mydb/MyDbEditor.h>

#include <mydb/tests/TestRows.h>
#include <testsupport/ScratchDir.h>

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace {

using testrows::cp;
using testrows::makeRow;

// Answers the editor's questions from a script and records every message.
class ScriptedUi : public MyDbEditorUi {
public:
    void Inform(const std::string& text) override {
        if (!text.empty()) messages.push_back(text);
    }
    bool AskYesNo(const std::string& text) override {
        questions.push_back(text);
        return yes;
    }
    Answer AskYesNoCancel(const std::string& text) override {
        questions.push_back(text);
        return saveAnswer;
    }
    bool ChooseFile(bool open, const std::string& folder, std::string& path) override {
        dialogs.push_back({open, folder, path});
        if (chosen.empty()) return false;
        path = chosen.front();
        chosen.pop_front();
        return true;
    }

    struct Dialog {
        bool open;
        std::string folder, name;
    };
    bool yes = true;
    Answer saveAnswer = Answer::kYes;
    std::deque<std::string> chosen;  // one path per dialog; none left means cancel
    std::vector<std::string> messages, questions;
    std::vector<Dialog> dialogs;
};

class MyDbEditorTest : public ::testing::Test {
protected:
    void fill(int count, const std::vector<std::string>& fields) {
        const MyDbRow row = makeRow(fields);
        for (int i = 0; i < count; ++i) store.InsertRow(store.GetRowCount(), row);
    }
    std::string field(int row, MyDbField f) const {
        MyDbRow r;
        EXPECT_TRUE(store.GetRow(row, r));
        return std::string(mydb::fieldText(r, f));
    }
    int newRowItem() const { return store.GetRowCount(); }

    CMyDbData store;
    ScriptedUi ui;
    std::string folder, fileName;
    MyDbEditor editor{store, ui, folder, fileName};
};

TEST_F(MyDbEditorTest, ReadingsAreStoredInHiraganaAndBadTextIsRejected) {
    fill(1, {"#Playlist", "1", "A"});
    EXPECT_TRUE(editor.EndEdit({0}, 0, 3, cp("カタカナ ヨミ")));
    EXPECT_EQ(field(0, MyDbField::TitleReading), cp("かたかな よみ"));
    EXPECT_TRUE(editor.EndEdit({0}, 0, 7, cp("アーティスト")));
    EXPECT_EQ(field(0, MyDbField::ArtistReading), cp("あーてぃすと"));

    store.SetModified(false);
    for (auto [column, text] : std::vector<std::pair<int, std::string>>{
             {1, "100"}, {1, "0"}, {3, cp("漢字")}, {6, "999"}, {2, "a\tb"}}) {
        EXPECT_FALSE(editor.EndEdit({0}, 0, column, text)) << column << " " << text;
    }
    EXPECT_EQ(ui.messages, std::vector<std::string>(5, MyDbEditor::kRejectedText));
    EXPECT_FALSE(store.IsModified());
    EXPECT_EQ(field(0, MyDbField::No), "1");
}

TEST_F(MyDbEditorTest, SeveralSelectedRowsChangeTogetherOnlyAfterYes) {
    fill(5, {"#Track", "1", "T"});
    const MyDbEditor::Items all = {0, 1, 2, 3, 4};
    ui.yes = false;
    EXPECT_FALSE(editor.EndEdit(all, 2, 1, "7"));
    EXPECT_EQ(field(2, MyDbField::No), "1");
    ui.yes = true;
    EXPECT_TRUE(editor.EndEdit(all, 2, 1, "7"));
    for (int i = 0; i < 5; ++i) EXPECT_EQ(field(i, MyDbField::No), "7");
    EXPECT_EQ(ui.questions, std::vector<std::string>(2, MyDbEditor::kSeveralRowsQuestion));

    // An edit outside the selection changes its own row without asking.
    EXPECT_TRUE(editor.EndEdit({0, 1}, 4, 1, "9"));
    EXPECT_EQ(field(4, MyDbField::No), "9");
    EXPECT_EQ(field(0, MyDbField::No), "7");
    EXPECT_EQ(ui.questions.size(), 2u);
}

TEST_F(MyDbEditorTest, TheNewRowItemMakesTheRowItsColumnImplies) {
    EXPECT_TRUE(editor.EndEdit({newRowItem()}, newRowItem(), 7, cp("よみ")));
    EXPECT_TRUE(editor.EndEdit({newRowItem()}, newRowItem(), 2, cp("曲名")));
    EXPECT_TRUE(editor.EndEdit({newRowItem()}, newRowItem(), 0, ""));
    ASSERT_EQ(store.GetRowCount(), 3);
    EXPECT_EQ(field(0, MyDbField::Command), "#Playlist");
    EXPECT_EQ(field(0, MyDbField::ArtistReading), cp("よみ"));
    EXPECT_EQ(field(1, MyDbField::Command), "#Track");
    EXPECT_EQ(field(1, MyDbField::Title), cp("曲名"));
    EXPECT_EQ(field(2, MyDbField::Command), "");
}

TEST_F(MyDbEditorTest, FieldsAreCutToTheirCapacityOnCharacterBoundaries) {
    fill(1, {"#Playlist", "1"});
    // 33 bytes: "a" and sixteen double-byte characters; the title holds 32.
    ASSERT_TRUE(editor.EndEdit({0}, 0, 2, "a" + cp("あいうえおかきくけこさしすせそた")));
    EXPECT_EQ(field(0, MyDbField::Title), "a" + cp("あいうえおかきくけこさしすせそ"));
}

TEST_F(MyDbEditorTest, RowsRefuseTheColumnsTheirKindLacks) {
    fill(1, {"#Track", "1"});
    fill(1, {});
    fill(1, {"#Playlist", "1"});
    for (int column = 0; column < 9; ++column) {
        EXPECT_EQ(editor.MayBeginEdit(0, column), column <= 5) << column;
        EXPECT_EQ(editor.MayBeginEdit(1, column), column == 0) << column;
        EXPECT_TRUE(editor.MayBeginEdit(2, column));
        EXPECT_TRUE(editor.MayBeginEdit(newRowItem(), column));
    }
    EXPECT_FALSE(editor.MayBeginEdit(-1, 0));
    EXPECT_FALSE(editor.MayBeginEdit(0, -1));
    // A year set on a playlist and a track together leaves the track without one.
    ASSERT_TRUE(editor.EndEdit({0, 2}, 2, 6, "2001"));
    EXPECT_EQ(field(2, MyDbField::Year), "2001");
    EXPECT_EQ(field(0, MyDbField::Year), "");
}

TEST_F(MyDbEditorTest, AFullStoreHidesTheNewRowItemAndRefusesMoreRows) {
    fill(CMyDbData::kMaxRows - 1, {"#Track", "1"});
    EXPECT_EQ(editor.Grid().ItemCount(), CMyDbData::kMaxRows);
    fill(1, {"#Track", "1"});
    EXPECT_EQ(editor.Grid().ItemCount(), CMyDbData::kMaxRows);
    EXPECT_EQ(editor.Grid().ItemRow(CMyDbData::kMaxRows - 1), CMyDbData::kMaxRows - 1);

    editor.Insert({5});
    editor.Copy({0, 1, 2});
    editor.Paste({0});
    EXPECT_EQ(store.GetRowCount(), CMyDbData::kMaxRows);
    // Insert reports once; the paste tries all three rows and reports the failure once.
    EXPECT_EQ(ui.messages, std::vector<std::string>(2, "最大行数は10000行です。"));
}

TEST_F(MyDbEditorTest, DeleteRemovesTheSelectedRowsButNeverTheNewRowItem) {
    for (const char* title : {"a", "b", "c", "d"}) fill(1, {"#Track", "1", title});
    EXPECT_FALSE(editor.CanChangeRows({newRowItem()}));
    EXPECT_TRUE(editor.CanChangeRows({3, newRowItem()}));
    EXPECT_EQ(editor.Delete({1, 3, newRowItem()}), 1);
    ASSERT_EQ(store.GetRowCount(), 2);
    EXPECT_EQ(field(0, MyDbField::Title), "a");
    EXPECT_EQ(field(1, MyDbField::Title), "c");
    MyDbRow row;
    for (int i = 0; i < 2; ++i) EXPECT_TRUE(store.GetRow(i, row) && row.deleteMark == 0);
}

TEST_F(MyDbEditorTest, CutAndPasteMoveRowsInGridOrder) {
    for (const char* title : {"a", "b", "c", "d"}) fill(1, {"#Track", "1", title});
    EXPECT_FALSE(editor.CanPaste({0}));
    editor.Cut({0, 2, newRowItem()});
    EXPECT_TRUE(editor.CanPaste({0}));
    EXPECT_FALSE(editor.CanPaste({}));
    editor.Paste({newRowItem()});  // b d a c
    editor.Paste({1});             // b a c d a c
    std::string titles;
    for (int i = 0; i < store.GetRowCount(); ++i) titles += field(i, MyDbField::Title);
    EXPECT_EQ(titles, "bacdac");
    editor.Insert({newRowItem()});
    EXPECT_EQ(store.GetRowCount(), 7);
    EXPECT_EQ(field(6, MyDbField::Command), "");
}

TEST_F(MyDbEditorTest, OpenAsksToSaveFirstAndRemembersTheChosenFile) {
    testsupport::ScratchDir dir;
    fill(1, {"#Playlist", "1", "A"});
    ASSERT_TRUE(store.Save(dir.file("old.txt")));
    fill(1, {"#Track", "1", "B"});

    // Yes, but the save dialog is cancelled: nothing is opened.
    EXPECT_FALSE(editor.Open());
    EXPECT_EQ(ui.dialogs.size(), 1u);
    EXPECT_FALSE(ui.dialogs[0].open);

    ui.saveAnswer = MyDbEditorUi::Answer::kNo;
    ui.chosen = {dir.file("old.txt")};
    EXPECT_TRUE(editor.Open());
    EXPECT_EQ(store.GetRowCount(), 1);
    EXPECT_EQ(folder, dir.path().string());
    EXPECT_EQ(fileName, "old.txt");

    ui.chosen = {dir.file("missing.txt")};
    EXPECT_FALSE(editor.Open());
    EXPECT_EQ(ui.dialogs.back().name, "old.txt");
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(fileName, "old.txt");

    ui.chosen = {dir.file("new.txt")};
    EXPECT_TRUE(editor.Save());
    EXPECT_EQ(fileName, "new.txt");
    EXPECT_TRUE(ui.dialogs.back().folder == dir.path().string() && !ui.dialogs.back().open);
}

TEST_F(MyDbEditorTest, NewEmptiesTheStoreOnlyWhenChangesMayBeLost) {
    fill(2, {"#Track", "1"});
    ui.yes = false;
    EXPECT_FALSE(editor.New());
    EXPECT_EQ(store.GetRowCount(), 2);
    ui.yes = true;
    EXPECT_TRUE(editor.New());
    EXPECT_EQ(store.GetRowCount(), 0);
    EXPECT_TRUE(store.IsModified());
    EXPECT_EQ(ui.questions, std::vector<std::string>(2, MyDbEditor::kLoseChangesQuestion));
}

}  // namespace
