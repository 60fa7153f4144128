#!/usr/bin/python3
"""Draws the animations (data/gifs), the background pictures (data/Fondos) and the
pictures stored in the windows (src/ui/pictures). Every picture is drawn four times
larger and scaled down, so edges are smooth; GIF frames keep a one-bit transparency."""
import math, os, random, sys
from PIL import Image, ImageDraw, ImageFilter, ImageFont

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
GIFS = os.path.join(ROOT, "data", "gifs")
FONDOS = os.path.join(ROOT, "data", "Fondos")
PICS = os.path.join(ROOT, "src", "ui", "pictures")
S = 4  # drawing scale
FONT_DIR = "/usr/share/fonts/truetype/liberation"


def font(size, bold=True):
    name = "LiberationSans-Bold.ttf" if bold else "LiberationSans-Regular.ttf"
    return ImageFont.truetype(os.path.join(FONT_DIR, name), size)


SCALE = 1  # 1 for the pictures themselves, 2 for their @2x variants


class Canvas:
    """An RGBA drawing surface in final-size coordinates (at 1×), stored S × SCALE
    times larger; result() gives it at SCALE × its size."""

    def __init__(self, w, h, bg=(0, 0, 0, 0)):
        self.w, self.h = w, h
        self.s = S * SCALE
        self.img = Image.new("RGBA", (int(w * self.s), int(h * self.s)), bg)
        self.d = ImageDraw.Draw(self.img)

    def _p(self, pts):
        return [(x * self.s, y * self.s) for x, y in pts]

    def ellipse(self, cx, cy, rx, ry, fill, outline=None, width=1.0):
        self.d.ellipse([(cx - rx) * self.s, (cy - ry) * self.s, (cx + rx) * self.s, (cy + ry) * self.s],
                       fill=fill, outline=outline, width=int(width * self.s))

    def poly(self, pts, fill, outline=None, width=1.0):
        self.d.polygon(self._p(pts), fill=fill)
        if outline:
            self.d.line(self._p(pts + pts[:1]), fill=outline, width=int(width * self.s), joint="curve")

    def line(self, pts, fill, width):
        self.d.line(self._p(pts), fill=fill, width=int(width * self.s), joint="curve")
        r = width / 2
        for x, y in (pts[0], pts[-1]):
            self.ellipse(x, y, r, r, fill)

    def rrect(self, x0, y0, x1, y1, r, fill, outline=None, width=1.0):
        self.d.rounded_rectangle([x0 * self.s, y0 * self.s, x1 * self.s, y1 * self.s], radius=r * self.s, fill=fill,
                                 outline=outline, width=int(width * self.s))

    def text(self, x, y, s, size, fill, anchor="mm", bold=True, stroke=0, stroke_fill=None):
        self.d.text((x * self.s, y * self.s), s, font=font(int(size * self.s), bold), fill=fill, anchor=anchor,
                    stroke_width=int(stroke * self.s), stroke_fill=stroke_fill)

    def result(self, fit=None):
        """The picture at SCALE × its size. fit=(w, h): the drawing is first shrunk, if
        need be, so that everything drawn fits a centred box of that size (the part of
        the picture a button shows)."""
        img = self.img
        if fit:
            box = img.getchannel("A").getbbox()
            if box:
                subject = img.crop(box)
                k = min(1.0, fit[0] * self.s / subject.width, fit[1] * self.s / subject.height)
                subject = subject.resize((max(1, int(subject.width * k)), max(1, int(subject.height * k))), Image.LANCZOS)
                img = Image.new("RGBA", img.size, (0, 0, 0, 0))
                img.paste(subject, ((img.width - subject.width) // 2, (img.height - subject.height) // 2))
        return img.resize((int(self.w * SCALE), int(self.h * SCALE)), Image.LANCZOS)


OUTLINE = (60, 40, 30, 255)


def limb(c, x0, y0, angle, length, width, color):
    """A limb from (x0, y0) at an angle in degrees (0 = straight down); returns its end."""
    a = math.radians(angle)
    x1, y1 = x0 + math.sin(a) * length, y0 + math.cos(a) * length
    c.line([(x0, y0), (x1, y1)], OUTLINE, width + 1.6)
    c.line([(x0, y0), (x1, y1)], color, width)
    return x1, y1


def face(c, cx, cy, r, smile=True):
    c.ellipse(cx - r * 0.35, cy - r * 0.15, r * 0.12, r * 0.16, (30, 30, 40, 255))
    c.ellipse(cx + r * 0.35, cy - r * 0.15, r * 0.12, r * 0.16, (30, 30, 40, 255))
    c.ellipse(cx - r * 0.55, cy + r * 0.25, r * 0.16, r * 0.1, (255, 150, 160, 255))
    c.ellipse(cx + r * 0.55, cy + r * 0.25, r * 0.16, r * 0.1, (255, 150, 160, 255))
    if smile:
        c.d.arc([(cx - r * 0.35) * c.s, (cy - r * 0.05) * c.s, (cx + r * 0.35) * c.s, (cy + r * 0.5) * c.s],
                20, 160, fill=(150, 40, 40, 255), width=int(max(1.0, r * 0.12) * c.s))
    else:
        c.d.arc([(cx - r * 0.3) * c.s, (cy + r * 0.3) * c.s, (cx + r * 0.3) * c.s, (cy + r * 0.7) * c.s],
                200, 340, fill=(150, 40, 40, 255), width=int(max(1.0, r * 0.12) * c.s))


# ---------------------------------------------------------------- race runners

def baby(w, h, t, fit=None):
    """A crawling baby facing right; t in [0, 1) is the phase of the crawl."""
    c = Canvas(w, h)
    k = w / 81.0
    sw = math.sin(2 * math.pi * t)
    bob = 1.2 * k * abs(math.sin(2 * math.pi * t))
    skin, suit = (255, 213, 170, 255), (120, 190, 255, 255)
    by = h * 0.52 - bob
    # far limbs first (darker), then body, then near limbs
    limb(c, w * 0.32, by + 4 * k, 25 * sw, 14 * k, 6 * k, (95, 160, 230, 255))
    limb(c, w * 0.62, by + 3 * k, -25 * sw, 14 * k, 5 * k, (230, 190, 150, 255))
    c.ellipse(w * 0.47, by, 21 * k, 11 * k, suit, OUTLINE, 1.2 * k)
    c.ellipse(w * 0.27, by - 1 * k, 8 * k, 9 * k, (255, 255, 255, 255), OUTLINE, 1.2 * k)  # nappy
    limb(c, w * 0.34, by + 5 * k, -25 * sw, 14 * k, 6 * k, suit)
    limb(c, w * 0.64, by + 4 * k, 25 * sw, 14 * k, 5 * k, skin)
    hx, hy = w * 0.78, by - 9 * k + bob * 0.5
    c.ellipse(hx, hy, 13 * k, 12.5 * k, skin, OUTLINE, 1.2 * k)
    c.line([(hx - 3 * k, hy - 12 * k), (hx, hy - 16 * k), (hx + 3 * k, hy - 13 * k)], (140, 90, 40, 255), 1.6 * k)
    face(c, hx + 2 * k, hy, 10 * k)
    return c.result(fit)


def dino(w, h, t, fit=None):
    """A walking long-necked dinosaur facing right."""
    c = Canvas(w, h)
    k = w / 81.0
    sw = math.sin(2 * math.pi * t)
    green, dark = (110, 200, 90, 255), (80, 160, 70, 255)
    bx, by = w * 0.42, h * 0.55 + 0.8 * k * math.cos(4 * math.pi * t)
    for x, ph in ((bx - 12 * k, 1), (bx + 10 * k, -1)):
        limb(c, x, by + 4 * k, -20 * sw * ph, 16 * k, 6 * k, dark)
    c.poly([(bx - 18 * k, by - 2 * k), (bx - 40 * k, by + 6 * k + 2 * k * sw), (bx - 16 * k, by + 8 * k)], green, OUTLINE, 1.2 * k)
    c.ellipse(bx, by, 22 * k, 12 * k, green, OUTLINE, 1.2 * k)
    nod = 1.5 * k * math.sin(2 * math.pi * t)
    c.line([(bx + 14 * k, by - 4 * k), (bx + 24 * k, by - 20 * k), (bx + 27 * k, by - 28 * k + nod)], OUTLINE, 8.5 * k)
    c.line([(bx + 14 * k, by - 4 * k), (bx + 24 * k, by - 20 * k), (bx + 27 * k, by - 28 * k + nod)], green, 7 * k)
    hx, hy = bx + 31 * k, by - 30 * k + nod
    c.ellipse(hx, hy, 8 * k, 6 * k, green, OUTLINE, 1.2 * k)
    c.ellipse(hx + 2 * k, hy - 1.5 * k, 1.5 * k, 1.8 * k, (30, 30, 40, 255))
    c.d.arc([(hx) * c.s, (hy) * c.s, (hx + 7 * k) * c.s, (hy + 4 * k) * c.s], 10, 150, fill=(60, 90, 40, 255), width=int(1.2 * k * c.s))
    for i in range(4):  # spots on the back
        c.ellipse(bx - 10 * k + i * 7 * k, by - 6 * k, 2.2 * k, 1.6 * k, (250, 220, 90, 255))
    for x, ph in ((bx - 10 * k, -1), (bx + 12 * k, 1)):
        limb(c, x, by + 5 * k, -20 * sw * ph, 16 * k, 6.5 * k, green)
    return c.result(fit)


def runner(w, h, t, fit=None):
    """A running cartoon figure facing right: legs and arms swing in opposition and
    never line up, so both arms and both legs show in every frame."""
    c = Canvas(w, h)
    k = h / 73.0
    sw = math.sin(2 * math.pi * t)
    cx = w * 0.5
    hip = (cx, h * 0.58 - 1.5 * k * abs(sw))
    neck = (cx + 4 * k, hip[1] - 18 * k)
    shoulder = (neck[0] - 0.5 * k, neck[1] + 3 * k)
    shirt, shorts, skin, far_skin = (255, 120, 60, 255), (60, 90, 200, 255), (250, 205, 160, 255), (225, 175, 135, 255)
    # the far arm and leg, a little darker, behind the body
    e = limb(c, *shoulder, 55 * sw + 10, 9 * k, 4 * k, far_skin)
    limb(c, *e, 55 * sw + 95, 8 * k, 3.5 * k, far_skin)
    kx = limb(c, *hip, -40 * sw - 8, 12 * k, 5 * k, (45, 70, 170, 255))
    f = limb(c, *kx, -40 * sw - 50, 12 * k, 4.5 * k, far_skin)
    c.ellipse(f[0] + 2 * k, f[1], 4 * k, 2.5 * k, (190, 30, 55, 255), OUTLINE, 1 * k)
    c.line([hip, neck], OUTLINE, 11.5 * k)
    c.line([hip, neck], shirt, 10 * k)
    kx = limb(c, *hip, 40 * sw + 8, 12 * k, 5 * k, shorts)
    f = limb(c, *kx, 40 * sw - 30, 12 * k, 4.5 * k, skin)
    c.ellipse(f[0] + 2 * k, f[1], 4 * k, 2.5 * k, (220, 30, 60, 255), OUTLINE, 1 * k)
    e = limb(c, *shoulder, -55 * sw - 10, 9 * k, 4 * k, skin)
    limb(c, *e, -55 * sw + 75, 8 * k, 3.5 * k, skin)
    hx, hy = neck[0] + 3 * k, neck[1] - 10 * k
    c.ellipse(hx, hy, 10 * k, 10 * k, skin, OUTLINE, 1.2 * k)
    c.d.chord([(hx - 10 * k) * c.s, (hy - 10 * k) * c.s, (hx + 10 * k) * c.s, (hy + 6 * k) * c.s], 180, 360, fill=(120, 70, 30, 255))
    face(c, hx + 2 * k, hy + 1 * k, 8 * k)
    return c.result(fit)


# ---------------------------------------------------------------- feedback animations

def star_points(cx, cy, r_out, r_in, n=5, rot=-90):
    pts = []
    for i in range(2 * n):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(rot + i * 180 / n)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def happy_star(w, h, t):
    """A smiling star that grows in with sparkles circling it, ending on the full
    star. It keeps to the upper part of its square, so that the verdict written on
    the button beneath stays readable."""
    c = Canvas(w, h)
    grow = min(1.0, t * 2.2)
    pulse = 1 + 0.06 * math.sin(2 * math.pi * t * 3)
    r = min(w, h) * 0.27 * grow * pulse
    cx, cy = w / 2, h * 0.34
    colors = [(255, 80, 80, 255), (60, 160, 255, 255), (80, 200, 90, 255), (200, 90, 230, 255)]
    for i in range(8):
        a = 2 * math.pi * (i / 8 + t)
        d = min(w, h) * (0.15 + 0.25 * grow)
        sx, sy = cx + d * math.cos(a), cy + 0.7 * d * math.sin(a)
        c.poly(star_points(sx, sy, min(w, h) * 0.06, min(w, h) * 0.025, 4, 0), colors[i % 4])
    if r > 2:
        c.poly(star_points(cx, cy, r, r * 0.5), (255, 215, 40, 255), (200, 120, 20, 255), max(1, r * 0.05))
        face(c, cx, cy + r * 0.05, r * 0.45)
    return c.result()


def check_mark(w, h, t, good=True):
    """A green tick drawn stroke by stroke (good) or a soft orange cross (not good)."""
    c = Canvas(w, h)
    cx, cy, r = w / 2, h / 2, min(w, h) * 0.44
    fill = (225, 250, 225, 255) if good else (255, 236, 215, 255)
    ring = (60, 170, 70, 255) if good else (235, 130, 40, 255)
    c.ellipse(cx, cy, r, r, fill, ring, r * 0.1)
    p = min(1.0, t * 1.6)
    lw = r * 0.22
    if good:
        a, b, e = (cx - r * 0.5, cy), (cx - r * 0.12, cy + r * 0.4), (cx + r * 0.55, cy - r * 0.4)
        if p > 0:
            q = min(1.0, p / 0.4)
            c.line([a, (a[0] + (b[0] - a[0]) * q, a[1] + (b[1] - a[1]) * q)], ring, lw)
        if p > 0.4:
            q = (p - 0.4) / 0.6
            c.line([b, (b[0] + (e[0] - b[0]) * q, b[1] + (e[1] - b[1]) * q)], ring, lw)
    else:
        d = r * 0.42
        if p > 0:
            q = min(1.0, p / 0.5)
            c.line([(cx - d, cy - d), (cx - d + 2 * d * q, cy - d + 2 * d * q)], ring, lw)
        if p > 0.5:
            q = (p - 0.5) / 0.5
            c.line([(cx + d, cy - d), (cx + d - 2 * d * q, cy - d + 2 * d * q)], ring, lw)
    return c.result()


def party_face(w, h, t):
    """A round happy face jumping, with confetti falling."""
    c = Canvas(w, h)
    rnd = random.Random(3)
    for i in range(18):
        x = rnd.uniform(0.05, 0.95) * w
        y = ((rnd.uniform(0, 1) + t) % 1.0) * h
        col = [(255, 90, 90, 255), (70, 150, 255, 255), (90, 210, 100, 255), (250, 200, 40, 255)][i % 4]
        c.rrect(x - 2, y - 3, x + 2, y + 3, 1, col)
    jump = abs(math.sin(2 * math.pi * t)) * h * 0.08
    r = min(w, h) * 0.32
    cx, cy = w / 2, h * 0.55 - jump
    c.ellipse(cx, cy, r, r, (255, 220, 60, 255), (210, 140, 20, 255), r * 0.08)
    face(c, cx, cy, r * 0.8)
    return c.result()


def thinking_face(w, h, t):
    """A calm face tilting its head gently from side to side: 'try again'."""
    c = Canvas(w, h)
    tilt = math.sin(2 * math.pi * t) * w * 0.06
    r = min(w, h) * 0.32
    cx, cy = w / 2 + tilt, h * 0.55
    c.ellipse(cx, cy, r, r, (150, 200, 255, 255), (60, 110, 200, 255), r * 0.08)
    face(c, cx, cy, r * 0.8, smile=False)
    # a small question mark floating above
    c.text(cx + r * 0.9, cy - r * 1.05 - 2 * math.sin(2 * math.pi * t), "?", r * 0.9, (60, 110, 200, 255))
    return c.result()


def save_gif(path, frames, duration, loop):
    """Writes frames (RGBA) as a GIF with one shared palette and index 255 transparent.
    loop=None writes no loop block, so the animation plays once and ends."""
    strip = Image.new("RGB", (sum(f.width for f in frames), frames[0].height), (255, 255, 255))
    x = 0
    for f in frames:
        strip.paste(f.convert("RGB"), (x, 0))
        x += f.width
    pal = strip.quantize(colors=255, method=Image.MEDIANCUT)
    out = []
    for f in frames:
        p = f.convert("RGB").quantize(palette=pal, dither=Image.NONE)
        alpha = f.getchannel("A").point(lambda a: 255 if a >= 110 else 0)
        p.paste(255, mask=Image.eval(alpha, lambda a: 255 - a))
        out.append(p)
    palette = pal.getpalette()[:255 * 3] + [255, 0, 255]
    for p in out:
        p.putpalette(palette)
    kw = dict(save_all=True, append_images=out[1:], duration=duration, transparency=255, disposal=2, optimize=False)
    if loop is not None:
        kw["loop"] = loop
    out[0].save(path, **kw)


def make_gifs():
    global SCALE
    os.makedirs(GIFS, exist_ok=True)
    n, m = 8, 16
    gifs = {
        # the runners loop; a phase a quarter step on keeps the limbs apart in every frame
        "1.gif": (lambda: [baby(81, 73, (i + 0.25) / n) for i in range(n)], 140, 0),
        "2.gif": (lambda: [dino(81, 73, (i + 0.25) / n) for i in range(n)], 110, 0),
        "3.gif": (lambda: [runner(81, 73, (i + 0.25) / n) for i in range(n)], 70, 0),
        # one cycle, ending on the full star
        "acierto2.gif": (lambda: [happy_star(97, 97, i / (m - 1)) for i in range(m)], 80, None),
        "si.gif": (lambda: [check_mark(65, 65, i / 9, True) for i in range(10)], 70, None),
        "no.gif": (lambda: [check_mark(65, 65, i / 9, False) for i in range(10)], 70, None),
        "acierto.gif": (lambda: [party_face(113, 105, i / m) for i in range(m)] * 2, 80, None),
        "fallo.gif": (lambda: [thinking_face(113, 105, i / m) for i in range(m)] * 2, 90, None),
    }
    for name, (frames, duration, loop) in gifs.items():
        for SCALE, out in ((1, name), (2, name.replace(".gif", "@2x.gif"))):
            save_gif(os.path.join(GIFS, out), frames(), duration, loop)
    SCALE = 1


# ---------------------------------------------------------------- backgrounds

# The size of the largest exercise window (the main window). Each background is
# drawn at twice that size, for screens at 2×, and scaled down for the 1× picture.
# What matters keeps clear of the windows' edges, and the pictures stay pale, so
# that digits and buttons read well over them.
W_BG, H_BG = 645, 491
K = 2  # drawing scale of the backgrounds


def gradient(top, bottom):
    img = Image.new("RGB", (W_BG * K, H_BG * K))
    d = ImageDraw.Draw(img)
    for y in range(H_BG * K):
        f = y / (H_BG * K - 1)
        d.line([(0, y), (W_BG * K, y)], fill=tuple(int(a + (b - a) * f) for a, b in zip(top, bottom)))
    return img


def box(x0, y0, x1, y1):
    return [x0 * K, y0 * K, x1 * K, y1 * K]


def bg_sky():
    img = gradient((200, 228, 255), (238, 246, 255))
    d = ImageDraw.Draw(img)
    rnd = random.Random(1)
    for _ in range(9):
        x, y, s = rnd.uniform(30, W_BG - 30), rnd.uniform(20, H_BG - 60), rnd.uniform(28, 52)
        for dx, dy, r in ((0, 0, 1), (0.8, 0.15, 0.8), (-0.8, 0.2, 0.75), (0.3, -0.35, 0.7)):
            d.ellipse(box(x + dx * s - r * s, y + dy * s - r * s * 0.7, x + dx * s + r * s, y + dy * s + r * s * 0.7), fill=(252, 253, 255))
    return img.filter(ImageFilter.GaussianBlur(2 * K))


def bg_meadow():
    img = gradient((225, 245, 255), (215, 245, 205))
    d = ImageDraw.Draw(img)
    d.ellipse(box(-180, 330, 460, 780), fill=(200, 238, 185))
    d.ellipse(box(290, 350, 930, 800), fill=(190, 234, 175))
    d.ellipse(box(128, 6, 188, 66), fill=(255, 244, 190))  # the sun, whole, between the columns
    rnd = random.Random(2)
    for _ in range(55):
        x, y = rnd.uniform(10, W_BG - 10), rnd.uniform(370, H_BG - 8)
        col = rnd.choice([(255, 215, 225), (255, 245, 200), (230, 220, 255)])
        for a in range(5):
            ang = a * 2 * math.pi / 5
            d.ellipse(box(x + 5 * math.cos(ang) - 3, y + 5 * math.sin(ang) - 3, x + 5 * math.cos(ang) + 3, y + 5 * math.sin(ang) + 3), fill=col)
        d.ellipse(box(x - 2, y - 2, x + 2, y + 2), fill=(255, 225, 150))
    return img.filter(ImageFilter.GaussianBlur(1 * K))


def bg_sea():
    img = gradient((215, 240, 250), (190, 225, 240))
    d = ImageDraw.Draw(img)
    for row in range(11):
        y0 = 150 + row * 31
        col = (205 - row * 2, 232 - row, 246)
        pts = [(x * K, (y0 + 8 * math.sin(x / 40 + row)) * K) for x in range(0, W_BG + 10, 5)]
        d.line(pts, fill=col, width=6 * K)
    d.ellipse(box(128, 6, 188, 66), fill=(255, 246, 200))
    return img.filter(ImageFilter.GaussianBlur(1.5 * K))


def bg_notebook():
    img = Image.new("RGB", (W_BG * K, H_BG * K), (253, 252, 245))
    d = ImageDraw.Draw(img)
    for x in range(0, W_BG, 24):
        d.line([(x * K, 0), (x * K, H_BG * K)], fill=(222, 232, 245), width=K)
    for y in range(0, H_BG, 24):
        d.line([(0, y * K), (W_BG * K, y * K)], fill=(222, 232, 245), width=K)
    d.line([(122 * K, 0), (122 * K, H_BG * K)], fill=(250, 205, 205), width=2 * K)  # the margin, clear of the buttons
    return img


def make_backgrounds():
    os.makedirs(FONDOS, exist_ok=True)
    for name in os.listdir(FONDOS):
        os.remove(os.path.join(FONDOS, name))
    for name, make in (("1-cielo", bg_sky), ("2-prado", bg_meadow), ("3-mar", bg_sea), ("4-cuaderno", bg_notebook)):
        big = make()
        big.save(os.path.join(FONDOS, name + "@2x.jpg"), quality=88)
        big.resize((W_BG, H_BG), Image.LANCZOS).save(os.path.join(FONDOS, name + ".jpg"), quality=90)


# ---------------------------------------------------------------- pictures stored in the windows

def pic_minus():
    """A white bar with a dark outline: it reads on the green and on the blue of the button."""
    c = Canvas(34, 8)
    c.rrect(1, 1, 33, 7, 3, (255, 255, 255, 255), (20, 30, 70, 255), 1.6)
    return c.result()


def pic_clock(w, crossed):
    c = Canvas(w, w)
    k = w / 64
    for sx in (-1, 1):  # bells
        c.ellipse(32 * k + sx * 17 * k, 12 * k, 9 * k, 8 * k, (240, 190, 40, 255), OUTLINE, 1.5 * k)
    c.line([(22 * k, 54 * k), (16 * k, 61 * k)], OUTLINE, 3 * k)
    c.line([(42 * k, 54 * k), (48 * k, 61 * k)], OUTLINE, 3 * k)
    c.ellipse(32 * k, 35 * k, 24 * k, 24 * k, (230, 60, 60, 255), OUTLINE, 1.5 * k)
    c.ellipse(32 * k, 35 * k, 19 * k, 19 * k, (255, 255, 250, 255))
    for i in range(12):
        a = i * math.pi / 6
        c.ellipse(32 * k + 16 * k * math.sin(a), 35 * k - 16 * k * math.cos(a), 1.2 * k, 1.2 * k, OUTLINE)
    c.line([(32 * k, 35 * k), (32 * k, 22 * k)], OUTLINE, 2.5 * k)
    c.line([(32 * k, 35 * k), (41 * k, 39 * k)], OUTLINE, 2.5 * k)
    if crossed:
        c.line([(8 * k, 8 * k), (56 * k, 58 * k)], (255, 255, 255, 255), 8 * k)
        c.line([(8 * k, 8 * k), (56 * k, 58 * k)], (200, 30, 30, 255), 5 * k)
    return c.result(fit=(44, 44))  # whole inside its 49-pixel button


def pic_arrow_down():
    c = Canvas(40, 40)
    c.poly([(13, 4), (27, 4), (27, 18), (35, 18), (20, 33), (5, 18), (13, 18)], (255, 150, 30, 255), (170, 80, 10, 255), 1.2)
    c.rrect(12, 34, 28, 38.5, 2, (40, 80, 220, 255))
    return c.result()


def pic_bring_down():
    """The division's bring-down arrow: bold and dark, nearly as large as its 25-pixel button."""
    c = Canvas(21, 21)
    c.poly([(7, 1), (14, 1), (14, 10), (20, 10), (10.5, 20), (1, 10), (7, 10)], (20, 40, 140, 255), (255, 255, 255, 255), 0.8)
    return c.result()


def pic_bird():
    c = Canvas(68, 56)
    c.poly([(44, 26), (66, 31), (44, 37)], (255, 170, 30, 255), OUTLINE, 1.2)  # beak
    c.ellipse(28, 30, 22, 22, (80, 170, 240, 255), OUTLINE, 1.4)
    c.poly([(18, 10), (24, 1), (28, 9), (34, 2), (35, 11)], (80, 170, 240, 255), OUTLINE, 1.2)  # crest
    c.ellipse(34, 24, 8, 8.5, (255, 255, 255, 255), OUTLINE, 1)
    c.ellipse(36, 25, 3.5, 4.5, (20, 20, 30, 255))
    c.ellipse(37, 23.5, 1.2, 1.2, (255, 255, 255, 255))
    c.ellipse(22, 38, 5, 3, (255, 160, 170, 255))
    return c.result(fit=(66, 44))  # whole inside its 49-pixel-high button


def pic_arrow_left():
    c = Canvas(32, 32, (0, 0, 0, 255))
    c.poly([(3, 16), (15, 5), (15, 11), (29, 11), (29, 21), (15, 21), (15, 27)], (40, 210, 60, 255))
    for x in (19, 23, 27):
        c.ellipse(x, 16, 1.6, 1.6, (240, 30, 30, 255))
    return c.result()


def pic_icon(n=32):
    """The program's icon at n × n pixels: a sum written on an orange card."""
    k = n / 32
    c = Canvas(n, n)
    c.rrect(1 * k, 1 * k, 31 * k, 31 * k, 7 * k, (255, 200, 60, 255), (200, 120, 20, 255), 1.2 * k)
    c.text(16 * k, 11 * k, "1+2", 11 * k, (40, 70, 200, 255))
    c.rrect(6 * k, 17.5 * k, 26 * k, 19.5 * k, 1 * k, (60, 40, 30, 255))
    c.text(16 * k, 25 * k, "3", 11 * k, (220, 40, 60, 255))
    return c.result()


ICON_SVG = """<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">
  <rect x="1.6" y="1.6" width="28.8" height="28.8" rx="6.4" fill="#ffc83c" stroke="#c87814" stroke-width="1.2"/>
  <text x="16" y="14.9" font-family="Liberation Sans, Arial, sans-serif" font-weight="bold" font-size="11"
        text-anchor="middle" fill="#2846c8" stroke="none">1+2</text>
  <rect x="6" y="17.5" width="20" height="2" rx="1" fill="#3c281e" stroke="none"/>
  <text x="16" y="28.9" font-family="Liberation Sans, Arial, sans-serif" font-weight="bold" font-size="11"
        text-anchor="middle" fill="#dc283c" stroke="none">3</text>
</svg>
"""


def make_icons():
    """The desktop icons in the hicolor theme: PNG at the usual sizes and SVG."""
    root = os.path.join(ROOT, "packaging", "icons", "hicolor")
    for n in (16, 22, 24, 32, 48, 64, 128, 256):
        folder = os.path.join(root, "%dx%d" % (n, n), "apps")
        os.makedirs(folder, exist_ok=True)
        pic_icon(n).save(os.path.join(folder, "cuentas.png"), optimize=True)
    folder = os.path.join(root, "scalable", "apps")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "cuentas.svg"), "w") as f:
        f.write(ICON_SVG)


