#pragma once
// CMusicStatus: the status strip under the music view's panes: on the left the progress of an
// add run (the number of files and the file being added), on the right the total size of the
// music in the transfer list as "容量 %I64uMB", rounded up to whole MiB.
#include <QString>
#include <QWidget>

#include <cstdint>
#include <string>

class CMusicStatus : public QWidget {
    Q_OBJECT
public:
    explicit CMusicStatus(QWidget* parent = nullptr);

    // The total size text for `bytes`.
    static QString CapacityText(std::uint64_t bytes);

    void SetCapacity(std::uint64_t bytes);
    // `files` added so far and the file being added; -1 clears the progress.
    void SetProgress(int files, const std::string& path);
    const QString& CapacityShown() const { return m_capacity; }
    const QString& ProgressShown() const { return m_progress; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_capacity;
    QString m_progress;
};
