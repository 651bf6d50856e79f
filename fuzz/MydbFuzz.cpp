// Loads arbitrary bytes as a myDB text file. Whatever the input, loading must not crash, must
// either succeed with at most 10000 rows or fail with a load code while leaving the rows as they
// were, and what loaded must come back unchanged through the writer (track rows drop their year).
// Inputs that start with a control character no text file starts with are read as a recipe for
// myDB-like lines, so that random inputs reach the field checks rather than stopping at the
// first line; everything else (real files among them) is loaded as it stands.
#include <mydb/MyDbData.h>
#include <mydb/MyDbFileWriter.h>

#include "NonRegularInputs.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char* const kCommands[] = {"#Playlist", "#Track", "#CD", "#track",
                                 "#PLAYLIST", "#cd",    "",    "#Track"};
const char* const kValues[] = {
    "",
    "1",
    "12",
    "99",
    "100",
    "0",
    "05",
    "-5",
    " ",
    "1999",
    "0",
    "99999",
    "abc",
    "Title",
    "\t",
    "\x82\xa0\x82\xa2",                  // hiragana
    "\x83\x41\x83\x43",                  // katakana
    "\xb1\xb2",                          // half-width katakana
    "\x8a\xbf\x8e\x9a\x8a\xbf\x8e\x9a",  // kanji
    "\x81",                              // a lone lead byte
    "\xef\xbb\xbf",                      // a UTF-8 byte order mark
    "\xe3\x81\x82",                      // hiragana in UTF-8
    "\x1a",
    "\r",
    "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA",
};
template <typename T, std::size_t N>
const char* pick(const T (&table)[N], std::uint8_t b) {
    return table[b % N];
}

// Per line: a command byte (0xFF: an unknown command, which refuses the file; an empty command
// takes no columns), a column count byte, then one byte per column choosing its value (0xFF: an
// embedded NUL, 0xFE: the next byte as it stands), and the line end (LF, CR LF or a lone CR).
struct TokenText {
    std::vector<std::string> lines;  // without their ends
    std::string text;
};

TokenText tokensToText(const std::uint8_t* data, std::size_t size) {
    static const char* const kLineEnds[] = {"\n", "\r\n", "\r", "\r\n"};
    TokenText out;
    std::size_t i = 0;
    auto next = [&]() -> std::uint8_t { return i < size ? data[i++] : 0; };
    while (i < size) {
        const std::uint8_t command = next();
        const char* commandText = command == 0xFF ? "#Other" : pick(kCommands, command);
        std::string line = commandText;
        int columns = next() % 11;
        if (*commandText == '\0') columns = 0;
        for (; columns > 0 && i < size; --columns) {
            line.push_back('\t');
            const std::uint8_t b = next();
            if (b == 0xFF) {
                line.push_back('\0');
            } else if (b == 0xFE) {
                line.push_back(static_cast<char>(next()));
            } else {
                line += pick(kValues, b);
            }
        }
        const char* end = pick(kLineEnds, next());
        // A lone CR and the LF of an empty line after it make one CR LF: no line of its own.
        const bool merged = line.empty() && end[0] == '\n' && !out.text.empty() &&
                            out.text.back() == '\r';
        out.text += line + end;
        if (!merged) out.lines.push_back(std::move(line));
    }
    return out;
}

// The same lines, each ended by CR LF; empty when a line holds a line end or Ctrl-Z itself,
// which would make the two texts split differently.
std::string withCrLf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        if (line.find_first_of("\r\n\x1a") != std::string::npos) return {};
        text += line + "\r\n";
    }
    return text;
}

bool isRecipe(std::uint8_t first) {
    return first < 0x20 && first != '\t' && first != '\n' && first != '\r' && first != '\x1a';
}

// A fresh file each time: rewriting a truncated file makes ext4 flush it on close.
void writeBytes(const std::string& path, const std::string& bytes) {
    ::unlink(path.c_str());
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) std::abort();
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size())
        std::abort();
    std::fclose(f);
}

