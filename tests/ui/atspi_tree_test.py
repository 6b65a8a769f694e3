"""Reads the program's windows through the desktop's accessibility bus (AT-SPI), as a screen
reader does, and checks that every control that takes the focus or shows a value has a name,
that the spin edits are spin buttons with their values, the radio buttons radio buttons and the
colour panels graphics with their colour.

Run as: xvfb-run -a dbus-run-session -- python3 atspi_tree_test.py PROGRAM
Exits 77 (skipped) with the reason where no bus, no X server or no pyatspi is at hand."""
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77


def skip(reason):
    print(f"skipped: {reason}")
    sys.exit(SKIP)


try:
    import pyatspi
    from gi.repository import Gio, GLib
except ImportError:
    skip("python3-pyatspi is not installed")

NAMED_ROLES = {"image", "label", "spin button", "text", "combo box", "list", "push button",
               "check box", "radio button", "page tab", "menu item"}


def walk(node, depth=0):
    yield node, depth
    for child in node:
        if child is not None:
            yield from walk(child, depth + 1)


def line(node):
    text = f'[{node.getRoleName()}] "{node.name}"'
    try:
        value = node.queryValue()
        text += f" value={value.currentValue:.0f} min={value.minimumValue:.0f} max={value.maximumValue:.0f}"
    except NotImplementedError:
        pass
    return text


def wait_for(find, what, timeout=15):
    end = time.time() + timeout
    while time.time() < end:
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    raise AssertionError(f"{what} did not appear on the bus")


def window(app, title):
    return wait_for(lambda: next((w for w in app if w is not None and w.name == title), None),
                    f"the window {title!r}")


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)


