#include <shell/gui/DriveSelectDlg.h>

#include <shell/gui/MountTableWatch.h>

#include <ui/SkinButton.h>
#include <ui/SkinIds.h>
#include <ui/SkinList.h>

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>

#include <sys/statvfs.h>

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 230;

QString spaceLine(std::uint64_t free, bool short_) {
    QString line = QStringLiteral("空き容量 %1 MBytes").arg(free >> 20);
    if (short_) line += QStringLiteral(" (容量が不足しています)");
    return line;
}

}  // namespace

CDriveSelectDlg::CDriveSelectDlg(NeededBytes needed, QWidget* parent,
                                 DriveListModel::Lister lister, FreeBytes free)
    : CSkinDialog(kTemplate, parent),
      m_needed(std::move(needed)),
      m_free(free ? std::move(free) : FreeBytes(&VolumeFreeBytes)),
      m_model(std::move(lister)) {
    SetCaption(QStringLiteral("リムーバブルドライブの検索"));
    SetZoom(true);
    resize(kWidth, kHeight);
    Build();
    m_watch = new MountTableWatch(this);
    connect(m_watch, &MountTableWatch::changed, this, &CDriveSelectDlg::Refresh);
    Refresh();
}

CDriveSelectDlg::~CDriveSelectDlg() = default;

void CDriveSelectDlg::Build() {
    m_list = new CSkinList(this);
    m_list->setGeometry(12, 10, kWidth - 24, 130);
    m_list->setModel(&m_model);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->SetImageSize(QSize(16, 16));
    m_list->horizontalHeader()->hide();
    m_list->horizontalHeader()->setStretchLastSection(true);
    SetItemId(m_list, kListItem);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CDriveSelectDlg::OnSelectionChanged);
    connect(m_list, &QAbstractItemView::doubleClicked, this, [this] {
        if (OkButton() && OkButton()->isEnabled()) OnCommand(1);
    });

    m_space = new QLabel(QStringLiteral("&n "), this);
    m_space->setGeometry(12, 146, kWidth - 24, 20);
    SetItemId(m_space, kSpaceItem);

    struct Item {
        int id;
        int image;
        int x;
    };
    for (const Item item : {Item{1, ui::image::kButtonOk, kWidth - 184},
                            Item{2, ui::image::kButtonCancel, kWidth - 92}}) {
        auto* plain = new QPushButton(this);
        plain->setGeometry(item.x, kHeight - 38, 80, 24);
        SetItemId(plain, item.id);
        auto* button = new CSkinButton(this);
        if (!button->ReplaceDialogItem(item.id, this, item.image)) {
            delete button;
            plain->setText(item.id == 1 ? QStringLiteral("OK") : QStringLiteral("キャンセル"));
            connect(plain, &QPushButton::clicked, this, [this, id = item.id] { OnCommand(id); });
        }
    }
}

QWidget* CDriveSelectDlg::OkButton() const {
    return FindItem(const_cast<CDriveSelectDlg*>(this), 1);
}

void CDriveSelectDlg::Refresh() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_result.clear();
    if (QWidget* ok = OkButton()) ok->setEnabled(false);
    m_model.Reload();
    m_space->setText(QString());
    QApplication::restoreOverrideCursor();
}

void CDriveSelectDlg::SelectRow(int row) {
    m_list->selectionModel()->select(m_model.index(row, 0),
                                     QItemSelectionModel::ClearAndSelect);
    m_list->setCurrentIndex(m_model.index(row, 0));
}

void CDriveSelectDlg::OnSelectionChanged() {
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    bool allowed = false;
    QString line;
    if (!rows.isEmpty()) {
        const QString root = m_model.RootAt(rows.front().row());
        if (const std::optional<std::uint64_t> free = m_free(root)) {
            const std::uint64_t needed = m_needed ? m_needed(root.toStdString()) : 0;
            const bool tooSmall = needed != 0 && needed > *free;
            line = spaceLine(*free, tooSmall);
            allowed = !tooSmall;
        }
    }
    m_space->setText(line);
    if (QWidget* ok = OkButton()) ok->setEnabled(allowed);
}

bool CDriveSelectDlg::OnCommand(int commandId) {
    if (commandId == 1) {
        const QModelIndexList rows = m_list->selectionModel()->selectedRows();
        if (rows.isEmpty() || !OkButton()->isEnabled()) return true;
        m_result = m_model.RootAt(rows.front().row());
        if (!m_result.endsWith(QLatin1Char('/'))) m_result += QLatin1Char('/');
        accept();
        return true;
    }
    if (commandId == 2) {
        m_result.clear();
        reject();
        return true;
    }
    return false;
}

std::optional<std::uint64_t> CDriveSelectDlg::VolumeFreeBytes(const QString& root) {
    struct statvfs info {};
    if (::statvfs(root.toLocal8Bit().constData(), &info) != 0) return std::nullopt;
    return static_cast<std::uint64_t>(info.f_bavail) * info.f_frsize;
}
