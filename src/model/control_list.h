#pragma once

// Every control of the program, written once: each row gives a control's enumeration, its
// enumerator and its short name, the object name by which both views and the tests know it (the
// page receives the names through its binding). The lists are grouped by window below, and
// HUEWRIGHT_CONTROL_ENUMERATIONS names each list's window; controls.h makes the enumerations,
// their lists of values and the name table from them. A short name is unique within its window;
// the same name in two windows is two controls.
//
// A list is a macro that calls X(Enumeration, Enumerator, "short name") once a row.

// clang-format off

// The program's windows and the ids of its file dialogs; the step buttons of every spin edit.
#define HUEWRIGHT_WINDOWS(X)                \
    X(Window, Main,        "Form1")         \
    X(Window, ColourCode,  "colorform")     \
    X(Window, Settings,    "stat_form")     \
    X(Window, Version,     "about_form")    \
    X(Window, Extended,    "extended_form") \
    X(Window, Help,        "help")          \
    X(Window, SaveDialog,  "SD1")           \
    X(Window, OpenDialog,  "OD1")

#define HUEWRIGHT_SPIN_STEPS(X)             \
    X(SpinStep, Up,   "up")                 \
    X(SpinStep, Down, "down")

// The main window: its check boxes; its radio buttons, the gradation-mode group then the
// size-pattern group; its spin edits; the single-line edits whose changes regenerate; its push
// buttons; its other controls (frames, colour panels, the preview, the face box, the markup with
// its length, the name label); its menu bar with its menus and their items.
#define HUEWRIGHT_CHECK_BOXES(X)                    \
    X(CheckBox, ThreeColours,    "CB")              \
    X(CheckBox, Bold,            "BB")              \
    X(CheckBox, Italic,          "EB")              \
    X(CheckBox, Underline,       "UB")              \
    X(CheckBox, Strike,          "SB")              \
    X(CheckBox, LineBreak,       "KB")              \
    X(CheckBox, Frame,           "WB")              \
    X(CheckBox, FrameBackground, "HB")              \
    X(CheckBox, Link,            "LB")              \
    X(CheckBox, SizePattern,     "TB")              \
    X(CheckBox, UseFace,         "FS")              \
    X(CheckBox, UseSize,         "SS")

#define HUEWRIGHT_RADIO_BUTTONS(X)                      \
    X(RadioButton, Gradient,           "Gtype1b")       \
    X(RadioButton, Alternate,          "Gtype2b")       \
    X(RadioButton, FallingPattern,     "Ftype1B")       \
    X(RadioButton, ValleyPattern,      "Ftype2B")       \
    X(RadioButton, AlternatingPattern, "Ftype3B")

#define HUEWRIGHT_SPIN_FIELDS(X)                    \
    X(SpinField, Size,       "Fsize")               \
    X(SpinField, FrameWidth, "WS")                  \
    X(SpinField, PatternMax, "FDsize")              \
    X(SpinField, PatternMin, "FSsize")

#define HUEWRIGHT_LINE_EDITS(X)                     \
    X(LineEdit, Text,       "Edit1")                \
    X(LineEdit, LinkTarget, "link_e")

#define HUEWRIGHT_BUTTONS(X)                        \
    X(Button, StartColour,      "scb")              \
    X(Button, MiddleColour,     "tcb")              \
    X(Button, EndColour,        "ecb")              \
    X(Button, BackgroundColour, "bcb")              \
    X(Button, Swap,             "Button1")          \
    X(Button, CopyMarkup,       "Button2")          \
    X(Button, CopyPreview,      "bmpb")             \
    X(Button, Quit,             "Button3")

#define HUEWRIGHT_WINDOW_PARTS(X)                   \
    X(WindowPart, PreviewFrame, "Panel2")           \
    X(WindowPart, Preview,      "mihon")            \
    X(WindowPart, StartColour,  "sc")               \
    X(WindowPart, MiddleColour, "tc")               \
    X(WindowPart, EndColour,    "ec")               \
    X(WindowPart, ModeGroup,    "Panel1")           \
    X(WindowPart, FaceName,     "Fname")            \
    X(WindowPart, Markup,       "html_e")           \
    X(WindowPart, Length,       "tag_len")          \
    X(WindowPart, LengthFrame,  "Bevel1")           \
    X(WindowPart, Name,         "Lumo")

#define HUEWRIGHT_MENUS(X)                          \
    X(Menu, Bar,        "MainMenu1")                \
    X(Menu, File,       "File1")                    \
    X(Menu, Edit,       "K1")                       \
    X(Menu, OutputForm, "FormMenu")                 \
    X(Menu, Help,       "Help1")

#define HUEWRIGHT_MENU_ITEMS(X)                     \
    X(MenuItem, Open,            "Open")            \
    X(MenuItem, Save,            "save")            \
    X(MenuItem, Separator,       "N1")              \
    X(MenuItem, Exit,            "Exit1")           \
    X(MenuItem, StartupSettings, "K2")              \
    X(MenuItem, FontForm,        "FormFONT")        \
    X(MenuItem, SpanForm,        "FormSPAN")        \
    X(MenuItem, BbcodeForm,      "FormBBCode")      \
    X(MenuItem, MinimessageForm, "FormMiniMessage") \
    X(MenuItem, AmpersandForm,   "FormAmpersand")   \
    X(MenuItem, JsonForm,        "FormJSON")        \
    X(MenuItem, Language,        "Language1")       \
    X(MenuItem, Extended,        "Extended1")       \
    X(MenuItem, HelpTopics,      "SearchforHelpOn1")\
    X(MenuItem, About,           "About1")

