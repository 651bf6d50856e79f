#pragma once
// CModeView: the body of a mode until that mode's own view takes its place: a skinned panel that
// names the mode. It takes part in command routing like every view and redraws on INIT, UPDATE and
// refresh.
#include <shell/CommandTarget.h>
#include <ui/SkinImage.h>

#include <QString>
#include <QWidget>

class CModeView : public QWidget, public CommandTarget {
    Q_OBJECT
public:
    CModeView(const QString& name, QWidget* parent = nullptr);

    const QString& Name() const { return m_name; }
    // The mode names the tabs show.
    static QString NameOfMode(int mode);

    bool onCommand(int id) override;
    std::optional<bool> commandEnabled(int id) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_name;
    CSkinImage m_background;
};
