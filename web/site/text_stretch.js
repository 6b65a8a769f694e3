// A text box that holds a long text shows a stretch of it around the caret. A browser lays out and
// shapes a box's whole text on each change: close to a second for a million characters, some
// milliseconds for the stretch. The rest waits before and after the stretch; the box's text, as
// the model hears it, is the whole. Typing, pasting and the input method work in the stretch,
// which follows the caret; Home and End go to the text's ends. The whole stretch selected (as
// select-all and a focus that selects all leave it) stands for the whole text selected: a copy or
// a cut takes the whole text, and what is typed or pasted over it replaces the whole.
"use strict";

class TextStretch {
  // A text up to this long is shown whole; a longer one a stretch this long at a time.
  static longest = 20000;
  // The caret this near an end of the stretch, with text beyond it, moves the stretch.
  static margin = 2000;

  #box;
  #before = "";
  #after = "";

  constructor(box) {
    this.#box = box;
    // Registered before the entry rules' own listeners, so that the whole text selected is
    // taken out of hiding before they change the stretch.
    for (const type of ["beforeinput", "paste", "drop", "compositionstart"]) {
      box.addEventListener(type, () => this.#unhideWholeSelection());
    }
    box.addEventListener("copy", (event) => this.#copy(event, false));
    box.addEventListener("cut", (event) => this.#copy(event, true));
    box.addEventListener("keydown", (event) => this.#goToEnd(event));
    for (const type of ["keyup", "pointerup", "input"]) {
      box.addEventListener(type, () => this.#follow());
    }
  }

  /// The box's whole text.
  get text() {
    return this.#before + this.#box.value + this.#after;
  }

  /// Shows `text`, a long one as the stretch around `caret` (in UTF-16 code units, where the
  /// caret stands now if not given), with the caret there.
  show(text, caret) {
    if (text.length <= TextStretch.longest) {
      this.#before = this.#after = "";
      if (this.#box.value !== text) {
        this.#box.value = text;
      }
      if (caret !== undefined) {
        this.#box.setSelectionRange(caret, caret);
      }
      return;
    }
    caret = Math.min(Math.max(caret ?? this.#before.length + this.#box.selectionEnd, 0),
                     text.length);
    let from = Math.min(Math.max(caret - TextStretch.longest / 2, 0),
                        text.length - TextStretch.longest);
    let to = from + TextStretch.longest;
    // A character of two code units stays whole in the stretch or outside it.
    if (isLowSurrogate(text, from)) {
      --from;
    }
    if (isLowSurrogate(text, to)) {
      ++to;
    }
    this.#before = text.slice(0, from);
    this.#after = text.slice(to);
    this.#box.value = text.slice(from, to);
    this.#box.setSelectionRange(caret - from, caret - from);
  }

  /// Puts `shown` where the stretch stands, with the caret `caret` into it.
  replaceStretch(shown, caret) {
    this.show(this.#before + shown + this.#after, this.#before.length + caret);
  }

  get #hidden() {
    return this.#before.length + this.#after.length > 0;
  }

  get #wholeSelected() {
    return this.#hidden && this.#box.selectionStart === 0 &&
           this.#box.selectionEnd === this.#box.value.length;
  }

  // Whatever replaces the whole text selected replaces the hidden parts with the stretch.
  #unhideWholeSelection() {
    if (this.#wholeSelected) {
      this.#before = this.#after = "";
    }
  }

  #copy(event, cutting) {
    if (!this.#wholeSelected || event.defaultPrevented) {
      return;
    }
    event.preventDefault();
    event.clipboardData.setData("text/plain", this.text);
    if (cutting) {
      this.#before = this.#after = "";
      this.#box.value = "";
      this.#box.dispatchEvent(new InputEvent("input", {inputType: "deleteByCut"}));
    }
  }

  #goToEnd(event) {
    const toStart = event.key === "Home" && this.#before;
    const toEnd = event.key === "End" && this.#after;
    if ((toStart || toEnd) && !event.shiftKey && !event.altKey && !event.metaKey) {
      event.preventDefault();
      const text = this.text;
      this.show(text, toStart ? 0 : text.length);
    }
  }

  // The stretch moves with a caret that nears one of its ends; a selection keeps it in place.
  #follow() {
    const box = this.#box;
    if (!this.#hidden || box.selectionStart !== box.selectionEnd) {
      return;
    }
    const nearStart = this.#before && box.selectionEnd < TextStretch.margin;
    const nearEnd = this.#after && box.value.length - box.selectionEnd < TextStretch.margin;
    if (nearStart || nearEnd) {
      this.show(this.text);
    }
  }
}

function isLowSurrogate(text, index) {
  const unit = text.charCodeAt(index);
  return unit >= 0xDC00 && unit <= 0xDFFF;
}
