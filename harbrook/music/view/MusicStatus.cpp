#include <music/view/MusicStatus.h>

#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>

namespace {

constexpr std::uint64_t kMiB = 1024 * 1024;
const QColor kBand(0xE6, 0xE6, 0xE6);
const QColor kText(0x40, 0x40, 0x40);

}  // namespace

CMusicStatus::CMusicStatus(QWidget* parent) : QWidget(parent) {
    SetCapacity(0);
}

QString CMusicStatus::CapacityText(std::uint64_t bytes) {
    return QStringLiteral("容量 %1MB").arg((bytes + kMiB - 1) / kMiB);
}

void CMusicStatus::SetCapacity(std::uint64_t bytes) {
    m_capacity = CapacityText(bytes);
    update();
}

void CMusicStatus::SetProgress(int files, const std::string& path) {
    m_progress = files < 0 ? QString()
                           : QStringLiteral("転送リストに追加しています (%1 ファイル) %2  Esc で中止")
                                 .arg(files)
                                 .arg(QFileInfo(QString::fromStdString(path)).fileName());
    // Painted at once: the run gives the event loop only short breaks.
    repaint();
}

QSize CMusicStatus::sizeHint() const {
    return {200, QFontMetrics(font()).height() + 6};
}

void CMusicStatus::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBand);
    painter.setPen(kText);
    const QRect text = rect().adjusted(6, 0, -8, 0);
    const int capacityWidth = QFontMetrics(font()).horizontalAdvance(m_capacity);
    painter.drawText(text.adjusted(0, 0, -capacityWidth - 12, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     m_progress);
    painter.drawText(text, Qt::AlignRight | Qt::AlignVCenter, m_capacity);
}
