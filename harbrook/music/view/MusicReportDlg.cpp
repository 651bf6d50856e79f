#include <music/view/MusicReportDlg.h>

#include <music/view/MusicInfoDlg.h>
#include <ui/SkinList.h>

#include <QLabel>
#include <QStandardItemModel>

namespace {

constexpr int kWidth = 640;
constexpr int kListHeight = 220;
constexpr int kMargin = 12;

CMusicReportDlg::Responder& responder() {
    static CMusicReportDlg::Responder instance;
    return instance;
}

}  // namespace

void CMusicReportDlg::SetResponder(Responder answer) {
    responder() = std::move(answer);
}

void CMusicReportDlg::Show(const QString& report, const QString& message, QWidget* parent) {
    if (responder()) {
        responder()(report, message);
        return;
    }
    CMusicReportDlg(report, message, parent).exec();
}

CMusicReportDlg::CMusicReportDlg(const QString& report, const QString& message, QWidget* parent)
    : CSkinDialog(kTemplate, parent), m_lines(new QStandardItemModel(this)), m_message(message) {
    SetCaption(QStringLiteral("エラーレポート"));
    // Lines end in a lone "\r"; the first is the header.
    QStringList lines = report.split(QLatin1Char('\r'), Qt::SkipEmptyParts);
    if (!lines.isEmpty()) m_lines->setHorizontalHeaderLabels(lines.takeFirst().split(QLatin1Char('\t')));
    for (const QString& line : lines) {
        QList<QStandardItem*> row;
        for (const QString& cell : line.split(QLatin1Char('\t'))) row.append(new QStandardItem(cell));
        m_lines->appendRow(row);
    }
    auto* list = new CSkinList(this);
    list->setModel(m_lines);
    list->SetColumnWidths({90, 80, 280, 170});
    list->setGeometry(kMargin, kMargin, kWidth - 2 * kMargin, kListHeight);
    int top = kMargin + kListHeight + 8;
    auto* label = new QLabel(QStringLiteral("&b") + message, this);
    label->setGeometry(kMargin, top, kWidth - 2 * kMargin, 20);
    top += 28;
    CMusicInfoDlg::AddOkButton(this, QRect(kWidth - kMargin - 80, top, 80, 24));
    resize(kWidth, top + 24 + 12);
}
