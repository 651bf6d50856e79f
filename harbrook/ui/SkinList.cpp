#include <ui/SkinList.h>

#include <ui/EffectSound.h>
#include <ui/SkinCellDelegate.h>
#include <ui/SkinHeaderView.h>
#include <ui/SkinIds.h>
#include <ui/SkinListPainter.h>
#include <ui/SkinScrollBar.h>
#include <ui/UiFont.h>

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int kNarrowColumn = 4;  // columns this wide or narrower are skipped by the cell cursor
constexpr int kDefaultRowHeight = 14;
}  // namespace

CSkinList::CSkinList(QWidget* parent)
    : SkinItemView(parent), m_delegate(new SkinCellDelegate(this)) {
    setHorizontalHeader(new SkinHeaderView(Qt::Horizontal, this));
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setStretchLastSection(false);
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setFont(MakeUiFont(false, 100));
    setFrameShape(QFrame::NoFrame);
    setSelectionBehavior(SelectRows);
    setSelectionMode(ExtendedSelection);
    setEditTriggers(NoEditTriggers);
    setTabKeyNavigation(false);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerItem);
    setItemDelegate(m_delegate);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);

    InstallScrollBars([this](Qt::Orientation orientation, int code, int position) {
        Q_EMIT scrolled(orientation, code, position);
    });
    connect(horizontalHeader(), &QHeaderView::sectionCountChanged, this,
            &CSkinList::ApplyPendingWidths);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) {
                if (column < m_widths.size()) m_widths[column] = width;
            });
    ApplyRowHeight();
}

CSkinList::~CSkinList() = default;

void CSkinList::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    ApplyPendingWidths();
}

void CSkinList::SetImageSize(QSize size) {
    setIconSize(size);
    ApplyRowHeight();
}

int CSkinList::RowHeight() const {
    // The font height is the text's whole line box (ascent and descent), not its em size: the
    // Japanese UI fonts here are taller than their em, and rows of em + 2 clip every descender.
    // An image row is never lower than the text it carries.
    const int font = QFontMetrics(this->font()).height();
    const int text = font > 0 ? font + 2 : kDefaultRowHeight;
    const QSize image = iconSize();
    if (image.isValid() && image.height() > 0) return std::max(image.height() + 1, text);
    return text;
}

void CSkinList::ApplyRowHeight() {
    verticalHeader()->setDefaultSectionSize(RowHeight());
    viewport()->update();
}

void CSkinList::SetColumnWidths(const QList<int>& widths) {
    m_widths = widths;
    ApplyPendingWidths();
}

void CSkinList::ApplyPendingWidths() {
    const QList<int> widths = m_widths;  // resizing reports back into m_widths
    const int count = std::min<int>(widths.size(), horizontalHeader()->count());
    for (int column = 0; column < count; ++column) setColumnWidth(column, widths[column]);
}

QList<int> CSkinList::ColumnWidths() const {
    QList<int> widths;
    for (int column = 0; column < horizontalHeader()->count(); ++column)
        widths.append(columnWidth(column));
    return widths;
}

void CSkinList::SetCellMode(bool on) {
    m_cellMode = on;
    viewport()->update();
}

void CSkinList::SetTabNavigation(bool on) {
    setTabKeyNavigation(on);
}

