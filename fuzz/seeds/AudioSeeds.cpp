// Music files for the audio targets: short MP3 and WMA files of every kind the format check and
// the track information take (made with ffmpeg, tags and DRM objects added by hand), and PCM WAV
// files of the layouts the mood detector's reader meets.
#include "Seeds.h"

#include "SeedFolder.h"
#include "SoundkitFiles.h"

#include <testsupport/ScratchDir.h>
#include <testsupport/TestAudio.h>

#include <string>

using namespace soundkit_test;
using testsupport::readFile;
using testsupport::toneFile;

namespace fuzzseeds {
namespace {

const std::string kExtendedContentEncryption(
    "\x14\xE6\x8A\x29\x22\x26\x17\x4C\xB9\x35\xDA\xE0\x7E\xE9\x28\x9C", 16);
const std::string kAdvancedContentEncryption(
    "\x33\x85\x05\x43\x81\x69\xE6\x49\x9B\x74\xAD\x12\xCB\x86\xD5\x8C", 16);

std::string syncsafe(std::uint32_t n) {
    std::string s;
    for (int shift = 21; shift >= 0; shift -= 7) s += static_cast<char>((n >> shift) & 0x7F);
    return s;
}

// An ID3v2.2 tag (three-letter frame ids, 24-bit sizes) with a Shift_JIS title and artist.
std::string id3v22Tag() {
    auto frame = [](const char* id, std::string_view text) {
        const std::size_t size = text.size() + 1;
        return std::string(id, 3) + static_cast<char>(size >> 16) + static_cast<char>(size >> 8) +
               static_cast<char>(size) + '\0' + std::string(text);
    };
    const std::string frames = frame("TT2", kNihongo) + frame("TP1", kKashu);
    return std::string("ID3\x02\x00\x00", 6) + syncsafe(static_cast<std::uint32_t>(frames.size())) +
           frames;
}

// An ID3v2.4 tag with an extended header and a UTF-16 title frame (sizes syncsafe).
std::string id3v24ExtendedTag() {
    const std::string text("\x01\xFF\xFE\xE5\x65\x2C\x67\x9E\x8A", 9);  // UTF-16LE 日本語
    const std::string frame =
        "TIT2" + syncsafe(static_cast<std::uint32_t>(text.size())) + std::string(2, '\0') + text;
    const std::string extended = syncsafe(6) + std::string("\x01\x00", 2);
    const std::string body = extended + frame + std::string(16, '\0');  // then padding
    return std::string("ID3\x04\x00\x40", 6) + syncsafe(static_cast<std::uint32_t>(body.size())) +
           body;
}

// An UTF-16 text frame of ID3v2.3 (encoding 1, byte order mark first).
std::string utf16Frame(const char* id, std::u16string_view text) {
    std::string bytes("\xFF\xFE", 2);
    for (char16_t c : text) bytes += le(c, 2);
    return id3v2Frame(id, 1, bytes);
}

void writeMp3Seeds(const SeedFolder& seeds) {
    const std::string plain = "-write_xing 0 -id3v2_version 0";
    const std::string cbr = mp3(44100, 2, 128000, plain, 0.2);
    const std::string audio = readFile(cbr);
    seeds.addFile("cbr.mp3", cbr);
    seeds.addFile("vbr_xing.mp3", mp3(22050, 1, 0, "-q:a 6 -id3v2_version 0", 0.3));
    seeds.addFile("mpeg25.mp3", mp3(11025, 1, 32000, plain, 0.3));
    seeds.addFile("mp2.mp3", toneFile("fz_layer2.mp2", 44100, 2, "mp2", 128000, 0.2));
    seeds.addFile(
        "id3v23_utf16.mp3",
        mp3(44100, 1, 64000,
            "-id3v2_version 3 -metadata title=日本語 -metadata artist=歌手 -metadata track=3/12",
            0.2));
    seeds.addFile(
        "id3v24_utf8.mp3",
        mp3(44100, 1, 64000,
            "-id3v2_version 4 -metadata title=日本語 -metadata artist=Artist -metadata track=9",
            0.2));
    seeds.addFile("id3v1.mp3", mp3(44100, 1, 64000,
                                   "-id3v2_version 0 -write_id3v1 1 -metadata title=Title "
                                   "-metadata artist=Artist -metadata track=5",
                                   0.2));
    seeds.add("sjis_id3v23.mp3",
              id3v2Tag(id3v2Frame("TIT2", 0, std::string(kNihongo)) +
                       id3v2Frame("TPE1", 0, std::string(kKashu)) + id3v2Frame("TRCK", 0, "7")) +
                  audio);
    seeds.add("utf16_id3v23.mp3",
              id3v2Tag(utf16Frame("TIT2", u"\u65e5\u672c") + utf16Frame("TPE1", u"\u00e0\u00e9")) +
                  audio);
    seeds.add("sjis_id3v1.mp3", audio + id3v1Tag(std::string(kNihongo), std::string(kKashu), 4));
    seeds.add("sjis_id3v22.mp3", id3v22Tag() + audio);
    seeds.add("id3v24_extended.mp3", id3v24ExtendedTag() + audio);
}

void writeWmaSeeds(const SeedFolder& seeds) {
    const std::string cbr = wma("wmav2", 44100, 2, 128000, "", 0.3);
    seeds.addFile("cbr.wma", cbr);
    seeds.addFile("wmav1.wma", wma("wmav1", 44100, 1, 64000, "", 0.3));
    seeds.addFile("vbr.wma", wma("wmav2", 44100, 2, 112000, "-metadata IsVBR=1", 0.3));
    seeds.addFile("tags.wma",
                  wma("wmav2", 44100, 1, 64000,
                      "-metadata title=日本語 -metadata author=歌手 -metadata track=4", 0.3));
    seeds.addFile("drm.wma", withContentEncryption(cbr, "fz_drm.wma"));
    const std::string empty = le(0, 4) + le(0, 4);
    seeds.addFile("drm_extended.wma",
                  withHeaderObject(cbr, "fz_drm_ext.wma", kExtendedContentEncryption, le(0, 4)));
    seeds.addFile("drm_advanced.wma",
                  withHeaderObject(cbr, "fz_drm_adv.wma", kAdvancedContentEncryption, empty));
    seeds.addFile("pcm.wav",
                  toneFile("fz_pcm.wav", 8000, 1, "pcm_s16le", 0, 0.1, "-fflags +bitexact"));
}

// A canonical 44-byte-header WAV with `chunk` inserted after the format chunk (RIFF size fixed).
std::string withChunkAfterFormat(const std::string& wav, const std::string& chunk) {
    std::string bytes = wav;
    bytes.insert(36, chunk);
    bytes.replace(4, 4, le(bytes.size() - 8, 4));
    return bytes;
}

// The same WAV with a format chunk of 18 bytes (an empty extension size).
std::string withLongFormatChunk(const std::string& wav) {
    std::string bytes = wav;
    bytes.replace(16, 4, le(18, 4));
    bytes.insert(36, le(0, 2));
    bytes.replace(4, 4, le(bytes.size() - 8, 4));
    return bytes;
}

}  // namespace

void writeSoundkitSeeds(const std::string& root) {
    const SeedFolder seeds(root, "SoundkitFuzz");
    writeMp3Seeds(seeds);
    writeWmaSeeds(seeds);
}

void writeWaveSourceSeeds(const std::string& root) {
    const SeedFolder seeds(root, "WaveSourceFuzz");
    const std::string exact = "-fflags +bitexact";
    const std::string u8 = readFile(toneFile("fz_u8.wav", 8000, 1, "pcm_u8", 0, 0.5, exact));
    seeds.add("canonical_u8.wav", u8);
    seeds.addFile("canonical_s16.wav",
                  toneFile("fz_s16.wav", 11025, 2, "pcm_s16le", 0, 0.5, exact));
    seeds.addFile("list_chunk.wav", toneFile("fz_list.wav", 22050, 1, "pcm_s16le", 0, 0.2));
    seeds.addFile("extensible.wav", toneFile("fz_s24.wav", 48000, 2, "pcm_s24le", 0, 0.1, exact));
    seeds.add("fact.wav", withChunkAfterFormat(u8, "fact" + le(4, 4) + le(4000, 4)));
    seeds.add("format18.wav", withLongFormatChunk(u8));
    // Just over a minute: the only kind the whole frame loop and the analysis run on.
    seeds.addFile("minute.wav", toneFile("fz_minute.wav", 8000, 1, "pcm_u8", 0, 60.5, exact));
}

}  // namespace fuzzseeds
