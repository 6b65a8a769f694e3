#pragma once

#include <QList>
#include <QObject>

class QAbstractButton;
class QWidget;

namespace huewright {

/// The radio buttons directly inside one parent, handled as on Windows: an arrow key moves the
/// check and the focus where radioArrowTarget says, as a click would; Tab enters the group at its
/// checked button, or at its first when none is checked. The buttons are auto-exclusive, so that
/// they are radio buttons to a screen reader too, yet the group may be left with none checked.
class RadioGroup : public QObject {
    Q_OBJECT
  public:
    /// Makes the radio buttons among `parent`'s children one group; the group is a child of
    /// `parent`.
    explicit RadioGroup(QWidget* parent);

    /// The group `button` belongs to, or null.
    static RadioGroup* of(const QAbstractButton* button);

    /// Checks or unchecks `button`, which must be of this group, emitting nothing; unchecking
    /// the checked button leaves the group empty.
    void setChecked(QAbstractButton* button, bool checked);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    /// Gives the tab stop to the checked button, or the first when none is.
    void placeTabStop();

    QList<QAbstractButton*> buttons_;
};

}  // namespace huewright