int CSkinList::CurrentRow() const {
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

int CSkinList::CurrentColumn() const {
    return currentIndex().isValid() ? currentIndex().column() : -1;
}

void CSkinList::SetColumnEligible(int column, bool eligible) {
    m_ineligible.removeAll(column);
    if (!eligible) m_ineligible.append(column);
}

bool CSkinList::IsColumnEligible(int column) const {
    return model() && column >= 0 && column < horizontalHeader()->count() &&
           !isColumnHidden(column) && columnWidth(column) > kNarrowColumn &&
           !m_ineligible.contains(column);
}

int CSkinList::EligibleFrom(int column, int step) const {
    for (; column >= 0 && column < horizontalHeader()->count(); column += step) {
        if (IsColumnEligible(column)) return column;
    }
    return -1;
}

bool CSkinList::MoveToColumn(int column) {
    const int current = std::max(0, CurrentColumn());
    const int found = EligibleFrom(column, column >= current ? 1 : -1);
    if (found < 0 || CurrentRow() < 0) return false;
    SetCurrentCell(CurrentRow(), found);
    return true;
}

void CSkinList::SetCurrentCell(int row, int column) {
    if (!model() || !selectionModel()) return;
    const QModelIndex index = model()->index(row, column, rootIndex());
    if (!index.isValid()) return;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    ScrollColumnIntoView(column);
    viewport()->update();
}

void CSkinList::ScrollColumnIntoView(int column) {
    const int left = columnViewportPosition(column);
    const int right = left + columnWidth(column);
    QScrollBar* bar = horizontalScrollBar();
    if (left < 0) {
        bar->setValue(bar->value() + left);
    } else if (right > viewport()->width()) {
        bar->setValue(bar->value() + std::min(left, right - viewport()->width()));
    }
}

void CSkinList::SetColumnEditor(int column, const ui::CellEditor& editor) {
    m_delegate->SetColumnEditor(column, editor);
}

bool CSkinList::EditCell(int row, int column) {
    if (!model()) return false;
    const QModelIndex index = model()->index(row, column, rootIndex());
    if (!index.isValid()) return false;
    if (m_cellMode) SetCurrentCell(row, column);
    scrollTo(index);
    return edit(index, AllEditTriggers, nullptr);
}

ui::CellEditor::Kind CSkinList::EditorKind(const QModelIndex& index) const {
    return m_delegate->ColumnEditor(index.column()).kind;
}

void CSkinList::EditClosed(QAbstractItemDelegate::EndEditHint hint) {
    if (!m_cellMode || !m_enterMovesDown || hint != QAbstractItemDelegate::SubmitModelCache) return;
    const QModelIndex below = model()->index(CurrentRow() + 1, CurrentColumn(), rootIndex());
    if (!below.isValid()) return;
    selectionModel()->setCurrentIndex(
        below, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(below);
}

void CSkinList::SetTopRow(int row) {
    // Rows just added have no scroll range yet; lay them out first.
    executeDelayedItemsLayout();
    updateGeometries();
    verticalScrollBar()->setValue(row);
}

QList<int> CSkinList::SelectedRows() const {
    QList<int> rows;
    if (!selectionModel()) return rows;
    for (const QModelIndex& index : selectionModel()->selectedRows(0)) rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

QVariant CSkinList::ItemData(int row) const {
    if (!model()) return QVariant();
    return model()->index(row, 0, rootIndex()).data(ui::role::kItemData);
}

int CSkinList::FindItemData(const QVariant& value) const {
    const int rows = model() ? model()->rowCount(rootIndex()) : 0;
    for (int row = 0; row < rows; ++row) {
        if (ItemData(row) == value) return row;
    }
    return -1;
}

void CSkinList::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    SkinListPainter(*this).Paint(painter, event->rect());
}

void CSkinList::keyPressEvent(QKeyEvent* event) {
    const bool tab =
        tabKeyNavigation() && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab);
    const bool back = event->key() == Qt::Key_Left || event->key() == Qt::Key_Backtab ||
                      (event->key() == Qt::Key_Tab && (event->modifiers() & Qt::ShiftModifier));
    if (m_cellMode && !IsEditing()) {
        switch (event->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                EditCell(CurrentRow(), CurrentColumn());
                return;
            case Qt::Key_Left:
            case Qt::Key_Right:
                MoveToColumn(CurrentColumn() + (back ? -1 : 1));
                return;
            default:
                break;
        }
        if (tab) {
            MoveToColumn(CurrentColumn() + (back ? -1 : 1));
            return;
        }
    } else if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
        // A report list scrolls sideways instead of moving a column cursor.
        horizontalScrollBar()->triggerAction(back ? QAbstractSlider::SliderSingleStepSub
                                                  : QAbstractSlider::SliderSingleStepAdd);
        return;
    } else if (tab) {
        event->ignore();
        return;
    }
    SkinItemView::keyPressEvent(event);
}

QModelIndex CSkinList::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    // Home and End go to the first and last row, keeping the column.
    if ((action == MoveHome || action == MoveEnd) && model()) {
        const int rows = model()->rowCount(rootIndex());
        const int column = std::max(0, CurrentColumn());
        return model()->index(action == MoveHome ? 0 : rows - 1, column, rootIndex());
    }
    return QTableView::moveCursor(action, modifiers);
}

void CSkinList::mousePressEvent(QMouseEvent* event) {
    const QModelIndex before = currentIndex();
    SkinItemView::mousePressEvent(event);
    const QModelIndex hit = indexAt(event->position().toPoint());
    if (!hit.isValid()) return;
    const bool button = event->button() == Qt::LeftButton || event->button() == Qt::RightButton;
    if (m_cellMode && button) {
        // The cursor goes to the clicked row and the eligible column nearest the clicked one.
        const int from = before.isValid() ? before.column() : hit.column();
        const int step = hit.column() >= from ? 1 : -1;
        int column = EligibleFrom(hit.column(), step);
        if (column < 0) column = EligibleFrom(hit.column(), -step);
        if (column >= 0) SetCurrentCell(hit.row(), column);
    }
    const QModelIndex after = currentIndex();
    const bool moved = m_cellMode ? after != before : after.row() != before.row();
    if (button && moved) PlayEffectSound(ui::sound::kClick);
}

void CSkinList::focusInEvent(QFocusEvent* event) {
    SkinItemView::focusInEvent(event);
    RepaintCurrentRow();
}

void CSkinList::focusOutEvent(QFocusEvent* event) {
    SkinItemView::focusOutEvent(event);
    RepaintCurrentRow();
}

void CSkinList::RepaintCurrentRow() {
    if (CurrentRow() < 0) return;
    viewport()->update(
        QRect(0, rowViewportPosition(CurrentRow()), viewport()->width(), RowHeight()));
}

void CSkinList::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) ApplyRowHeight();
    if (event->type() == QEvent::EnabledChange) viewport()->update();
}
