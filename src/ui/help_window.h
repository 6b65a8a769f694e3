#pragma once

#include <QString>
#include <QWidget>

#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace huewright {

/// The program's help: a topic finder (the document's headings, filtered by a search word) beside
/// the text.
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    /// Shows the help document `helpFile` (HTML, UTF-8); a file that cannot be read is named in
    /// the text instead, with no topics.
    void load(const QString& helpFile);
    /// The help document last loaded.
    const QString& file() const { return file_; }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    /// The window's own texts in the language the program speaks.
    void showTexts();

    /// One heading of the document and the text up to the next heading.
    struct Topic {
        QString title;
        int level;
        int position;
        QString text;
    };

    /// Lists the topics whose title or text holds `word` (all of them for an empty word).
    void listTopics(const QString& word);
    /// Scrolls the text so that the topic's heading is at the top.
    void showTopic(int topic);

    QLineEdit* search_;
    QListWidget* contents_;
    QTextBrowser* text_;
    QLabel* topicsLabel_;
    QString file_;
    std::vector<Topic> topics_;
};

}  // namespace huewright
