#include <points/view/CommentEdit.h>

#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>

CommentEdit::CommentEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { KeepWithinLimit(position, added); });
}

QString CommentEdit::PlainLines(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

int CommentEdit::StoredLength(const QString& text) {
    return static_cast<int>(text.size() + text.count(QLatin1Char('\n')));
}

QString CommentEdit::CrLfText() const {
    QString text = toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

void CommentEdit::SetCrLfText(const QString& text) {
    setPlainText(PlainLines(text));
    document()->setModified(false);
}

void CommentEdit::insertFromMimeData(const QMimeData* source) {
    if (!source || !source->hasText()) return;
    textCursor().insertText(PlainLines(source->text()));
    ensureCursorVisible();
}

void CommentEdit::KeepWithinLimit(int position, int added) {
    const int over = StoredLength(toPlainText()) - kMaxLength;
    if (over <= 0 || added <= 0) return;
    // Takes back the end of what was just added; the rest of the text stays as it was.
    QTextCursor cursor(document());
    const int keep = std::max(0, added - over);
    cursor.setPosition(position + keep);
    cursor.setPosition(position + added, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    // A line break counts two: removing characters may still leave one too many.
    if (StoredLength(toPlainText()) > kMaxLength && keep > 0) KeepWithinLimit(position, keep);
}
