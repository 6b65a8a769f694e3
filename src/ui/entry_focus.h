#pragma once

#include <QObject>

#include "model/entry_rules.h"

class QLineEdit;

namespace huewright {

/// Selects an editor's whole text on getting the focus, or leaves its selection, as the entry
/// rules say for its control and for how the focus came, in place of Qt's own choice.
class EntryFocus : public QObject {
    Q_OBJECT
  public:
    /// Watches `editor` (for a combo box or spin edit, its line edit), which owns it.
    EntryFocus(EntryControl control, QLineEdit* editor);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    EntryControl control_;
    QLineEdit* editor_;
    bool resending_ = false;
};

}  // namespace huewright
