#include <shell/gui/SkinPopupMenu.h>

#include <shell/CommandTarget.h>
#include <platform/MessageTarget.h>
#include <ui/SkinContext.h>
#include <ui/SkinPalette.h>
#include <ui/UiFont.h>

#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace {

constexpr int kItemHeight = 20;
constexpr int kSeparatorHeight = 7;
constexpr int kTextLeft = 22;       // room for the check mark
constexpr int kShortcutGap = 28;
constexpr int kRightMargin = 14;
constexpr int kBorder = 1;

const QColor kBackground{0xF4, 0xF6, 0xFA};
const QColor kHighlight{0x2F, 0x5B, 0x8C};
const QColor kText{0x18, 0x1A, 0x20};
const QColor kDisabledText{0x9A, 0xA2, 0xAE};
const QColor kSeparatorLine{0xC4, 0xCD, 0xD8};

}  // namespace

CSkinPopupMenu::CSkinPopupMenu(QWidget* parent) : QWidget(parent, Qt::Popup) {
    setFont(MakeUiFont(false, 100));
    setMouseTracking(true);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

CSkinPopupMenu* CSkinPopupMenu::ForCommands(QWidget* owner, CommandTarget* fallback) {
    auto* menu = new CSkinPopupMenu(owner);
    QObject::connect(menu, &CSkinPopupMenu::commandChosen, owner, [fallback](int id) {
        if (platform::MessageTarget* frame = ui::SkinContext::CommandTarget()) {
            frame->post(ui::kWmCommand, static_cast<platform::WParam>(id), 0);
        } else if (fallback) {
            fallback->onCommand(id);
        }
    });
    return menu;
}

std::vector<CSkinPopupMenu::Entry> CSkinPopupMenu::EntriesOf(
    const MenuPopup& popup, const std::function<bool(int id)>& enabled, const ItemText& text) {
    std::vector<Entry> entries;
    for (const MenuItem& item : popup) {
        Entry entry;
        entry.id = item.id;
        if (!item.IsSeparator()) {
            const std::optional<std::string> worded = text ? text(item.id) : std::nullopt;
            entry.text = QString::fromUtf8(worded ? worded->c_str() : item.text);
            entry.enabled = enabled ? enabled(item.id) : true;
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

void CSkinPopupMenu::SetEntries(std::vector<Entry> entries) {
    m_entries = std::move(entries);
    m_current = -1;
    resize(ContentSize());
    update();
}

void CSkinPopupMenu::Popup(const QPoint& globalPos) {
    const QSize size = ContentSize();
    QPoint pos = globalPos;
    if (const QScreen* screen = QGuiApplication::screenAt(globalPos)) {
        const QRect area = screen->availableGeometry();
        pos.setX(std::max(area.left(), std::min(pos.x(), area.right() + 1 - size.width())));
        pos.setY(std::max(area.top(), std::min(pos.y(), area.bottom() + 1 - size.height())));
    }
    resize(size);
    move(pos);
    show();
    setFocus(Qt::PopupFocusReason);
}

QString CSkinPopupMenu::LabelOf(const QString& text) {
    const QString label = text.section(QLatin1Char('\t'), 0, 0);
    QString shown;
    for (qsizetype i = 0; i < label.size(); ++i) {
        if (label[i] == QLatin1Char('&') && i + 1 < label.size()) ++i;
        shown += label[i];
    }
    return shown;
}

QString CSkinPopupMenu::ShortcutOf(const QString& text) {
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    return tab < 0 ? QString() : text.mid(tab + 1);
}

QChar CSkinPopupMenu::AccessKeyOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toUpper();
        ++i;
    }
    return {};
}

QSize CSkinPopupMenu::ContentSize() const {
    const QFontMetrics metrics(font());
    int labelWidth = 0;
    int shortcutWidth = 0;
    int height = 2 * kBorder;
    for (std::size_t row = 0; row < m_entries.size(); ++row) {
        const Entry& entry = m_entries[row];
        height += RowHeight(static_cast<int>(row));
        if (entry.IsSeparator()) continue;
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(LabelOf(entry.text)));
        shortcutWidth = std::max(shortcutWidth, metrics.horizontalAdvance(ShortcutOf(entry.text)));
    }
    const int gap = shortcutWidth > 0 ? kShortcutGap : 0;
    const int width = 2 * kBorder + kTextLeft + labelWidth + gap + shortcutWidth + kRightMargin;
    return {std::max(width, 120), std::max(height, 2 * kBorder + 4)};
}

int CSkinPopupMenu::RowHeight(int row) const {
    return m_entries[static_cast<std::size_t>(row)].IsSeparator() ? kSeparatorHeight : kItemHeight;
}

int CSkinPopupMenu::RowTop(int row) const {
    int top = kBorder;
    for (int i = 0; i < row; ++i) top += RowHeight(i);
    return top;
}

int CSkinPopupMenu::RowAt(const QPoint& pos) const {
    if (pos.x() < 0 || pos.x() >= width()) return -1;
    int top = kBorder;
    for (int row = 0; row < static_cast<int>(m_entries.size()); ++row) {
        const int bottom = top + RowHeight(row);
        if (pos.y() >= top && pos.y() < bottom) return row;
        top = bottom;
    }
    return -1;
}

bool CSkinPopupMenu::IsSelectable(int row) const {
    if (row < 0 || row >= static_cast<int>(m_entries.size())) return false;
    const Entry& entry = m_entries[static_cast<std::size_t>(row)];
    return !entry.IsSeparator() && entry.enabled;
}

void CSkinPopupMenu::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    painter.setPen(ui::palette::kNavy);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const QFontMetrics metrics(font());
    for (int row = 0; row < static_cast<int>(m_entries.size()); ++row) {
        const Entry& entry = m_entries[static_cast<std::size_t>(row)];
        const QRect band(kBorder, RowTop(row), width() - 2 * kBorder, RowHeight(row));
        if (entry.IsSeparator()) {
            painter.setPen(kSeparatorLine);
            const int y = band.center().y();
            painter.drawLine(band.left() + 4, y, band.right() - 4, y);
            continue;
        }
        const bool current = row == m_current && entry.enabled;
        if (current) painter.fillRect(band, kHighlight);
        painter.setPen(!entry.enabled ? kDisabledText : current ? QColor(Qt::white) : kText);
        if (entry.checked) {
            painter.drawText(QRect(band.left(), band.top(), kTextLeft, band.height()), Qt::AlignCenter,
                             QStringLiteral("✓"));
        }
        const QRect text = band.adjusted(kTextLeft, 0, -kRightMargin, 0);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, LabelOf(entry.text));
        painter.drawText(text, Qt::AlignRight | Qt::AlignVCenter, ShortcutOf(entry.text));
    }
}

