#pragma once

#include <QLineEdit>
#include <QString>

namespace huewright {

/// The box that shows the finished fragment. Laying out and shaping a line edit's text costs
/// time in proportion to its length, and a fragment grows by some thirty characters per
/// character typed, while the box shows only its first few dozen. So while it does not have the
/// focus the box holds only a prefix that fills its width and keeps the whole fragment aside;
/// it takes the whole fragment in when it gets the focus (or a drop), before the user can
/// select, edit or copy any part of it.
class MarkupEdit final : public QLineEdit {
    Q_OBJECT

  public:
    using QLineEdit::QLineEdit;

    /// Shows `markup` from its start, replacing whatever the box held, the user's edits too.
    void setMarkup(const QString& markup);
    /// The whole fragment as the box holds it, the user's edits included.
    QString markup() const;
    /// Selects the whole fragment, the box still showing it from its start.
    void selectWhole();

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    /// Puts the whole fragment into the box, keeping the selection of all of it.
    void expand();
    /// Keeps the box's text aside and shows only a prefix of it.
    void collapse();
    /// Shows the prefix of the fragment kept aside that fills the box.
    void showPrefix();

    bool collapsed_ = false;
    /// Whether the whole fragment, not only the prefix shown, counts as selected.
    bool wholeSelected_ = false;
    QString markup_;  ///< the whole fragment while collapsed
};

}  // namespace huewright
