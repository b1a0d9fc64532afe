"""What a screen reader sees of the running program, read through the AT-SPI bus with pyatspi.

    atspi_client.py main     print the main window's tree and check its names, picture and links
    atspi_client.py press-link TEXT    press the first link whose name starts with TEXT
    atspi_client.py reading  press the reading button and check the display window's picture
    atspi_client.py labels   print the texts of the main window's labels, one a line
    atspi_client.py calendar-day     print the name of the calendar's selected day
    atspi_client.py calendar-days    print the names of the calendar's day cells, one a line
    atspi_client.py lists    print the main window's Date, Month and Year lists' values
    atspi_client.py display-labels   print the texts of the showing display window's labels
    atspi_client.py window-labels TITLE   print the names of the labels of the showing window TITLE

Every check that fails prints FAIL: ... and ends with status 1.
"""
import sys
import time

import pyatspi

TIMEOUT = 60


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def wait_for(find, what):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    fail(f"{what} did not appear on the accessibility bus within {TIMEOUT} s")


def application():
    def find():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and (app.name or "").lower() == "lunetide":
                return app
        return None
    return wait_for(find, "the application")


def window(title):
    def find():
        for frame in application():
            if frame is not None and frame.name == title and frame.getState().contains(
                    pyatspi.STATE_SHOWING):
                return frame
        return None
    return wait_for(find, f'a showing window "{title}"')


def walk(node, depth=0):
    yield depth, node
    # The items of a list are many and say nothing new: the list's value names the choice.
    if node.getRole() == pyatspi.ROLE_LIST:
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def labelled_by(node):
    return [relation.getTarget(i).name
            for relation in node.getRelationSet()
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for i in range(relation.getNTargets())]


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def line(depth, node):
    text = f"{'  ' * depth}[{node.getRoleName()}] {node.name!r}"
    if node.description:
        text += f" description={node.description!r}"
    if labelled_by(node):
        text += f" labelled-by={labelled_by(node)}"
    if actions(node):
        text += f" actions={actions(node)}"
    return text


def nodes(top, role):
    return [node for _, node in walk(top) if node.getRole() == role]


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == "Press":
            action.doAction(i)
            return
    fail(f"{node.name!r} has no Press action")


def check_picture(top):
    pictures = nodes(top, pyatspi.ROLE_IMAGE)
    if [p.name for p in pictures] != ["Moon picture"]:
        fail(f"expected one image named 'Moon picture', found {[p.name for p in pictures]}")
    labels = [n.name for n in nodes(top, pyatspi.ROLE_LABEL)]
    description = pictures[0].description
    phase, _, age = description.partition(", the moon ")
    if phase not in labels or not age.endswith(" old"):
        fail(f"the picture's description {description!r} does not name a phase shown")
    return description


def main_window():
    top = window("Lunetide v1.15")
    for depth, node in walk(top):
        print(line(depth, node))
    lists = {tuple(labelled_by(n))[:1]: n.name for n in nodes(top, pyatspi.ROLE_COMBO_BOX)}
    if sorted(lists) != [("Date",), ("Month",), ("Year",)]:
        fail(f"the lists are labelled {sorted(lists)}, not Date, Month and Year")
    check_picture(top)
    links = nodes(top, pyatspi.ROLE_LINK)
    if len(links) != 4 or any(actions(link) != ["Press"] for link in links):
        fail(f"expected 4 links with a Press action, found {[line(0, n) for n in links]}")
    if any(link.getState().contains(pyatspi.STATE_FOCUSABLE) for link in links):
        fail("a link takes the keyboard focus")


def press_link(start):
    top = window("Lunetide v1.15")
    for link in nodes(top, pyatspi.ROLE_LINK):
        if link.name.startswith(start):
            press(link)
            return
    fail(f"no link starting with {start!r}")


def has_button(top, name):
    return any(n.name == name for n in nodes(top, pyatspi.ROLE_PUSH_BUTTON))


def display_window():
    """The display window: the showing window with a Back button."""
    def find():
        for frame in application():
            if (frame is not None and frame.getState().contains(pyatspi.STATE_SHOWING)
                    and has_button(frame, "Back")):
                return frame
        return None
    return wait_for(find, "the display window")


def reading():
    main = window("Lunetide v1.15")
    buttons = [n for n in nodes(main, pyatspi.ROLE_PUSH_BUTTON) if n.name == "Moon Magick Reading"]
    if not buttons:
        fail("no button 'Moon Magick Reading'")
    press(buttons[0])
    shown = display_window()
    print(f"display window picture: {check_picture(shown)!r}")


def labels():
    for node in nodes(window("Lunetide v1.15"), pyatspi.ROLE_LABEL):
        print(node.name)


def calendar_table():
    """The day table of the showing calendar, inside the calendar (a table of two children)."""
    def find():
        for frame in application():
            if frame is None or not frame.getState().contains(pyatspi.STATE_SHOWING):
                continue
            tables = [t for t in nodes(frame, pyatspi.ROLE_TABLE) if t.childCount > 7]
            if tables:
                return tables[0]
        return None
    return wait_for(find, "the calendar's table")


def day_cells(table):
    return [table.getChildAtIndex(i) for i in range(table.childCount)
            if table.getChildAtIndex(i) is not None]


def calendar_day():
    cells = [c for c in day_cells(calendar_table())
             if c.getState().contains(pyatspi.STATE_SELECTED)]
    if len(cells) != 1:
        fail(f"expected one selected day, found {[c.name for c in cells]}")
    print(cells[0].name)


def calendar_days():
    for cell in day_cells(calendar_table()):
        print(cell.name)


def lists():
    top = window("Lunetide v1.15")
    values = {tuple(labelled_by(n))[:1]: n.name for n in nodes(top, pyatspi.ROLE_COMBO_BOX)}
    print(" ".join(values.get((heading,), "?") for heading in ("Date", "Month", "Year")))


def display_labels():
    for node in nodes(display_window(), pyatspi.ROLE_LABEL):
        print(node.name)


def window_labels(title):
    for node in nodes(window(title), pyatspi.ROLE_LABEL):
        print(node.name)


{"main": main_window, "press-link": lambda: press_link(sys.argv[2]), "reading": reading,
 "labels": labels, "calendar-day": calendar_day, "calendar-days": calendar_days, "lists": lists,
 "display-labels": display_labels,
 "window-labels": lambda: window_labels(sys.argv[2])}[sys.argv[1]]()
