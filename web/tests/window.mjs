// The page's window as a user drives it: clicks, typing, menus and the browser's pickers.
export const control = (name) => `[data-control="${name}"]`;

/// Replaces the text of a box by selecting it all and typing.
export async function typeInto(page, name, text) {
  await page.click(control(name), {clickCount: 3});
  await page.keyboard.down("Control");
  await page.keyboard.press("KeyA");
  await page.keyboard.up("Control");
  if (text === "") {
    await page.keyboard.press("Backspace");
  } else {
    await page.keyboard.type(text);
  }
}

/// Chooses a menu item through its menus, as a user clicks them.
export async function chooseMenu(page, ...path) {
  for (const name of path) {
    await page.click(control(name));
  }
}

/// Clicks a colour button and answers the browser's colour picker with `colour` ("#rrggbb").
export async function pickColour(page, button, colour) {
  await page.click(control(button));
  await page.evaluate((value) => {
    const picker = document.getElementById("colour-picker");
    picker.value = value;
    picker.dispatchEvent(new Event("change"));
  }, colour);
}

/// The value, checked and enabled state of a control, as the page shows them.
export function stateOf(page, name) {
  return page.$eval(control(name), (part) => ({
    value: part.value,
    checked: part.checked,
    enabled: !part.disabled,
    colour: part.style.backgroundColor,
  }));
}

export const fragmentOf = (page) => page.$eval(control("html_e"), (box) => box.value);

/// Waits until the events the browser has queued (a dialog's close among them) have run.
export const settle = (page) => page.evaluate(() => new Promise((done) => setTimeout(done, 0)));
