// Editing points as the views do: the row order, in-place edits, the entry dialog's checks, typed
// positions and the new-point flow.
#include <points/CPointData.h>
#include <points/NewPointFlow.h>
#include <points/PointListEdit.h>
#include <points/PointRowList.h>
#include <points/PointTextRules.h>
#include <points/PositionInput.h>

#include <outside/Atlasgate.h>
#include <platform/Cp932.h>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

using namespace points;

namespace {

std::string sjis(const char* utf8) {
    return platform::utf8ToCp932(utf8).value();
}

std::string repeat(const char* utf8, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += utf8;
    return text;
}

class PointEditingTest : public ::testing::Test {
protected:
    int add(const char* name, int state) {
        const int slot = store->FindFreeSlot();
        auto entry = std::make_unique<PointEntry>();
        std::snprintf(entry->name, sizeof entry->name, "%s", name);
        EXPECT_TRUE(store->PutPoint(slot, entry.get()));
        store->SetPointState(slot, state);
        return slot;
    }
    std::string nameOf(int slot) {
        auto entry = std::make_unique<PointEntry>();
        store->GetPoint(slot, entry.get());
        return entry->name;
    }

    std::unique_ptr<CPointData> store = std::make_unique<CPointData>();
};

}  // namespace

TEST_F(PointEditingTest, RowsListTheUnitsPointsFirstAndFollowTheStore) {
    const int pc1 = add("pc1", kStateChanged);
    const int unit1 = add("unit1", kStateOnUnit);
    const int pc2 = add("pc2", kStateSaved);
    const int unit2 = add("unit2", kStateOnUnit);
    PointRowList rows;
    rows.Fill(*store);
    EXPECT_EQ(rows.Slots(), (std::vector<int>{unit1, unit2, pc1, pc2}));

    rows.Fill(*store);  // a filled list stays as it is
    EXPECT_EQ(rows.Size(), 4);
    rows.Insert(0, 99);
    rows.Insert(100, 98);
    EXPECT_EQ(rows.SlotAt(0), 99);
    EXPECT_EQ(rows.SlotAt(5), 98);
    EXPECT_EQ(rows.SlotAt(6), -1);

    store->DeletePoint(unit2);
    rows.DropUnlisted(*store);  // 98 and 99 hold nothing either
    EXPECT_EQ(rows.Slots(), (std::vector<int>{unit1, pc1, pc2}));
    EXPECT_EQ(rows.RowOf(pc2), 2);
}

TEST_F(PointEditingTest, InPlaceEditsCheckTheTextAndStoreReadingsInKatakana) {
    const int slot = add("a", kStateOnUnit);
    std::string reading = sjis("とうきょう タワー");
    ASSERT_TRUE(PrepareListText(kColumnReading, reading));
    EXPECT_EQ(reading, sjis("トウキョウ タワー"));
    ASSERT_TRUE(StoreListText(*store, slot, kColumnReading, reading));
    auto entry = std::make_unique<PointEntry>();
    store->GetPoint(slot, entry.get());
    EXPECT_EQ(entry->reading, sjis("トウキョウ タワー"));
    EXPECT_EQ(entry->state, kStateChanged);

    std::string telephone = "03-1234-5678";
    EXPECT_TRUE(PrepareListText(kColumnTelephone, telephone));
    std::string letters = "03-ABC";
    EXPECT_FALSE(PrepareListText(kColumnTelephone, letters));
    std::string tab = "a\tb";
    EXPECT_FALSE(PrepareListText(kColumnName, tab));

    // The name is cut to 40 bytes without splitting a character.
    ASSERT_TRUE(StoreListText(*store, slot, kColumnName, "x" + sjis(repeat("名", 21).c_str())));
    EXPECT_EQ(nameOf(slot), "x" + sjis(repeat("名", 19).c_str()));
    EXPECT_TRUE(StoreListGroup(*store, slot, 10));
    EXPECT_FALSE(StoreListGroup(*store, slot, 11));
    EXPECT_FALSE(StoreListText(*store, slot + 1, kColumnName, "x"));  // no point there
}