class Checker:
    def __init__(self):
        self.faults = []

    def check(self, condition, fault):
        if not condition:
            self.faults.append(fault)

    def window(self, frame, spins=0, radios=0, panels=()):
        """Prints the window's tree and checks it; `panels` are the colour panels' names."""
        print(f"== {frame.name}")
        self.check(frame.getRoleName() in ("frame", "dialog"),
                   f"{frame.name}: a {frame.getRoleName()}, not a window")
        found = {"spin button": 0, "radio button": 0}
        images = {}
        for node, depth in walk(frame):
            role = node.getRoleName()
            print("  " * depth + line(node))
            if node.getState().contains(pyatspi.STATE_FOCUSABLE) or role in NAMED_ROLES:
                # A list item is named by its own text; an empty list shows nothing.
                if role not in ("list item", "separator", "popup menu", "menu bar"):
                    self.check(node.name != "", f"{frame.name}: a {role} has no name")
            found[role] = found.get(role, 0) + 1
            if role == "spin button":
                self.check(node.childCount == 0, f"{node.name}: its step buttons stand apart")
                value = node.queryValue()
                self.check(value.minimumValue <= value.currentValue <= value.maximumValue
                           and value.minimumValue < value.maximumValue,
                           f"{node.name}: value {value.currentValue:.0f} outside its range")
            if role == "image" and node.name in panels:
                images[node.name] = node.queryValue().currentValue
        self.check(found["spin button"] == spins, f"{frame.name}: {found['spin button']} spin buttons")
        self.check(found["radio button"] == radios, f"{frame.name}: {found['radio button']} radio buttons")
        self.check(sorted(images) == sorted(panels), f"{frame.name}: colour panels {sorted(images)}")
        return images


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: atspi_tree_test.py PROGRAM")
    if not os.environ.get("DISPLAY"):
        skip("no X server (run under xvfb-run)")
    if not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
        skip("no session bus (run under dbus-run-session)")
    if not os.path.exists("/usr/libexec/at-spi-bus-launcher"):
        skip("at-spi2-core is not installed")
    if shutil.which("xdotool") is None:
        skip("xdotool is not installed")
    # xvfb-run may hand over before the X server takes clients.
    wait_for(lambda: subprocess.run(["xdotool", "getdisplaygeometry"], capture_output=True)
             .returncode == 0 or None, "the X server", timeout=30)
    # The session bus starts the accessibility bus when it is first asked for its address; the
    # program looks for it once, as it starts, so it must be up first.
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)

    def bus_address():
        try:
            return session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                     None, None, Gio.DBusCallFlags.NONE, 1000, None)
        except GLib.Error:
            return None

    try:
        wait_for(bus_address, "the accessibility bus", timeout=30)
    except AssertionError as error:
        skip(str(error))
    # The registry starts with the first question put to it and connects to the X server; a
    # program connecting at that moment was seen refused, so it starts first.
    pyatspi.Registry.getDesktop(0).childCount
    work = tempfile.mkdtemp()
    # The C locale speaks Japanese, whatever the language of the machine the test runs on.
    env = {name: value for name, value in os.environ.items()
           if name not in ("LANGUAGE", "LC_ALL", "LC_MESSAGES")}
    env.update(QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANG="C.UTF-8")
    program = subprocess.Popen([sys.argv[1]], cwd=work, env=env)
    try:
        def started():
            if program.poll() is not None:
                raise AssertionError(f"the program ended with status {program.returncode}")
            return next((a for a in pyatspi.Registry.getDesktop(0)
                         if a is not None and a.name == "HuewrightHTML"), None)

        app = wait_for(started, "the program", timeout=60)
        checker = Checker()
        main_window = window(app, "HuewrightHTML")
        colours = checker.window(main_window, spins=4, radios=5, panels=("開始色", "中間色", "終了色"))
        # The start-up colours, as the colour-code dialog spells them.
        checker.check(colours == {"開始色": 0xFF00FF, "中間色": 0xFFFF00, "終了色": 0x0000FF},
                      f"colour panels say {colours}")

        handle = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--limit", "1",
                                 "--name", "^HuewrightHTML$"], capture_output=True, text=True,
                                check=True).stdout.strip()

        def keys(*sequence):
            xdotool("windowfocus", "--sync", handle)
            xdotool("key", "--clearmodifiers", *sequence)

        # A change is announced: typing changes the length, swapping the colour panels.
        heard = set()

        def listener(event):
            heard.add(event.source.name)

        changes = "object:property-change:accessible-value"
        pyatspi.Registry.registerEventListener(listener, changes)
        keys("End", "x")
        swap = next(n for n, _ in walk(main_window)
                    if n.getRoleName() == "push button" and n.name == "色反転")
        x, y, width, height = swap.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        xdotool("mousemove", str(x + width // 2), str(y + height // 2), "click", "1")
        expected = {"タグ文字数", "開始色", "終了色"}
        context = GLib.MainContext.default()
        end = time.time() + 5
        while time.time() < end and not expected <= heard:
            context.iteration(False)
            time.sleep(0.02)
        pyatspi.Registry.deregisterEventListener(listener, changes)
        print(f"value changes heard from: {sorted(heard)}")
        checker.check(expected <= heard, f"no value change heard from {sorted(expected - heard)}")

        keys("alt+e", "o")
        checker.window(window(app, "Ｌｕｍｏ設定"), radios=4,
                       panels=("開始色", "中間色", "終了色", "背景色"))
        xdotool("key", "Escape")

        start = next(n for n, _ in walk(main_window) if n.getRoleName() == "image" and n.name == "開始色")
        x, y, width, height = start.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        xdotool("mousemove", str(x + width // 2), str(y + height // 2), "click", "--repeat", "2",
                "--delay", "80", "1")
        checker.window(window(app, "ColorNo"))
        xdotool("key", "Escape")

        keys("alt+h", "a")
        checker.window(window(app, "バージョン情報"))
        xdotool("key", "Escape")

        keys("F1")
        checker.window(window(app, "HuewrightHTML ヘルプ"))

        # An English locale speaks English, in the windows and the help alike.
        program.kill()
        program.wait()
        program = subprocess.Popen([sys.argv[1]], cwd=work, env=dict(env, LANG="en_US.UTF-8"))
        app = wait_for(started, "the program in English", timeout=60)
        english = window(app, "HuewrightHTML")
        names = {n.name for n, _ in walk(english) if n.getRoleName() == "push button"}
        checker.check({"Start", "Swap", "Copy to clipboard"} <= names,
                      f"English buttons are named {sorted(names)}")
        keys("F1")
        checker.window(window(app, "HuewrightHTML Help"))

        for fault in checker.faults:
            print(f"FAULT: {fault}")
        print(f"{0 if checker.faults else 1} passed, {len(checker.faults)} failed")
        return 1 if checker.faults else 0
    finally:
        program.kill()
        program.wait()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
