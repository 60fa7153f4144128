# Works one exercise by keyboard while Orca listens (called by tools/listen.sh):
# reads the exercise from what Orca said, types the answer (one digit wrong on
# purpose where the scenario says so), and prints what Orca said until the end.
import subprocess, time, re, sys
LOG = sys.argv[1]
X0, Y0 = (1024 - 645) // 2, (768 - 491) // 2
def key(*ks, delay=250):
    for k in ks:
        subprocess.run(['xdotool', 'key', k]); time.sleep(delay / 1000)
def typ(s):
    for c in s: key(c)
def at(x, y):
    subprocess.run(['xdotool', 'mousemove', str(X0 + x // 15), str(Y0 + y // 15), 'click', '1']); time.sleep(0.6)
def said():
    return [l.split("SPEECH OUTPUT: ")[1] for l in open(LOG, errors='replace') if 'SPEECH OUTPUT' in l]
def mark(name):
    print("=== " + name, flush=True); return len(said())
def since(n):
    time.sleep(3)  # Orca speaks a little after the program
    for s in said()[n:]:
        print('   ', s.split('{')[0])
def last(pattern):
    for s in reversed(said()):
        m = re.search(pattern, s)
        if m: return m
scen = sys.argv[2]
if scen != 'class':
    key('A', 'n', 'a', 'Return'); time.sleep(2)
if scen == 'class':
    n = mark('the teacher: Ctrl+P on the presentation window; a PIN too short, Enter')
    key('ctrl+p'); time.sleep(2)
    typ('12'); key('Return'); since(n)
    n = mark('a new PIN typed twice')
    key('BackSpace', 'BackSpace'); typ('1234'); key('Tab'); typ('1234'); time.sleep(0.5); since(n)
    n = mark('Enter: the class window, on the table')
    key('Return'); time.sleep(3); since(n)
    n = mark('down the rows, along a row')
    key('Down', 'Right', 'Right', 'Right', 'Right', 'Right', delay=900); since(n)
    n = mark('Tab through the commands, and round to the days')
    key('Tab', 'Tab', 'Tab', 'Tab', 'Tab', 'Tab', 'Tab', 'Tab', 'Tab', 'Tab', delay=900); since(n)
    n = mark('back to the table, Enter: the child\'s history')
    key('shift+Tab', 'shift+Tab', 'shift+Tab', 'shift+Tab', 'shift+Tab', 'shift+Tab', 'shift+Tab', 'shift+Tab', 'shift+Tab', 'shift+Tab', delay=300)
    key('Return'); time.sleep(3); since(n)
elif scen == 'column':
    a, b = map(int, last(r'Suma: (\d+) \+ (\d+)').groups())
    n = mark(f'column {a} + {b}, right, Enter')
    typ(str(a + b)[::-1]); key('Return'); time.sleep(2); since(n)
    at(960 + 300, 120 + 300)  # + again: a new sum
    time.sleep(1)
    a, b = map(int, last(r'Suma: (\d+) \+ (\d+)').groups())
    n = mark(f'column {a} + {b}, wrong, Enter')
    typ(str(a + b + 1)[::-1]); key('Return'); time.sleep(2); since(n)
elif scen == 'race':
    at(960 + 300, 1800 + 300)   # race on
    at(960 + 300, 4800 + 300)   # fastest runner
    at(960 + 300, 120 + 300)    # a new sum: the runner starts
    a, b = map(int, last(r'Suma: (\d+) \+ (\d+)').groups())
    n = mark(f'race {a} + {b}, answered wrong, the runner reaches the check')
    typ(str(a + b + 1)[::-1]); time.sleep(48); since(n)
elif scen == 'division':
    at(120 + 300, 960 + 300)    # ÷
    at(120 + 300, 3120 + 300)   # the long division
    time.sleep(1)
    n = mark('division')
    key('space'); time.sleep(1)
    D, d = map(int, last(r'(\d+) : (\d+)').groups())
    print("   division", D, d)
    ds = str(D); lvl = len(str(d)) - 1
    g = int(ds[:lvl + 1]); long_ = g < d; fgd = lvl + (2 if long_ else 1)
    part = int(ds[:fgd]); nxt = fgd; step = 0
    while True:
        q = part // d; r = part - q * d
        typ(str(q))
        rs = str(r).rjust(fgd, '0')
        if step == 0:  # one remainder digit wrong on purpose
            rs = rs[:-1] + str((int(rs[-1]) + 1) % 10)
        typ(rs[::-1]); time.sleep(0.8)
        key('space'); time.sleep(2)  # the arrow, or Fin after the last step
        if nxt >= len(ds): break
        part = 10 * r + int(ds[nxt]); nxt += 1; step += 1
    time.sleep(5); since(n)
elif scen == 'multiplication':
    at(960 + 300, 960 + 300)    # X
    at(120 + 300, 5160 + 150)   # the long multiplication
    time.sleep(1)
    a, b = map(int, last(r'(\d+) X (\d+)').groups())
    n = mark(f'multiplication {a} X {b}, row 2 wrong, by keyboard with Enter')
    m = len(str(a))
    p1 = str(a * (b % 10)).rjust(m + 2, '0'); p2 = str(a * (b // 10) + 1).rjust(m + 1, '0'); p = str(a * b)
    typ(p1[::-1]); key('Return'); time.sleep(1.5)
    typ(p2[::-1]); key('Return'); time.sleep(1.5)
    typ(p[::-1]); key('Return'); time.sleep(2.5)
    since(n)
