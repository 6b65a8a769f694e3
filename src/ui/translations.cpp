#include "ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <string_view>

namespace huewright {

namespace {

// The context of every text the program shows, so that the table answers for no one else.
constexpr const char* kContext = "HuewrightHTML";

// Answers the program's texts from the translations, as a Qt Linguist file would.
class EnglishTranslator : public QTranslator {
  public:
    QString translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                      int /*n*/) const override {
        if (context == nullptr || sourceText == nullptr || std::string_view(context) != kContext) {
            return {};
        }
        const std::string_view english = inLanguage(sourceText, Language::English);
        return QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size()));
    }
    bool isEmpty() const override { return false; }
};

std::unique_ptr<QTranslator>& installed() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

}  // namespace

void speak(Language language) {
    std::unique_ptr<QTranslator>& current = installed();
    if (current) {
        QCoreApplication::removeTranslator(current.get());
        current.reset();
    }
    if (language == Language::English) {
        current = std::make_unique<EnglishTranslator>();
    } else {
        // Qt's Japanese, where it is installed; its English stays otherwise.
        current = std::make_unique<QTranslator>();
        if (!current->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qt"),
                           QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            current.reset();
            return;
        }
    }
    QCoreApplication::installTranslator(current.get());
}

QString shown(const char* japanese) {
    return QCoreApplication::translate(kContext, japanese);
}

}  // namespace huewright
