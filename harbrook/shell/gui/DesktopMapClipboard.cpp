#include <shell/gui/DesktopMapClipboard.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

std::optional<std::string> DesktopMapClipboard::text() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    if (!data || !data->hasText()) return std::nullopt;
    return data->text().toStdString();
}
