#pragma once
// The transfer command as the main frame runs it: the active mode's data over USB or to a
// removable drive, with the progress window over the main frame and the dialogs' answers.
class CAppData;
class QWidget;

class CTransferRunner {
public:
    CTransferRunner(CAppData& data, QWidget* frame) : m_data(data), m_frame(frame) {}

    // Runs the command for mode 0 (music), 1 (myDB) or 2 (points).
    void Run(int mode);

private:
    CAppData& m_data;
    QWidget* m_frame;
};
