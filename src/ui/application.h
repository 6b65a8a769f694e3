#pragma once

class QApplication;

namespace huewright {

/// Sets `application` up as the program runs: its name, and no display name, which Qt would
/// append to every window title; the substitute faces, the classic style and the Japanese
/// translations; and Qt's own settings pointed nowhere.
void setUpApplication(QApplication& application);

}  // namespace huewright
