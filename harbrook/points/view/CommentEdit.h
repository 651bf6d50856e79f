#pragma once
// The comment field of the point entry dialog: several lines, at most 4096 characters with every
// line break counted as two (CR LF, as the comment is stored). Pasted text keeps its lines
// whatever line ends it came with.
#include <QPlainTextEdit>

class CommentEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr int kMaxLength = 4096;

    explicit CommentEdit(QWidget* parent = nullptr);

    // The stored form: line breaks as CR LF.
    QString CrLfText() const;
    // Shows a stored comment (any line ends); clears the modified mark.
    void SetCrLfText(const QString& text);

    // Any line end (CR LF, CR, LF) becomes "\n".
    static QString PlainLines(QString text);
    // The length as stored: characters, line breaks counting two.
    static int StoredLength(const QString& text);

protected:
    void insertFromMimeData(const QMimeData* source) override;

private:
    void KeepWithinLimit(int position, int added);
};
