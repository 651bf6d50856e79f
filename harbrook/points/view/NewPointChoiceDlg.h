#pragma once
// CNewPointChoiceDlg: how a new point gets its position: from the web map (only while the map
// bridge can be used) or typed as latitude and longitude. exec() answers 1037, 1038 or 2.
#include <ui/SkinDialog.h>

class CNewPointChoiceDlg : public CSkinDialog {
    Q_OBJECT
public:
    static constexpr int kTemplate = 228;
    static constexpr int kMapService = 1037;
    static constexpr int kTypedPosition = 1038;
    static constexpr int kCancel = 2;

    explicit CNewPointChoiceDlg(QWidget* parent = nullptr);

    bool MapServiceOffered() const;

public Q_SLOTS:
    void reject() override;

protected:
    bool OnCommand(int commandId) override;
    void keyPressEvent(QKeyEvent* event) override;
};