# The title card's words in each language ("" is Spanish): the month it was
# made, who made it, and what it costs.
CARD_WORDS = {
    "": ("diciembre de 2026", "Hecho por el equipo de Cuentas", "Programa gratuito: ¡a disfrutar!"),
    "_ca": ("desembre de 2026", "Fet per l'equip de Cuentas", "Programa gratuït: a gaudir-ne!"),
    "_eu": ("2026ko abendua", "Cuentas taldeak egina", "Doako programa: gozatu!"),
    "_gl": ("decembro de 2026", "Feito polo equipo de Cuentas", "Programa gratuíto: a gozar!"),
}


def pic_card(words=CARD_WORDS[""]):
    month, made, free = words
    w, h = 457, 332
    c = Canvas(w, h, (255, 252, 240, 255))
    c.rrect(4, 4, w - 4, h - 4, 18, None, (90, 140, 230, 255), 5)
    c.rrect(12, 12, w - 12, h - 12, 13, None, (255, 170, 60, 255), 2)
    title = "Cuentas"
    colors = [(230, 60, 60), (250, 150, 30), (80, 180, 70), (40, 130, 230), (170, 80, 220), (230, 60, 140), (30, 170, 170)]
    f = font(74 * c.s)
    total = sum(f.getlength(ch) for ch in title) / c.s
    x = (w - total) / 2 - 30
    for i, ch in enumerate(title):
        c.text(x, 92 + (4 if i % 2 else -4), ch, 74, colors[i % len(colors)] + (255,), anchor="ls", stroke=2.2, stroke_fill=(255, 255, 255, 255))
        x += f.getlength(ch) / c.s
    c.text(x + 38, 92, "2.2", 40, (60, 60, 90, 255), anchor="ls")
    c.text(w / 2, 122, month, 20, (90, 90, 110, 255), bold=False)
    # a little row of sums as decoration
    for i, (s, col) in enumerate((("2+3", (230, 60, 60)), ("7-4", (80, 180, 70)), ("3x4", (40, 130, 230)), ("8:2", (170, 80, 220)))):
        cx = 85 + i * 96
        tint = tuple(int(b + (a - b) * 0.16) for a, b in zip(col, (255, 252, 240))) + (255,)  # opaque: the card never shows through
        c.rrect(cx - 38, 150, cx + 38, 196, 10, tint, col + (255,), 2)
        c.text(cx, 173, s, 26, col + (255,))
    c.text(w / 2, 232, made, 18, (60, 60, 90, 255))
    c.text(w / 2, 256, "cuentas@example.org", 17, (40, 100, 200, 255), bold=False)
    c.rrect(80, 280, w - 80, 312, 16, (255, 230, 120, 255))
    c.text(w / 2, 296, free, 17, (150, 70, 20, 255))
    return c.result()


