// The page: draws the window and its dialogs from the layout tables, hands every event to the
// model (the WebAssembly Page) and shows every control as the model says it stands. No rule of
// the window lives here; what is here is the browser's part: widgets, the colour picker, the
// clipboard, downloads, file pickers and the help document.
"use strict";

// What only the page says comes from the program's translations with the layout tables, in the
// language the page speaks (speak() below); "%1" in a word stands for what the page fills in.
const pageWords = {applicationTitle: "HuewrightHTML"};
const fill = (word, value) => word.replace("%1", value);

// Said when the program cannot run, so without its translations: the only words kept here.
const unstartedWords = {
  ja: {servedOnly: "このページはファイルとしては開けません。サーバーから開いてください" +
                   "（bash scripts/run --web か、任意の静的サーバー）。",
       notStarted: "ページを開始できませんでした: "},
  en: {servedOnly: "This page cannot be opened as a file. Open it from a server " +
                   "(bash scripts/run --web, or any static server).",
       notStarted: "The page could not start: "},
};

// The browser's first language, which the page speaks unless the user has chosen.
const browserLanguage = navigator.languages?.[0] ?? navigator.language ?? "";

const byId = (id) => document.getElementById(id);

function element(tag, className, parent) {
  const made = document.createElement(tag);
  if (className) {
    made.className = className;
  }
  if (parent) {
    parent.append(made);
  }
  return made;
}

// "ﾌｧｲﾙ(&F)": the caption without the marker, and the access key.
function menuCaption(caption) {
  const at = caption.indexOf("&");
  return at < 0 ? {text: caption, key: ""}
                : {text: caption.slice(0, at) + caption.slice(at + 1), key: caption[at + 1]};
}

function place(target, control) {
  target.style.left = control.left + "px";
  target.style.top = control.top + "px";
  if (control.width > 0 && control.height > 0) {
    target.style.width = control.width + "px";
    target.style.height = control.height + "px";
  }
  if (control.fontPixels) {
    target.style.fontSize = control.fontPixels + "px";
  }
}

// One control of a layout table as the browser's own widget. Returns the part that takes the
// events and the state (an input, a button, a panel), with `box` the part that is placed.
function createControl(control, windowName, names) {
  let box;
  let part;
  // A button's, box's or group's caption; an edit's caption is its first text, not translated.
  const caption = document.createTextNode("");
  switch (control.kind) {
    case "SunkenPanel":
    case "Bevel":
    case "Container":
      box = part = element("div");
      if (control.kind === "Container") {
        part.setAttribute("role", "radiogroup");
      }
      break;
    case "GroupBox":
      box = part = element("div");
      part.setAttribute("role", "group");
      element("span", "legend", part).append(caption);
      break;
    case "ColourPanel":
      box = part = element("div");
      part.setAttribute("role", "img");
      break;
    case "Image":
      box = part = element("canvas");
      part.width = control.width;
      part.height = control.height;
      part.setAttribute("role", "img");
      break;
    case "MarkupEdit":
      // One line to look at, but the fragment whole: the BBCode form's line break included.
      box = part = element("textarea");
      part.rows = 1;
      part.wrap = "off";
      part.spellcheck = false;
      break;
    case "LineEdit":
    case "ComboBox":
      box = part = element("input");
      part.type = "text";
      part.value = control.caption;
      part.spellcheck = false;
      part.autocomplete = "off";
      if (control.kind === "ComboBox") {
        part.setAttribute("list", "face-names");
      }
      break;
    case "FixedSpinEdit":
    case "TypingSpinEdit": {
      box = element("div");
      part = element("input", "", box);
      part.type = "text";
      part.value = control.caption;
      part.setAttribute("role", "spinbutton");
      part.setAttribute("aria-valuemin", control.minimum);
      part.setAttribute("aria-valuemax", control.maximum);
      for (const [step, text] of [[names.SpinStep.Up, "▲"], [names.SpinStep.Down, "▼"]]) {
        const button = element("button", "step", box);
        button.type = "button";
        button.tabIndex = -1;
        button.dataset.step = step;
        button.setAttribute("aria-hidden", "true");
        button.textContent = text;
      }
      break;
    }
    case "Button":
      box = part = element("button");
      part.type = "button";
      part.append(caption);
      break;
    case "CheckBox":
    case "RadioButton":
      box = element("label");
      part = element("input", "", box);
      part.type = control.kind === "CheckBox" ? "checkbox" : "radio";
      // Radio buttons exclude one another within their parent, as in the window.
      part.name = windowName + "/" + (control.parent || "client");
      element("span", "", box).append(caption);
      break;
    case "LengthLabel":
      box = part = element("span");
      part.setAttribute("role", "status");
      break;
    case "GradientLabel":
      box = part = element("span");
      for (const character of control.characters) {
        element("span", "", part).append(character.text);
        part.lastChild.style.color = character.colour;
      }
      break;
    default:
      throw new Error("no widget for " + control.kind);
  }
  box.classList.add("control", control.kind);
  part.dataset.control = control.name;
  textHolders.set(part, {box, caption});
  showTexts(control, part);
  place(box, control);
  return {box, part};
}

// Where each control shows its texts, by the part that takes its events.
const textHolders = new WeakMap();

// A control's caption, hint and accessible name, as its layout gives them in the language the
// page speaks.
function showTexts(control, part) {
  const {box, caption} = textHolders.get(part);
  caption.textContent = control.caption;
  if (control.hint) {
    box.title = control.hint;
    part.title = control.hint;
  }
  const accessibleName = control.accessibleName || control.caption;
  if (accessibleName && control.kind !== "Bevel") {
    part.setAttribute("aria-label", accessibleName);
  }
}

