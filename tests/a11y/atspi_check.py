#!/usr/bin/python3
"""The running game read from outside through AT-SPI, as a screen reader reads
it: the hand's card names, the pile, the counts, and a suit button's checked
state before and after the key that names its suit.

usage: atspi_check.py [--no-session-bus] KOLVAR   (on an X display, in a
D-Bus session whose accessibility bus is up: see with_a11y_bus.sh)

With --no-session-bus the game runs as from a bare X login: no session bus
named, and the accessibility bus named only on the display's root window.
"""
import os
import re
import subprocess
import sys
import tempfile
import time

import pyatspi

CARD = re.compile(r"^(7|8|9|10|as|12|13|14) de (romb|inima neagra|inima rosie|trefla)$")


def wait_for(what, bound=20.0):
    """Polls `what` until it gives something true, or fails after `bound` s."""
    deadline = time.monotonic() + bound
    while time.monotonic() < deadline:
        found = what()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"FAIL: gave up waiting for {what.__doc__}")


def find(root, match):
    """The first accessible below `root` (depth first) that `match` accepts."""
    if match(root):
        return root
    for i in range(root.childCount):
        child = root.getChildAtIndex(i)
        if child is not None:
            found = find(child, match)
            if found is not None:
                return found
    return None


def named(root, name):
    return find(root, lambda a: a.name == name)


def game_app(pid):
    """the game's application on the accessibility bus"""
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def a11y_bus_address():
    return subprocess.run(
        ["dbus-send", "--session", "--print-reply=literal", "--dest=org.a11y.Bus",
         "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
        capture_output=True, text=True, check=True).stdout.strip()


def bus_call(address, *call):
    return subprocess.run(
        ["dbus-send", f"--bus={address}", "--print-reply", "--dest=org.freedesktop.DBus",
         "/org/freedesktop/DBus", *call], capture_output=True, text=True).stdout


def on_bus(address, pid):
    """the game's connection to the accessibility bus"""
    for name in re.findall(r'string "(:[0-9.]+)"', bus_call(address, "org.freedesktop.DBus.ListNames")):
        found = re.search(r"uint32 (\d+)", bus_call(
            address, "org.freedesktop.DBus.GetConnectionUnixProcessID", f"string:{name}"))
        if found and int(found.group(1)) == pid:
            return name
    return None


def check_bare_login(kolvar, env):
    """With no session bus named and none at the runtime folder, the game
    launches none, and joins the accessibility bus that the root window
    names. (Qt 6.4's bridge then loses the signal that would register the
    application there; later Qt registers it.)"""
    address = a11y_bus_address()
    subprocess.run(["xprop", "-root", "-f", "AT_SPI_BUS", "8s", "-set", "AT_SPI_BUS", address],
                   check=True)
    env.pop("DBUS_SESSION_BUS_ADDRESS", None)
    with tempfile.TemporaryDirectory() as runtime:
        env["XDG_RUNTIME_DIR"] = runtime
        game = subprocess.Popen([kolvar], env=env)
        try:
            def joined():
                """the game on the accessibility bus"""
                return on_bus(address, game.pid)

            print("on the accessibility bus as", wait_for(joined))
            launched = subprocess.run(["pgrep", "-x", "dbus-launch"], capture_output=True).stdout
            if launched:
                sys.exit(f"FAIL: a session bus was launched: dbus-launch {launched.split()}")
        finally:
            game.kill()
            game.wait()


def main():
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    if sys.argv[1] == "--no-session-bus":
        check_bare_login(sys.argv[2], env)
        return
    game = subprocess.Popen([sys.argv[1]], env=env)
    try:
        app = wait_for(lambda: game_app(game.pid))
        window = wait_for(lambda: subprocess.run(
            ["xdotool", "search", "--all", "--onlyvisible", "--pid", str(game.pid),
             "--name", "^Have fun!!$"], capture_output=True, text=True).stdout.split())[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
        subprocess.run(["xdotool", "key", "F2"], check=True)

        def dealt():
            """the dealt hand"""
            hand = named(app, "Cartile tale")
            return hand if hand is not None and hand.childCount == 5 else None

        hand = wait_for(dealt)
        if hand.getRole() != pyatspi.ROLE_LIST:
            sys.exit(f"FAIL: the hand is a {hand.getRoleName()}, not a list")
        cards = [hand.getChildAtIndex(i).name for i in range(hand.childCount)]
        print("hand:", ", ".join(cards))
        if not all(CARD.match(c) for c in cards) or len(set(cards)) != 5:
            sys.exit(f"FAIL: the hand's cards are not five named cards: {cards}")
        for name in ("Cartea de sus: niciuna", "Calculatorul: 5 carti", "Pachetul: 22 de carti"):
            if named(app, name) is None:
                sys.exit(f"FAIL: nothing named {name!r}")

        romb = named(app, "romb")
        if romb.getRole() != pyatspi.ROLE_CHECK_BOX or romb.getState().contains(pyatspi.STATE_CHECKED):
            sys.exit(f"FAIL: the diamonds button is a {romb.getRoleName()}, "
                     f"{[pyatspi.stateToString(s) for s in romb.getState().getStates()]}")
        subprocess.run(["xdotool", "key", "1"], check=True)  # names diamonds

        def checked():
            """the diamonds button checked"""
            return named(app, "romb").getState().contains(pyatspi.STATE_CHECKED)

        wait_for(checked)
        print("romb: checked after the key 1")
    finally:
        game.kill()
        game.wait()


if __name__ == "__main__":
    main()
