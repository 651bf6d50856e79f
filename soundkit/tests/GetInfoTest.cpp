#include "SoundkitFiles.h"

#include <soundkit/Soundkit.h>

#include <platform/Cp932.h>
#include <testsupport/ScratchDir.h>
#include <testsupport/TestAudio.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

using namespace soundkit_test;

namespace {

// CP932 bytes of the texts used below.
const std::string kNihongo = "\x93\xfa\x96\x7b\x8c\xea";            // 日本語
const std::string kKashu = "\x89\xcc\x8e\xe8";                     // 歌手
const std::string kUtf8Nihongo = "日本語";

struct InfoCase {
    const char* label;
    std::function<std::string()> file;
    std::uint16_t codec;
    std::uint16_t minutes;
    std::uint16_t seconds;
    std::uint16_t kbit;
    unsigned short tagTrack;
    std::string title;   // CP932
    std::string artist;  // CP932
};

std::ostream& operator<<(std::ostream& os, const InfoCase& c) { return os << c.label; }

std::string sjisInLatin1Frames() {
    std::string frames = id3v2Frame("TIT2", 0, kNihongo) + id3v2Frame("TPE1", 0, kKashu) +
                         id3v2Frame("TRCK", 0, "7");
    return taggedMp3("sk_sjis_v2.mp3", id3v2Tag(frames), "");
}

std::string utf16Frame(const char* id, const std::u16string& text) {
    std::string bytes("\xFF\xFE", 2);
    for (char16_t c : text) bytes += std::string{static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    return id3v2Frame(id, 1, bytes);
}

const InfoCase kCases[] = {
    {"Mp3Tags", [] { return mp3(44100, 2, 128000, "-metadata title=Hello -metadata artist=World -metadata track=3/12", 2.0); },
     AVT_CODEC_MP3, 0, 2, 128, 3, "Hello", "World"},
    {"Mp3Mono22050", [] { return mp3(22050, 1, 64000); }, AVT_CODEC_MP3, 0, 1, 64, 0, "sk_22050_1_64000_10", ""},
    {"WmaTags", [] { return wma("wmav2", 44100, 2, 128000, "-metadata title=Song -metadata artist=Singer -metadata track=5", 2.0); },
     AVT_CODEC_WMA, 0, 2, 128, 5, "Song", "Singer"},
    {"WmaRoundsKbitHalfUp", [] { return wma("wmav2", 44100, 2, 127600); }, AVT_CODEC_WMA, 0, 1, 128, 0, "sk_wmav2_44100_2_127600_10", ""},
    {"WmaVariableBitRate", [] { return copyAs(wma("wmav2", 44100, 2, 112000, "-metadata IsVBR=1"), "sk_vbr.wma"); },
     AVT_CODEC_WMA, 0, 1, 0xFFFF, 0, "sk_vbr", ""},
    {"Wma0x0162IsAccepted", [] { return patchWaveFormat(wma("wmav2", 44100, 2, 128000), "sk_info162.wma", 0, 0x0162); },
     AVT_CODEC_WMA, 0, 1, 128, 0, "sk_info162", ""},
    {"JapaneseUtf8Id3v24", [] { return mp3(44100, 2, 128000, "-metadata title=日本語 -metadata artist=歌手"); },
     AVT_CODEC_MP3, 0, 1, 128, 0, kNihongo, kKashu},
    {"JapaneseUtf16Id3v23", [] { return mp3(44100, 2, 128000, "-id3v2_version 3 -metadata title=日本語 -metadata artist=歌手 -metadata track=9"); },
     AVT_CODEC_MP3, 0, 1, 128, 9, kNihongo, kKashu},
    {"JapaneseWma", [] { return wma("wmav2", 44100, 2, 128000, "-metadata title=日本語 -metadata artist=歌手"); },
     AVT_CODEC_WMA, 0, 1, 128, 0, kNihongo, kKashu},
    // Shift_JIS bytes in frames that claim Latin-1, in ID3v2 and in ID3v1.
    {"ShiftJisInId3v2Latin1", sjisInLatin1Frames, AVT_CODEC_MP3, 0, 1, 128, 7, kNihongo, kKashu},
    {"ShiftJisInId3v1", [] { return taggedMp3("sk_sjis_v1.mp3", "", id3v1Tag(kNihongo, kKashu, 4)); },
     AVT_CODEC_MP3, 0, 1, 128, 4, kNihongo, kKashu},
    // Real Latin-1 and UTF-16 text is not mistaken for Shift_JIS; what CP932 lacks becomes '?'.
    {"Latin1StaysLatin1", [] { return taggedMp3("sk_latin1.mp3", id3v2Tag(id3v2Frame("TIT2", 0, "Caf\xE9 \xE0 la")), ""); },
     AVT_CODEC_MP3, 0, 1, 128, 0, "Caf? ? la", ""},
    {"Utf16LatinStaysLatin", [] { return taggedMp3("sk_utf16latin.mp3", id3v2Tag(utf16Frame("TIT2", u"\u00E0\u00E0")), ""); },
     AVT_CODEC_MP3, 0, 1, 128, 0, "??", ""},
    // Fields hold 32 bytes, cut on a character boundary: "A" + 16 kanji keeps "A" + 15.
    {"LongTitleIsCut", [] { return mp3(44100, 2, 128000, "-metadata title=A日本語日本語日本語日本語日本語日"); },
     AVT_CODEC_MP3, 0, 1, 128, 0, "A" + kNihongo + kNihongo + kNihongo + kNihongo + kNihongo, ""},
    {"NoTitleTakesFileName", [] { return copyAs(wma("wmav2", 44100, 2, 128000), "My Song.wma"); },
     AVT_CODEC_WMA, 0, 1, 128, 0, "My Song", ""},
    {"JapaneseFileName", [] { return copyAs(mp3(44100, 2, 128000), "日本語.mp3"); },
     AVT_CODEC_MP3, 0, 1, 128, 0, kNihongo, ""},
    {"DurationTruncatesToWholeSeconds", [] { return mp3(11025, 1, 32000, "", 179.5); },
     AVT_CODEC_MP3, 2, 59, 32, 0, "sk_11025_1_32000_1795", ""},
};

class GetInfoTest : public ::testing::TestWithParam<InfoCase> {};

TEST_P(GetInfoTest, FillsTheDetailRecord) {
    const InfoCase& c = GetParam();
    std::string path = c.file();
    ASSERT_FALSE(path.empty()) << "test file could not be made";
    AVT_Tk_DetailInfo detail;
    std::memset(&detail, 0, sizeof detail);
    unsigned short track = 0xBEEF;
    std::uint32_t size = 0;
    CSoundkit kit;
    ASSERT_EQ(kit.GetInfo(path.c_str(), &detail, &track, &size), 1) << path;
    EXPECT_EQ(detail.codec, c.codec);
    EXPECT_EQ(detail.minutes, c.minutes);
    EXPECT_EQ(detail.seconds, c.seconds);
    EXPECT_EQ(detail.bitRate, c.kbit);
    EXPECT_EQ(track, c.tagTrack);
    EXPECT_EQ(platform::fieldText(detail.title, sizeof detail.title), c.title);
    EXPECT_EQ(platform::fieldText(detail.artist, sizeof detail.artist), c.artist);
    EXPECT_EQ(size, testsupport::readFile(path).size());
    // Type and size words belong to the store; the rest of the record stays zero.
    EXPECT_EQ(detail.type, 0);
    EXPECT_EQ(detail.size, 0);
    EXPECT_EQ(detail.trackNo, 0);
    EXPECT_EQ(detail.duro, 0);
    EXPECT_EQ(detail.title[32], 0);
    EXPECT_EQ(detail.artist[32], 0);
}

INSTANTIATE_TEST_SUITE_P(Files, GetInfoTest, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.label); });

