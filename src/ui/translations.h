#pragma once

class QCoreApplication;

namespace huewright {

/// Loads Qt's own Japanese texts (standard dialogs, message box buttons, edit menus) into
/// `application`; where they are not installed, Qt's English stays. Returns whether they loaded.
bool installJapaneseTranslations(QCoreApplication& application);

}  // namespace huewright
