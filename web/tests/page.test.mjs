// The page in headless Chromium, driven as a user drives it, against the native program.
import {execFileSync} from "node:child_process";
import {randomBytes} from "node:crypto";
import assert from "node:assert/strict";
import {mkdir, mkdtemp, readFile, rm, stat, writeFile} from "node:fs/promises";
import {tmpdir} from "node:os";
import {join} from "node:path";
import {pathToFileURL} from "node:url";
import {after, before, describe, it} from "node:test";

import {openPage, repository, site, startBrowser} from "./browser.mjs";
import {
  chooseMenu, control, fragmentOf, pickColour, settle, stateOf, typeInto,
} from "./window.mjs";

const nativeCli = process.env.HUEWRIGHT_CLI ?? join(repository, "build/default/src/cli/huewright-cli");

// The native program's output for `flags`, from the built-in start-up settings.
function native(flags, options = {}) {
  // Standard output ends the fragment with a line end of its own.
  return execFileSync(nativeCli, ["--no-startup-file", ...flags], options).toString()
      .replace(/\n$/, "");
}

// What `look` sees of the page at `url` in a browser of its own, which shares no storage.
async function inAFreshBrowser(url, look) {
  const context = await session.browser.createBrowserContext();
  try {
    const other = await context.newPage();
    await other.goto(url);
    await other.waitForSelector("body[data-ready]");
    return await look(other);
  } finally {
    await context.close();
  }
}

// Waits until `predicate` holds in the rendering's frame. The frame, below the fold, runs no
// animation frames, and its document stays while its body changes, so the wait asks it in turn.
async function untilInFrame(frame, predicate, ...args) {
  for (let wait = 0; wait < 100; ++wait) {
    if (await frame.evaluate(predicate, ...args)) {
      return;
    }
    await new Promise((done) => setTimeout(done, 50));
  }
  assert.fail(`the rendering never came to hold: ${predicate}`);
}

// Downloads land in the browser's own time.
async function waitForFile(file) {
  for (let wait = 0; wait < 100; ++wait) {
    if ((await stat(file).catch(() => null))?.size > 0) {
      return;
    }
    await new Promise((done) => setTimeout(done, 50));
  }
  throw new Error(`no download ${file}`);
}

let session;
before(async () => {
  session = await startBrowser();
});
after(async () => {
  await session?.close();
});

describe("the window", () => {
  it("is drawn from the layout tables, asks no other host and cannot quit", async () => {
    const {page, requests, console: messages} = await openPage(session);
    const names = await page.$$eval("[data-control]", (all) => all.map((c) => c.dataset.control));
    for (const name of ["Edit1", "WB", "scb", "html_e", "mihon", "Fsize", "FR0", "copy_b"]) {
      assert.ok(names.includes(name), name);
    }
    const edit = await page.$eval(control("Edit1"), (e) => [e.getAttribute("aria-label"),
                                                            document.activeElement === e]);
    assert.deepEqual(edit, ["テキスト", true]);
    const size = await page.$eval(control("Fsize"), (e) =>
        [e.title, e.getAttribute("role"), e.getAttribute("aria-valuenow")]);
    assert.deepEqual(size, ["文字の大きさです", "spinbutton", "3"]);
    const quit = await page.$eval(control("Button3"), (e) => [e.disabled, e.title]);
    assert.equal(quit[0], true);
    assert.match(quit[1], /タブを閉じて/);
    assert.deepEqual(requests.filter((url) => !url.startsWith(session.origin)), []);
    assert.deepEqual(messages, []);
    await page.close();
  });

  it("shows screen readers one preview on a finer screen, described by its text", async () => {
    const {page} = await openPage(session,
                                  {viewport: {width: 720, height: 480, deviceScaleFactor: 2}});
    await typeInto(page, "Edit1", "細かい");
    const shown = await page.$$eval("#main-window canvas.Image", (all) => all
        .filter((canvas) => getComputedStyle(canvas).display !== "none")
        .map((canvas) => [canvas.width, canvas.getAttribute("aria-description")]));
    assert.deepEqual(shown, [[814, "細かい"]]);
    await page.close();
  });

  it("holds a link the form refuses as a state: one alert, no fragment, the text kept",
     async () => {
    const {page} = await openPage(session);
    await chooseMenu(page, "K1", "FormMenu", "FormSPAN");
    await page.click(control("LB"));
    await typeInto(page, "link_e", "tel:+81-3");
    const refusal = () => page.$eval("#refusal", (region) =>
        [region.getAttribute("role"), region.hidden, region.textContent]);
    assert.deepEqual(await refusal(),
                     ["alert", false, "SPAN 形式のリンク先は相対か http, https, mailto, ftp だけです."]);
    assert.equal((await stateOf(page, "link_e")).value, "tel:+81-3");
    assert.equal(await fragmentOf(page), "");
    assert.equal(await page.$eval(control("tag_len"), (label) => label.textContent), "(0)");
    assert.equal((await stateOf(page, "Button2")).enabled, false);
    assert.equal(await page.$eval("dialog.error-box", (box) => box.open), false);

    await chooseMenu(page, "K1", "FormMenu", "FormFONT");
    assert.deepEqual((await refusal()).slice(1), [true, ""]);
    assert.match(await fragmentOf(page), /^<A HREF="tel:\+81-3">/);
    await page.evaluate(() => localStorage.clear());
    await page.close();
  });

  it("applies the firing rules: 枠 off unchecks 背景, ３色 enables 中間色", async () => {
    const {page} = await openPage(session);
    assert.equal((await stateOf(page, "HB")).enabled, false);
    await page.click(control("WB"));
    await page.click(control("HB"));
    await typeInto(page, "WS", "4");
    assert.deepEqual(await stateOf(page, "HB"), {value: "on", checked: true, enabled: true,
                                                 colour: ""});
    await page.click(control("WB"));
    const background = await stateOf(page, "HB");
    const width = await stateOf(page, "WS");
    assert.deepEqual([background.checked, background.enabled], [false, false]);
    assert.deepEqual([width.value, width.enabled], ["4", false]);

    assert.equal((await stateOf(page, "tcb")).enabled, false);
    await page.click(control("CB"));
    assert.equal((await stateOf(page, "tcb")).enabled, true);
    await page.click(control("TB"));
    assert.deepEqual([(await stateOf(page, "Fsize")).enabled, (await stateOf(page, "SS")).enabled,
                      (await stateOf(page, "Ftype2B")).enabled], [false, false, true]);
    await page.close();
  });
});

