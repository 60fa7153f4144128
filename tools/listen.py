# Works exercises by keyboard while Orca listens (called by tools/listen.sh).
#
#   listen.py drive LOG SCENARIO TIMES ENDINGS
#       reads each exercise from what Orca said, types the answer (right and
#       wrong in turn), works it to its end TIMES times in a row, and writes to
#       ENDINGS, one a line, what Orca should have said aloud and when: every
#       step's verdict and every ending's.
#   listen.py count LOG ENDINGS [--quiet]
#       once Orca has stopped: for each of them, whether Orca said it (in time),
#       how many it said, and how long after the key.
import subprocess, time, re, sys, datetime

X0, Y0 = (1024 - 645) // 2, (768 - 491) // 2
LATE = 10  # seconds: what Orca says later than this is counted as not said


def now():
    """Seconds since midnight, the clock of Orca's log."""
    t = datetime.datetime.now()
    return t.hour * 3600 + t.minute * 60 + t.second + t.microsecond / 1e6


def key(*ks, delay=250):
    for k in ks:
        subprocess.run(['xdotool', 'key', k])
        time.sleep(delay / 1000)


def typ(s):
    for c in s:
        key(c)


def at(x, y):
    subprocess.run(['xdotool', 'mousemove', str(X0 + x // 15), str(Y0 + y // 15), 'click', '1'])
    time.sleep(0.6)


def said(log):
    try:
        return [l.split("SPEECH OUTPUT: ")[1] for l in open(log, errors='replace') if 'SPEECH OUTPUT' in l]
    except FileNotFoundError:
        return []


class Driver:
    def __init__(self, log, endings):
        self.log, self.out = log, open(endings, 'w')

    def fresh(self, pattern, before, wait=20):
        """The last utterance of Orca's that is the exercise, as a cell's
        description or a notification says it, once it differs from `before`
        (Orca's log reaches the file a little late)."""
        end = time.time() + wait
        while True:
            found = None
            for s in reversed(said(self.log)):
                m = re.match(r"'(?:notification )?%s\.?'" % pattern, s)
                if m:
                    found = tuple(map(int, m.groups()))
                    break
            if found and found != before or time.time() > end:
                return found
            time.sleep(0.3)

    def expect(self, kind, start, text, settle=3.0):
        """What Orca should say, from `start` until `settle` seconds from now."""
        time.sleep(settle)
        self.out.write(f"{kind}\t{start:.3f}\t{now():.3f}\t{text}\n")
        self.out.flush()


SUM = r'Suma: (\d+) \+ (\d+)'


def column(d, times):
    last = d.fresh(SUM, None)  # the sum shown at the start
    for n in range(times):
        at(960 + 300, 120 + 300)  # +: a new sum
        a, b = last = d.fresh(SUM, last)
        right = n % 2 == 0
        typ(str(a + b + (0 if right else 1))[::-1])
        t = now()
        key('Return')
        d.expect('ending', t, '¡MUY BIEN!' if right else 'REPASA')


def race(d, times):
    at(960 + 300, 1800 + 300)  # race on
    at(960 + 300, 4800 + 300)  # the fastest runner
    last = d.fresh(SUM, None)
    for n in range(times):
        at(960 + 300, 120 + 300)  # a new sum: the runner starts again
        t = now()
        a, b = last = d.fresh(SUM, last)
        right = n % 2 == 0
        typ(str(a + b + (0 if right else 1))[::-1])
        # the runner needs 36 s to reach the check: the verdict is due from then
        d.expect('ending', t + 35, '¡MUY BIEN!' if right else f'REPASA: {a + b}', settle=40 - (now() - t))


def division(d, times):
    at(120 + 300, 960 + 300)  # ÷
    at(120 + 300, 3120 + 300)  # the long division
    time.sleep(1)
    last = None
    for n in range(times):
        key('space')  # Empezar: a new division
        D, dv = last = d.fresh(r'(\d+) : (\d+)', last)
        right = n % 2 == 0
        ds = str(D)
        lvl = len(str(dv)) - 1
        g = int(ds[:lvl + 1])
        fgd = lvl + (2 if g < dv else 1)
        part, nxt, step = int(ds[:fgd]), fgd, 0
        while True:
            q, r = part // dv, part % dv
            t = now()
            typ(str(q))
            if step > 0:
                # the timer checks the quotient digit before this one
                d.expect('step', t, f'Cociente, cifra {step}: bien', settle=0.8)
            rs = str(r).rjust(fgd, '0')
            if step == 0 and not right:  # one remainder digit wrong on purpose
                rs = rs[:-1] + str((int(rs[-1]) + 1) % 10)
            typ(rs[::-1])
            time.sleep(0.8)
            t = now()
            key('space')  # the arrow, or Fin after the last step
            if nxt >= len(ds):
                break
            d.expect('step', t, f'Resto {step + 1}: ' + ('bien' if right or step else 'mal'), settle=2)
            part, nxt, step = 10 * r + int(ds[nxt]), nxt + 1, step + 1
        d.expect('ending', t, '¡MUY BIEN! 100 % bien' if right else 'REPASA')


def multiplication(d, times):
    at(960 + 300, 960 + 300)  # X
    at(120 + 300, 5160 + 150)  # the long multiplication
    time.sleep(1)
    last = None
    for n in range(times):
        if n > 0:
            key('space')  # a size button: a new multiplication
        a, b = last = d.fresh(r'(\d+) X (\d+)', last)
        right = n % 2 == 0
        m = len(str(a))
        p1 = str(a * (b % 10)).rjust(m + 2, '0')
        p2 = str(a * (b // 10) + (0 if right else 1)).rjust(m + 1, '0')
        for row, digits in (('Fila 1', p1), ('Fila 2', p2)):
            typ(digits[::-1])
            t = now()
            key('Return')
            d.expect('step', t, row + ': ' + ('bien' if right or row == 'Fila 1' else 'mal'), settle=1.5)
        typ(str(a * b)[::-1])
        t = now()
        key('Return')
        d.expect('ending', t, '¡MUY BIEN!' if right else 'REPASA')
        if not right:
            key('Tab')  # from the check, which stays, to the size button


def stepper(d):
    """A step of a scenario with no ending: keys, then what Orca said."""
    def step(name, *keys, delay=900, settle=3):
        n = len(said(d.log))
        print('=== ' + name, flush=True)
        key(*keys, delay=delay)
        time.sleep(settle)
        for s in said(d.log)[n:]:
            print('   ', s.split('{')[0])
    return step


def chooser(d, times):
    """The language chooser of the presentation window, by keyboard."""
    step = stepper(d)
    step('Tab, Tab: the chooser', 'Tab', 'Tab')
    step('Down: the next language, the window in it', 'Down')
    step('Down again', 'Down')
    step('Tab: the teacher\'s door, in that language', 'Tab')
    step('Shift+Tab, Up, Up: back to Spanish', 'shift+Tab', 'Up', 'Up')


def teacher(d, times):
    """The teacher's door, the PIN and the class window: what Orca said at each step."""
    step = stepper(d)
    step('Ctrl+P on the presentation window; a PIN too short, Enter', 'ctrl+p', '1', '2', 'Return')
    step('a new PIN typed twice', 'BackSpace', 'BackSpace', '1', '2', '3', '4', 'Tab', '1', '2', '3', '4', delay=250)
    step('Enter: the class window, on the table', 'Return')
    step('down the rows, along a row', 'Down', 'Right', 'Right', 'Right', 'Right', 'Right')
    step('Tab through the commands, and round to the days', *['Tab'] * 10)
    step("back to the table, Enter: the child's history", *['shift+Tab'] * 10, 'Return', delay=300)


def count(log, endings, quiet):
    """For each thing Orca should have said, whether it said it: the first
    utterance of the program's notification not yet counted, from the moment
    the child acted until LATE seconds later (or the end of a race), that holds
    the words. Then how
    many it said, and how long it took."""
    spoken = []
    for l in open(log, errors='replace'):
        m = re.match(r'(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: (.*)', l)
        if m:
            h, mi, s, text = m.groups()
            spoken.append((int(h) * 3600 + int(mi) * 60 + float(s), text.split("'{")[0].strip("'")))
    said = [(t, w) for t, w in spoken if w.startswith('notification ')]
    used = set()
    heard, delays = {}, {}
    for line in open(endings):
        kind, start, end, text = line.rstrip('\n').split('\t')
        start, end = float(start), max(float(end), float(start) + LATE)
        match = next((i for i, (t, w) in enumerate(said) if i not in used and start <= t <= end and text in w), None)
        heard.setdefault(kind, []).append(match is not None)
        if match is not None:
            used.add(match)
            delays.setdefault(kind, []).append(said[match][0] - start)
        if not quiet or match is None:
            print(f"    {'heard' if match is not None else 'NOT HEARD'} {kind}: {text}")
            if match is None or kind == 'ending':
                for t, w in spoken:
                    if start <= t <= end:
                        print(f'        {t - start:5.2f} s  {w}')
    for kind, oks in sorted(heard.items()):
        d = sorted(delays.get(kind, [0]))
        print(f"  {kind}s heard: {sum(oks)} of {len(oks)}"
              f" (after the key: median {d[len(d) // 2]:.2f} s, at most {d[-1]:.2f} s)")


if __name__ == '__main__':
    if sys.argv[1] == 'count':
        count(sys.argv[2], sys.argv[3], '--quiet' in sys.argv)
        sys.exit(0)
    _, _, log, scenario, times, endings = sys.argv
    d = Driver(log, endings)
    if scenario in ('class', 'chooser'):
        (teacher if scenario == 'class' else chooser)(d, int(times))
        sys.exit(0)
    key('A', 'n', 'a', 'Return')
    time.sleep(2)
    globals()[scenario](d, int(times))
    time.sleep(LATE)  # Orca may be behind
