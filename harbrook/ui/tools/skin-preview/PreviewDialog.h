#pragma once
// Sample skinned dialogs laid out like the program's own: an option dialog, a point entry excerpt
// and a question, built with the toolkit exactly as the real dialogs are.
#include <ui/SkinDialog.h>

class PreviewDialog : public CSkinDialog {
public:
    enum class Kind { Options, PointEntry, Question };
    PreviewDialog(Kind kind, QWidget* parent = nullptr);

private:
    void BuildOptions();
    void BuildPointEntry();
    void BuildQuestion();
    void AddLabel(const QString& text, const QRect& rect, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
    void AddButtonItem(int id, int image, const QRect& rect);
};
