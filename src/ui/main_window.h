#pragma once

#include <QMainWindow>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "model/control_state.h"
#include "model/main_window_model.h"
#include "ui/qt_drawing_surface.h"

class QAbstractButton;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace huewright {

class ColourCodeDialog;
class ExtendedDialog;
class ImageView;
class MarkupEdit;
class Platform;
class SettingsDialog;
class SpinEdit;
class VersionDialog;

/// The main window: every control of the working surface, laid out at 96 dpi, kept in step with
/// the window state model. The model decides; the window forwards what the user does and shows
/// the model's state, markup and preview.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow(MainWindowModel& model, Platform& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    /// Window creation: the help file name, the start-up settings from `workingDirectory`, the
    /// font list, then the first regeneration.
    void startUp(const std::filesystem::path& workingDirectory);

    /// The preview bitmap as last drawn.
    const QImage& previewImage() const { return surface_.image(); }

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void createControls();
    void createMenu();
    void connectControls();
    void connectActions();
    /// The menus' captions in the language the program speaks.
    void showMenuTexts();
    /// Speaks the model's language: every window's texts and the help file F1 opens.
    void speakModelLanguage();

    // The window's actions.
    void chooseColour(ColourSlot slot);
    void showColourCode(ColourSlot slot);
    void copyMarkup();
    void copyPreview();
    void showHelp();
    void showVersion();
    void editStartupSettings();
    void editColourOptions();
    void saveSettingsFile();
    void openSettingsFile();
    void switchLanguage();

    /// Runs a user action, then draws what changed of the model's state; an error shows in the
    /// error box.
    void act(const std::function<void()>& action);

    MainWindowModel& model_;
    Platform& platform_;
    QtDrawingSurface surface_;
    QString helpFile_;
    bool centred_ = false;

    ColourCodeDialog* colourCodeDialog_ = nullptr;
    SettingsDialog* settingsDialog_ = nullptr;
    ExtendedDialog* extendedDialog_ = nullptr;
    VersionDialog* versionDialog_ = nullptr;
    QLineEdit* textEdit_ = nullptr;
    QComboBox* faceNameBox_ = nullptr;
    MarkupEdit* markupEdit_ = nullptr;
    std::map<CheckBox, QAbstractButton*> checkBoxes_;
    std::map<RadioButton, QAbstractButton*> radioButtons_;
    std::map<SpinField, SpinEdit*> spinEdits_;
    std::map<Button, QPushButton*> buttons_;
    DrawnState drawn_;
};

}  // namespace huewright
