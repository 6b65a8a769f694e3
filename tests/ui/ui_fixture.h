#pragma once

#include <QString>
#include <QTest>
#include <QWidget>

#include "fake_platform.h"
#include "model/main_window_model.h"
#include "support/memory_file_system.h"
#include "ui/control_layout.h"
#include "ui/main_window.h"

// What the widget tests share: the main window over fakes, and typing as an input method types.

namespace huewright::test {

/// The main window over settings files held in memory and a fake platform, started in /work.
struct WindowScene {
    MemoryFileSystem files;
    FakePlatform platform;
    MainWindowModel model{files};
    MainWindow form{model, platform};

    WindowScene() { form.startUp("/work"); }

    /// The window `layout` lays out: the main window or one of its dialogs.
    QWidget* window(const WindowLayout& layout) {
        return layout.name == nameOf(Window::Main) ? &form
                                                   : form.findChild<QWidget*>(qtName(layout.name));
    }
};

/// Types `text` one character (one code point) at a time, as an input method delivers characters
/// without key codes.
inline void type(QWidget* target, const QString& text) {
    for (const char32_t codePoint : text.toUcs4()) {
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString::fromUcs4(&codePoint, 1),
                            Qt::NoModifier);
    }
}

}  // namespace huewright::test