// Builds a window's controls into `client` and returns them by short name. Controls that take
// the focus are put in the document in the table's tab order, which the browser follows: each
// in turn goes last in its parent, and so does every container up to the client, so that a
// container's controls take its place. Those the browser would pass over, the colour panels,
// are made focusable.
function buildWindow(layout, client, names) {
  const controls = {};
  const boxes = {};
  for (const control of layout.controls) {
    const {box, part} = createControl(control, layout.name, names);
    controls[control.name] = part;
    boxes[control.name] = box;
    (control.parent ? boxes[control.parent] : client).append(box);
  }
  for (const name of layout.focusOrder) {
    for (let box = boxes[name]; box !== client; box = box.parentNode) {
      box.parentNode.append(box);
    }
    if (controls[name].tabIndex < 0) {
      controls[name].tabIndex = 0;
    }
  }
  client.style.width = layout.width + "px";
  client.style.height = layout.height + "px";
  markRows(layout, client, boxes);
  return controls;
}

// On a narrow screen the window's controls flow in lines (page.css): each row of the window, as
// the table places its controls, starts a line, and within it the controls keep their tab order,
// those that take no focus last. Each control on the client learns its place in that flow, and
// each row gets the break that starts it.
function markRows(layout, client, boxes) {
  const kRowSpread = 8;
  const onClient = layout.controls.filter((control) => !control.parent);
  const tops = [...new Set(onClient.map((control) => control.top))].sort((a, b) => a - b);
  const rowStarts = tops.filter((top, i) => i === 0 || top - tops[i - 1] > kRowSpread);
  const rowOf = (top) => rowStarts.filter((start) => start <= top).length - 1;
  const tabs = new Map(layout.focusOrder.map((name, i) => [name, i]));
  for (const control of onClient) {
    const box = boxes[control.name];
    box.style.setProperty("--flow", rowOf(control.top) * 1000 + (tabs.get(control.name) ?? 999));
    box.classList.toggle("wide", control.width >= 200);
  }
  rowStarts.forEach((start, row) => {
    element("div", "row-break", client).style.setProperty("--flow", row * 1000 - 1);
  });
}

// Makes `dialog` modal: open() shows it over everything, and when it closes, however, the focus
// goes back to the control that had it, before `onClose` runs, which may open another dialog.
function modal(dialog, onClose) {
  let opener = null;
  dialog.addEventListener("close", () => {
    opener?.focus();
    opener = null;
    onClose?.();
  });
  return () => {
    opener = document.activeElement;
    dialog.showModal();
  };
}

// A modal HTML dialog in the window's look: a title bar with a close box over its client area.
// The close box is the mouse's; the keyboard closes with Escape, as in the window.
function buildDialog(layout, names, onClose) {
  const dialog = element("dialog", "window", document.body);
  dialog.dataset.window = layout.name;
  const bar = element("div", "title-bar", dialog);
  const title = document.createTextNode("");
  bar.append(title);
  const close = element("button", "close-box", bar);
  close.type = "button";
  close.tabIndex = -1;
  close.textContent = "×";
  close.addEventListener("click", () => dialog.close());
  // The title and the close box's name, again whenever the page's language changes.
  const showTitle = (titled) => {
    dialog.setAttribute("aria-label", titled.title);
    title.textContent = titled.title;
    close.setAttribute("aria-label", pageWords.close);
  };
  showTitle(layout);
  const client = element("div", "client", dialog);
  const controls = buildWindow(layout, client, names);
  const openModal = modal(dialog, onClose);
  // As the window's dialogs do, it opens with the focus on the first control of its tab order.
  const open = () => {
    openModal();
    const first = controls[layout.focusOrder[0]];
    if (first) {
      focusOpening(first);
    }
  };
  return {dialog, controls, open, showTitle};
}

// A colour panel shows its colour's code on a double click, and on Enter or Space, since the
// keyboard has no double click.
function onCodeAsked(panel, show) {
  panel.addEventListener("dblclick", show);
  panel.addEventListener("keydown", (event) => {
    if ((event.key === "Enter" || event.key === " ") && !event.altKey && !event.ctrlKey &&
        !event.metaKey && !event.shiftKey) {
      event.preventDefault();
      show();
    }
  });
}

// How the next focus arrives, for the entry rules: by the mouse, by Tab, as a window opens, or
// (what is left) as the page gives it back.
let focusCause = "return";
document.addEventListener("pointerdown", () => {
  focusCause = "mouse";
}, true);
document.addEventListener("keydown", (event) => {
  if (event.key === "Tab") {
    focusCause = "keyboard";
  }
}, true);
const focusOpening = (part) => {
  focusCause = "opening";
  part.focus();
  focusCause = "return";
};

// The page's beep: a box that refused something flashes, and counts its refusals.
function refused(part) {
  part.dataset.refusals = String(Number(part.dataset.refusals ?? 0) + 1);
  part.classList.remove("refused");
  void part.offsetWidth;
  part.classList.add("refused");
}