// Each row drives the page by clicks and typing, and names the native flags for the same state.
const outputRows = [
  {name: "Japanese text", text: "グラデーション", steps: [], flags: []},
  {name: "three colours, alternating", text: "abcdefg",
   steps: [["click", "CB"], ["click", "Gtype2b"]], flags: ["--three-colours", "--alternate"]},
  {name: "every style", text: "太字斜体", steps: [["click", "BB"], ["click", "EB"],
   ["click", "UB"], ["click", "SB"]], flags: ["--bold", "--italic", "--underline", "--strike"]},
  {name: "frame with width and background", text: "枠",
   steps: [["click", "WB"], ["type", "WS", "12"], ["click", "HB"], ["pick", "bcb", "#ffee00"]],
   flags: ["--frame", "--frame-width", "12", "--frame-background", "--background-colour",
           "#FFEE00"]},
  {name: "link", text: "link", steps: [["click", "LB"], ["type", "link_e", "https://a.example/?q=1&r=2"]],
   flags: ["--link", "--link-target", "https://a.example/?q=1&r=2"]},
  {name: "valley size pattern", text: "凸凹凸凹凸凹凸",
   steps: [["click", "TB"], ["click", "Ftype2B"], ["step", "FDsize", "down"],
           ["step", "FDsize", "down"], ["step", "FSsize", "up"]],
   flags: ["--size-pattern", "--pattern-kind", "valley", "--pattern-max", "5",
           "--pattern-min", "4"]},
  {name: "face, size and no line break", text: "ABC",
   steps: [["type", "Fname", "IPAGothic"], ["step", "Fsize", "up"], ["step", "Fsize", "up"],
           ["click", "KB"]],
   flags: ["--face-name", "IPAGothic", "--size-value", "5", "--no-line-break"]},
  {name: "no face, no size", text: "x", steps: [["click", "FS"], ["click", "SS"]],
   flags: ["--no-face", "--no-size"]},
  {name: "swapped and picked colours", text: "colours",
   steps: [["click", "Button1"], ["pick", "ecb", "#123456"]],
   flags: ["--start-colour", "#0000FF", "--end-colour", "#123456"]},
  {name: "span form", text: "a<b  c", steps: [["menu", "K1", "FormMenu", "FormSPAN"]],
   flags: ["--format", "span"]},
  {name: "BBCode form, three colours", text: "掲示板",
   steps: [["menu", "K1", "FormMenu", "FormBBCode"], ["click", "CB"]],
   flags: ["--format", "bbcode", "--three-colours"]},
  {name: "the chat forms, bold", text: "チャット<\\\"",
   steps: [["menu", "K1", "FormMenu", "FormMiniMessage"], ["click", "BB"]],
   flags: ["--format", "minimessage", "--bold"]},
  {name: "ampersand", text: "a&b", steps: [["menu", "K1", "FormMenu", "FormAmpersand"]],
   flags: ["--format", "ampersand"]},
  {name: "json, linked", text: "{\"x\"}",
   steps: [["menu", "K1", "FormMenu", "FormJSON"], ["click", "LB"]],
   flags: ["--format", "json", "--link"]},
];

describe("in English", () => {
  // The buttons and boxes of the window `scope` whose caption overflows its box or runs under
  // the next control.
  const clipped = (page, scope) => page.evaluate((inside) => [...document.querySelectorAll(
      `${inside} [data-control]`)]
      .map((part) => [part.dataset.control, part.closest("label") ?? part])
      .filter(([, box]) => box.matches("button, label") && box.checkVisibility())
      .filter(([, box]) => {
        const caption = document.createRange();
        caption.selectNodeContents(box);
        const text = caption.getBoundingClientRect();
        const end = document.elementFromPoint(text.right - 1, text.top + text.height / 2);
        return text.right > box.getBoundingClientRect().right + 0.5 || !box.contains(end);
      })
      .map(([name]) => name), scope);

  it("speaks the browser's language, fits its captions, and switches and remembers from the menu",
     async () => {
    const {page, console: messages} = await openPage(session, {languages: ["en-GB", "en"]});
    const caption = (name) => page.$eval(control(name), (e) =>
        (e.closest("label") ?? e).textContent.trim());
    assert.equal(await page.evaluate(() => document.documentElement.lang), "en");
    assert.equal(await caption("Button1"), "Swap");
    assert.equal(await page.$eval(control("Button1"), (e) => e.title),
                 "Swap the start and end colours.");
    assert.equal(await page.$eval(control("Edit1"), (e) => e.getAttribute("aria-label")), "Text");
    assert.match(await page.$eval(control("Button3"), (e) => e.title), /close the tab/);
    assert.deepEqual(await clipped(page, "#main-window"), []);
    await chooseMenu(page, "K1", "K2");
    assert.equal(await page.$eval('dialog[open]', (e) => e.getAttribute("aria-label")),
                 "Lumo settings");
    assert.deepEqual(await clipped(page, "dialog[open]"), []);
    await page.keyboard.press("Escape");
    await chooseMenu(page, "K1", "Extended1");
    assert.deepEqual(await clipped(page, "dialog[open]"), []);
    await page.keyboard.press("Escape");
    // The help opens in the language spoken.
    const helpOpened = async () => {
      await page.evaluate(() => {
        window.open = (url) => {
          window.opened = url;
        };
      });
      await chooseMenu(page, "Help1", "SearchforHelpOn1");
      return page.evaluate(() => window.opened);
    };
    assert.equal(await helpOpened(), "help.en.html");

    await typeInto(page, "Edit1", "abc");
    await chooseMenu(page, "K1", "Language1");
    assert.equal(await caption("Button1"), "色反転");
    assert.equal(await caption("Language1"), "English(L)");
    assert.deepEqual(await clipped(page, "#main-window"), []);
    assert.equal(await page.$eval(control("Edit1"), (e) => e.value), "abc");
    assert.equal(await helpOpened(), "help.html");
    await page.reload();
    await page.waitForSelector("body[data-ready]");
    assert.equal(await caption("Button1"), "色反転");
    assert.deepEqual(messages, []);
    await page.close();
  });
});

