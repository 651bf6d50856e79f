#include <ui/SkinTree.h>

#include <ui/EffectSound.h>
#include <ui/SkinHeaderView.h>
#include <ui/SkinIds.h>
#include <ui/SkinPalette.h>
#include <ui/SkinTreeDelegate.h>
#include <ui/UiFont.h>

#include <QMouseEvent>

namespace pal = ui::palette;

CSkinTree::CSkinTree(QWidget* parent)
    : SkinItemView(parent),
      m_header(new SkinHeaderView(Qt::Horizontal, this)),
      m_delegate(new SkinTreeDelegate(DragDrop(), this)) {
    setHeader(m_header);
    setHeaderHidden(true);
    m_header->setStretchLastSection(true);
    setFont(MakeUiFont(false, 100));
    setFrameShape(QFrame::NoFrame);
    setItemDelegate(m_delegate);
    setUniformRowHeights(true);
    setEditTriggers(NoEditTriggers);
    setAllColumnsShowFocus(false);
    setSelectionMode(SingleSelection);
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerItem);
    setIconSize(QSize(16, 16));
    // The row-wide selection Qt would paint is invisible; the delegate paints the label instead.
    QPalette colours = palette();
    colours.setColor(QPalette::Base, pal::kListRow);
    colours.setColor(QPalette::Highlight, pal::kListRow);
    colours.setColor(QPalette::Text, pal::kListText);
    colours.setColor(QPalette::HighlightedText, pal::kListText);
    setPalette(colours);

    // A tree shows one column, whatever the model has.
    connect(m_header, &QHeaderView::sectionCountChanged, this, [this](int, int count) {
        for (int column = 1; column < count; ++column) setColumnHidden(column, true);
    });
    InstallScrollBars([this](Qt::Orientation orientation, int code, int position) {
        Q_EMIT scrolled(orientation, code, position);
    });
}

CSkinTree::~CSkinTree() = default;

void CSkinTree::SetCaption(const QString& caption) {
    m_header->SetCaption(caption);
    setHeaderHidden(caption.isEmpty());
}

QString CSkinTree::Caption() const {
    return m_header->Caption();
}

void CSkinTree::SetEditor(const ui::CellEditor& editor) {
    m_delegate->SetColumnEditor(0, editor);
}

bool CSkinTree::EditItem(const QModelIndex& index) {
    if (!index.isValid()) return false;
    scrollTo(index);
    return edit(index, AllEditTriggers, nullptr);
}

ui::CellEditor::Kind CSkinTree::EditorKind(const QModelIndex& index) const {
    return m_delegate->ColumnEditor(index.column()).kind;
}

void CSkinTree::mousePressEvent(QMouseEvent* event) {
    const QModelIndex before = currentIndex();
    SkinItemView::mousePressEvent(event);
    const bool button = event->button() == Qt::LeftButton || event->button() == Qt::RightButton;
    if (button && indexAt(event->position().toPoint()).isValid() && currentIndex() != before)
        PlayEffectSound(ui::sound::kClick);
}
