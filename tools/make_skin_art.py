#!/usr/bin/env python3
"""Draws the main window's skin, the button images and the icons into resources/art/.

Needs ImageMagick (Debian package imagemagick, with its Pango text coder) and
the Noto Sans CJK fonts (fonts-noto-cjk); `scripts/install-deps art` installs
both. Every painted label sits at its control's rectangle, read from the main
window's template (resources/MainDialogTemplate.cpp) at two pixels per dialog
unit, the scale at which the window is laid out at 96 DPI.

Outputs (the names the resource script uses):
  background.bmp          165  338 x 385, 24-bit
  connect.bmp             163  127 x 43, 24-bit   (connect_down.bmp 174: pressed)
  disconnect.bmp          164  127 x 43, 24-bit   (disconnect_down.bmp 175: pressed)
  select_server.bmp       166  48 x 48, 4-bit
  app.ico, window.ico, tray.ico   128, 143, 134   48/32/16 px, 32-bit
"""

import argparse
import os
import re
import subprocess
import sys
import tempfile

CONVERT = os.environ.get("CONVERT", "/usr/bin/convert")
IDENTIFY = os.environ.get("IDENTIFY", "/usr/bin/identify")

PX = 2  # pixels per dialog unit at 96 DPI
SKIN = (338, 385)
BUTTON = (127, 43)
SELECT = (48, 48)

KOREAN = "Noto Sans CJK KR"
CHINESE = "Noto Sans CJK SC"

# The product's colours.
NAVY_TOP, NAVY_BOTTOM = "#10294d", "#081629"
PANEL_TOP, PANEL_BOTTOM = "#2a6fc0", "#123c74"
FORM = "#0d2342"
FIELD_EDGE = "#6f9fd8"
LABEL, LABEL_CN = "#ffffff", "#9cc3ff"
LINK = "#7cc4ff"
GREEN_TOP, GREEN_BOTTOM = "#3fd083", "#17894a"
RED_TOP, RED_BOTTOM = "#f0714f", "#b3301c"

CONTROL = re.compile(
    r'\{(?P<id>IDC_\w+|-1|\d+), ControlKind::(?P<kind>\w+), "(?P<text>[^"]*)", '
    r"\{(?P<x>\d+), (?P<y>\d+), (?P<cx>\d+), (?P<cy>\d+)\}, (?P<visible>true|false)"
)


def control_rects(template_source):
    """Pixel rectangles (left, top, right, bottom) of the template's controls, by id name."""
    rects = {}
    with open(template_source, encoding="utf-8") as f:
        for m in CONTROL.finditer(f.read()):
            x, y, cx, cy = (int(m[k]) * PX for k in ("x", "y", "cx", "cy"))
            rects.setdefault(m["id"], (x, y, x + cx, y + cy))
    return rects


def convert(*args):
    subprocess.run([CONVERT, *args], check=True)


def size_of(path):
    out = subprocess.run([IDENTIFY, "-format", "%w %h", path], check=True, capture_output=True, text=True).stdout
    w, h = out.split()
    return int(w), int(h)


