#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <string>
#include <string_view>

#include "generator/colour.h"

namespace huewright {

/// Turns one piece of code page 932 text into text for display.
using CaptionDecoder = std::function<QString(std::string_view)>;

/// A label without a window of its own that draws its caption one character at a time, the
/// colours moving in whole-number steps from the start colour towards the end colour. Every
/// property write stores the value and, while the label is shown inside a parent, repaints it
/// before returning, even when the value is unchanged.
class GradientLabel : public QWidget {
    Q_OBJECT

  public:
    /// Caption "GradationText!", blue to fuchsia on white, opaque, no auto-size; no size is set.
    explicit GradientLabel(QWidget* parent = nullptr);

    /// The caption in code page 932 bytes.
    const std::string& caption() const { return caption_; }
    /// The caption as it is drawn, decoded for display.
    QString captionText() const { return decoder_(caption_); }
    void setCaption(std::string caption);

    /// Colour of the first character.
    ColourValue startColour() const { return startColour_; }
    void setStartColour(ColourValue colour);

    /// Colour the characters move towards.
    ColourValue endColour() const { return endColour_; }
    void setEndColour(ColourValue colour);

    /// Background, drawn only while the label is not transparent.
    ColourValue backgroundColour() const { return background_; }
    void setBackgroundColour(ColourValue colour);

    /// When true no background is drawn and the parent shows behind the characters.
    bool transparent() const { return transparent_; }
    void setTransparent(bool transparent);

    /// When true the label keeps the size of its whole caption's text extent (an empty caption
    /// leaves the size alone).
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool autoSize);

    /// Sets how caption characters are decoded for display; the default reads bytes as Latin-1,
    /// which suits captions in plain ASCII.
    void setDecoder(CaptionDecoder decoder);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void fitToCaption();
    void repaintNow();

    std::string caption_;
    ColourValue background_;
    ColourValue startColour_;
    ColourValue endColour_;
    bool transparent_;
    bool autoSize_;
    CaptionDecoder decoder_;
};

}  // namespace huewright