describe("the extended dialog", () => {
  // Each row: what is typed or chosen in the dialog, and the native flags for the same options.
  const rows = [
    {stops: "#FF0000,#00FF00,#0000FF", clicks: ["blend_oklab"],
     flags: ["--colours", "#FF0000,#00FF00,#0000FF", "--blend", "oklab"]},
    {clicks: ["rainbow_b", "exact_c", "merge_c"],
     flags: ["--colours", "#FF0000,#FF8000,#FFFF00,#00FF00,#0000FF,#4B0082,#8B00FF",
             "--exact-ends", "--merge-runs"]},
    {clicks: ["ocean_b", "reverse_b", "blend_oklch"],
     flags: ["--colours", "#5FD3F3,#0A75AD,#001F54", "--blend", "oklch"]},
  ];
  const text = "グラデーション text";

  it("gives the CLI's bytes for the same stops and blend, and the link carries them",
     async () => {
    const {page, console: messages} = await openPage(session);
    await typeInto(page, "Edit1", text);
    const inDialog = (name) => `dialog[open] ${control(name)}`;
    for (const row of rows) {
      await chooseMenu(page, "K1", "Extended1");
      await page.click(inDialog("reset_b"));
      if (row.stops) {
        await page.click(inDialog("stops_e"));
        await page.keyboard.type(row.stops);
      }
      for (const name of row.clicks) {
        await page.click(inDialog(name));
      }
      // The strip starts at the first stop.
      const first = row.flags[1].slice(1, 7).match(/../g).map((hex) => parseInt(hex, 16)).join();
      assert.equal(await page.$eval(inDialog("strip"), (strip) =>
          strip.getContext("2d").getImageData(0, 5, 1, 1).data.slice(0, 3).join()), first);
      await page.click(inDialog("ok_b"));
      // The markup follows once the page has handled the click, on a busy machine a frame later.
      const expected = native([...row.flags, "--", text]);
      await page.waitForFunction((box, want) => document.querySelector(box).value === want,
                                 {timeout: 5000}, control("html_e"), expected).catch(() => {});
      assert.equal(await fragmentOf(page), expected, row.flags.join(" "));
    }

    const fragment = await fragmentOf(page);
    await page.waitForFunction(() => location.hash.includes("Blend=oklch"));
    const link = await page.evaluate(() => location.href);
    const {page: other} = await openPage(session);
    await other.goto(link);
    await settle(other);
    assert.equal(await fragmentOf(other), fragment);
    await other.close();

    // A list that cannot be read is refused with its reason, and the dialog stays open.
    await chooseMenu(page, "K1", "Extended1");
    await page.click(inDialog("stops_e"));
    await page.keyboard.type(",x");
    await page.click(inDialog("ok_b"));
    assert.match(await page.$eval(".error-box p", (e) => e.textContent), /^色の並びを読めません/);
    // The test's own reading of the strip's pixels draws a hint from the browser.
    assert.deepEqual(messages.filter((m) => !m.includes("willReadFrequently")), []);
    await page.close();
  });
});

describe("the fragment equals the native CLI's", () => {
  for (const row of outputRows) {
    it(row.name, async () => {
      const {page} = await openPage(session);
      await typeInto(page, "Edit1", row.text);
      for (const [action, name, value] of row.steps) {
        if (action === "click") {
          await page.click(control(name));
        } else if (action === "type") {
          await typeInto(page, name, value);
        } else if (action === "step") {
          await page.click(`${control(name)} ~ [data-step="${value}"]`);
        } else if (action === "pick") {
          await pickColour(page, name, value);
        } else if (action === "menu") {
          await chooseMenu(page, name, value, row.steps[0][3]);
        }
      }
      assert.equal(await fragmentOf(page), native([...row.flags, "--", row.text]));
      // The form is remembered in lumo.ini: the next test starts from a fresh page state.
      await page.evaluate(() => localStorage.clear());
      await page.close();
    });
  }
});

describe("the colour-code dialog", () => {
  it("shows the panel's code and reads back what is typed, however it closes", async () => {
    const {page} = await openPage(session);
    await page.click(control("sc"), {clickCount: 2});
    const dialog = '[data-window="colorform"]';
    await page.waitForSelector(`${dialog}[open]`);
    const codeBox = `${dialog} ${control("Edit1")}`;
    assert.equal(await page.$eval(codeBox, (e) => e.value), "#FF00FF");
    // The code is selected whole, so that typing replaces it.
    await page.waitForFunction((box) => {
      const e = document.querySelector(box);
      return document.activeElement === e && e.selectionStart === 0 &&
             e.selectionEnd === e.value.length;
    }, {timeout: 2000}, codeBox);
    await page.keyboard.type("#123456");
    await page.click(`${dialog} ${control("ok_b")}`);
    await settle(page);
    assert.equal((await stateOf(page, "sc")).colour, "rgb(18, 52, 86)");
    assert.match(await fragmentOf(page), /^<FONT FACE="[^"]*" SIZE="3" ><FONT COLOR="#123456">/);

    // A code that cannot be read keeps the colour; Escape closes as OK does.
    await page.click(control("sc"), {clickCount: 2});
    assert.equal(await page.$eval(`${dialog} ${control("Edit1")}`, (e) => e.value), "#123456");
    await page.keyboard.type("#FF 000");
    await page.keyboard.press("Escape");
    await settle(page);
    assert.equal((await stateOf(page, "sc")).colour, "rgb(18, 52, 86)");
    await page.close();
  });
});

describe("gradation settings files", () => {
  it("保存 downloads the native program's bytes, and 開く restores the window", async () => {
    const {page} = await openPage(session);
    await typeInto(page, "Edit1", "保存と読込");
    await page.click(control("CB"));
    await page.click(control("WB"));
    await typeInto(page, "WS", "3");
    await pickColour(page, "scb", "#00ff80");
    await page.click(control("Ftype3B")).catch(() => {});
    const saved = await fragmentOf(page);
    await rm(session.downloads, {recursive: true, force: true});
    await chooseMenu(page, "File1", "save");
    const file = join(session.downloads, "Lumo.DAT");
    await waitForFile(file);
    const expected = join(session.downloads, "native.DAT");
    execFileSync(nativeCli, ["--no-startup-file", "--three-colours", "--frame", "--frame-width", "3", "--start-colour", "#00FF80",
            "--save", expected, "保存と読込"]);
    assert.deepEqual(await readFile(file), await readFile(expected));

    await typeInto(page, "Edit1", "changed");
    await page.click(control("CB"));
    await page.click(control("WB"));
    const [chooser] = await Promise.all([page.waitForFileChooser(),
                                         chooseMenu(page, "File1", "Open")]);
    await chooser.accept([file]);
    await page.waitForFunction((text) => document.querySelector('[data-control="Edit1"]').value === text,
                               {}, "保存と読込");
    assert.equal(await fragmentOf(page), saved);
    assert.deepEqual([(await stateOf(page, "CB")).checked, (await stateOf(page, "WB")).checked,
                      (await stateOf(page, "WS")).value, (await stateOf(page, "tcb")).enabled],
                     [true, true, "3", true]);
    await page.close();
  });

  it("開く takes a fragment the program wrote, in its form, with its stops and blend", async () => {
    const {page} = await openPage(session);
    await mkdir(session.downloads, {recursive: true});
    const file = join(session.downloads, "chat.txt");
    execFileSync(nativeCli, ["--no-startup-file", "--format", "bbcode", "--colours",
                             "#ff0000,#00ff00,#0000ff,#ffffff", "--blend", "oklab", "--bold",
                             "--output", file, "断片を開く [b]"]);
    const [chooser] = await Promise.all([page.waitForFileChooser(),
                                         chooseMenu(page, "File1", "Open")]);
    await chooser.accept([file]);
    const fragment = await readFile(file, "utf8");
    await page.waitForFunction((box, want) => document.querySelector(box).value === want,
                               {timeout: 5000}, control("html_e"), fragment).catch(() => {});
    assert.equal(await fragmentOf(page), fragment);
    assert.equal(await page.$eval(control("Edit1"), (box) => box.value), "断片を開く [b]");
    assert.equal((await stateOf(page, "BB")).checked, true);
    await page.close();
  });

  it("keeps the old text for one longer than 1,000,000 characters, typed or loaded",
     async () => {
    const {page} = await openPage(session);
    await page.evaluate((n) => {
      const box = document.querySelector('[data-control="Edit1"]');
      box.value = "a".repeat(n);
      box.dispatchEvent(new InputEvent("input", {inputType: "insertFromPaste"}));
    }, 1_000_001);
    await page.waitForSelector("dialog.error-box[open]");
    assert.equal(await page.$eval(control("Edit1"), (box) => box.value), "HuewrightHTML!");
    assert.equal(await page.$eval(".error-box p", (e) => e.textContent),
                 "テキスト は 1000000 文字までです.");
    await page.click(".error-box button");

    // A file whose text is longer is refused whole.
    await mkdir(session.downloads, {recursive: true});
    const file = join(session.downloads, "long.DAT");
    await writeFile(file, `[DATA]\r\ntext=${"b".repeat(1_000_001)}\r\nWB=1\r\n`);
    const [chooser] = await Promise.all([page.waitForFileChooser(),
                                         chooseMenu(page, "File1", "Open")]);
    await chooser.accept([file]);
    await page.waitForSelector("dialog.error-box[open]");
    assert.equal(await page.$eval(".error-box p", (e) => e.textContent),
                 "テキスト は 1000000 文字までです.");
    assert.equal((await stateOf(page, "WB")).checked, false);
    await page.close();
  });

  it("開く says so of a file that holds no settings, however large, and changes nothing",
     async () => {
    const {page} = await openPage(session);
    const markup = await fragmentOf(page);
    await mkdir(session.downloads, {recursive: true});
    for (const [name, size] of [["random.DAT", 3000], ["large.DAT", 5 << 20]]) {
      const file = join(session.downloads, name);
      await writeFile(file, randomBytes(size));
      const [chooser] = await Promise.all([page.waitForFileChooser(),
                                           chooseMenu(page, "File1", "Open")]);
      await chooser.accept([file]);
      await page.waitForSelector("dialog.error-box[open]");
      assert.equal(await page.$eval(".error-box p", (e) => e.textContent),
                   `${name} には設定がありません.`);
      await page.click(".error-box button");
      assert.equal(await fragmentOf(page), markup);
    }
    await page.close();
  });
});