class Text:
    """One line of Pango markup rendered tight, for placing by its ink box."""

    counter = 0

    def __init__(self, workdir, spans):
        Text.counter += 1
        self.path = os.path.join(workdir, f"text{Text.counter}.png")
        markup = " ".join(
            f'<span font_family="{family}" weight="{weight}" size="{px * 1024}" foreground="{color}">{text}</span>'
            for text, family, px, color, weight in spans
        )
        convert("-density", "72", "-background", "none", f"pango:{markup}", "-trim", "+repage", self.path)
        self.width, self.height = size_of(self.path)

    def at(self, left, top):
        return ["(", self.path, ")", "-geometry", f"+{left}+{top}", "-composite"]

    def right_aligned(self, rect, margin):
        left, top, right, bottom = rect
        return self.at(right - margin - self.width, top + (bottom - top - self.height) // 2)

    def left_aligned(self, rect, margin):
        left, top, right, bottom = rect
        return self.at(left + margin, top + (bottom - top - self.height) // 2)

    def centred(self, rect, dy=0):
        left, top, right, bottom = rect
        return self.at(left + (right - left - self.width) // 2, top + (bottom - top - self.height) // 2 + dy)


def label(workdir, korean, chinese, px=12):
    return Text(workdir, [(korean, KOREAN, px, LABEL, "normal"), (chinese, CHINESE, px - 1, LABEL_CN, "normal")])


def rounded_gradient(workdir, name, width, height, top, bottom, radius):
    """A vertical gradient with rounded corners, transparent outside."""
    path = os.path.join(workdir, name)
    convert("-size", f"{width}x{height}", f"gradient:{top}-{bottom}",
            "(", "-size", f"{width}x{height}", "xc:none", "-fill", "white",
            "-draw", f"roundrectangle 0,0 {width - 1},{height - 1} {radius},{radius}", ")",
            "-alpha", "off", "-compose", "CopyOpacity", "-composite", path)
    return path


def place(path, left, top):
    return ["(", path, ")", "-geometry", f"+{left}+{top}", "-composite"]


def field(rect):
    """The white box a field control covers, one pixel of edge around it."""
    left, top, right, bottom = rect
    return ["-fill", "white", "-stroke", FIELD_EDGE, "-strokewidth", "1",
            "-draw", f"rectangle {left},{top} {right - 1},{bottom - 1}", "-stroke", "none"]


def background(workdir, rects, out):
    width, height = SKIN
    banner = rects["IDC_BROWSER_BANNER"]
    server, user, password = rects["IDC_SERVER"], rects["IDC_USER"], rects["IDC_PASSWORD"]
    remember, link, connect = rects["IDC_REMEMBER"], rects["IDC_LINK_PRODUCT"], rects["IDC_CONNECT"]
    bl, bt, br, bb = banner

    panel = rounded_gradient(workdir, "panel.png", br - bl, bb - bt, PANEL_TOP, PANEL_BOTTOM, 10)
    form_top = bb + 2
    form = rounded_gradient(workdir, "form.png", width - 8, height - form_top - 4, "#143560", FORM, 10)
    glow = os.path.join(workdir, "glow.png")
    convert("-size", f"{br - bl}x{bb - bt}", "xc:none", "-fill", "none", "-stroke", "#ffffff22", "-strokewidth", "1",
            *sum((["-draw", f"ellipse {(br - bl) // 2},{(bb - bt) + 60} {r},{r * 3 // 4} 180,360"]
                  for r in range(60, 260, 28)), []),
            "-stroke", "#ffffff14",
            *sum((["-draw", f"line {x},0 {x + 40},{bb - bt}"] for x in range(-40, br - bl, 36)), []),
            glow)

    title = Text(workdir, [("Velk VPN", "Noto Sans CJK KR", 34, "white", "bold")])
    tagline_ko = Text(workdir, [("빠르고 안전한 인터넷 연결", KOREAN, 14, "#e6f0ff", "normal")])
    tagline_cn = Text(workdir, [("快速 · 安全 · 稳定的网络加速", CHINESE, 13, "#bcd6ff", "normal")])
    version = Text(workdir, [("V1.4.6", KOREAN, 10, "#bcd6ff", "normal")])
    shield = os.path.join(workdir, "shield.png")
    draw_mark(shield, 44)
    banner_middle = (bl, bt, br, bb - 40)

    labels = [
        (label(workdir, "서버", "服务器"), server),
        (label(workdir, "아이디", "用户名"), user),
        (label(workdir, "비밀번호", "密码"), password),
    ]
    remember_text = label(workdir, "로그인 정보 저장", "记住密码")
    link_text = Text(workdir, [("Velk VPN", KOREAN, 14, LINK, "bold")])
    link_hint = Text(workdir, [("홈페이지 · 官网", KOREAN, 10, "#8fb3de", "normal")])

    args = ["-respect-parentheses", "-size", f"{width}x{height}", f"gradient:{NAVY_TOP}-{NAVY_BOTTOM}",
            "-compose", "Over"]
    args += place(form, 4, form_top)
    args += place(panel, bl, bt) + place(glow, bl, bt)
    args += ["(", shield, ")", "-geometry", f"+{(bl + br) // 2 - 22}+{bt + 22}", "-composite"]
    args += title.centred(banner_middle, 14)
    args += tagline_ko.centred((bl, bt + 150, br, bt + 172))
    args += tagline_cn.centred((bl, bt + 174, br, bt + 196))
    args += version.at(br - 8 - version.width, bb - 8 - version.height)
    for text, rect in labels:
        args += field(rect)
        args += text.right_aligned((8, rect[1], rect[0], rect[3]), 6)
    args += field(remember)
    args += remember_text.left_aligned((remember[2], remember[1], width - 8, remember[3]), 6)
    # The Connect button covers this groove exactly.
    cl, ct = connect[0], connect[1]
    args += ["-fill", "#050d1a", "-draw", f"roundrectangle {cl},{ct} {cl + BUTTON[0] - 1},{ct + BUTTON[1] - 1} 9,9"]
    # The product link: its text, underlined, inside the hot spot.
    ll, lt, lr, lb = link
    args += link_hint.at(ll + (lr - ll - link_hint.width) // 2, lt - link_hint.height - 3)
    args += link_text.centred(link)
    underline_y = lt + (lb - lt + link_text.height) // 2 + 1
    left = ll + (lr - ll - link_text.width) // 2
    args += ["-fill", LINK, "-draw", f"rectangle {left},{underline_y} {left + link_text.width - 1},{underline_y}"]
    args += ["-alpha", "off", "-type", "TrueColor", f"BMP3:{out}"]
    convert(*args)


def draw_mark(path, size):
    """The product's mark: a white V in a shield-like disc."""
    r = size // 2
    convert("-size", f"{size}x{size}", "xc:none",
            "-fill", "#ffffff", "-draw", f"circle {r - 0.5},{r - 0.5} {r - 0.5},1",
            "-fill", "#1f5fae", "-draw", f"circle {r - 0.5},{r - 0.5} {r - 0.5},{max(2, size // 12)}",
            "-stroke", "white", "-strokewidth", str(max(2, size // 8)), "-fill", "none",
            "-draw", f"stroke-linejoin round stroke-linecap round polyline {size * 0.28},{size * 0.3} "
            f"{size * 0.5},{size * 0.72} {size * 0.72},{size * 0.3}",
            path)


def button(workdir, skin, connect_rect, top, bottom, korean, chinese, pressed, out):
    """A Connect button image over the skin's groove where the button sits."""
    width, height = BUTTON
    if pressed:
        top, bottom = bottom, top
    face = rounded_gradient(workdir, f"face-{os.path.basename(out)}.png", width - 2, height - 2, top, bottom, 9)
    shift = 1 if pressed else 0
    px = 15 if len(korean) <= 3 else 13
    text = Text(workdir, [(korean, KOREAN, px, "white", "bold"), (chinese, CHINESE, px - 2, "#f4fff8", "normal")])
    power = os.path.join(workdir, "power.png")
    convert("-size", "18x18", "xc:none", "-stroke", "white", "-strokewidth", "2", "-fill", "none",
            "-draw", "arc 2,2 16,16 -60,240", "-draw", "line 9,1 9,8", power)
    content = 18 + 6 + text.width
    left = (width - content) // 2 + shift
    args = ["-respect-parentheses", skin, "-crop", f"{width}x{height}+{connect_rect[0]}+{connect_rect[1]}", "+repage",
            "-compose", "Over"]
    args += ["-fill", "#050d1a", "-draw", f"roundrectangle 0,0 {width - 1},{height - 1} 9,9"]
    args += place(face, 1, 1)
    if not pressed:
        args += ["-fill", "#ffffff30", "-draw", f"roundrectangle 3,2 {width - 4},{height // 2} 8,8"]
    args += place(power, left, (height - 18) // 2 + shift)
    args += text.at(left + 24, (height - text.height) // 2 + shift)
    args += ["-alpha", "off", "-type", "TrueColor", f"BMP3:{out}"]
    convert(*args)


def select_server(out):
    width, height = SELECT
    convert("-size", f"{width}x{height}", f"gradient:{PANEL_TOP}-{PANEL_BOTTOM}",
            "-fill", "none", "-stroke", "white", "-strokewidth", "2",
            "-draw", "circle 24,24 24,8", "-draw", "ellipse 24,24 7,16 0,360", "-draw", "line 8,24 40,24",
            "-strokewidth", "1", "-draw", "line 11,16 37,16", "-draw", "line 11,32 37,32",
            "-stroke", "none", "-fill", GREEN_TOP, "-draw", "circle 38,38 38,32",
            "-colors", "16", "-type", "Palette", "-depth", "4", f"BMP3:{out}")


def icon(workdir, colour, out):
    frames = []
    for size in (48, 32, 16):
        path = os.path.join(workdir, f"icon{size}-{os.path.basename(out)}.png")
        r = size / 2
        stroke = max(2, size // 8)
        convert("-size", f"{size}x{size}", "xc:none", "-fill", colour,
                "-draw", f"circle {r - 0.5},{r - 0.5} {r - 0.5},0.5",
                "-stroke", "white", "-strokewidth", str(stroke), "-fill", "none",
                "-draw", f"stroke-linejoin round stroke-linecap round polyline {size * 0.27},{size * 0.28} "
                f"{size * 0.5},{size * 0.74} {size * 0.73},{size * 0.28}",
                path)
        frames.append(path)
    convert(*frames, out)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    root = os.path.normpath(os.path.join(here, ".."))
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--out", default=os.path.join(root, "resources", "art"))
    parser.add_argument("--template", default=os.path.join(root, "resources", "MainDialogTemplate.cpp"))
    args = parser.parse_args()
    if not os.access(CONVERT, os.X_OK):
        sys.exit(f"{CONVERT} is missing: scripts/install-deps art")
    rects = control_rects(args.template)
    os.makedirs(args.out, exist_ok=True)
    with tempfile.TemporaryDirectory() as workdir:
        skin = os.path.join(args.out, "background.bmp")
        background(workdir, rects, skin)
        connect = rects["IDC_CONNECT"]
        for name, top, bottom, korean, chinese, pressed in (
            ("connect.bmp", GREEN_TOP, GREEN_BOTTOM, "연결", "连接", False),
            ("connect_down.bmp", GREEN_TOP, GREEN_BOTTOM, "연결", "连接", True),
            ("disconnect.bmp", RED_TOP, RED_BOTTOM, "연결 해제", "断开", False),
            ("disconnect_down.bmp", RED_TOP, RED_BOTTOM, "연결 해제", "断开", True),
        ):
            button(workdir, skin, connect, top, bottom, korean, chinese, pressed, os.path.join(args.out, name))
        select_server(os.path.join(args.out, "select_server.bmp"))
        icon(workdir, "#1f5fae", os.path.join(args.out, "app.ico"))
        icon(workdir, "#1f5fae", os.path.join(args.out, "window.ico"))
        icon(workdir, "#17894a", os.path.join(args.out, "tray.ico"))


if __name__ == "__main__":
    main()
