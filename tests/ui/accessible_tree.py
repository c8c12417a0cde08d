"""Reads the running window through the AT-SPI library, as a screen reader
does, and checks names, roles, values and relations; exits 1 on a fault."""
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

warnings.simplefilter("ignore", DeprecationWarning)  # Action's names, the only way in this version

faults = []


def check(ok, what):
    if not ok:
        faults.append(what)


def application():
    desktop = Atspi.get_desktop(0)
    for _ in range(100):
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app and app.get_name() == "Quorvane":
                return app
        time.sleep(0.1)
    sys.exit("FAIL: Quorvane is not on the accessibility bus")


def everything(node):
    yield node
    for i in range(node.get_child_count()):
        yield from everything(node.get_child_at_index(i))


objects = list(everything(application()))
by_name = {o.get_name(): o for o in objects}
focusable = [o for o in objects if o.get_state_set().contains(Atspi.StateType.FOCUSABLE)]
names = [o.get_name() for o in focusable]
check(all(names), f"a focusable object without a name: {names}")
check(len(set(names)) == len(names), f"focusable names repeat: {names}")
unnamed = [o.get_role_name() for o in objects if not o.get_name()]
check(not unnamed, f"objects without a name: {unnamed}")

for picture in ["Message signal", "Message spectrum", "Carrier", "Modulated signal", "Modulated spectrum"]:
    check(by_name[picture].get_role() == Atspi.Role.IMAGE, f"{picture} is not an image")

# The narrow switches at the pictures' edge are read over the box they draw.
for switch, box in [("Modulated trace", (392, 408, 17, 48)), ("Modulated spectrum trace", (392, 536, 21, 56))]:
    extents = by_name[switch].get_extents(Atspi.CoordType.WINDOW)
    check((extents.x, extents.y, extents.width, extents.height) == box, f"{switch} covers {extents}")

# Values in the units of the boxes; the tolerance only absorbs binary fractions.
for bar, value, low, high, step in [("Message frequency", 5, 2.5, 10, 0.1),
                                    ("Carrier frequency", 64, 32, 128, 2),
                                    ("Modulation depth", 1, 0.2, 2, 0.2)]:
    got = by_name[bar]
    figures = [got.get_current_value(), got.get_minimum_value(), got.get_maximum_value(), got.get_minimum_increment()]
    check(all(abs(a - b) < 1e-9 for a, b in zip(figures, [value, low, high, step])),
          f"{bar}: value, minimum, maximum, step {figures}")

depth = by_name["Modulation depth"]
actions = [depth.get_action_name(i) for i in range(depth.get_n_actions())]
check("Increase" in actions, f"depth actions {actions}")
if "Increase" in actions:
    depth.do_action(actions.index("Increase"))
    time.sleep(0.3)
    check(abs(depth.get_current_value() - 1.2) < 1e-9, f"Increase left the depth at {depth.get_current_value()}")
    check(by_name["Modulation depth value"].get_text(0, -1) == "1.2", "Increase did not reach the depth's box")

for choice_list, label, choice in [("Message type", "Signal Type", "Sine Wave"),
                                   ("Modulation scheme", "Modulation", "DSB-SC")]:
    got = by_name[choice_list]
    labels = [r.get_target(0).get_name() for r in got.get_relation_set()
              if r.get_relation_type() == Atspi.RelationType.LABELLED_BY]
    check(labels == [label], f"{choice_list} labelled by {labels}")
    check(got.get_text(0, -1) == choice, f"{choice_list} reads {got.get_text(0, -1)!r}")

# Units and repeated captions name nothing.
for o in objects:
    for r in o.get_relation_set():
        if r.get_relation_type() == Atspi.RelationType.LABEL_FOR:
            check(o.get_name() not in ("Hz", "Frequency"), f"{o.get_name()} labels a control")

for box, shown in [("Message frequency, Hz", " 5"), ("Carrier frequency, Hz", " 64")]:
    got = by_name[box]
    check(got.get_state_set().contains(Atspi.StateType.READ_ONLY), f"{box} is not read-only")
    try:
        got.set_text_contents("7")
    except Exception:  # refused, as it must be
        pass
    time.sleep(0.2)
    check(got.get_text(0, -1) == shown, f"{box} was written through AT-SPI: {got.get_text(0, -1)!r}")

print(*(f"FAIL: {fault}" for fault in faults), f"{len(objects)} objects, {len(faults)} faults", sep="\n")
sys.exit(1 if faults else 0)