describe("the settings dialog", () => {
  it("stores lumo.ini in the browser, in force at once and after a reload", async () => {
    const {page} = await openPage(session);
    await chooseMenu(page, "K1", "K2");
    const dialog = '[data-window="stat_form"]';
    await page.waitForSelector(`${dialog}[open]`);
    await page.click(`${dialog} ${control("TB")}`);
    await page.click(`${dialog} ${control("FR1")}`);
    await page.click(`${dialog} ${control("KB")}`);
    await page.click(`${dialog} ${control("Button1")}`);
    await page.click(control("BB"));
    assert.match(await fragmentOf(page), /^<font face=.*<strong>/);
    // Colours and start-up switches wait for the next start.
    assert.equal((await stateOf(page, "KB")).checked, true);

    await page.reload();
    await page.waitForSelector("body[data-ready]");
    assert.equal((await stateOf(page, "KB")).checked, false);
    await chooseMenu(page, "K1", "K2");
    assert.deepEqual(await page.$$eval(
        ["TB", "FR0", "FR1", "KB", "CS"].map((n) => `${dialog} ${control(n)}`).join(","),
        (all) => all.map((e) => [e.dataset.control, e.checked])),
        [["KB", false], ["TB", false], ["CS", true], ["FR0", false], ["FR1", true]]);
    await page.click(`${dialog} ${control("Button2")}`);
    await page.evaluate(() => localStorage.clear());
    await page.close();
  });

  it("exports lumo.ini as stored, and starts again from an imported one", async () => {
    const {page} = await openPage(session);
    await chooseMenu(page, "K1", "ExportStartup");
    assert.equal(await page.$eval(".error-box p", (e) => e.textContent),
                 "lumo.ini はまだ保存されていません");
    await page.click(".error-box button");
    await chooseMenu(page, "K1", "FormMenu", "FormSPAN");
    await rm(session.downloads, {recursive: true, force: true});
    await chooseMenu(page, "K1", "ExportStartup");
    const exported = join(session.downloads, "lumo.ini");
    await waitForFile(exported);
    assert.match((await readFile(exported)).toString(), /\[Stat\][^]*Form=1/);

    const imported = join(session.downloads, "imported.ini");
    await writeFile(imported, "[Stat]\r\nCol1=255\r\nSS=1\r\nTB=0\r\n");
    const [chooser] = await Promise.all([page.waitForFileChooser(),
                                         chooseMenu(page, "K1", "ImportStartup")]);
    await Promise.all([page.waitForNavigation(), chooser.accept([imported])]);
    await page.waitForSelector("body[data-ready]");
    assert.equal((await stateOf(page, "sc")).colour, "rgb(255, 0, 0)");
    assert.deepEqual([(await stateOf(page, "SS")).checked, (await stateOf(page, "KB")).checked],
                     [true, false]);
    // Keys the file lacks start switched off: no FACE.
    assert.match(await fragmentOf(page), /^<font size="3" ><font color="#ff0000">/);

    // A file without a single start-up key is refused, and the stored one stays.
    const junk = join(session.downloads, "junk.ini");
    await writeFile(junk, randomBytes(3000));
    const [refused] = await Promise.all([page.waitForFileChooser(),
                                         chooseMenu(page, "K1", "ImportStartup")]);
    await refused.accept([junk]);
    await page.waitForSelector("dialog.error-box[open]");
    assert.equal(await page.$eval(".error-box p", (e) => e.textContent),
                 "junk.ini には設定がありません.");
    assert.match(await page.evaluate(() => localStorage.getItem("huewright/lumo.ini")), /Col1=255/);
    await page.close();
  });

  // What the storage may hold that no start-up file of the page's holds: characters above
  // U+00FF, bytes without a single key, more than any start-up file. Each starts the page from the
  // built-in settings with one message, and goes aside, where no save writes it back.
  const brokenStorage = [
    ["a full-width digit", "[Stat]\r\nForm=２\r\n", "を読み込めません（Illegal byte sequence）"],
    ["bytes without a key", "\u0000\u00ff\u0012junk", "には設定がありません"],
    ["4 MB", "[Stat]\r\nSS=0\r\n" + "x".repeat(4 << 20), "を読み込めません（File too large）"],
  ];
  for (const [name, stored, message] of brokenStorage) {
    it(`starts from the built-in settings when storage holds ${name}`, async () => {
      const {page} = await openPage(session);
      await page.evaluate((value) => localStorage.setItem("huewright/lumo.ini", value), stored);
      await page.reload();
      await page.waitForSelector("body[data-ready]");
      assert.equal(await page.$eval(".error-box p", (e) => e.textContent), `lumo.ini ${message}.`);
      assert.deepEqual(await Promise.all(["SS", "FS", "KB"].map(
                           async (box) => (await stateOf(page, box)).checked)),
                       [true, true, true]);
      assert.deepEqual(await page.evaluate(() => [localStorage.getItem("huewright/lumo.ini"),
                                                  localStorage.getItem("huewright/lumo.ini (unreadable)")]),
                       [null, stored]);
      await page.close();
    });
  }

  it("keeps the dialog open with its edits when the browser refuses to store", async () => {
    const {page} = await openPage(session, {prepare: (tab) => tab.evaluateOnNewDocument(() => {
      Storage.prototype.setItem = () => {
        throw new DOMException("full", "QuotaExceededError");
      };
    })});
    await chooseMenu(page, "K1", "K2");
    const dialog = '[data-window="stat_form"]';
    await page.click(`${dialog} ${control("TB")}`);
    await page.click(`${dialog} ${control("Button1")}`);
    assert.equal(await page.$eval(".error-box p", (e) => e.textContent), "lumo.ini に書き込めません.");
    assert.equal(await page.$eval(dialog, (e) => e.open), true);
    assert.equal(await page.$eval(`${dialog} ${control("TB")}`, (e) => e.checked), false);
    await page.close();
  });
});

