#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <span>
#include <string_view>

#include "model/controls.h"
#include "model/layout.h"

namespace huewright {

/// A short name of the name table as a Qt object name.
QString qtName(std::string_view name);

/// The widget or object under `root` that stands for `control` (any enumerator of the name
/// table); null when there is none.
template <typename Object = QWidget, typename Control>
Object* findControl(const QObject* root, Control control) {
    return root->findChild<Object*>(qtName(nameOf(control)));
}

/// Creates every control of `layout` inside `client`, in table order (a parent before its
/// children), named, placed, captioned and hinted as the table says, and chains the tab order:
/// within each parent by its tab positions, a container's children in its place. `beep` sounds
/// for a key a spin edit refuses.
void buildControls(QWidget* client, std::span<const ControlLayout> layout,
                   const std::function<void()>& beep);

/// Names and titles `window` as `layout` says, fixes `client` to its client area and builds the
/// controls into it.
void buildWindow(QWidget* window, QWidget* client, const WindowLayout& layout,
                 const std::function<void()>& beep);

/// The object names of `layout`'s focusable controls in tab order.
QStringList tabOrder(std::span<const ControlLayout> layout);

}  // namespace huewright
