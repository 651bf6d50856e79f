#include <ui/ShellIcons.h>

#include <ui/ShellItem.h>

#include <QApplication>
#include <QFileIconProvider>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>

namespace {

// Lives as long as the application, so that no icon outlives it.
struct IconCache : QObject {
    using QObject::QObject;
    QFileIconProvider provider;
    QHash<QString, QIcon> icons;
};

IconCache& cache() {
    static QPointer<IconCache> instance;
    if (!instance) instance = new IconCache(qApp);
    return *instance;
}

QIcon styleIcon(const ShellItem& item) {
    const QFileIconProvider& provider = cache().provider;
    if (item.IsDriveRoot()) return provider.icon(QFileIconProvider::Drive);
    return provider.icon(item.isFolder ? QFileIconProvider::Folder : QFileIconProvider::File);
}

QIcon baseIcon(const ShellItem& item) {
    if (!item.iconName.isEmpty() && QIcon::hasThemeIcon(item.iconName)) {
        return QIcon::fromTheme(item.iconName);
    }
    return styleIcon(item);
}

// A small white-edged arrow in the lower left corner, the usual sign of a link.
QIcon withLinkOverlay(const QIcon& icon) {
    QPixmap pixmap = icon.pixmap(ShellIcons::kSize, ShellIcons::kSize);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box(0.5, 8.5, 7, 7);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(box);
    QPainterPath arrow;
    arrow.moveTo(2.5, 13.5);
    arrow.lineTo(5.5, 10.5);
    arrow.moveTo(3.5, 10.5);
    arrow.lineTo(5.5, 10.5);
    arrow.lineTo(5.5, 12.5);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(arrow);
    painter.end();
    return QIcon(pixmap);
}

}  // namespace

QIcon ShellIcons::For(const ShellItem& item) {
    QHash<QString, QIcon>& known = cache().icons;
    const QString key = item.iconName + QLatin1Char(item.isFolder ? 'd' : 'f') +
                        QLatin1Char(item.IsDriveRoot() ? 'r' : '-') +
                        QLatin1Char(item.isLink ? 'l' : '-');
    const auto found = known.constFind(key);
    if (found != known.constEnd()) return *found;
    QIcon icon = baseIcon(item);
    if (item.isLink) icon = withLinkOverlay(icon);
    known.insert(key, icon);
    return icon;
}