describe("the clipboard and the rendering", () => {
  it("copies the fragment as the box shows it, and the iframe renders it", async () => {
    const {page} = await openPage(session);
    await typeInto(page, "Edit1", "表示");
    const fragment = await fragmentOf(page);
    const frame = page.frames().find((f) => f !== page.mainFrame());
    await untilInFrame(frame, () => document.body?.textContent === "表示");
    assert.deepEqual(await frame.$$eval("font[color]", (all) => all.map((f) => f.getAttribute("color"))),
                     [...fragment.matchAll(/COLOR="(#[0-9A-F]{6})"/g)].map((m) => m[1]));
    // The iframe runs no script; the page reaches into it only to catch its links.
    assert.equal(await page.$eval("#rendered", (f) => f.sandbox.value), "allow-same-origin");

    assert.equal(await page.title(), "表示 - HuewrightHTML");

    // Each copy is confirmed in the status line, which screen readers announce, for a moment.
    assert.equal(await page.$eval("#status", (e) => e.getAttribute("role")), "status");
    await page.click(control("Button2"));
    assert.equal(await page.evaluate(() => navigator.clipboard.readText()), fragment);
    await page.waitForFunction(() => document.getElementById("status").textContent ===
                               "コピーしました");
    await page.waitForFunction(() => document.getElementById("status").textContent === "",
                               {timeout: 5000});
    await page.click(control("html_e"));
    await page.keyboard.press("End");
    await page.keyboard.type("<!-- edited -->");
    await page.click(control("Button2"));
    assert.equal(await page.evaluate(() => navigator.clipboard.readText()),
                 fragment + "<!-- edited -->");

    await page.click(control("bmpb"));
    const picture = await page.waitForFunction(async () => {
      const [item] = await navigator.clipboard.read();
      return item.types.includes("image/png") && item.getType("image/png");
    });
    const size = await page.evaluate(async (png) => {
      const image = await createImageBitmap(png);
      return [image.width, image.height];
    }, picture);
    assert.deepEqual(size, [407, 47]);
    await page.waitForFunction(() => document.getElementById("status").textContent ===
                               "コピーしました");

    // The preview as a PNG file, the strip's own 407 × 47 pixels.
    await rm(session.downloads, {recursive: true, force: true});
    await chooseMenu(page, "File1", "SavePreview");
    const saved = join(session.downloads, "preview.png");
    await waitForFile(saved);
    const png = await readFile(saved);
    assert.deepEqual([png.readUInt32BE(16), png.readUInt32BE(20)], [407, 47]);
    await page.close();
  });

  it("titles the tab with the beginning of the text", async () => {
    const {page} = await openPage(session);
    await typeInto(page, "Edit1", "虹".repeat(50));
    assert.equal(await page.title(), "虹".repeat(40) + "… - HuewrightHTML");
    await typeInto(page, "Edit1", "");
    assert.equal(await page.title(), "HuewrightHTML");
    await page.close();
  });

  it("renders the beginning of a long fragment, cut before a tag, and says so", async () => {
    const {page} = await openPage(session);
    const frame = page.frames().find((f) => f !== page.mainFrame());
    const setText = (text) => page.evaluate((value) => {
      const box = document.querySelector('[data-control="Edit1"]');
      box.value = value;
      box.dispatchEvent(new InputEvent("input", {inputType: "insertFromPaste"}));
    }, text);
    await setText("あ".repeat(5000));
    await page.waitForSelector("#rendered-part:not([hidden])");
    await page.click(control("Button2"));
    const whole = await page.evaluate(() => navigator.clipboard.readText());
    const note = await page.$eval("#rendered-part", (e) => e.textContent);
    const shown = Number(note.match(/先頭 (\d+) 文字/)[1]);
    assert.ok(shown <= 32768 && shown > 30000 && whole[shown] === "<", note);
    await untilInFrame(frame, (n) => document.body?.textContent.length === n,
                       [...whole.slice(0, shown).matchAll(/>あ</g)].length);

    await setText("短い");
    await untilInFrame(frame, () => document.body?.textContent === "短い");
    assert.equal(await page.$eval("#rendered-part", (e) => e.hidden), true);
    await page.close();
  });
});

describe("a long text in its box", () => {
  it("shows a stretch around the caret, and types, copies and replaces the whole", async () => {
    const {page} = await openPage(session);
    const text = "あいうえお".repeat(10_000);
    const box = control("Edit1");
    // The model's text, from the fragment the copy button takes (which focuses the markup box).
    const modelText = async () => {
      const copied = await page.evaluate(async () => {
        document.querySelector('[data-control="Button2"]').click();
        return (await navigator.clipboard.readText()).replace(/<[^>]*>/g, "").trimEnd();
      });
      await page.focus(box);
      return copied;
    };
    // Pasted over the whole text, as the focus leaves it selected.
    await page.$eval(box, (e, pasted) => {
      e.focus();
      e.select();
      const data = new DataTransfer();
      data.setData("text/plain", pasted);
      e.dispatchEvent(new ClipboardEvent("paste", {clipboardData: data, bubbles: true,
                                                   cancelable: true}));
    }, text);
    await page.waitForFunction((sel) => document.querySelector(sel).textContent !== "(470)",
                               {}, control("tag_len"));
    assert.ok(await page.$eval(box, (e, want) => e.value === want, text.slice(-20_000)));
    assert.ok(await modelText() === text);

    await page.keyboard.press("Home");
    assert.ok(await page.$eval(box, (e, want) => e.value === want, text.slice(0, 20_000)));
    await page.keyboard.type("X");
    await page.keyboard.press("End");
    await page.keyboard.type("Y");
    await settle(page);
    await settle(page);
    assert.ok(await modelText() === "X" + text + "Y");

    // The whole stretch selected is the whole text: a copy takes it, typing replaces it.
    await page.$eval(box, (e) => e.select());
    await page.keyboard.press("KeyC", {commands: ["Copy"]});
    assert.ok(await page.evaluate(() => navigator.clipboard.readText()) === "X" + text + "Y");
    await page.keyboard.type("Z");
    assert.equal(await page.$eval(box, (e) => e.value), "Z");
    assert.equal(await modelText(), "Z");
    await page.close();
  });
});