def make_pictures():
    global SCALE
    os.makedirs(PICS, exist_ok=True)
    pics = {
        "minus.png": pic_minus,
        # the speed pictures show whole inside their 49-pixel buttons
        "baby.png": lambda: baby(45, 44, 0.15, fit=(44, 42)),
        "dino.png": lambda: dino(55, 45, 0.15, fit=(46, 42)),
        "runner.png": lambda: runner(41, 50, 0.2, fit=(40, 44)),
        "clock.png": lambda: pic_clock(64, False),
        "clock_off.png": lambda: pic_clock(64, True),
        "arrow_down.png": pic_arrow_down,
        "bring_down.png": pic_bring_down,
        "bird.png": pic_bird,
        "arrow_left.png": pic_arrow_left,
        **{f"card{code}.png": (lambda words=words: pic_card(words)) for code, words in CARD_WORDS.items()},
        "icon.png": pic_icon,
    }
    for name, make in pics.items():
        for SCALE, out in ((1, name), (2, name.replace(".png", "@2x.png"))):
            make().save(os.path.join(PICS, out), optimize=True)
    SCALE = 1


if __name__ == "__main__":
    what = sys.argv[1:] or ["gifs", "backgrounds", "pictures", "icons"]
    if "gifs" in what:
        make_gifs()
    if "backgrounds" in what:
        make_backgrounds()
    if "pictures" in what:
        make_pictures()
    if "icons" in what:
        make_icons()