TEST(GetInfo, FailsForWhatItCannotDescribe) {
    CSoundkit kit;
    AVT_Tk_DetailInfo detail{};
    EXPECT_EQ(kit.GetInfo(nullptr, &detail, nullptr, nullptr), 0);
    std::string good = mp3(44100, 2, 128000);
    EXPECT_EQ(kit.GetInfo(good.c_str(), nullptr, nullptr, nullptr), 0);
    for (const std::string& path :
         {wma("wmav1", 44100, 2, 128000), withContentEncryption(wma("wmav2", 44100, 2, 128000), "sk_info_drm.wma"),
          testsupport::writeCacheFile("sk_info_empty.mp3", ""),
          copyAs(testsupport::toneFile("sk_info_pcm.wav", 44100, 2, "pcm_s16le", 0, 1.0), "sk_info_pcm.mp3")}) {
        EXPECT_EQ(kit.GetInfo(path.c_str(), &detail, nullptr, nullptr), 0) << path;
    }
}

TEST(GetInfo, OutputsAreOptional) {
    CSoundkit kit;
    AVT_Tk_DetailInfo detail{};
    std::string path = mp3(44100, 2, 128000);
    EXPECT_EQ(kit.GetInfo(path.c_str(), &detail, nullptr, nullptr), 1);
    EXPECT_EQ(detail.codec, AVT_CODEC_MP3);
}

}  // namespace