describe("a text beyond Shift-JIS", () => {
  it("is coloured whole in the UTF-8 forms and linked, and FONT refuses it once", async () => {
    const {page} = await openPage(session);
    await chooseMenu(page, "K1", "FormMenu", "FormBBCode");
    const text = "虹👍🏽e\u0301!";
    await typeInto(page, "Edit1", text);
    await page.waitForFunction((sel, want) => document.querySelector(sel).value === want, {},
                               control("Edit1"), text);
    const markup = await fragmentOf(page);
    assert.equal(markup, native(["--format", "bbcode", "--", text]));
    await page.waitForFunction(() => location.hash.includes("text="));

    assert.equal(await inAFreshBrowser(page.url(), fragmentOf), markup);

    // FONT refuses it as a state, one alert, and the text stays, taking no new such character.
    await chooseMenu(page, "K1", "FormMenu", "FormFONT");
    assert.match(await page.$eval("#refusal", (e) => e.textContent),
                 /^テキスト の 2 文字目の U\+1F44D .*はシフトJISにないため/);
    assert.equal(await fragmentOf(page), "");
    await page.focus(control("Edit1"));
    await page.keyboard.press("End");
    await page.keyboard.type("😀x");
    assert.equal(await page.$eval(control("Edit1"), (e) => e.value), text + "x");
    await chooseMenu(page, "K1", "FormMenu", "FormSPAN");
    assert.equal(await fragmentOf(page), native(["--format", "span", "--", text + "x"]));
    await page.evaluate(() => localStorage.clear());
    await page.close();
  });
});

describe("the server", () => {
  it("sends the security headers with every file, and the text and WebAssembly compressed",
     async () => {
       for (const file of ["", "help.html", "help.en.html", "huewright.wasm", "page.js",
                           "favicon.svg"]) {
         const answer = await fetch(session.origin + file, {headers: {"Accept-Encoding": "gzip"}});
         const body = await answer.text();
         // An HTML file's policy is its meta tag's; every policy forbids framing.
         const stated = body.match(/http-equiv="Content-Security-Policy" content="([^"]*)"/);
         assert.equal(answer.headers.get("content-security-policy"),
                      `${stated?.[1] ?? "default-src 'none'"}; frame-ancestors 'none'`, file);
         assert.equal(answer.headers.get("x-content-type-options"), "nosniff", file);
         assert.equal(answer.headers.get("referrer-policy"), "no-referrer", file);
         assert.equal(answer.headers.get("content-encoding"), "gzip", file);
         assert.equal(Boolean(stated), ["", "help.html", "help.en.html"].includes(file), file);
       }
     });
});

describe("on a narrow screen", () => {
  for (const [width, height] of [[390, 844], [320, 640]]) {
    it(`flows in lines at ${width} px, every target 24 px or more and used by touch`,
       async () => {
      const {page} = await openPage(session, {viewport: {width, height, hasTouch: true,
                                                         isMobile: true}});
      assert.deepEqual(await page.evaluate(() => [document.documentElement.scrollWidth,
                                                  innerWidth]), [width, width]);
      // Each control the user works, and the menus, where the touch lands: a check box's or a
      // radio button's whole label.
      const small = await page.evaluate(() => [
        ...document.querySelectorAll("#main-window [data-control], #main-window .step"),
      ].filter((part) => part.matches("input, button, textarea, select, [tabindex]") &&
                         part.checkVisibility())
       .map((part) => [part.dataset.control ?? part.dataset.step,
                       (part.closest("label") ?? part).getBoundingClientRect()])
       .filter(([, box]) => box.width < 24 || box.height < 24 || box.right > innerWidth)
       .map(([name]) => name));
      assert.deepEqual(small, []);

      const tap = async (selector) => {
        const box = await (await page.$(selector)).boundingBox();
        await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
      };
      await typeInto(page, "Edit1", "スマホ");
      await tap(`.CheckBox:has(${control("BB")})`);
      await tap(`${control("Fsize")} ~ [data-step="up"]`);
      await page.waitForFunction(() => document.querySelector('[data-control="Fsize"]').value ===
                                 "4");
      assert.equal(await fragmentOf(page), native(["--bold", "--size-value", "4", "--",
                                                   "スマホ"]));
      await page.close();
    });
  }
});

describe("settings in the address", () => {
  it("keep the state in a link, which gives a fresh browser the same markup", async () => {
    const {page} = await openPage(session);
    const steps = await page.evaluate(() => history.length);
    await typeInto(page, "Edit1", "リンク & #共有");
    await page.click(control("CB"));
    await page.click(control("BB"));
    await chooseMenu(page, "K1", "FormMenu", "FormSPAN");
    await page.waitForFunction(() => location.hash.includes("Form=span"));
    // The fragment follows the work in place: no step is added to the history.
    assert.equal(await page.evaluate(() => history.length), steps);
    const markup = await fragmentOf(page);
    assert.equal(markup, native(["--format", "span", "--three-colours", "--bold", "--",
                                 "リンク & #共有"]));
    await inAFreshBrowser(page.url(), async (other) => {
      assert.equal(await fragmentOf(other), markup);
      // The case of tags, STRONG and EM, which lumo.ini keeps, hold for the linked visit and
      // are not stored.
      const linked = "BB=1&text=x&lumo.TB=0&lumo.F_TAG=1";
      await other.goto(`${session.origin}#${linked}`);
      await other.waitForFunction(() => document.querySelector('[data-control="Edit1"]').value ===
                                  "x");
      assert.equal(await fragmentOf(other),
                   native(["--bold", "--strong-for-bold", "--lower-case-tags", "--", "x"]));
      await other.waitForFunction((hash) => location.hash === hash, {}, `#${linked}`);
      assert.equal(await other.evaluate(() => localStorage.length), 0);
    });
    await chooseMenu(page, "File1", "CopyLink");
    assert.equal(await page.evaluate(() => navigator.clipboard.readText()), page.url());

    // A link that no settings file could hold gives the built-in settings, and says why.
    await page.goto(session.origin + "#Col1=red&nonsense=1");
    await page.waitForSelector("dialog.error-box[open]");
    assert.equal(await page.$eval(".error-box p", (e) => e.textContent),
                 "このリンクの設定は読めません（nonsense, Col1）。既定の設定で始めます");
    await page.click(".error-box button");
    await page.waitForFunction(() => location.hash === "");
    assert.equal(await fragmentOf(page), native(["--", "HuewrightHTML!"]));
    await page.evaluate(() => localStorage.clear());
    await page.close();
  });
});

