#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

#include "../persistence/memory_file_system.h"
#include "fake_platform.h"
#include "model/startup_draft.h"
#include "persistence/value_rules.h"
#include "ui/fonts.h"
#include "ui/main_window.h"

namespace huewright {

class SettingsDialogTest : public QObject {
    Q_OBJECT

    const std::filesystem::path kStartupFile = "/work/lumo.ini";

    std::unique_ptr<test::MemoryFileSystem> files_;
    std::unique_ptr<FakePlatform> platform_;
    std::unique_ptr<MainWindowModel> model_;
    std::unique_ptr<MainWindow> form_;

    // Opens the settings dialog from the menu; `script` does what the user does in it.
    void openSettings(const std::function<void(QDialog&)>& script) {
        platform_->modalScript = script;
        form_->findChild<QAction*>(QStringLiteral("K2"))->trigger();
    }
    template <typename T = QAbstractButton>
    static T* in(QDialog& dialog, const char* name) {
        return dialog.findChild<T*>(QString::fromLatin1(name));
    }
    static void press(QDialog& dialog, const char* name) {
        QTest::mouseClick(in(dialog, name), Qt::LeftButton);
    }

  private slots:
    void initTestCase() { installFaceSubstitutes(); }

    void init() {
        files_ = std::make_unique<test::MemoryFileSystem>();
        platform_ = std::make_unique<FakePlatform>();
        model_ = std::make_unique<MainWindowModel>(*files_);
        form_ = std::make_unique<MainWindow>(*model_, *platform_);
        form_->startUp("/work");
    }

    void cleanup() {
        form_.reset();
        model_.reset();
    }

    void cancelChangesNothingButRegenerates() {
        files_->files[kStartupFile] = "[Stat]\r\nTB=1\r\n";
        const StartupSettings before = model_->startupSettings();
        const int regenerations = model_->regenerationCount();
        openSettings([&](QDialog& dialog) {
            in(dialog, "TB")->click();
            platform_->colourAnswers = {ColourValue{0x123456}};
            press(dialog, "scb");
            press(dialog, "Button2");
        });
        QCOMPARE(model_->startupSettings(), before);
        QCOMPARE(files_->files[kStartupFile], std::string("[Stat]\r\nTB=1\r\n"));
        QCOMPARE(model_->regenerationCount() - regenerations, 1);
    }

    // Storing unchanged values writes all eleven keys, creating the file; a restart reads them
    // back; lower-case tags show at once.
    void storeWritesElevenKeysAndTakesEffect() {
        openSettings([&](QDialog& dialog) { press(dialog, "Button1"); });
        QCOMPARE(files_->files[kStartupFile],
                 std::string("[Stat]\r\nCol1=16711935\r\nCol2=65535\r\nCol3=16711680\r\n"
                             "ColB=16777215\r\nSS=1\r\nFS=1\r\nKB=1\r\nTB=1\r\nCS=1\r\n"
                             "F_TAG=0\r\nS_TAG=0\r\n"));

        platform_->colourAnswers = {ColourValue{0x00FF00}};
        form_->findChild<QPushButton*>(QStringLiteral("ecb"))->click();
        openSettings([&](QDialog& dialog) {
            press(dialog, "Button3");  // the window's current colours, chosen after start
            in(dialog, "TB")->click();
            press(dialog, "FR1");
            press(dialog, "Button1");
        });
        QVERIFY(model_->markup().starts_with("<font face="));
        const StartupSettings stored = model_->startupSettings();
        QCOMPARE(stored.endColour, 0x00FF00);
        QVERIFY(!stored.upperCaseTags);
        QCOMPARE(stored.boldTagForm, 1);
        QCOMPARE(model_->colour(ColourSlot::End), ColourValue{0x00FF00});

        MainWindowModel restarted(*files_);
        restarted.startUp("/work");
        QCOMPARE(restarted.startupSettings(), stored);
    }

    void refusedStoreKeepsTheDialogOpen() {
        files_->files[kStartupFile] = "[Stat]\r\nCol1=1\r\n";
        files_->unwritable.insert(kStartupFile);
        const StartupSettings before = model_->startupSettings();
        int result = -1;
        openSettings([&](QDialog& dialog) {
            in(dialog, "CS")->click();
            press(dialog, "Button1");
            result = dialog.result();
            QVERIFY(!in(dialog, "CS")->isChecked());  // the user's edit is still there
            press(dialog, "Button2");
        });
        QCOMPARE(result, int{QDialog::Rejected});
        QCOMPARE(platform_->errors.back().text, QStringLiteral("/work/lumo.ini に書き込めません."));
        QCOMPARE(files_->files[kStartupFile], std::string("[Stat]\r\nCol1=1\r\n"));
        QCOMPARE(model_->startupSettings(), before);
    }

    void tagFormsOpenFromTheStartupValues() {
        struct Row {
            std::int32_t value;
            std::optional<int> item;
            std::int32_t stored;
        };
        // Above 1 selects the last item; a negative value selects none and keeps the form.
        for (const Row& row : {Row{0, 0, 0}, Row{1, 1, 1}, Row{5, 1, 1}, Row{-1, {}, 1}}) {
            StartupDraft draft;
            draft.select(TagForm::Bold, 1);
            draft.open(StartupSettings{.boldTagForm = row.value});
            QCOMPARE(draft.selectedItem(TagForm::Bold), row.item);
            QCOMPARE(draft.values().boldTagForm, row.stored);
        }
    }
};

}  // namespace huewright

QTEST_MAIN(huewright::SettingsDialogTest)
#include "settings_dialog_test.moc"
