"""The phone's road for web_test.py: Chromium emulating a phone through the DevTools protocol, played by touch."""
import base64, io, os, time
from PIL import Image
from web_test import Chromium, SHOTS, cells, cell_at, check, in_game, key_page, lasers_of, menu, paused, score_of, wait_for

PORTRAIT, LANDSCAPE = (412, 915, 2.625), (915, 412, 3)
LAYOUT_JS = """const box = (e) => { const r = e.getBoundingClientRect(); return [r.left, r.top, r.width, r.height]; };
return {page: [innerWidth, innerHeight], canvas: box(canvas), touch: box(document.getElementById('touch')),
  keys: getComputedStyle(document.getElementById('keys')).display,
  buttons: Array.from(document.querySelectorAll('#touch button'), (b) => [b.textContent, ...box(b)])};"""
maze = lambda img: img.crop((0, img.height // 12, img.width, img.height * 23 // 24)).tobytes()  # lines 2 to 22
STILL_JS = "return [scrollX, scrollY, visualViewport.scale, window.kworbleMarker]"


class Phone(Chromium):
    name = "Phone"

    def __init__(self, downloads):
        super().__init__(downloads, "--window-size=1000,1000")
        self.cdp("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=5)

    def metrics(self, width, height, density):
        turn = {"type": "portraitPrimary", "angle": 0} if height > width else {"type": "landscapePrimary", "angle": 90}
        self.cdp("Emulation.setDeviceMetricsOverride", width=width, height=height, deviceScaleFactor=density,
                 mobile=True, screenOrientation=turn)

    def shot(self):  # the page in device pixels, where the canvas sits on whole ones
        page = Image.open(io.BytesIO(base64.b64decode(self.cdp("Page.captureScreenshot")["data"]))).convert("RGB")
        x, y, w, h = self.script("const r = canvas.getBoundingClientRect(), d = devicePixelRatio;"
                                 "return [r.left, r.top, r.width, r.height].map((v) => Math.round(v * d))")
        return page.crop((x, y, x + w, y + h))

    held = False

    def touch(self, kind, *points):  # points: (finger, x, y) in CSS pixels of the page
        if kind == "touchEnd" and not self.held:
            return
        self.held = kind != "touchEnd"
        self.cdp("Input.dispatchTouchEvent", type=kind, touchPoints=[{"id": f, "x": x, "y": y} for f, x, y in points])

    def at(self, line, column):  # a cell's centre on the page
        (left, top), (x, y) = self.script("const r = canvas.getBoundingClientRect(); return [r.left, r.top]"), cell_at(self, line, column)
        return left + x, top + y

    def tap(self, line=None, column=None, x=None, y=None):
        self.touch("touchStart", (1, *((x, y) if x else self.at(line, column))))
        self.touch("touchEnd")

    def button(self, text):
        [self.tap(x=left + width / 2, y=top + height / 2)
         for name, left, top, width, height in self.script(LAYOUT_JS)["buttons"] if name == text]


def fits(p, tag, landscape):
    layout = p.script(LAYOUT_JS)
    (page_w, page_h), (left, top, width, height) = layout["page"], layout["canvas"]
    share = height / page_h if landscape else width / page_w
    check(tag + "the canvas takes %.0f%% of the page's %s" % (100 * share, "height" if landscape else "width"),
          share >= (0.85 if landscape else 0.9) and left >= 0 and top >= 0 and left + width <= page_w + 1)
    small = [b[0] for b in layout["buttons"] if min(b[3], b[4]) < 44]
    check(tag + "five buttons of at least 44 px, %s the canvas, and no keys table" % ("beside" if landscape else "below"),
          len(layout["buttons"]) == 5 and not small and layout["keys"] == "none" and
          (layout["touch"][0] >= left + width if landscape else layout["touch"][1] >= top + height))


def hold_until(p, tag, name, fingers, condition):
    """Fingers (finger, line, column) down one after another, again each second (a game being set up takes none)."""
    def place():
        p.touch("touchEnd")
        placed = []
        for finger, line, column in fingers:
            placed.append((finger, *p.at(line, column)))
            p.touch("touchStart", *placed)
    ok = wait_for(p, tag + name, condition, act=place)
    p.touch("touchEnd")
    return ok


def road(p, url, downloads):
    for width, height, density in (PORTRAIT, LANDSCAPE):
        tag = "Phone %dx%d at %g: " % (width, height, density)
        p.metrics(width, height, density)
        p.get(url)
        if not wait_for(p, tag + "the title appears", lambda img: len(cells(img, 12, 0, 31).getcolors(1 << 16)) > 1):
            return
        p.script("window.kworbleMarker = 1")
        fits(p, tag, width > height)
        wait_for(p, tag + "a tap goes to the key page", key_page, act=lambda: p.tap(12, 16))
        check(tag + "the audio runs after the first tap", p.script("return Module.SDL2.audioContext.state") == "running")
        if not wait_for(p, tag + "taps go on to the menu", menu, timeout=30, act=lambda: p.tap(12, 16)):
            return
        game = wait_for(p, tag + "a tap on P=Play starts a game", in_game, act=lambda: p.tap(16, 26))
        if not game:
            return
        score = score_of(game)
        hold_until(p, tag, "a held edge steers", [(1, 3, 16)], lambda img: score_of(img) != score)
        lasers = lasers_of(p.shot())
        p.tap(12, 16)
        wait_for(p, tag + "a tap in the centre fires", lambda img: lasers_of(img) != lasers)
        score, lasers = score_of(p.shot()), lasers_of(p.shot())
        hold_until(p, tag, "two fingers steer and fire together", [(1, 21, 16), (2, 12, 16)],
                   lambda img: score_of(img) != score and lasers_of(img) != lasers)
        if width < height:
            p.metrics(height, width, density)  # the phone turned in the player's hands
            wait_for(p, tag + "turned, the canvas fits again and the game goes on", lambda img: img.height * 1.2 < img.width and in_game(img))
            fits(p, tag + "turned: ", True)
        p.save(os.path.join(SHOTS, "phone-%dx%d.png" % (width, height)))
        p.button("Pause")
        frozen = wait_for(p, tag + "Pause pauses", paused)
        time.sleep(1)
        check(tag + "and the game stands still", frozen and maze(p.shot()) == maze(frozen))
        p.button("Pause")
        wait_for(p, tag + "a second tap lets it run on", lambda img: not paused(img))
        p.button("End")
        wait_for(p, tag + "End ends the game", menu, timeout=30)
        for on in (True, False):
            p.button("Full screen")
            wait_for(p, tag + "Full screen %s" % ("enters" if on else "leaves"), lambda _: p.script("return !!document.fullscreenElement") == on)
        for step in range(6):  # a pinch, and a pull down from the top of the page
            p.touch("touchMove" if step else "touchStart", (1, 150 - 20 * step, 300), (2, 250 + 20 * step, 300))
        p.touch("touchEnd")
        for step in range(10):
            p.touch("touchMove" if step else "touchStart", (1, 200, 5 + 40 * step))
        p.touch("touchEnd")
        time.sleep(0.5)
        check(tag + "nothing scrolls, zooms or reloads", p.script(STILL_JS) == [0, 0, 1, 1])
