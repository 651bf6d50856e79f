#pragma once
// The one place where the GUI converts between the code page 932 bytes of the data stores and
// Qt's strings.
#include <QString>

#include <string>
#include <string_view>

// CP932 bytes to a QString; bytes that are not valid CP932 show as U+FFFD.
QString fromCp932(std::string_view bytes);

// A QString to CP932 bytes. `ok` (when given) turns false when some character has no CP932 form;
// such characters are left out of the result.
std::string toCp932(const QString& text, bool* ok = nullptr);