// The settings dialog.
#define HUEWRIGHT_SETTINGS_CONTROLS(X)                      \
    X(SettingsControl, SwitchGroup,        "GroupBox2")     \
    X(SettingsControl, UseSize,            "SS")            \
    X(SettingsControl, UseFace,            "FS")            \
    X(SettingsControl, LineBreak,          "KB")            \
    X(SettingsControl, UpperCaseTags,      "TB")            \
    X(SettingsControl, HashInColourCodes,  "CS")            \
    X(SettingsControl, ColourGroup,        "GroupBox1")     \
    X(SettingsControl, StartPanel,         "sc")            \
    X(SettingsControl, StartButton,        "scb")           \
    X(SettingsControl, MiddlePanel,        "tc")            \
    X(SettingsControl, MiddleButton,       "tcb")           \
    X(SettingsControl, EndPanel,           "ec")            \
    X(SettingsControl, EndButton,          "ecb")           \
    X(SettingsControl, BackgroundPanel,    "bc")            \
    X(SettingsControl, BackgroundButton,   "bcb")           \
    X(SettingsControl, BoldGroup,          "FR")            \
    X(SettingsControl, BoldTag,            "FR0")           \
    X(SettingsControl, StrongTag,          "FR1")           \
    X(SettingsControl, ItalicGroup,        "SR")            \
    X(SettingsControl, ItalicTag,          "SR0")           \
    X(SettingsControl, EmphasisTag,        "SR1")           \
    X(SettingsControl, Store,              "Button1")       \
    X(SettingsControl, Cancel,             "Button2")       \
    X(SettingsControl, TakeCurrentColours, "Button3")

// The colour-code dialog.
#define HUEWRIGHT_COLOUR_CODE_CONTROLS(X)           \
    X(ColourCodeControl, Code, "Edit1")             \
    X(ColourCodeControl, Copy, "copy_b")            \
    X(ColourCodeControl, Ok,   "ok_b")

// The version dialog.
#define HUEWRIGHT_VERSION_CONTROLS(X)               \
    X(VersionControl, Name,    "Lumo")              \
    X(VersionControl, Version, "Version")           \
    X(VersionControl, Ok,      "ok_b")

// The extended colour dialog: the stops as a typed list with its strip, the presets, the blend and
// the two switches.
#define HUEWRIGHT_EXTENDED_CONTROLS(X)                  \
    X(ExtendedControl, Stops,      "stops_e")           \
    X(ExtendedControl, Strip,      "strip")             \
    X(ExtendedControl, AddStop,    "add_b")             \
    X(ExtendedControl, RemoveStop, "remove_b")          \
    X(ExtendedControl, Reverse,    "reverse_b")         \
    X(ExtendedControl, Rainbow,    "rainbow_b")         \
    X(ExtendedControl, Sunset,     "sunset_b")          \
    X(ExtendedControl, Ocean,      "ocean_b")           \
    X(ExtendedControl, Pastel,     "pastel_b")          \
    X(ExtendedControl, Monochrome, "mono_b")            \
    X(ExtendedControl, BlendGroup, "blend")             \
    X(ExtendedControl, Rgb,        "blend_rgb")         \
    X(ExtendedControl, Oklab,      "blend_oklab")       \
    X(ExtendedControl, Oklch,      "blend_oklch")       \
    X(ExtendedControl, ExactEnds,  "exact_c")           \
    X(ExtendedControl, MergeRuns,  "merge_c")           \
    X(ExtendedControl, Reset,      "reset_b")           \
    X(ExtendedControl, Ok,         "ok_b")              \
    X(ExtendedControl, Cancel,     "cancel_b")

// The help window.
#define HUEWRIGHT_HELP_CONTROLS(X)                  \
    X(HelpControl, Search, "search")                \
    X(HelpControl, Topics, "contents")              \
    X(HelpControl, Text,   "text")

// Each enumeration of controls with its window, its list of every value and its rows.
#define HUEWRIGHT_CONTROL_ENUMERATIONS(X)                                           \
    X(Main,       CheckBox,          kAllCheckBoxes,          HUEWRIGHT_CHECK_BOXES) \
    X(Main,       RadioButton,       kAllRadioButtons,        HUEWRIGHT_RADIO_BUTTONS) \
    X(Main,       SpinField,         kAllSpinFields,          HUEWRIGHT_SPIN_FIELDS) \
    X(Main,       LineEdit,          kAllLineEdits,           HUEWRIGHT_LINE_EDITS) \
    X(Main,       Button,            kAllButtons,             HUEWRIGHT_BUTTONS)    \
    X(Main,       WindowPart,        kAllWindowParts,         HUEWRIGHT_WINDOW_PARTS) \
    X(Main,       Menu,              kAllMenus,               HUEWRIGHT_MENUS)      \
    X(Main,       MenuItem,          kAllMenuItems,           HUEWRIGHT_MENU_ITEMS) \
    X(Settings,   SettingsControl,   kAllSettingsControls,    HUEWRIGHT_SETTINGS_CONTROLS) \
    X(ColourCode, ColourCodeControl, kAllColourCodeControls,  HUEWRIGHT_COLOUR_CODE_CONTROLS) \
    X(Version,    VersionControl,    kAllVersionControls,     HUEWRIGHT_VERSION_CONTROLS) \
    X(Extended,   ExtendedControl,   kAllExtendedControls,    HUEWRIGHT_EXTENDED_CONTROLS) \
    X(Help,       HelpControl,       kAllHelpControls,        HUEWRIGHT_HELP_CONTROLS)

// clang-format on
