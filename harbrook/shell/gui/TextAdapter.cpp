#include <shell/gui/TextAdapter.h>

#include <platform/Cp932.h>

#include <QList>

QString fromCp932(std::string_view bytes) {
    const std::string utf8 = platform::cp932ToUtf8Lossy(bytes);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string toCp932(const QString& text, bool* ok) {
    if (ok) *ok = true;
    const QByteArray utf8 = text.toUtf8();
    if (auto whole = platform::utf8ToCp932(std::string_view(utf8.constData(), utf8.size()))) {
        return *whole;
    }
    // Some character has no CP932 form: convert one character at a time and leave those out.
    if (ok) *ok = false;
    std::string result;
    for (uint code : text.toUcs4()) {
        const char32_t character = code;
        const QByteArray one = QString::fromUcs4(&character, 1).toUtf8();
        if (auto part = platform::utf8ToCp932(std::string_view(one.constData(), one.size()))) {
            result += *part;
        }
    }
    return result;
}
