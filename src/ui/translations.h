#pragma once

#include <QString>

#include "model/language.h"

namespace huewright {

/// Makes the program speak `language` from now on: its own texts from the translations, and
/// Qt's (standard dialogs, message box buttons, edit menus) where Qt's translations are
/// installed, else Qt's English. Qt then sends every window a LanguageChange event, on which it
/// shows its texts again through shown(). Call after the application object exists.
void speak(Language language);

/// A Japanese text of the program (UTF-8) in the language it speaks.
QString shown(const char* japanese);

}  // namespace huewright