describe("offline and installable", () => {
  it("loads and works with no network after one visit, from a versioned cache", async () => {
    const {page} = await openPage(session);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    const manifest = await page.evaluate(async () => {
      const link = document.querySelector('link[rel="manifest"]');
      return (await fetch(link.href)).json();
    });
    assert.equal(manifest.display, "standalone");
    assert.ok(manifest.icons.some((icon) => icon.sizes === "512x512"));
    assert.match(await page.evaluate(async () => (await caches.keys()).join()),
                 /^huewright-[0-9a-f]{16}$/);

    await page.setOfflineMode(true);
    await page.reload();
    await page.waitForSelector("body[data-ready]");
    await typeInto(page, "Edit1", "オフライン");
    assert.equal(await fragmentOf(page), native(["--", "オフライン"]));
    await page.setOfflineMode(false);
    // The worker stays for the other tests' pages, which it answers from the same files.
    await page.close();
  });

  it("gives a build whose files differ a worker of another version", async () => {
    const folder = await mkdtemp(join(tmpdir(), "huewright-site-"));
    const version = async () => {
      execFileSync("cmake", [`-DSITE=${folder}`, "-DFILES=./|page.js",
                             `-DTEMPLATE=${join(repository, "web/site/sw.js.in")}`,
                             "-P", join(repository, "web/service_worker.cmake")]);
      return (await readFile(join(folder, "sw.js"), "utf8")).match(/huewright-(\w+)/)[1];
    };
    await writeFile(join(folder, "index.html"), "<!DOCTYPE html>");
    await writeFile(join(folder, "page.js"), "1");
    const first = await version();
    assert.equal(await version(), first);
    await writeFile(join(folder, "page.js"), "2");
    assert.notEqual(await version(), first);
    await rm(folder, {recursive: true});
  });
});

describe("opened from the disk", () => {
  it("says that the page must be served, and how", async () => {
    const page = await session.browser.newPage();
    await page.goto(pathToFileURL(join(site, "index.html")).href);
    await page.waitForFunction(() => !document.querySelector("#loading").textContent.endsWith("…"));
    assert.match(await page.$eval("#loading", (e) => e.textContent), /bash scripts\/run --web/);
    await page.close();
  });
});

describe("links in the rendering", () => {
  it("open an http link in a new tab and follow no other, and the rendering stays", async () => {
    const {page} = await openPage(session);
    const frame = page.frames().find((f) => f !== page.mainFrame());
    await page.click(control("LB"));
    const rows = [
      // the link, whether a new tab opens at it
      ["javascript:alert(1)", false],
      [`${session.origin}help.html`, true],
    ];
    for (const [target, opens] of rows) {
      await typeInto(page, "link_e", target);
      await untilInFrame(frame, (href) => document.querySelector("a")?.href === href, target);
      await settle(page);
      const tabs = (await session.browser.pages()).length;
      const opened = opens ? session.browser.waitForTarget((t) => t.url() === target) : null;
      await frame.click("a");
      await settle(page);
      if (opened) {
        await (await (await opened).page()).close();
      }
      assert.equal((await session.browser.pages()).length, tabs, target);
      assert.equal(await frame.evaluate(() => document.body.textContent), "HuewrightHTML!", target);
    }
    await page.close();
  });
});

describe("the keyboard", () => {
  // The controls that hold the focus on presses of Tab from the first of `scope`'s tab order.
  async function tabRound(page, scope, presses) {
    const order = [];
    for (let press = 0; press < presses; ++press) {
      order.push(await page.evaluate((inside) => {
        const focused = document.activeElement;
        return document.querySelector(inside).contains(focused) ? focused.dataset.control : "?";
      }, scope));
      await page.keyboard.press("Tab");
    }
    return order;
  }

  const tabRows = [
    {name: "the main window", scope: "#client", layout: "main", open: async () => {}},
    {name: "the settings dialog", scope: '[data-window="stat_form"]', layout: "settings",
     open: (page) => chooseMenu(page, "K1", "K2")},
  ];
  for (const row of tabRows) {
    it(`Tab goes through ${row.name} in the order of its layout table`, async () => {
      const {page} = await openPage(session);
      await row.open(page);
      // The table's order, less what the window passes over too: disabled controls, and the
      // buttons of a radio group but its checked one.
      const expected = await page.evaluate(async (scope, layout) => {
        const table = (await createHuewright()).layouts("ja")[layout].focusOrder;
        const inScope = (name) => document.querySelector(`${scope} [data-control="${name}"]`);
        return table.filter((name) => {
          const part = inScope(name);
          return !part.disabled && (part.type !== "radio" || part.checked);
        });
      }, row.scope, row.layout);
      await page.focus(`${row.scope} ${control(expected[0])}`);
      assert.deepEqual(await tabRound(page, row.scope, expected.length), expected);
      await page.close();
    });
  }

  it("moves a radio group's check and focus with the arrow keys, round the group", async () => {
    const {page} = await openPage(session);
    await page.click(control("TB"));
    const steps = [
      // the button with the focus, the key, the button checked after it
      ["Ftype1B", "ArrowDown", "Ftype2B"],
      ["Ftype2B", "ArrowRight", "Ftype3B"],
      ["Ftype3B", "ArrowDown", "Ftype1B"],
      ["Ftype1B", "ArrowUp", "Ftype3B"],
      ["Gtype1b", "ArrowLeft", "Gtype2b"],
    ];
    for (const [from, key, to] of steps) {
      await page.focus(control(from));
      await page.keyboard.press(key);
      await settle(page);
      assert.equal(await page.evaluate(() => document.activeElement.dataset.control), to, key);
      assert.equal((await stateOf(page, to)).checked, true, to);
    }
    await page.close();
  });

  it("opens, moves through and leaves the menus, and gives the focus back", async () => {
    const {page} = await openPage(session);
    await page.focus(control("WB"));
    const steps = [
      // keys, then the control with the focus and the menus open
      [["Alt+e"], "K2", ["K1"]],
      [["ArrowUp"], "Language1", ["K1"]],
      [["ArrowUp"], "Extended1", ["K1"]],
      [["ArrowUp"], "FormMenu", ["K1"]],
      [["ArrowRight"], "FormFONT", ["K1", "FormMenu"]],
      [["ArrowLeft"], "FormMenu", ["K1"]],
      [["ArrowRight", "ArrowDown"], "FormSPAN", ["K1", "FormMenu"]],
      [["Enter"], "WB", []],
      // The disabled 終了 and the separator are passed over; Left and Right go round the bar.
      [["F10"], "Open", ["File1"]],
      [["ArrowDown", "ArrowDown", "ArrowDown", "ArrowDown"], "Open", ["File1"]],
      [["ArrowUp"], "CopyLink", ["File1"]],
      [["ArrowLeft"], "SearchforHelpOn1", ["Help1"]],
      [["ArrowRight"], "Open", ["File1"]],
      [["Escape"], "WB", []],
      [["F10", "F10"], "WB", []],
      // An item's letter chooses it: バージョン情報(&A) opens its dialog at OK.
      [["Alt+h", "a"], "ok_b", []],
      [["Escape"], "WB", []],
    ];
    for (const [keys, focused, open] of steps) {
      for (const key of keys) {
        const [modifier, pressed] = key.startsWith("Alt+") ? ["Alt", key.slice(4)] : [null, key];
        if (modifier) {
          await page.keyboard.down(modifier);
        }
        await page.keyboard.press(pressed);
        if (modifier) {
          await page.keyboard.up(modifier);
        }
      }
      await settle(page);
      const seen = await page.evaluate(() => [
        document.activeElement.dataset.control,
        [...document.querySelectorAll(".menu.open")].map((m) => m.previousSibling.dataset.control),
      ]);
      assert.deepEqual(seen, [focused, open], keys.join(" "));
    }
    assert.equal(await page.$eval(control("FormSPAN"), (e) => e.getAttribute("aria-checked")),
                 "true");
    assert.equal(await page.$eval('[data-window="about_form"]', (e) => e.open), false);
    await page.close();
  });

  // A keyboard has no double click.
  const panelRows = [
    {name: "Enter on 終了色", key: "Enter", panel: "ec", scope: "#client"},
    {name: "Space on 開始色", key: "Space", panel: "sc", scope: "#client"},
    {name: "Enter on the settings dialog's 背景色", key: "Enter", panel: "bc",
     scope: '[data-window="stat_form"]', open: (page) => chooseMenu(page, "K1", "K2")},
  ];
  for (const row of panelRows) {
    it(`${row.name} shows the colour's code, and the focus comes back to the panel`, async () => {
      const {page} = await openPage(session);
      await row.open?.(page);
      const panel = `${row.scope} ${control(row.panel)}`;
      await page.focus(panel);
      await page.keyboard.press(row.key);
      const dialog = '[data-window="colorform"]';
      await page.waitForSelector(`${dialog}[open]`);
      await page.keyboard.type("#123456");
      await page.keyboard.press("Escape");
      await settle(page);
      assert.deepEqual(await page.$eval(panel, (e) => [e === document.activeElement,
                                                       e.style.backgroundColor]),
                       [true, "rgb(18, 52, 86)"]);
      await page.close();
    });
  }
});