TEST(PointEntryChecks, RunInOrderAndStopAtTheFirstFailure) {
    PointEntryTexts texts{sjis(repeat("名", 20).c_str()), sjis("ヨミ"), std::string(24, '1'),
                          sjis("一行目\r\n二行目")};
    EXPECT_EQ(EntryTextsProblem(texts), "");
    texts.telephone = std::string(25, '1');
    EXPECT_EQ(EntryTextsProblem(texts), "電話番号の文字数が多すぎます。");
    texts.name = sjis(repeat("名", 21).c_str());
    EXPECT_EQ(EntryTextsProblem(texts), "地点名の文字数が多すぎます。");
    texts.name = "a\nb";
    EXPECT_EQ(EntryTextsProblem(texts), "地点名に適切でない文字が含まれています。");
    texts.name = "a";
    texts.telephone = "1";
    texts.reading = sjis("よみ");  // readings are katakana
    EXPECT_EQ(EntryTextsProblem(texts), "地点ヨミに適切でない文字が含まれています。");
    texts.reading.reset();  // a character without a CP932 form
    EXPECT_EQ(EntryTextsProblem(texts), "地点ヨミに適切でない文字が含まれています。");
    texts.reading = "";
    texts.comment = std::string(4097, 'c');
    EXPECT_EQ(EntryTextsProblem(texts), "コメントの文字数が多すぎます。");
}

TEST(PositionInput, ReadsDegreesMinutesSecondsAndTenthsLikeTheUnit) {
    EXPECT_EQ(LeadingInteger("  -12x"), -12);
    EXPECT_EQ(LeadingInteger("x"), 0);
    EXPECT_EQ(LeadingInteger("99999999999"), INT_MAX);
    EXPECT_EQ(TenthsOfSecond("40.9"), 9);
    EXPECT_EQ(TenthsOfSecond("16.05"), 0);
    EXPECT_EQ(TenthsOfSecond(" 59.99"), 9);
    EXPECT_EQ(TenthsOfSecond("7"), 0);

    CAtlasgate::Init();
    CPointData store;
    const auto inRange = [&store](DmsValue lon, DmsValue lat) {
        sMapLonLat position{};
        CAtlasgate::CalcMapLonLat(lon.parts, lat.parts, &position);
        return store.CheckPosition(position.longitude, position.latitude);
    };
    const DmsValue east = ReadDms("153", "59", "59.9");
    EXPECT_TRUE(inRange(east, ReadDms("56", "40", "0")));
    EXPECT_FALSE(inRange(east, ReadDms("56", "40", "0.1")));
    EXPECT_FALSE(inRange(ReadDms("121", "59", "59.9"), ReadDms("35", "0", "0")));
    CAtlasgate::Exit();
}

namespace {

// Answers the flow's dialogs from a script and records which ran.
class ScriptedDialogs : public NewPointDialogs {
public:
    explicit ScriptedDialogs(std::deque<int> answers) : m_answers(std::move(answers)) {}
    int ChooseWay() override { return next("choice"); }
    bool PositionFromMap(PointEntry& entry) override {
        entry.longitude = 1;
        return next("map") != 0;
    }
    bool TypedPosition(PointEntry& entry) override {
        entry.longitude = 2;
        return next("typed") != 0;
    }
    bool PointData(PointEntry&) override { return next("data") != 0; }

    std::vector<std::string> ran;

private:
    int next(const char* dialog) {
        ran.push_back(dialog);
        if (m_answers.empty()) return 0;
        const int answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    std::deque<int> m_answers;
};

}  // namespace

TEST(NewPointFlow, CancellingTheDataReturnsToThePositionDialogThatWasUsed) {
    PointEntry entry{};
    ScriptedDialogs typed({NewPointDialogs::kChoiceTyped, 1, 0, 1, 1});
    EXPECT_TRUE(RunNewPointFlow(typed, entry, NewPointStart::Choice));
    EXPECT_EQ(typed.ran, (std::vector<std::string>{"choice", "typed", "data", "typed", "data"}));
    EXPECT_EQ(entry.longitude, 2);

    ScriptedDialogs map({NewPointDialogs::kChoiceMap, 0, NewPointDialogs::kChoiceMap, 1, 0, 1, 1});
    EXPECT_TRUE(RunNewPointFlow(map, entry, NewPointStart::Choice));
    EXPECT_EQ(map.ran,
              (std::vector<std::string>{"choice", "map", "choice", "map", "data", "map", "data"}));

    ScriptedDialogs cancelled({NewPointDialogs::kChoiceCancel});
    EXPECT_FALSE(RunNewPointFlow(cancelled, entry, NewPointStart::Choice));

    // Starting at the map, its cancel ends the flow without the choice.
    ScriptedDialogs fromMap({1, 0, 0});
    EXPECT_FALSE(RunNewPointFlow(fromMap, entry, NewPointStart::Map));
    EXPECT_EQ(fromMap.ran, (std::vector<std::string>{"map", "data", "map"}));
}