// A box that holds text: typing, pasting, dropping and the keys go to the entry rules of the
// control `name` of the window `windowName`, and the box shows what they keep, through its
// `stretch` if it has one; `changed` runs when its text changed. `characters` says which the box
// takes at the time ("codePage932" or "any"). The focus selects the whole text where the rules
// say.
function wireEntry(module, part, windowName, name, changed,
                   {stretch = null, characters = () => "codePage932"} = {}) {
  const keep = (text, cursor) => {
    if (stretch) {
      stretch.replaceStretch(text, cursor);
    } else {
      part.value = text;
      part.setSelectionRange(cursor, cursor);
    }
  };
  const insert = (action, inserted) => {
    const start = part.selectionStart;
    const end = part.selectionEnd;
    const outcome = module.entryInsert(windowName, name, action, part.value.slice(0, start),
                                       part.value.slice(start, end), part.value.slice(end),
                                       inserted, characters());
    if (outcome?.beep) {
      refused(part);
    }
    if (outcome?.changed) {
      keep(outcome.text, outcome.cursor);
      changed();
    }
  };
  // An input method's text is in the box before the rules can see it: they judge it as typed
  // once it is committed, and the box keeps what they keep.
  part.addEventListener("compositionend", (event) => {
    const end = part.selectionStart;
    const start = Math.max(0, end - (event.data ?? "").length);
    const outcome = module.entryInsert(windowName, name, "type", part.value.slice(0, start), "",
                                       part.value.slice(end), event.data ?? "", characters());
    if (outcome?.beep) {
      refused(part);
    }
    if (outcome && outcome.text !== part.value) {
      keep(outcome.text, outcome.cursor);
    }
    changed();
  });
  part.addEventListener("paste", (event) => {
    event.preventDefault();
    insert("paste", event.clipboardData?.getData("text/plain") ?? "");
  });
  part.addEventListener("beforeinput", (event) => {
    const action = {insertText: "type", insertReplacementText: "paste", insertFromDrop: "paste",
                    insertFromPaste: "paste"}[event.inputType];
    const inserted = event.data ?? event.dataTransfer?.getData("text/plain");
    // A choice from the face box's list may come without its text: the box takes it as it is.
    if (action && inserted != null) {
      event.preventDefault();
      insert(action, inserted);
    }
  });
  const keys = {Backspace: "erase", Delete: "erase", Enter: "enter", ArrowUp: "up",
                ArrowDown: "down"};
  part.addEventListener("keydown", (event) => {
    if (event.altKey || event.ctrlKey || event.metaKey) {
      return;
    }
    if (keys[event.key]) {
      const answer = module.entryKey(windowName, name, keys[event.key]);
      if (answer.beep) {
        refused(part);
      }
      if (answer.taken) {
        event.preventDefault();
      }
      if (answer.step) {
        part.dispatchEvent(new CustomEvent("step", {detail: answer.step}));
      }
    } else if (part.readOnly && event.key.length === 1) {
      // A box that takes no typing changes by no key: the rules still judge it.
      event.preventDefault();
      insert("type", event.key);
    }
  });
  part.addEventListener("cut", (event) => {
    const answer = module.entryKey(windowName, name, "cut");
    if (answer.taken) {
      event.preventDefault();
    }
  });
  part.addEventListener("focus", () => {
    if (module.entryFocusSelectsAll(windowName, name, focusCause)) {
      part.select();
    }
    focusCause = "return";
  });
}

// The arrow keys move a radio group's check and the focus as the rules say.
function wireRadioArrows(module, part) {
  const keys = {ArrowUp: "up", ArrowDown: "down", ArrowLeft: "left", ArrowRight: "right"};
  part.addEventListener("keydown", (event) => {
    const key = keys[event.key];
    if (!key || event.altKey || event.ctrlKey || event.metaKey) {
      return;
    }
    event.preventDefault();
    const group = [...document.getElementsByName(part.name)].filter((b) => b.type === "radio");
    const to = module.radioArrow(group.map((button) => !button.disabled), group.indexOf(part), key);
    if (to >= 0) {
      group[to].focus();
      group[to].click();
    }
  });
}

// The text boxes that show a long text a stretch at a time, by their element.
const stretches = new Map();

// Shows a control's state as the model gives it.
function showControl(part, state) {
  if ("checked" in state) {
    part.checked = state.checked;
    if (part.getAttribute("role") === "menuitemradio") {
      part.setAttribute("aria-checked", String(state.checked));
    }
  }
  if ("enabled" in state) {
    part.disabled = !state.enabled;
    part.closest(".control")?.classList.toggle("disabled", !state.enabled);
    for (const step of part.parentNode.querySelectorAll("[data-step]")) {
      step.disabled = !state.enabled;
    }
  }
  if ("text" in state && stretches.has(part)) {
    if (stretches.get(part).text !== state.text) {
      stretches.get(part).show(state.text);
    }
  } else if ("text" in state && part.value !== undefined && part.value !== state.text) {
    part.value = state.text;
  } else if ("text" in state && part.value === undefined) {
    part.textContent = state.text;
  }
  if ("value" in state && part.getAttribute("role") === "spinbutton") {
    part.setAttribute("aria-valuenow", state.value);
  }
  if ("colour" in state) {
    part.style.backgroundColor = state.colour;
    part.setAttribute("aria-roledescription", pageWords.colourRole);
  }
  if ("description" in state) {
    part.setAttribute("aria-description", state.description);
  }
}

