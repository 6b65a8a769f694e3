#include "ui/control_layout.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <iterator>
#include <limits>
#include <set>
#include <vector>

#include "controls/gradient_label.h"
#include "model/entry_rules.h"
#include "ui/accessibility.h"
#include "ui/entry_focus.h"
#include "ui/fonts.h"
#include "ui/image_view.h"
#include "ui/markup_edit.h"
#include "ui/qt_text.h"
#include "ui/radio_group.h"
#include "ui/spin_edit.h"
#include "ui/translations.h"
#include "ui/value_widgets.h"

namespace huewright {

QString qtName(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

namespace {

QFrame* frame(QWidget* parent, int style) {
    auto* widget = new QFrame(parent);
    widget->setFrameStyle(style);
    widget->setLineWidth(1);
    return widget;
}

QWidget* create(const ControlLayout& control, QWidget* parent, const std::function<void()>& beep) {
    // An edit's caption is its first text, never translated; a button's is set by showTexts.
    const QString caption = QString::fromUtf8(control.caption);
    switch (control.kind) {
        case ControlKind::SunkenPanel:
            return frame(parent, QFrame::Panel | QFrame::Sunken);
        case ControlKind::ColourPanel:
            return new ColourPanel(parent);
        case ControlKind::Bevel:
            return frame(parent, QFrame::Box | QFrame::Sunken);
        case ControlKind::Container:
            return new QWidget(parent);
        case ControlKind::Image:
            return new ImageView(parent);
        case ControlKind::LineEdit: {
            auto* edit = new QLineEdit(caption, parent);
            // A line edit holds 32767 characters unless told otherwise; ours hold any length.
            edit->setMaxLength(std::numeric_limits<int>::max());
            return edit;
        }
        case ControlKind::MarkupEdit: {
            auto* edit = new MarkupEdit(parent);
            edit->setMaxLength(std::numeric_limits<int>::max());
            return edit;
        }
        case ControlKind::ComboBox: {
            auto* combo = new QComboBox(parent);
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            // The box holds exactly what the user typed or chose: an inline completion would
            // show a face name that the markup does not use.
            combo->setCompleter(nullptr);
            combo->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
            return combo;
        }
        case ControlKind::FixedSpinEdit:
        case ControlKind::TypingSpinEdit: {
            // Spin edits stand only on the main window, and every one is a SpinField.
            const auto* field =
                std::find_if(std::begin(kAllSpinFields), std::end(kAllSpinFields),
                             [&](SpinField f) { return nameOf(f) == control.name; });
            auto* spin = new SpinEdit(*field, beep, parent);
            spin->setText(caption);
            return spin;
        }
        case ControlKind::Button:
            return new QPushButton(parent);
        case ControlKind::CheckBox:
            return new QCheckBox(parent);
        case ControlKind::RadioButton:
            return new QRadioButton(parent);
        case ControlKind::LengthLabel:
            return new LengthLabel(parent);
        case ControlKind::GradientLabel: {
            auto* label = new GradientLabel(parent);
            label->setDecoder(fromCp932);
            label->setStartColour(kGradientLabelColours.start);
            label->setEndColour(kGradientLabelColours.end);
            label->setBackgroundColour(kGradientLabelColours.background);
            label->setTransparent(true);
            label->setAutoSize(true);
            label->setCaption(toCp932(caption));
            return label;
        }
        case ControlKind::GroupBox:
            return new QGroupBox(parent);
    }
    return nullptr;
}

// The caption, hint and accessible name of `control` in the language the program speaks.
void showTexts(QWidget* widget, const ControlLayout& control) {
    const QString caption = shown(control.caption);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(caption);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(caption);
    }
    if (*control.hint != '\0') {
        widget->setToolTip(shown(control.hint));
    }
    if (*control.accessibleName != '\0') {
        const QString name = shown(control.accessibleName);
        widget->setAccessibleName(name);
        // A combo box is named by its text; its editor and list are what the name tells.
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            combo->lineEdit()->setAccessibleName(name);
            combo->view()->setAccessibleName(name);
        }
    }
}

// Shows a window's texts again when the program's language changes.
class LayoutTexts : public QObject {
  public:
    LayoutTexts(QWidget* window, QWidget* client, const WindowLayout& layout)
        : QObject(window), window_(window), client_(client), layout_(layout) {
        window->installEventFilter(this);
        window->setWindowTitle(shown(layout.title));
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::LanguageChange) {
            show();
        }
        return false;
    }

  private:
    void show() {
        window_->setWindowTitle(shown(layout_.title));
        for (const ControlLayout& control : layout_.controls) {
            showTexts(client_->findChild<QWidget*>(qtName(control.name)), control);
        }
    }

    QWidget* window_;
    QWidget* client_;
    const WindowLayout& layout_;
};

}  // namespace

void buildControls(QWidget* client, std::span<const ControlLayout> layout,
                   const std::function<void()>& beep) {
    installAccessibility();
    for (const ControlLayout& control : layout) {
        QWidget* parent =
            control.parent.empty() ? client : client->findChild<QWidget*>(qtName(control.parent));
        QWidget* widget = create(control, parent, beep);
        widget->setObjectName(qtName(control.name));
        showTexts(widget, control);
        if (control.fontPixels != 0) {
            widget->setFont(windowFont(control.fontPixels));
        }
        const Rect& place = control.geometry;
        if (place.hasSize()) {
            widget->setGeometry(place.left, place.top, place.width, place.height);
        } else {
            widget->move(place.left, place.top);
            widget->adjustSize();
        }
        if (!takesFocus(control.kind) || holdsOthers(control.kind)) {
            widget->setFocusPolicy(Qt::NoFocus);
        }
    }
    std::set<QWidget*> groupParents;
    for (const ControlLayout& control : layout) {
        if (control.kind == ControlKind::RadioButton) {
            groupParents.insert(control.parent.empty()
                                    ? client
                                    : client->findChild<QWidget*>(qtName(control.parent)));
        }
    }
    for (QWidget* parent : groupParents) {
        new RadioGroup(parent);
    }
    QWidget* previous = nullptr;
    for (const QString& name : tabOrder(layout)) {
        auto* widget = client->findChild<QWidget*>(name);
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

void buildWindow(QWidget* window, QWidget* client, const WindowLayout& layout,
                 const std::function<void()>& beep) {
    window->setObjectName(qtName(layout.name));
    client->setFixedSize(layout.clientWidth, layout.clientHeight);
    buildControls(client, layout.controls, beep);
    new LayoutTexts(window, client, layout);
    Window id = Window::Main;
    for (const Window each : kAllWindows) {
        if (nameOf(each) == layout.name) {
            id = each;
        }
    }
    for (const ControlLayout& control : layout.controls) {
        const std::optional<EntryControl> entry = entryControlNamed(id, control.name);
        if (!entry) {
            continue;
        }
        QWidget* widget = client->findChild<QWidget*>(qtName(control.name));
        auto* editor = qobject_cast<QLineEdit*>(widget);
        if (auto* box = qobject_cast<QComboBox*>(widget)) {
            editor = box->lineEdit();
        } else if (editor == nullptr) {
            editor = widget->findChild<QLineEdit*>();  // a spin edit's
        }
        new EntryFocus(*entry, editor);
    }
}

QStringList tabOrder(std::span<const ControlLayout> layout) {
    QStringList order;
    for (const std::string_view name : focusOrder(layout)) {
        order.append(qtName(name));
    }
    return order;
}

}  // namespace huewright
