# A second accessibility client, as an inspector, a test driver or another
# assistive tool is: every 0.3 s it walks the whole tree of every application
# on the accessibility bus and reads each object's name, role, states,
# description and text. With --listen it also listens to every object and
# window event meanwhile, as an event monitor or another screen reader does.
# Used by tools/listen.sh --walker; runs until killed.
#   /usr/bin/python3 tools/walk_tree.py [--listen] [seconds between walks]
import sys, threading, time
import pyatspi

args = [a for a in sys.argv[1:] if a != '--listen']
PAUSE = float(args[0]) if args else 0.3


def visit(obj, depth=0):
    if obj is None or depth > 40:
        return 0
    seen = 1
    try:
        obj.name, obj.getRole(), obj.getState().getStates(), obj.description
        text = obj.queryText()
        text.getText(0, -1)
    except NotImplementedError:
        pass
    except Exception:
        return seen  # gone while we looked
    try:
        children = [obj.getChildAtIndex(i) for i in range(obj.childCount)]
    except Exception:
        return seen
    for child in children:
        seen += visit(child, depth + 1)
    return seen


def walk():
    desktop = pyatspi.Registry.getDesktop(0)
    walks = 0
    while True:
        try:
            count = sum(visit(app) for app in desktop if app is not None)
        except Exception:
            count = 0
        walks += 1
        if walks % 100 == 1:
            print(f"walk {walks}: {count} objects", flush=True)
        time.sleep(PAUSE)


if '--listen' in sys.argv:
    heard = [0]

    def event(e):
        heard[0] += 1
        e.source.name  # an event monitor looks at what sent it

    pyatspi.Registry.registerEventListener(event, 'object:', 'window:', 'focus:')
    threading.Thread(target=walk, daemon=True).start()
    pyatspi.Registry.start()
else:
    walk()
