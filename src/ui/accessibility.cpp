#include "ui/accessibility.h"

#include <QAccessibleWidget>
#include <QLineEdit>

#include <limits>

#include "controls/gradient_label.h"
#include "ui/help_window.h"
#include "ui/image_view.h"
#include "ui/spin_edit.h"
#include "ui/value_widgets.h"

namespace huewright {

namespace {

/// A widget whose value a screen reader reads as a number, and as a text where it asks for
/// one.
class ValueAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    using QAccessibleWidget::QAccessibleWidget;

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }
    // Only a spin edit takes a value from a screen reader; the others only show theirs.
    void setCurrentValue(const QVariant& /*value*/) override {}
    QVariant minimumStepSize() const override { return 1; }
};

/// A colour panel: a graphic named by its accessible name whose value is the colour's code as
/// the colour-code dialog shows it; as a number, the code's six digits read in hexadecimal.
class ColourPanelAccessible : public ValueAccessible {
  public:
    explicit ColourPanelAccessible(ColourPanel* panel)
        : ValueAccessible(panel, QAccessible::Graphic), panel_(panel) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? panel_->code() : ValueAccessible::text(t);
    }
    QVariant currentValue() const override {
        const ColourValue colour = panel_->colour();
        return redOf(colour) << 16 | greenOf(colour) << 8 | blueOf(colour);
    }
    QVariant minimumValue() const override { return 0; }
    QVariant maximumValue() const override { return 0xFFFFFF; }

  private:
    ColourPanel* panel_;
};

/// The length label: a label named by its accessible name whose value is the length.
class LengthAccessible : public ValueAccessible {
  public:
    explicit LengthAccessible(LengthLabel* label)
        : ValueAccessible(label, QAccessible::StaticText), label_(label) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? label_->text() : ValueAccessible::text(t);
    }
    QVariant currentValue() const override { return static_cast<qulonglong>(label_->length()); }
    QVariant minimumValue() const override { return 0; }
    QVariant maximumValue() const override { return std::numeric_limits<int>::max(); }

  private:
    LengthLabel* label_;
};

/// A spin edit, for the spin edit itself and for its editor, which holds the focus: one spin
/// button with the spin edit's name, description, value and range, and no children, so that
/// its step buttons are part of it.
class SpinEditAccessible : public ValueAccessible {
  public:
    SpinEditAccessible(QWidget* widget, SpinEdit* spin)
        : ValueAccessible(widget, QAccessible::SpinBox), spin_(spin) {}

    QAccessibleInterface* parent() const override {
        return widget() == spin_ ? ValueAccessible::parent()
                                 : QAccessible::queryAccessibleInterface(spin_);
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name:
                return spin_->accessibleName();
            case QAccessible::Description:
                return spin_->toolTip();
            case QAccessible::Value:
                return spin_->text();
            default:
                return ValueAccessible::text(t);
        }
    }
    QVariant currentValue() const override { return spin_->value(); }
    void setCurrentValue(const QVariant& value) override { spin_->requestValue(value.toInt()); }
    QVariant minimumValue() const override { return spin_->range().minimum; }
    QVariant maximumValue() const override { return spin_->range().maximum; }

  private:
    SpinEdit* spin_;
};

/// A gradient label: a label named by its caption.
class GradientLabelAccessible : public QAccessibleWidget {
  public:
    explicit GradientLabelAccessible(GradientLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText), label_(label) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && label_->accessibleName().isEmpty()) {
            return label_->captionText();
        }
        return QAccessibleWidget::text(t);
    }

  private:
    GradientLabel* label_;
};

QAccessibleInterface* accessibleFor(const QString& /*className*/, QObject* object) {
    if (auto* panel = qobject_cast<ColourPanel*>(object)) {
        return new ColourPanelAccessible(panel);
    }
    if (auto* length = qobject_cast<LengthLabel*>(object)) {
        return new LengthAccessible(length);
    }
    if (auto* spin = qobject_cast<SpinEdit*>(object)) {
        return new SpinEditAccessible(spin, spin);
    }
    if (auto* editor = qobject_cast<QLineEdit*>(object)) {
        if (auto* spin = qobject_cast<SpinEdit*>(editor->parent())) {
            return new SpinEditAccessible(editor, spin);
        }
    }
    if (auto* view = qobject_cast<ImageView*>(object)) {
        // Described by the text it shows, which the window sets as its description.
        return new QAccessibleWidget(view, QAccessible::Graphic);
    }
    if (auto* label = qobject_cast<GradientLabel*>(object)) {
        return new GradientLabelAccessible(label);
    }
    if (auto* help = qobject_cast<HelpWindow*>(object)) {
        // A plain widget would be a nameless filler; as a window it is named by its title.
        return new QAccessibleWidget(help, QAccessible::Window);
    }
    return nullptr;
}

}  // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    (void)installed;
}

}  // namespace huewright
