# SPDX-License-Identifier: GPL-3.0-or-later
"""The windows as a screen reader meets them through the accessibility bus: every list tells
its chosen entry, the keyboard changes a shape, a material is picked and read back, a
calculation's results are read from the result fields with their units, and the parts list is
read with only what has the focus said to have it; its Prices dialog is read control by control.

Run by run-atspi-test.sh inside a private D-Bus session on an X display; argument: the pid of
the running program."""
import subprocess
import sys
import time

import pyatspi

APPLICATION = "Orlisk Volume Calculator"
failures = []


def check(what, seen, expected):
    if seen != expected:
        failures.append(f"{what}: read {seen!r}, expected {expected!r}")


def wait_for(what, probe, timeout=20.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        found = probe()
        if found:
            return found
        time.sleep(0.05)
    raise SystemExit(f"timed out waiting for {what}")


def application(pid):
    def probe():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == APPLICATION and app.get_process_id() == pid:
                frames = [w for w in app if w is not None and
                          w.getState().contains(pyatspi.STATE_SHOWING)]
                if frames:
                    return app
        return None
    return wait_for("the main window on the accessibility bus", probe)


def descendants(root):
    """What is on screen under root; the rows of a closed list are not."""
    for child in root:
        if child is None or not showing(child):
            continue
        yield child
        if child.getRole() != pyatspi.ROLE_COMBO_BOX:
            yield from descendants(child)


def showing(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


def labels_of(accessible):
    names = []
    for relation in accessible.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            names += [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return names


def purpose(accessible):
    """What a control is for, as a screen reader tells it besides its value."""
    return [accessible.description] + labels_of(accessible)


def focused(root):
    """Every showing control under root that says it has the focus."""
    return [a for a in descendants(root) if a.getState().contains(pyatspi.STATE_FOCUSED)]


def window_named(app, title):
    def probe():
        found = [w for w in app if w is not None and title in w.name and showing(w)]
        return found[0] if found else None
    return wait_for("the window " + title, probe)


def give_keyboard(pid, title):
    """There is no window manager to hand a window the keyboard: give it as one would."""
    subprocess.run(["xdotool", "search", "--sync", "--all", "--onlyvisible", "--pid", str(pid),
                    "--name", title, "windowfocus", "--sync"], check=True, stdout=subprocess.DEVNULL)


def find(root, role, said, group=None):
    """The one showing control of the role whose name, description or label says `said`."""
    found = [a for a in descendants(root) if a.getRole() == role and
             (said == a.name or said in purpose(a)) and
             (group is None or group in labels_of(a))]
    if len(found) != 1:
        raise SystemExit(f"{len(found)} showing {pyatspi.Role(role)} controls read as {said!r}")
    return found[0]


def text_of(accessible):
    return accessible.queryText().getText(0, -1)


def settle(what, read, expected, timeout=10.0):
    """Reads until the bus shows the expected text: the program answers input asynchronously."""
    end = time.monotonic() + timeout
    seen = read()
    while seen != expected and time.monotonic() < end:
        time.sleep(0.05)
        seen = read()
    check(what, seen, expected)


def entry(combo):
    """The entry a screen reader speaks for a drop-down list: on this desktop its name, and its
    text for a reader that asks for one."""
    if "Text" not in combo.get_interfaces():
        return combo.name, None
    return combo.name, text_of(combo)


def press_keys(control, *keys):
    """Focuses the control as the Tab key would and types on the real keyboard."""
    control.queryComponent().grabFocus()
    wait_for("the focus on " + control.name, lambda: control.getState().contains(pyatspi.STATE_FOCUSED))
    subprocess.run(["xdotool", "key", "--delay", "20", *keys], check=True)


def type_text(control, text):
    control.queryComponent().grabFocus()
    wait_for("the focus on " + control.name, lambda: control.getState().contains(pyatspi.STATE_FOCUSED))
    subprocess.run(["xdotool", "type", "--delay", "20", text], check=True)


def click(control):
    """A real pointer click: a button that may open a modal box is not pressed through the bus,
    whose press call would not return until the box closed."""
    x, y, width, height = control.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", "--sync", str(x + width // 2), str(y + height // 2),
                    "click", "1"], check=True)


COMBO = pyatspi.ROLE_COMBO_BOX
TEXT = pyatspi.ROLE_TEXT
# What a user works: each must say what it is.
CONTROL_ROLES = (pyatspi.ROLE_PUSH_BUTTON, TEXT, COMBO, pyatspi.ROLE_TABLE, pyatspi.ROLE_SPIN_BUTTON,
                 pyatspi.ROLE_CHECK_BOX)


def main():
    pid = int(sys.argv[1])
    app = application(pid)
    give_keyboard(pid, APPLICATION)
    main_window = window_named(app, APPLICATION)
    check("main window role", main_window.getRole(), pyatspi.ROLE_FRAME)

    # Every list tells its chosen entry; the other fields their values.
    lists = {"Object shape": "Parallelepiped", "Object length unit": "millimeter",
             "Aperture shape": "None", "Aperture length unit": "millimeter",
             "Material": "Steel", "Volume unit": "meter", "Mass unit": "kilogram"}
    for purpose_text, expected in lists.items():
        check(purpose_text, entry(find(app, COMBO, purpose_text)), (expected, expected))
    for group in ("Object", "Aperture"):
        spin = find(app, pyatspi.ROLE_SPIN_BUTTON, group + " quantity")
        check(group + " quantity", (spin.queryValue().currentValue, text_of(spin)), (1.0, "1"))
    check("density", text_of(find(app, TEXT, "Density")), "7850")
    # The density's unit, drawn as "kg/m" and a raised "3", is read as words, once.
    labels = [a.name for a in descendants(app) if a.getRole() == pyatspi.ROLE_LABEL]
    check("density unit", [n for n in labels if n in ("kilograms per cubic metre", "kg/m", "3")],
          ["kilograms per cubic metre"])

    # The keyboard changes the object shape; the list and the picture tell the new one.
    shape = find(app, COMBO, "Object shape")
    press_keys(shape, "Down")
    settle("object shape after Down", lambda: entry(shape), ("Cylinder", "Cylinder"))
    check("object picture", find(app, pyatspi.ROLE_IMAGE, "Object picture: Cylinder").name,
          "Object picture: Cylinder")

    # A material picked with the keyboard is read back with its density.
    material = find(app, COMBO, "Material")
    press_keys(material, "Down")
    settle("material after Down", lambda: entry(material), ("Aluminium", "Aluminium"))
    settle("density of the picked material", lambda: text_of(find(app, TEXT, "Density")), "2700")

    # A calculation typed in and started with the pointer; its results read from the fields.
    type_text(find(app, TEXT, "Object Diameter (a)"), "100")
    type_text(find(app, TEXT, "Object Length (b)"), "1000")
    click(find(app, pyatspi.ROLE_PUSH_BUTTON, "Click for calculate this object"))
    results = {"Total volume, cubic meter": "0.008", "Object volume, cubic meter": "0.008",
               "Aperture volume, cubic meter": "0.000", "Total mass, kilogram": "21.206",
               "Object mass, kilogram": "21.206", "Aperture mass, kilogram": "0.000"}
    for name, expected in results.items():
        settle(name, lambda: text_of(find(app, TEXT, name)), expected)

    # The last shape, a standard section: its lists tell their entries, the keyboard picks a
    # family, its figures follow the size and the material, and it weighs the length typed.
    press_keys(shape, "End")
    settle("object shape after End", lambda: entry(shape), ("Standard section", "Standard section"))
    family = find(app, COMBO, "Object section family")
    check("section family", entry(family), ("IPE", "IPE"))
    press_keys(family, "Down")
    settle("section family after Down", lambda: entry(family), ("HEA", "HEA"))
    settle("section size", lambda: entry(find(app, COMBO, "Object section size")), ("HEA 100", "HEA 100"))
    settle("section area", lambda: text_of(find(app, TEXT, "Section area")), "A = 21.24 cm\u00b2")
    settle("mass per metre", lambda: text_of(find(app, TEXT, "Mass per metre")), "5.734 kg/m")
    check("section picture", find(app, pyatspi.ROLE_IMAGE, "Object picture: Standard section HEA").name,
          "Object picture: Standard section HEA")
    type_text(find(app, TEXT, "Object Length"), "1000")
    click(find(app, pyatspi.ROLE_PUSH_BUTTON, "Click for calculate this object"))
    settle("object mass with the section", lambda: text_of(find(app, TEXT, "Object mass, kilogram")), "26.939")

    # The fields' names follow the unit lists.
    press_keys(find(app, COMBO, "Volume unit"), "Up")
    settle("total volume in cubic centimetres",
           lambda: [a.name for a in descendants(app) if a.getRole() == TEXT and a.name.startswith("Total volume")],
           ["Total volume, cubic centimeter"])

    # The parts list: a frame of its own, its headers read with their units in words, and the
    # focus in one place only, the table's current cell and then the button Tab moves to.
    subprocess.run(["xdotool", "key", "ctrl+l"], check=True)
    parts_list = window_named(app, "Parts list")
    check("parts list role", parts_list.getRole(), pyatspi.ROLE_FRAME)
    give_keyboard(pid, "Parts list")
    table = find(parts_list, pyatspi.ROLE_TABLE, "Parts list")
    check("volume header", table.queryTable().getColumnHeader(9).name, "Volume, cubic centimeter")
    settle("focused in the table", lambda: [a.getRole() for a in focused(parts_list)],
           [pyatspi.ROLE_TABLE, pyatspi.ROLE_TABLE_CELL])
    subprocess.run(["xdotool", "key", "Tab"], check=True)
    settle("focused after Tab", lambda: [(a.getRole(), a.name) for a in focused(app)],
           [(pyatspi.ROLE_PUSH_BUTTON, "Copy")])

    # Its Prices dialog: every control has a role and a name a screen reader can speak, the
    # table's headers read their units in words, and each row reads its material.
    click(find(parts_list, pyatspi.ROLE_PUSH_BUTTON, "Prices"))
    prices = window_named(app, "Prices")
    check("prices dialog role", prices.getRole(), pyatspi.ROLE_DIALOG)
    controls = {(pyatspi.ROLE_TABLE, "Prices per kilogram"), (TEXT, "Currency"),
                (pyatspi.ROLE_PUSH_BUTTON, "OK"), (pyatspi.ROLE_PUSH_BUTTON, "Cancel")}
    spoken = {(a.getRole(), a.name) for a in descendants(prices) if a.getRole() in CONTROL_ROLES}
    check("prices dialog controls", spoken, controls)
    check("currency label", labels_of(find(prices, TEXT, "Currency")), ["Currency:"])
    price_table = find(prices, pyatspi.ROLE_TABLE, "Prices per kilogram").queryTable()
    check("prices headers", [price_table.getColumnHeader(c).name for c in range(price_table.nColumns)],
          ["Material", "Density, kilograms per cubic metre", "Price per kilogram"])
    check("prices first row", [price_table.getAccessibleAt(0, c).name for c in range(price_table.nColumns)],
          ["Steel", "7850", ""])
    click(find(prices, pyatspi.ROLE_PUSH_BUTTON, "Cancel"))
    wait_for("the prices dialog to close", lambda: not showing(prices))

    give_keyboard(pid, "Parts list")
    subprocess.run(["xdotool", "key", "Escape"], check=True)
    wait_for("the parts list to close", lambda: not showing(parts_list))

    # Exit asks first, the list never having been saved; its Discard (Alt+D) ends the program.
    click(find(app, pyatspi.ROLE_PUSH_BUTTON, "Exit"))
    wait_for("the question to save, discard or cancel",
             lambda: any(w is not None and w.getRole() == pyatspi.ROLE_ALERT and showing(w) for w in app))
    give_keyboard(pid, "Confirm")
    subprocess.run(["xdotool", "key", "alt+d"], check=True)


if __name__ == "__main__":
    try:
        main()
    finally:
        if failures:
            print("\n".join(failures), file=sys.stderr)
    sys.exit(1 if failures else 0)
