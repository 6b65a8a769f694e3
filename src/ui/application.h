#pragma once

class QApplication;

namespace huewright {

/// Sets `application` up as the program runs: its name, and no display name, which Qt would
/// append to every window title; the substitute faces and the classic style; and Qt's own
/// settings pointed nowhere. The window sets the language once it has read the start-up file.
void setUpApplication(QApplication& application);

}  // namespace huewright
