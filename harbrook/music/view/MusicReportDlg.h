#pragma once
// CMusicReportDlg: the report of an add or paste that did not go through whole: the check
// report's tab-separated lines as a four-column list (its first line gives the column titles),
// the document's message below it, and an OK button.
#include <ui/SkinDialog.h>

#include <QString>

#include <functional>

class CSkinList;
class QStandardItemModel;

class CMusicReportDlg : public CSkinDialog {
    Q_OBJECT
public:
    static constexpr int kTemplate = 0;

    CMusicReportDlg(const QString& report, const QString& message, QWidget* parent = nullptr);

    // Shows the dialog and waits for OK, or hands the texts to the responder while one is set
    // (tests and picture runs answer without a window).
    static void Show(const QString& report, const QString& message, QWidget* parent);
    using Responder = std::function<void(const QString& report, const QString& message)>;
    static void SetResponder(Responder responder);

    QStandardItemModel* Lines() const { return m_lines; }
    const QString& Message() const { return m_message; }

private:
    QStandardItemModel* m_lines;
    QString m_message;
};
