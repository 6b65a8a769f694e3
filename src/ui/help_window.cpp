#include "ui/help_window.h"

#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/words.h"
#include "ui/accessibility.h"
#include "ui/control_layout.h"
#include "ui/translations.h"

namespace huewright {

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      search_(new QLineEdit),
      contents_(new QListWidget),
      text_(new QTextBrowser),
      topicsLabel_(new QLabel) {
    installAccessibility();
    setObjectName(qtName(nameOf(Window::Help)));
    // Closing the main window ends the program, whether help is open or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    search_->setObjectName(qtName(nameOf(HelpControl::Search)));
    search_->setClearButtonEnabled(true);
    contents_->setObjectName(qtName(nameOf(HelpControl::Topics)));
    text_->setObjectName(qtName(nameOf(HelpControl::Text)));
    text_->setOpenExternalLinks(true);

    auto* finder = new QWidget;
    auto* finderLayout = new QVBoxLayout(finder);
    finderLayout->setContentsMargins(0, 0, 0, 0);
    finderLayout->addWidget(topicsLabel_);
    finderLayout->addWidget(search_);
    finderLayout->addWidget(contents_);
    auto* splitter = new QSplitter;
    splitter->addWidget(finder);
    splitter->addWidget(text_);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);
    splitter->setSizes({250, 510});
    resize(760, 520);

    showTexts();

    connect(search_, &QLineEdit::textChanged, this, &HelpWindow::listTopics);
    connect(contents_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (QListWidgetItem* item = contents_->item(row)) {
            showTopic(item->data(Qt::UserRole).toInt());
        }
    });
}

void HelpWindow::showTexts() {
    setWindowTitle(shown(words::kHelpTitle));
    search_->setPlaceholderText(shown(words::kHelpSearch));
    search_->setAccessibleName(shown(words::kHelpSearch));
    contents_->setAccessibleName(shown(words::kHelpTopics));
    text_->setAccessibleName(shown(words::kHelpText));
    topicsLabel_->setText(shown(words::kHelpTopics));
    for (QToolButton* clear : search_->findChildren<QToolButton*>()) {
        clear->setAccessibleName(shown(words::kHelpClear));
    }
}

void HelpWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        showTexts();
    }
}

void HelpWindow::load(const QString& helpFile) {
    file_ = helpFile;
    topics_.clear();
    QFile file(helpFile);
    if (!file.open(QIODevice::ReadOnly)) {
        text_->setPlainText(shown(words::kHelpUnreadable).arg(helpFile, file.errorString()));
        listTopics(search_->text());
        return;
    }
    text_->setHtml(QString::fromUtf8(file.readAll()));
    const QTextDocument* document = text_->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (const int level = block.blockFormat().headingLevel(); level > 0) {
            topics_.push_back({block.text(), level, block.position(), {}});
        } else if (!topics_.empty()) {
            topics_.back().text += block.text() + QLatin1Char('\n');
        }
    }
    listTopics(search_->text());
}

void HelpWindow::listTopics(const QString& word) {
    contents_->clear();
    for (std::size_t i = 0; i < topics_.size(); ++i) {
        const Topic& topic = topics_[i];
        if (!word.isEmpty() && !topic.title.contains(word, Qt::CaseInsensitive) &&
            !topic.text.contains(word, Qt::CaseInsensitive)) {
            continue;
        }
        auto* item = new QListWidgetItem(
            QString(qsizetype{2} * (topic.level - 1), QLatin1Char(' ')) + topic.title);
        item->setData(Qt::UserRole, static_cast<int>(i));
        contents_->addItem(item);
    }
}

void HelpWindow::showTopic(int topic) {
    QTextCursor cursor(text_->document());
    cursor.setPosition(topics_[static_cast<std::size_t>(topic)].position);
    text_->setTextCursor(cursor);
    // Scroll the heading to the top, not merely into view.
    QScrollBar* bar = text_->verticalScrollBar();
    bar->setValue(bar->value() + text_->cursorRect().top());
}

}  // namespace huewright
