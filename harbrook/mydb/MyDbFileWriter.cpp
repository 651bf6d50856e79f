#include <mydb/MyDbFileWriter.h>

#include <mydb/MyDbLineWriter.h>
#include <platform/AtomicFile.h>

std::string MyDbFileWriter::Format(const std::vector<MyDbRow>& rows) {
    std::string bytes;
    bytes.reserve(rows.size() * 96);
    for (const MyDbRow& row : rows) MyDbLineWriter::Append(row, bytes);
    return bytes;
}

bool MyDbFileWriter::Write(const std::string& path, const std::vector<MyDbRow>& rows) {
    const std::string bytes = Format(rows);
    platform::AtomicFile file(path);
    return file.open() && file.write(bytes.data(), bytes.size()) && file.commit();
}
