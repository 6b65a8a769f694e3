// On a real X server, as the window manager and the user meet the program: the titles the X
// windows carry, and the face box typed into key by key. ctest runs this under xvfb-run;
// without a display it is skipped.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <xcb/xcb.h>

#include <memory>

#include "text/cp932.h"
#include "ui/application.h"
#include "ui_fixture.h"

namespace huewright {
namespace {

// The UTF-8 property `name` of the X window `window`, read over a connection of its own.
QString windowProperty(xcb_window_t window, const char* name) {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const auto atom = [&](const char* atomName) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(qstrlen(atomName)), atomName),
            nullptr);
        const xcb_atom_t found = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        free(reply);
        return found;
    };
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, window, atom(name), atom("UTF8_STRING"), 0, 1024), nullptr);
    QString value;
    if (reply != nullptr) {
        value = QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(reply)),
                                  xcb_get_property_value_length(reply));
        free(reply);
    }
    xcb_disconnect(connection);
    return value;
}

}  // namespace

class XvfbWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::WindowScene> scene_;

  private slots:
    void init() {
        if (QGuiApplication::platformName() != QStringLiteral("xcb")) {
            QSKIP("needs an X server (xvfb-run)");
        }
        setUpApplication(*qApp);
        scene_ = std::make_unique<test::WindowScene>();
        scene_->form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&scene_->form));
    }

    void cleanup() { scene_.reset(); }

    // Each window's X title is its own caption, with nothing appended.
    void titlesAreExactlyTheCaptions() {
        for (const WindowLayout* layout : allWindowLayouts()) {
            QWidget* window = scene_->window(*layout);
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            const QString expected = QString::fromUtf8(layout->title);
            const auto title = [&] {
                return windowProperty(static_cast<xcb_window_t>(window->winId()), "_NET_WM_NAME");
            };
            QTRY_COMPARE(title(), expected);
            if (window != &scene_->form) {
                window->hide();
            }
        }
    }

    // Typing "Dej" and Tab leaves the box and the markup's face the same, whatever fonts start
    // with those letters.
    void faceBoxTypedByHand() {
        auto* box = findControl<QComboBox>(&scene_->form, WindowPart::FaceName);
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), QStringLiteral("Dej"));
        QTest::keyClick(box->lineEdit(), Qt::Key_Tab);
        QCOMPARE(box->currentText(), QStringLiteral("Dej"));
        QVERIFY(QString::fromStdString(cp932ToUtf8(scene_->model.markup()))
                    .contains(QStringLiteral("FACE=\"Dej\"")));
        QVERIFY(!box->lineEdit()->hasFocus());
    }
};

}  // namespace huewright

QTEST_MAIN(huewright::XvfbWindowTest)
#include "xvfb_window_test.moc"
