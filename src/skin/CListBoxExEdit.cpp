// The in-place editor of CListBoxEx: opening, the two ways of committing, and cancelling.
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "common/Messages.h"
#include "skin/CListBoxEx.h"
#include "skin/ListRowRules.h"

namespace {
constexpr int kEditorLimit = 20;
constexpr int kTextIndent = 5;
}  // namespace

void CListBoxEx::OpenEditor() {
    const int row = currentRow();
    if (editor_ || row < 0) {
        return;
    }
    editPending_ = true;
    editRow_ = row;
    QRect r = visualRect(model()->index(row, 0));
    r.setRight(viewport()->width() - 1);
    if (RowHasIcon(row)) {
        r.setLeft(r.left() + kTextIndent + iconWidth_);
    }
    auto* ed = new QLineEdit(viewport());
    ed->setFrame(true);
    ed->setFont(editorFont_);
    if (!anyText_) {
        ed->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), ed));
    }
    ed->setMaxLength(kEditorLimit);
    ed->setText(RowText(row));
    ed->selectAll();
    ed->setGeometry(r);
    ed->installEventFilter(this);
    editor_ = ed;
    ed->show();
    ed->setFocus(Qt::OtherFocusReason);
}

void CListBoxEx::DropEditor() {
    QLineEdit* ed = editor_;
    editor_ = nullptr;
    editRow_ = -1;
    if (ed != nullptr) {
        ed->removeEventFilter(this);
        ed->hide();
        ed->deleteLater();
    }
    viewport()->update();
}

// The edited row takes the editor's text, or goes when the text is empty; it keeps its value.
bool CListBoxEx::ReplaceEditedRow(int row, const QString& text) {
    const std::uint32_t value = RowValue(row);
    delete takeItem(row);
    if (text.isEmpty()) {
        return false;
    }
    InsertRow(row, text, value);
    return true;
}

void CListBoxEx::CloseEditor() {
    // An owner may close twice (its own switch and the list's notice); the second finds no
    // editor and must not touch the rows.
    if (!editor_) {
        return;
    }
    const QString text = editor_->text();
    const int row = editRow_;
    bool inserted = false;
    if (row >= 0 && row < count()) {
        inserted = ReplaceEditedRow(row, text);
        setCurrentRow(row);
    }
    DropEditor();
    if (inserted) {
        Notify(editPending_ ? msg::kListEditCommitted2 : msg::kListEditCommitted, row, 0);
    }
    editPending_ = false;
    anyText_ = false;
}

void CListBoxEx::CommitOnFocusReturn() {
    if (!editor_ || editRow_ < 0) {
        return;
    }
    const QString text = editor_->text();
    const int row = editRow_;
    bool inserted = false;
    // An emptied owner edit keeps the row; the owner decides what an empty text means.
    const bool keep = editPending_ && text.isEmpty();
    if (!keep && row < count()) {
        inserted = ReplaceEditedRow(row, text);
        if (inserted) {
            setCurrentRow(row);
        }
    }
    DropEditor();
    if (inserted) {
        Notify(editPending_ ? msg::kListEditCommitted2 : msg::kListEditCommitted, row, controlId_);
    }
    editPending_ = false;
}

void CListBoxEx::CancelEditor() {
    DropEditor();
    editPending_ = false;
    anyText_ = false;
}

bool CListBoxEx::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editor_ &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (enter || key == Qt::Key_Escape) {
            // Both act on release, and neither may reach a dialog's default button.
            if (event->type() == QEvent::KeyRelease) {
                if (enter) {
                    setFocus(Qt::OtherFocusReason);  // commits as the focus comes back
                } else {
                    CancelEditor();
                }
            }
            return true;
        }
    }
    return QListWidget::eventFilter(watched, event);
}