// The entry rules' table (tests/support/entry_cases.tsv), run through the page's boxes: each row
// from a fresh page, with the control enabled where the window starts it disabled.
async function entryCases() {
  const escapes = {n: "\n", r: "\r", t: "\t", "\\": "\\"};
  const unescape = (text) => text.replace(/\\(x[0-9A-Fa-f]{2}|.)/g, (_, code) =>
      code.length === 3 ? String.fromCharCode(parseInt(code.slice(1), 16)) : escapes[code] ?? code);
  const table = await readFile(join(repository, "tests/support/entry_cases.tsv"), "utf8");
  return table.split("\n").filter((line) => line && !line.startsWith("#")).map((line) => {
    const [name, control, action, box, inserted, expected, beeps] = line.split("\t").map(unescape);
    const open = box.indexOf("[");
    const cursor = open >= 0 ? open : box.indexOf("|");
    const close = open >= 0 ? box.indexOf("]") : cursor;
    const bar = expected.indexOf("|");
    return {
      name, control, action, inserted, beeps: Number(beeps),
      before: cursor < 0 ? box : box.slice(0, cursor),
      selected: open >= 0 ? box.slice(open + 1, close) : "",
      after: cursor < 0 ? "" : box.slice(close + 1),
      expected: expected.replace("|", ""),
      head: bar < 0 ? null : expected.slice(0, bar),
    };
  });
}

const entryRows = await entryCases();
describe("an input method's text", () => {
  it("keeps what the text box can hold once committed, with one refusal", async () => {
    const {page} = await openPage(session);
    // The page opens with the text box's whole text selected.
    const client = await page.createCDPSession();
    await client.send("Input.imeSetComposition", {text: "a¥b", selectionStart: 3,
                                                  selectionEnd: 3});
    await client.send("Input.insertText", {text: "a¥b"});
    await settle(page);
    assert.deepEqual(await page.$eval(control("Edit1"), (e) => [e.value,
                                                                Number(e.dataset.refusals)]),
                     ["ab", 1]);
    assert.match(await fragmentOf(page), />b<\/FONT>/);
    await page.close();
  });
});

describe("the entry rules' table through the page", () => {
  const enabling = {WS: "WB", FDsize: "TB", FSsize: "TB", link_e: "LB"};
  const spins = ["Fsize", "WS", "FDsize", "FSsize"];
  for (const row of entryRows) {
    it(row.name, async () => {
      const {page} = await openPage(session);
      if (enabling[row.control]) {
        await page.click(control(enabling[row.control]));
      }
      const box = control(row.control);
      const whole = row.before + row.selected + row.after;
      if (!spins.includes(row.control)) {
        await page.$eval(box, (e, text) => {
          e.value = text;
        }, whole);
      }
      assert.equal(await page.$eval(box, (e) => e.value), whole);
      await page.focus(box);
      await page.$eval(box, (e, start, end) => e.setSelectionRange(start, end),
                       row.before.length, row.before.length + row.selected.length);
      if (row.action === "type") {
        await page.keyboard.type(row.inserted);
      } else if (row.action === "paste") {
        await page.$eval(box, (e, text) => {
          const data = new DataTransfer();
          data.setData("text/plain", text);
          e.dispatchEvent(new ClipboardEvent("paste", {clipboardData: data, bubbles: true,
                                                       cancelable: true}));
        }, row.inserted);
      } else if (row.action === "erase" || row.action === "enter") {
        await page.keyboard.press(row.action === "erase" ? "Backspace" : "Enter");
      } else {
        await page.click(`${box} ~ [data-step="${row.action}"]`);
      }
      await settle(page);
      const seen = await page.$eval(box, (e) => [e.value, e.selectionStart,
                                                 Number(e.dataset.refusals ?? 0)]);
      assert.equal(seen[0], row.expected);
      if (row.head !== null) {
        assert.equal(seen[1], row.head.length);
      }
      assert.equal(seen[2], row.beeps);
      await page.close();
    });
  }
});
