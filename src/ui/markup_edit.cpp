#include "ui/markup_edit.h"

#include <QFocusEvent>

#include <algorithm>

namespace huewright {

namespace {

// Every character is at least a pixel wide, so as many characters as the box has pixels fill
// it; a surrogate pair is kept whole.
qsizetype prefixLength(const QString& text, int width) {
    qsizetype length = std::min(text.size(), qsizetype{std::max(width, 0)});
    if (length > 0 && length < text.size() && text[length - 1].isHighSurrogate()) {
        --length;
    }
    return length;
}

}  // namespace

void MarkupEdit::setMarkup(const QString& markup) {
    wholeSelected_ = false;
    if (hasFocus()) {
        // The user works in the box: it holds everything.
        collapsed_ = false;
        markup_.clear();
        setText(markup);
        setCursorPosition(0);
    } else {
        markup_ = markup;
        collapsed_ = true;
        showPrefix();
    }
}

QString MarkupEdit::markup() const {
    return collapsed_ ? markup_ : text();
}

void MarkupEdit::selectWhole() {
    wholeSelected_ = true;
    // Selected backwards, the cursor stands at the start and the box keeps showing it.
    setSelection(static_cast<int>(text().size()), -static_cast<int>(text().size()));
}

void MarkupEdit::focusInEvent(QFocusEvent* event) {
    // Focus arrives before a mouse press places the cursor, and before any key or menu.
    expand();
    QLineEdit::focusInEvent(event);
}

void MarkupEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A line edit keeps its selection across its own context menu and a switch of windows;
    // so does this box, by keeping the whole fragment.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason) {
        wholeSelected_ = false;
        collapse();
    }
}

void MarkupEdit::dragEnterEvent(QDragEnterEvent* event) {
    // A drop lands without the focus, at a place in the whole fragment.
    expand();
    QLineEdit::dragEnterEvent(event);
}

void MarkupEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    if (collapsed_) {
        showPrefix();
    }
}

void MarkupEdit::expand() {
    if (!collapsed_) {
        return;
    }
    collapsed_ = false;
    setText(markup_);
    markup_.clear();
    if (wholeSelected_) {
        selectWhole();
    } else {
        setCursorPosition(0);
    }
}

void MarkupEdit::collapse() {
    if (collapsed_) {
        return;
    }
    markup_ = text();
    collapsed_ = true;
    showPrefix();
}

void MarkupEdit::showPrefix() {
    setText(markup_.left(prefixLength(markup_, width())));
    if (wholeSelected_) {
        selectWhole();
    } else {
        setCursorPosition(0);
    }
}

}  // namespace huewright