async function main() {
  let module;
  try {
    module = await createHuewright();
  } catch (error) {
    // Opened from the disk, the page cannot fetch its WebAssembly.
    const unstarted = unstartedWords[/^(ja\b|$)/i.test(browserLanguage) ? "ja" : "en"];
    byId("loading").textContent = location.protocol === "file:" ? unstarted.servedOnly
                                                                : unstarted.notStarted + error;
    return;
  }
  // The page is built in Japanese and speaks its language once the stored lumo.ini is read.
  const layouts = module.layouts("ja");
  Object.assign(pageWords, module.pageWords("ja"));
  // The controls' short names, by the C++ names of their enumerations and enumerators.
  const names = module.controlNames();
  const {Button, LineEdit, MenuItem, WindowPart} = names.Main;
  const S = names.Settings.SettingsControl;
  const codeNames = names.ColourCode.ColourCodeControl;
  const client = byId("client");
  const controls = buildWindow(layouts.main, client, names);
  const preview = controls[WindowPart.Preview];
  const markupBox = controls[WindowPart.Markup];
  const textBox = controls[LineEdit.Text];
  const rendered = byId("rendered");
  // The strip is drawn at 407 × 47 for copying and, on a finer screen, again at its resolution.
  const contexts = [preview.getContext("2d")];
  if (window.devicePixelRatio > 1) {
    const scale = window.devicePixelRatio;
    const screen = element("canvas", preview.className, preview.parentNode);
    screen.width = Math.ceil(preview.width * scale);
    screen.height = Math.ceil(preview.height * scale);
    for (const attribute of ["style", "role", "aria-label", "title"]) {
      screen.setAttribute(attribute, preview.getAttribute(attribute) ?? "");
    }
    screen.style.width = preview.width + "px";
    screen.style.height = preview.height + "px";
    preview.hidden = true;
    // The strip on the screen is the one described to screen readers.
    controls[WindowPart.Preview] = screen;
    textHolders.set(screen, {box: screen, caption: document.createTextNode("")});
    const context = screen.getContext("2d");
    context.scale(scale, scale);
    contexts.push(context);
  }
  module.huewrightPreview = contexts;
  const model = new module.Page();
  model.setLocale(browserLanguage);

  // A browser tab is closed by the browser: the quit button and menu item stay disabled.
  const quitters = new Set();
  const refusal = byId("refusal");
  // The markup box lays out only its beginning while the user is elsewhere, as the window's
  // does: the fragment of a long text runs to megabytes, and the model sends only its beginning,
  // marked cut. The whole comes in with the focus; the copy takes the whole, with the user's
  // edits.
  const kShownFragment = 4096;
  let fragment = "";
  let fragmentCut = false;
  const wholeFragment = () => {
    if (fragmentCut) {
      fragment = model.fragment();
      fragmentCut = false;
    }
    return fragment;
  };
  const showMarkup = (text, cut) => {
    fragment = text;
    fragmentCut = cut;
    const shown = document.activeElement === markupBox ? wholeFragment()
        : text.slice(0, kShownFragment);
    if (markupBox.value !== shown) {
      markupBox.value = shown;
    }
  };
  markupBox.addEventListener("focus", () => {
    if (markupBox.value !== wholeFragment()) {
      markupBox.value = fragment;
    }
  });
  // The fragment is rendered as soon as the frame is painted. A browser lays out a long one in
  // one piece on the page's own thread, a quarter of a second for 10,000 characters, so only its
  // beginning is rendered, cut before a tag, and a line below says so. The rendering's document
  // is made once; each fragment replaces its body, which spares the browser a document per key.
  // It runs no script, whatever the fragment holds: the frame's sandbox allows none.
  const kRenderedFragment = 32768;
  const renderedPart = byId("rendered-part");
  let shownFragment = null;
  let renderTimer = null;
  let renderingMade = false;
  const render = () => {
    const cut = fragment.length <= kRenderedFragment
        ? fragment.length : Math.max(fragment.lastIndexOf("<", kRenderedFragment), 0);
    const part = fragment.slice(0, cut);
    renderedPart.hidden = cut === fragment.length && !fragmentCut;
    renderedPart.textContent = fill(pageWords.renderedPart, cut);
    if (renderingMade && shownFragment !== part) {
      shownFragment = part;
      rendered.contentDocument.body.innerHTML = part;
      rendered.dispatchEvent(new Event("rendered"));
    }
  };
  const showFragment = () => {
    clearTimeout(renderTimer);
    renderTimer = setTimeout(() => requestAnimationFrame(() => setTimeout(render, 0)), 0);
  };
  // The rendering runs no script, yet its links must not navigate it away: an http, https or
  // mailto link opens in a new tab with no opener and no referrer, any other does nothing.
  const renderingLoaded = new Promise((loaded) => rendered.addEventListener("load", loaded,
                                                                            {once: true}));
  rendered.addEventListener("load", () => {
    renderingMade = true;
    render();
    const follow = (event) => {
      const link = event.target.closest?.("a[href]");
      if (!link) {
        return;
      }
      event.preventDefault();
      if (["http:", "https:", "mailto:"].includes(new URL(link.href).protocol)) {
        window.open(link.href, "_blank", "noopener,noreferrer");
      }
    };
    for (const type of ["click", "auxclick"]) {
      rendered.contentDocument.addEventListener(type, follow);
    }
  }, {once: true});
  rendered.srcdoc = '<!DOCTYPE html><html lang="ja"><head><meta charset="utf-8">' +
                    '<meta name="referrer" content="no-referrer"></head><body></body></html>';
  // A length of many digits is narrowed to stay within its frame.
  const lengthLabel = controls[WindowPart.Length];
  const lengthFrame = controls[WindowPart.LengthFrame];
  let fittedDigits = null;
  matchMedia("(max-width: 459px)").addEventListener("change", () => {
    fittedDigits = lengthLabel.textContent.length;
    fitLength();
  });
  const fitLength = () => {
    lengthLabel.style.transform = "";
    // On a narrow screen the label has no frame to stay within: it grows with its digits.
    const room = lengthFrame.getBoundingClientRect().right - 2 -
                 lengthLabel.getBoundingClientRect().left;
    if (lengthFrame.offsetParent !== null && lengthLabel.scrollWidth > room) {
      lengthLabel.style.transformOrigin = "left";
      lengthLabel.style.transform = `scaleX(${room / lengthLabel.scrollWidth})`;
    }
  };
  // The settings live in the address's fragment, which no request carries, so that a link gives
  // another browser the same state. It follows the user's work in place, without adding a step
  // to the history for each change.
  // A link longer than a chat or a mail keeps whole is not made: the address then holds none.
  const kLongestLink = 65536;
  let linkTimer = null;
  const linkNow = () => {
    clearTimeout(linkTimer);
    const made = new URLSearchParams(model.link()).toString();
    const fragment = made.length <= kLongestLink ? made : "";
    if (location.hash.slice(1) !== fragment) {
      history.replaceState(null, "", fragment ? "#" + fragment : location.pathname);
    }
    return made.length <= kLongestLink;
  };
  const keepLink = () => {
    clearTimeout(linkTimer);
    linkTimer = setTimeout(linkNow, 200);
  };
  const openLink = (fragment) => {
    const refused = model.openLink([...new URLSearchParams(fragment)]);
    act(refused && fill(pageWords.badLink, refused));
  };

  // The tab's title carries the beginning of the text being coloured.
  const kTitledText = 40;
  const showTitle = (text) => {
    // A character is not split: a surrogate pair stays whole or goes.
    const shown = text.length <= kTitledText ? text
        : text.slice(0, kTitledText).replace(/[\uD800-\uDBFF]$/, "") + "…";
    document.title = shown ? `${shown} - ${pageWords.applicationTitle}`
                           : pageWords.applicationTitle;
  };
  const show = () => {
    const state = model.changes();
    if (LineEdit.Text in state.controls) {
      showTitle(state.controls[LineEdit.Text].text);
    }
    for (const [name, controlState] of Object.entries(state.controls)) {
      const part = controls[name] ?? menuItems[name];
      if (part === markupBox) {
        showMarkup(controlState.text, Boolean(controlState.cut));
      } else if (part && !quitters.has(part)) {
        showControl(part, controlState);
      }
    }
    // Digits are of one width: the fit, which lays the page out, changes only with their count.
    if (lengthLabel.textContent.length !== fittedDigits) {
      fittedDigits = lengthLabel.textContent.length;
      fitLength();
    }
    // A refusal stands under the window while it lasts; the alert region announces a new one
    // once, not again while the same one stands.
    if (refusal.textContent !== state.refusal) {
      refusal.textContent = state.refusal;
      refusal.hidden = !state.refusal;
    }
    showFragment();
    keepLink();
  };

  // The application's error box: the message with its full stop, over whatever is open.
  const errorBox = element("dialog", "window error-box", document.body);
  errorBox.setAttribute("role", "alertdialog");
  element("div", "title-bar", errorBox).append(pageWords.applicationTitle);
  const errorText = element("p", "", errorBox);
  const errorOk = element("button", "", errorBox);
  errorOk.type = "button";
  errorOk.textContent = "OK";
  errorOk.addEventListener("click", () => errorBox.close());
  const openErrorBox = modal(errorBox);
  const report = (message) => {
    if (message) {
      errorText.textContent = message;
      openErrorBox();
      errorOk.focus();
    }
  };
  // Every event ends the same way: the model's answer reported, every control re-read.
  const act = (message) => {
    report(message);
    show();
  };

  // The browser's colour picker stands for the colour dialog: the colour it opens with, the
  // colour chosen, or null when the user closes it without choosing.
  const picker = byId("colour-picker");
  let answerPicker = null;
  const pickColour = (current, near) => new Promise((resolve) => {
    answerPicker?.(null);
    answerPicker = resolve;
    const bounds = near.getBoundingClientRect();
    picker.style.left = bounds.left + window.scrollX + "px";
    picker.style.top = bounds.bottom + window.scrollY + "px";
    picker.value = current;
    picker.showPicker();
  });
  const settlePicker = (answer) => {
    const resolve = answerPicker;
    answerPicker = null;
    resolve?.(answer);
  };
  picker.addEventListener("change", () => settlePicker(picker.value));
  picker.addEventListener("cancel", () => settlePicker(null));

  // The colour-code dialog: opens with a code, reads back whatever the box holds however it
  // closes; there is no way to cancel.
  let codeClosed = null;
  const codeDialog = buildDialog(layouts.colourCode, names, () => {
    const closed = codeClosed;
    codeClosed = null;
    closed?.(codeBox.value);
  });
  const codeBox = codeDialog.controls[codeNames.Code];
  const editColourCode = (code, onClosed) => {
    codeBox.value = code;
    codeClosed = onClosed;
    codeDialog.open();
  };
  wireEntry(module, codeBox, names.Window.ColourCode, codeNames.Code, () => {});
  codeDialog.controls[codeNames.Copy].addEventListener("click", () => {
    codeBox.select();
    navigator.clipboard.writeText(codeBox.value).catch(() => {});
  });
  codeDialog.controls[codeNames.Ok].addEventListener("click", () => codeDialog.dialog.close());

  // The settings dialog over the model's draft of the start-up settings.
  const settings = buildDialog(layouts.settings, names, () => act(model.settingsClosed()));
  const showSettings = () => {
    const state = model.settingsState();
    for (const [name, controlState] of Object.entries(state)) {
      showControl(settings.controls[name], controlState);
    }
  };
  for (const [name, part] of Object.entries(settings.controls)) {
    if (part.type === "checkbox" || part.type === "radio") {
      part.addEventListener("change", () => {
        model.settingsClick(name);
        showSettings();
      });
      if (part.type === "radio") {
        wireRadioArrows(module, part);
      }
    } else if (part.classList.contains("ColourPanel")) {
      onCodeAsked(part, () => editColourCode(model.settingsColourCode(name), (code) => {
        model.settingsColourCodeClosed(name, code);
        showSettings();
      }));
    }
  }
  for (const [name, part] of Object.entries(settings.controls)) {
    if (part.tagName === "BUTTON" && model.settingsColourOf(name) !== null) {
      part.addEventListener("click", async () => {
        model.settingsColourChosen(name, await pickColour(model.settingsColourOf(name), part));
        showSettings();
      });
    }
  }
  settings.controls[S.TakeCurrentColours].addEventListener("click", () => {
    model.takeCurrentColours();
    showSettings();
  });
  settings.controls[S.Store].addEventListener("click", () => {
    const failure = model.storeSettings();
    if (failure) {
      // The dialog stays open with the user's edits, to try again or cancel.
      report(failure);
    } else {
      settings.dialog.close();
    }
  });
  settings.controls[S.Cancel].addEventListener("click", () => settings.dialog.close());
  const editSettings = () => {
    model.openSettings();
    showSettings();
    settings.open();
  };

  const versionDialog = buildDialog(layouts.version, names);
  versionDialog.controls[names.Version.VersionControl.Ok].addEventListener(
      "click", () => versionDialog.dialog.close());

  // The extended colour dialog over the model's draft of the colour options; OK makes the
  // markup with them, which the main window then shows.
  const E = names.Extended.ExtendedControl;
  const extended = buildDialog(layouts.extended, names, () => act(""));
  const strip = extended.controls[E.Strip];
  const showExtended = () => {
    for (const [name, controlState] of Object.entries(model.extendedState())) {
      showControl(extended.controls[name], controlState);
    }
    const context = strip.getContext("2d");
    context.fillStyle = getComputedStyle(extended.dialog).backgroundColor;
    context.fillRect(0, 0, strip.width, strip.height);
    model.extendedStrip(strip.width).forEach((colour, x) => {
      context.fillStyle = colour;
      context.fillRect(x, 0, 1, strip.height);
    });
  };
  const stopsBox = extended.controls[E.Stops];
  stopsBox.addEventListener("input", () => {
    model.extendedEdit(stopsBox.value);
    showExtended();
  });
  for (const [name, part] of Object.entries(extended.controls)) {
    if (part.type === "checkbox" || part.type === "radio") {
      part.addEventListener("change", () => {
        model.extendedClick(name);
        showExtended();
      });
      if (part.type === "radio") {
        wireRadioArrows(module, part);
      }
    } else if (part.tagName === "BUTTON" && ![E.AddStop, E.Ok, E.Cancel].includes(name)) {
      part.addEventListener("click", () => {
        model.extendedClick(name);
        showExtended();
      });
    }
  }
  extended.controls[E.AddStop].addEventListener("click", async () => {
    model.extendedColourChosen(await pickColour(model.extendedLastStop(),
                                                extended.controls[E.AddStop]));
    showExtended();
  });
  extended.controls[E.Ok].addEventListener("click", () => {
    const failure = model.storeExtended();
    failure ? report(failure) : extended.dialog.close();
  });
  extended.controls[E.Cancel].addEventListener("click", () => extended.dialog.close());
  const editExtended = () => {
    model.openExtended();
    showExtended();
    extended.open();
  };

  // Downloads and the user's files.
  const download = (bytes, name, type) => {
    const url = URL.createObjectURL(new Blob([bytes], {type}));
    const link = element("a", "", document.body);
    link.href = url;
    link.download = name;
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  };
  const pickFile = (input, onBytes) => {
    input.onchange = async () => {
      const file = input.files[0];
      input.value = "";
      onBytes(file ? new Uint8Array(await file.arrayBuffer()) : null, file?.name ?? "");
    };
    input.oncancel = () => onBytes(null);
    input.click();
  };
  // The help in the language the page speaks.
  const showHelp = () => window.open(document.documentElement.lang === "en" ? "help.en.html"
                                                                             : "help.html",
                                     "_blank", "noopener");

  const actions = {
    [MenuItem.Open]: () => pickFile(byId("settings-file-picker"),
                                    (bytes, name) => act(model.open(bytes, name))),
    [MenuItem.Save]: () => {
      const saved = model.save();
      if (typeof saved === "string") {
        report(saved);
      } else {
        download(saved, "Lumo.DAT", "application/octet-stream");
      }
    },
    CopyLink: () => {
      linkNow() ? copied(navigator.clipboard.writeText(location.href))
                : tell(fill(pageWords.linkTooLong, kLongestLink));
    },
    SavePreview: () => {
      preview.toBlob((png) => download(png, "preview.png", "image/png"), "image/png");
    },
    [MenuItem.StartupSettings]: editSettings,
    [MenuItem.HelpTopics]: showHelp,
    [MenuItem.About]: versionDialog.open,
    [MenuItem.Extended]: editExtended,
    [MenuItem.Language]: () => {
      const failure = model.switchLanguage();
      speak(model.language());
      act(failure);
    },
    ImportStartup: () => pickFile(byId("startup-file-picker"), (bytes, name) => {
      if (bytes) {
        // As a start in a folder holding that file: the page starts again from it, without the
        // settings of the link it was opened with.
        const failure = model.importStartupFile(bytes, name);
        failure ? report(failure) : location.replace(location.pathname);
      }
    }),
    ExportStartup: () => {
      const bytes = model.startupFile();
      bytes ? download(bytes, "lumo.ini", "application/octet-stream")
            : report(pageWords.noStartupFile);
    },
  };

  // Each item of the output-form menu chooses its form.
  for (const entry of layouts.menu) {
    if (entry.parent === names.Main.Menu.OutputForm) {
      actions[entry.name] = () => act(model.chooseForm(entry.name));
    }
  }

  // The menu bar from its table; the page's own lumo.ini items follow 初期設定.
  const menuEntriesOf = (menu) => {
    const entries = [];
    for (const entry of menu) {
      entries.push(entry);
      if (entry.name === MenuItem.Save) {
        entries.push({name: "SavePreview", kind: "Item", parent: entry.parent,
                      caption: pageWords.savePreview, shortcut: ""},
                     {name: "CopyLink", kind: "Item", parent: entry.parent,
                      caption: pageWords.copyLink, shortcut: ""});
      }
      if (entry.name === MenuItem.StartupSettings) {
        entries.push({name: "ImportStartup", kind: "Item", parent: entry.parent,
                      caption: pageWords.importStartup, shortcut: ""},
                     {name: "ExportStartup", kind: "Item", parent: entry.parent,
                      caption: pageWords.exportStartup, shortcut: ""});
      }
    }
    return entries;
  };
  const menuItems = {};
  const bar = byId("menu-bar");
  const menus = {[layouts.menuBar]: bar};
  // The top-level menus' titles in order, and by the code of their access key's letter.
  const titles = [];
  const titlesByKey = new Map();
  const closeMenus = () => {
    for (const open of bar.querySelectorAll(".menu.open")) {
      open.classList.remove("open");
      open.previousSibling.setAttribute("aria-expanded", "false");
    }
  };
  // The menus give the focus back to where it was when they opened, as the window's do.
  let focusBeforeMenus = null;
  document.addEventListener("focusin", (event) => {
    if (!bar.contains(event.target)) {
      focusBeforeMenus = event.target;
    }
  });
  bar.addEventListener("focusout", (event) => {
    if (!bar.contains(event.relatedTarget)) {
      closeMenus();
    }
  });
  const leaveMenus = () => {
    closeMenus();
    focusBeforeMenus?.focus();
  };
  const itemsOf = (menu) => [...menu.children].map((holder) => holder.firstChild)
      .filter((item) => item?.classList.contains("menu-item") && !item.disabled);
  // Opens the menu of `title`, a menu's item in the bar or in another menu, at its first item.
  const openMenu = (title) => {
    if (titles.includes(title)) {
      closeMenus();
    }
    title.nextSibling.classList.add("open");
    title.setAttribute("aria-expanded", "true");
    itemsOf(title.nextSibling)[0]?.focus();
  };
  const closeMenu = (menu) => {
    menu.classList.remove("open");
    menu.previousSibling.setAttribute("aria-expanded", "false");
    menu.previousSibling.focus();
  };
  // An item's or a menu's caption and access letter; a top-level menu opens with Alt and it.
  const captionMenuItem = (item, entry) => {
    const {text, key} = menuCaption(entry.caption);
    item.firstChild.textContent = text;
    item.dataset.key = key.toLowerCase();
    if (titles.includes(item) && key) {
      titlesByKey.set("Key" + key.toUpperCase(), item);
      item.setAttribute("aria-keyshortcuts", "Alt+" + key.toUpperCase());
    }
    menus[entry.name]?.setAttribute("aria-label", text);
  };
  for (const entry of menuEntriesOf(layouts.menu)) {
    const parent = menus[entry.parent];
    const holder = element("div", "menu-entry", parent);
    if (entry.kind === "Separator") {
      holder.setAttribute("role", "separator");
      holder.className = "separator";
      continue;
    }
    const item = element("button", "menu-item", holder);
    item.type = "button";
    // Tab passes the menus by, as in the window; the keys below move through them.
    item.tabIndex = -1;
    item.dataset.control = entry.name;
    item.append("");
    if (entry.shortcut) {
      element("span", "shortcut", item).append(entry.shortcut);
    }
    menuItems[entry.name] = item;
    if (entry.kind === "Menu") {
      item.setAttribute("role", "menuitem");
      item.setAttribute("aria-haspopup", "menu");
      item.setAttribute("aria-expanded", "false");
      const menu = element("div", "menu", holder);
      menu.setAttribute("role", "menu");
      menus[entry.name] = menu;
      if (entry.parent === layouts.menuBar) {
        titles.push(item);
      }
      captionMenuItem(item, entry);
      item.addEventListener("click", (event) => {
        event.stopPropagation();
        if (menu.classList.contains("open")) {
          titles.includes(item) ? leaveMenus() : closeMenu(menu);
        } else {
          openMenu(item);
        }
      });
      continue;
    }
    item.setAttribute("role", entry.kind === "Choice" ? "menuitemradio" : "menuitem");
    captionMenuItem(item, entry);
    item.addEventListener("click", () => {
      // The action starts from where the focus was, so that a dialog it opens returns there.
      leaveMenus();
      actions[entry.name]?.();
    });
  }
  // Within the menus: Up and Down move within a menu, round; Right opens a submenu or the next
  // menu, Left closes a submenu or opens the previous menu; Escape closes a submenu, or the
  // menus; an item's access letter chooses it. Enter is the button's own click.
  bar.addEventListener("keydown", (event) => {
    const item = event.target.closest(".menu-item");
    if (!item || event.altKey || event.ctrlKey || event.metaKey) {
      return;
    }
    const menu = item.closest(".menu");
    const submenu = menu?.parentNode.closest(".menu") ? menu : null;
    const title = titles.find((t) => t.parentNode.contains(item));
    const nextTitle = (step) => titles[(titles.indexOf(title) + step + titles.length) %
                                       titles.length];
    const items = menu ? itemsOf(menu) : [];
    const letter = event.key.length === 1 ? event.key.toLowerCase() : "";
    if (event.key === "ArrowDown" || event.key === "ArrowUp") {
      if (!menu) {
        openMenu(item);
      } else {
        const step = event.key === "ArrowDown" ? 1 : -1;
        items[(items.indexOf(item) + step + items.length) % items.length].focus();
      }
    } else if (event.key === "ArrowRight") {
      menu && menus[item.dataset.control] ? openMenu(item) : openMenu(nextTitle(1));
    } else if (event.key === "ArrowLeft") {
      submenu ? closeMenu(submenu) : openMenu(nextTitle(-1));
    } else if (event.key === "Escape") {
      submenu ? closeMenu(submenu) : leaveMenus();
    } else if (event.key === "Tab") {
      // The focus stays in the menus until they close.
    } else if (menu && letter && items.some((i) => i.dataset.key === letter)) {
      items.find((i) => i.dataset.key === letter).click();
    } else {
      return;
    }
    event.preventDefault();
    event.stopPropagation();
  });
  document.addEventListener("click", closeMenus);
  document.addEventListener("keydown", (event) => {
    if (event.key === "F1") {
      event.preventDefault();
      showHelp();
    }
    // A dialog holds the keyboard while it is open; the window's menus wait.
    if (document.querySelector("dialog[open]") || event.ctrlKey || event.metaKey) {
      return;
    }
    // F10 opens the first menu, or closes the menus; Alt and a menu's letter opens that menu.
    if (event.key === "F10" && !event.altKey && !event.shiftKey) {
      event.preventDefault();
      bar.contains(document.activeElement) ? leaveMenus() : openMenu(titles[0]);
    } else if (event.altKey && titlesByKey.has(event.code)) {
      event.preventDefault();
      openMenu(titlesByKey.get(event.code));
    }
  });
  for (const quit of [menuItems[MenuItem.Exit], controls[Button.Quit]]) {
    quitters.add(quit);
    quit.disabled = true;
    quit.title = pageWords.quitHint;
    quit.closest(".control")?.classList.add("disabled");
  }

  // The main window's controls: each event goes to the model.
  for (const [name, part] of Object.entries(controls)) {
    if (part === markupBox) {
      // The user may edit the fragment; the copy and the rendering take it as edited.
      part.addEventListener("input", () => {
        fragment = part.value;
        fragmentCut = false;
        showFragment();
      });
    } else if (part.type === "checkbox" || part.type === "radio") {
      part.addEventListener("change", () => act(model.click(name)));
      if (part.type === "radio") {
        wireRadioArrows(module, part);
      }
    } else if (part.getAttribute("role") === "spinbutton") {
      wireEntry(module, part, names.Window.Main, name, () => act(model.edit(name, part.value)));
      wireSpin(part, name, model, act, names.SpinStep, module.spinEntries()[name]);
    } else if (part.tagName === "INPUT" || part.tagName === "TEXTAREA") {
      const stretch = new TextStretch(part);
      stretches.set(part, stretch);
      // A long text's edit reaches the model in a task of its own, after the box has shown it,
      // and the controls are drawn in the next: each holds the page a part of the time. Edits
      // that come meanwhile go to the model together.
      let editPending = false;
      const edited = () => {
        if (stretch.text.length <= TextStretch.longest) {
          act(model.edit(name, stretch.text));
        } else if (!editPending) {
          editPending = true;
          setTimeout(() => {
            editPending = false;
            const said = model.edit(name, stretch.text);
            setTimeout(() => act(said), 0);
          }, 0);
        }
      };
      const characters = name === LineEdit.Text ? () => model.textCharacters() : undefined;
      wireEntry(module, part, names.Window.Main, name, edited, {stretch, characters});
      // What an input method composes goes to the model as it is committed.
      part.addEventListener("input", (event) => {
        if (!event.isComposing) {
          edited();
        }
      });
    } else if (part.classList.contains("ColourPanel")) {
      onCodeAsked(part, () => editColourCode(model.colourCode(name), (code) => {
        act(model.colourCodeClosed(name, code));
      }));
    }
  }
  for (const [name, part] of Object.entries(controls)) {
    if (part.tagName === "BUTTON" && model.colourOf(name) !== null) {
      part.addEventListener("click", async () => {
        act(model.colourChosen(name, await pickColour(model.colourOf(name), part)));
      });
    }
  }
  controls[Button.Swap].addEventListener("click", () => act(model.click(Button.Swap)));
  // A copy is confirmed for a moment in the status line, which screen readers announce.
  const status = byId("status");
  let statusTimer = null;
  const tell = (message) => {
    clearTimeout(statusTimer);
    status.textContent = message;
    statusTimer = setTimeout(() => {
      status.textContent = "";
    }, 3000);
  };
  const copied = (writing) => writing.then(() => tell(pageWords.copied),
                                           () => tell(pageWords.notCopied));
  controls[Button.CopyMarkup].addEventListener("click", () => {
    // The box's text as it stands, the user's edits included.
    markupBox.select();
    copied(navigator.clipboard.writeText(wholeFragment()));
  });
  controls[Button.CopyPreview].addEventListener("click", () => {
    preview.toBlob((png) => {
      copied(navigator.clipboard.write([new ClipboardItem({"image/png": png})]));
    }, "image/png");
  });

  // Speaks `language` ("ja" or "en"): the texts of every control, dialog and menu as the layout
  // tables give them in it, and the page's own words.
  const speak = (language) => {
    const said = module.layouts(language);
    Object.assign(pageWords, module.pageWords(language));
    document.documentElement.lang = language;
    for (const [layout, built] of [[said.main, {controls}], [said.settings, settings],
                                   [said.colourCode, codeDialog], [said.version, versionDialog],
                                   [said.extended, extended]]) {
      for (const control of layout.controls) {
        showTexts(control, built.controls[control.name]);
      }
      built.showTitle?.(layout);
    }
    titlesByKey.clear();
    for (const entry of menuEntriesOf(said.menu)) {
      if (entry.kind !== "Separator") {
        captionMenuItem(menuItems[entry.name], entry);
      }
    }
    for (const quit of quitters) {
      quit.title = pageWords.quitHint;
    }
    bar.setAttribute("aria-label", pageWords.menuBar);
    rendered.title = pageWords.rendering;
    byId("rendered-caption").textContent = pageWords.renderingCaption;
    for (const panel of document.querySelectorAll("[aria-roledescription]")) {
      panel.setAttribute("aria-roledescription", pageWords.colourRole);
    }
    showFragment();
  };

  // A link's settings go over those the page starts with.
  const linked = location.hash.slice(1);
  const started = model.startUp();
  speak(model.language());
  act(started);
  if (linked) {
    openLink(linked);
  }
  window.addEventListener("hashchange", () => openLink(location.hash.slice(1)));
  performance.mark("huewright-first-output");
  byId("loading").remove();
  focusOpening(textBox);
  // Ready once the rendering's document is made, which the first fragment goes into.
  await renderingLoaded;
  document.body.dataset.ready = "true";
  // After one visit the page loads and works with no network, and it can be installed.
  navigator.serviceWorker?.register("sw.js").catch(() => {});
}

// A spin edit: its step buttons (held down, they repeat as the rules time it), the steps its
// keys ask for, typing where it takes typing, and the focus leaving it.
function wireSpin(input, name, model, act, steps, entry) {
  input.readOnly = !entry.typing;
  input.maxLength = entry.maxLength;
  const step = (delta) => act(model.step(name, delta));
  input.addEventListener("step", (event) => step(event.detail));
  input.addEventListener("input", () => act(model.edit(name, input.value)));
  input.addEventListener("blur", () => act(model.leave(name)));
  for (const button of input.parentNode.querySelectorAll("[data-step]")) {
    const delta = button.dataset.step === steps.Up ? 1 : -1;
    let timer = null;
    const stop = () => {
      clearTimeout(timer);
      timer = null;
    };
    const repeat = (wait) => {
      timer = setTimeout(() => {
        step(delta);
        repeat(entry.repeatInterval);
      }, wait);
    };
    button.addEventListener("pointerdown", (event) => {
      event.preventDefault();
      input.focus();
      step(delta);
      repeat(entry.repeatDelay);
    });
    for (const end of ["pointerup", "pointerleave", "pointercancel"]) {
      button.addEventListener(end, stop);
    }
  }
}

main();
