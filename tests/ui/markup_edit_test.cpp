#include "ui/markup_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QtTest>

namespace huewright {

class MarkupEditTest : public QObject {
    Q_OBJECT

    // A fragment far longer than the box shows, with another character at its far end.
    const QString whole_ = QString(5000, QLatin1Char('a')) + QLatin1Char('z');
    QWidget window_;
    MarkupEdit* box_ = new MarkupEdit(&window_);
    QLineEdit* elsewhere_ = new QLineEdit(&window_);

  private slots:
    void init() {
        box_->setGeometry(1, 1, 336, 20);
        elsewhere_->setGeometry(1, 30, 100, 20);
        window_.show();
        elsewhere_->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&window_));
        box_->setMarkup(whole_);
    }

    void holdsWhatItShowsUntilTheUserComesIn() {
        QVERIFY(box_->text().size() <= box_->width());
        QVERIFY(whole_.startsWith(box_->text()));
        QCOMPARE(box_->markup(), whole_);
        box_->selectWhole();
        box_->setFocus();
        QCOMPARE(box_->selectedText(), whole_);
        QCOMPARE(box_->cursorPosition(), 0);
    }

    void userWorksOnTheWholeFragment_data() {
        using Keys = QList<QKeySequence>;
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<QString>("markup");
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("types at the far end")
            << Keys{Qt::Key_End, Qt::Key_Exclam} << whole_ + QLatin1Char('!') << QString();
        QTest::newRow("copies all of it")
            << Keys{QKeySequence::SelectAll, QKeySequence::Copy} << whole_ << whole_;
    }

    void userWorksOnTheWholeFragment() {
        QFETCH(QList<QKeySequence>, keys);
        QFETCH(QString, markup);
        QFETCH(QString, clipboard);
        QApplication::clipboard()->clear();
        QTest::mouseClick(box_, Qt::LeftButton, {}, QPoint(4, 10));
        for (const QKeySequence& key : keys) {
            QTest::keySequence(box_, key);
        }
        elsewhere_->setFocus();
        QCOMPARE(box_->markup(), markup);
        QCOMPARE(QApplication::clipboard()->text(), clipboard);
        // While the user is in the box, a new fragment arrives whole.
        box_->setFocus();
        box_->setMarkup(whole_);
        QCOMPARE(box_->text(), whole_);
    }
};

}  // namespace huewright

QTEST_MAIN(huewright::MarkupEditTest)
#include "markup_edit_test.moc"