void CSkinPopupMenu::mouseMoveEvent(QMouseEvent* event) {
    const int row = RowAt(event->position().toPoint());
    const int current = IsSelectable(row) ? row : -1;
    if (current != m_current) {
        m_current = current;
        update();
    }
}

void CSkinPopupMenu::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int row = RowAt(event->position().toPoint());
    if (IsSelectable(row)) Choose(row);
}

void CSkinPopupMenu::MoveCurrent(int step) {
    const int count = static_cast<int>(m_entries.size());
    int row = m_current;
    for (int tries = 0; tries < count; ++tries) {
        row = row < 0 ? (step > 0 ? 0 : count - 1) : (row + step + count) % count;
        if (IsSelectable(row)) {
            m_current = row;
            update();
            return;
        }
    }
}

void CSkinPopupMenu::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up: MoveCurrent(-1); return;
    case Qt::Key_Down: MoveCurrent(1); return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (IsSelectable(m_current)) Choose(m_current);
        return;
    case Qt::Key_Escape: close(); return;
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const int step = event->key() == Qt::Key_Left ? -1 : 1;
        close();
        Q_EMIT neighbourRequested(step);
        return;
    }
    default: break;
    }
    const QString typed = event->text().toUpper();
    if (typed.size() != 1) return;
    for (int row = 0; row < static_cast<int>(m_entries.size()); ++row) {
        if (IsSelectable(row) && AccessKeyOf(m_entries[static_cast<std::size_t>(row)].text) == typed[0]) {
            Choose(row);
            return;
        }
    }
}

void CSkinPopupMenu::Choose(int row) {
    const int id = m_entries[static_cast<std::size_t>(row)].id;
    close();
    Q_EMIT commandChosen(id);
}

void CSkinPopupMenu::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    Q_EMIT closed();
}