std::vector<MyDbRow> rowsOf(const CMyDbData& store) {
    std::vector<MyDbRow> rows(static_cast<std::size_t>(store.GetRowCount()));
    for (int i = 0; i < store.GetRowCount(); ++i)
        store.GetRow(i, rows[static_cast<std::size_t>(i)]);
    return rows;
}

bool sameRows(const std::vector<MyDbRow>& a, const std::vector<MyDbRow>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::memcmp(&a[i], &b[i], sizeof(MyDbRow)) != 0) return false;
    }
    return true;
}

void require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "MydbFuzz: %s\n", what);
    std::abort();
}

// The two files every input uses, in a folder removed at exit.
struct Scratch {
    std::string folder, input, again;
};

void removeScratch();

const Scratch& scratch() {
    static const Scratch s = [] {
        char pattern[] = "/tmp/harbrook-mydb-fuzz-XXXXXX";
        require(::mkdtemp(pattern) != nullptr, "cannot create a scratch folder");
        const std::string folder = std::string(pattern) + "/";
        return Scratch{folder, folder + "in.txt", folder + "again.txt"};
    }();
    // Registered once `s` exists, so the clean-up runs before `s` is destroyed.
    [[maybe_unused]] static const bool cleanup = std::atexit(removeScratch) == 0;
    return s;
}

void removeScratch() {
    ::unlink(scratch().input.c_str());
    ::unlink(scratch().again.c_str());
    ::rmdir(scratch().folder.c_str());
}

// A store that already holds rows, so that a failed load can be seen to leave them alone.
CMyDbData& storeWithRows() {
    static CMyDbData store;
    if (store.GetRowCount() != 2) {
        store.RemoveAllRows();
        MyDbRow row = mydb::blankRow();
        mydb::setField(row, MyDbField::Command, "#Playlist");
        mydb::setField(row, MyDbField::No, "1");
        store.InsertRow(0, row);
        mydb::setField(row, MyDbField::Command, "#Track");
        store.InsertRow(1, row);
    }
    return store;
}

void checkRoundTrip(const std::vector<MyDbRow>& loaded) {
    std::vector<MyDbRow> expected = loaded;
    for (MyDbRow& row : expected) {
        if (mydb::rowKind(row) == MyDbRowKind::Track) mydb::setField(row, MyDbField::Year, "");
    }
    writeBytes(scratch().again, MyDbFileWriter::Format(loaded));
    CMyDbData again;
    require(again.Load(scratch().again), "written rows do not load again");
    require(sameRows(rowsOf(again), expected), "rows change when written and read again");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const bool tokens = size > 0 && isRecipe(data[0]);
    const TokenText recipe = tokens ? tokensToText(data + 1, size - 1) : TokenText{};
    const std::string bytes =
        tokens ? recipe.text : std::string(reinterpret_cast<const char*>(data), size);
    writeBytes(scratch().input, bytes);

    fuzzsupport::requireNonRegularInputsRefused(
        "myDB load", [](const std::string& path) { return CMyDbData().Load(path); });
    CMyDbData& store = storeWithRows();
    const std::vector<MyDbRow> before = rowsOf(store);
    if (!store.Load(scratch().input)) {
        const int code = store.ResultCode();
        require(code == CMyDbData::kTooManyRows || code == CMyDbData::kNotMyDbFile ||
                    code == CMyDbData::kLoadError || code == CMyDbData::kNotCodePage932,
                "unexpected load failure code");
        require(sameRows(rowsOf(store), before), "a failed load changed the rows");
        return 0;
    }
    require(store.GetRowCount() <= CMyDbData::kMaxRows, "more than 10000 rows loaded");
    const bool passed = store.Check();
    require(passed == (store.ResultCode() == 0), "check result and code disagree");
    require(passed || !store.ErrorText().empty(), "a failed check has no message");
    checkRoundTrip(rowsOf(store));
    // Whatever its line ends, a text loads as the same lines ended by CR LF do.
    if (const std::string crLf = withCrLf(recipe.lines); !crLf.empty()) {
        writeBytes(scratch().again, crLf);
        CMyDbData again;
        require(again.Load(scratch().again), "the text with CR LF line ends does not load");
        require(sameRows(rowsOf(again), rowsOf(store)), "line ends change the rows");
    }
    return 0;
}
