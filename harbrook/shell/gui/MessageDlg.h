#pragma once
// CMessageDlg: the program's own message box. One text (up to two lines, centred) and the buttons
// of its type; the answer uses the system message box's numbers.
#include <ui/SkinDialog.h>

#include <QString>

#include <functional>
#include <string_view>
#include <vector>

class QLabel;

class CMessageDlg : public CSkinDialog {
    Q_OBJECT
public:
    // Types.
    static constexpr int kInformation = 0;  // OK
    static constexpr int kConfirm = 1;      // OK, Cancel
    static constexpr int kYesNoCancel = 3;  // Yes, No, Cancel
    static constexpr int kYesNo = 4;        // Yes, No
    // Results.
    static constexpr int kOk = 1;
    static constexpr int kCancel = 2;
    static constexpr int kYes = 6;
    static constexpr int kNo = 7;
    // Item ids.
    static constexpr int kTextItem = 1019;
    static constexpr int kButton1039 = 1039;
    static constexpr int kButton1040 = 1040;
    static constexpr int kButton1041 = 1041;
    static constexpr int kButton1042 = 1042;
    static constexpr int kButton1043 = 1043;

    CMessageDlg(const QString& text, int type, QWidget* parent = nullptr);

    int Type() const { return m_type; }
    // What Enter and Escape answer for a type.
    static int EnterResult(int type);
    static int EscapeResult(int type);
    // The caption's string number for a type (215, 216, 217, 214).
    static int CaptionStringId(int type);

protected:
    bool OnCommand(int commandId) override;
    void keyPressEvent(QKeyEvent* event) override;

public Q_SLOTS:
    // Closing by other means (the window system) answers as Escape would.
    void reject() override;

private:
    struct ButtonSpec {
        int item;
        int image;
        int result;
    };
    // The buttons a type shows, in left-to-right order.
    static std::vector<ButtonSpec> ButtonsOf(int type);
    void BuildItems();
    void SkinButtons();

    int m_type;
    QLabel* m_text = nullptr;
};

// Shows `text` modally over the main frame and returns the answer (1, 2, 6 or 7). An empty text
// returns 1 without showing anything.
int ShowMessage(const QString& text, int type);
// The same for CP932 text from the data stores.
int ShowCp932Message(std::string_view text, int type);

// Tests answer message dialogs without showing them: while a responder is set, ShowMessage (for a
// non-empty text) returns the responder's answer instead of opening the dialog. An empty function
// restores the dialog.
using MessageDlgResponder = std::function<int(const QString& text, int type)>;
void SetMessageDlgResponder(MessageDlgResponder responder);
