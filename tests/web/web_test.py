#!/usr/bin/python3
"""The web build on the player's road, title to the editor's download: in headless Chromium at density 2 with a
mouse, keys and a pad, to Escape's last page, in Firefox ESR (through tests/web/firefox.mjs), in Chromium emulating a
phone, by touch alone, and in Chromium without WebGL as far as the menu. Usage: web_test.py SITE [SHOTS]"""
import base64, functools, http.server, io, json, os, subprocess, sys, tempfile, threading, time
from PIL import Image
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

HERE = os.path.dirname(os.path.abspath(__file__))
WHITE, GREY, BLACK, BLUE = (255, 255, 255), (205, 205, 205), (0, 0, 0), (0, 0, 255)
# Every animation frame is timed from the page's start, and how long the game's own work in it took.
FRAMES_JS = """window.kworbleFrames = []; window.kworbleWork = []; const raf = window.requestAnimationFrame.bind(window);
window.requestAnimationFrame = (cb) => raf((t) => { const s = performance.now(); kworbleFrames.push(s); cb(t);
  kworbleWork.push(performance.now() - s); });"""
results = []
SHOTS = tempfile.mkdtemp()


def check(name, ok):
    results.append(bool(ok))
    print(("ok    " if ok else "FAIL  ") + name, flush=True)
    return ok


Quiet = type("Quiet", (http.server.SimpleHTTPRequestHandler,), {"log_message": lambda *args: None})


def serve(site):
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Quiet, directory=site))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, "http://127.0.0.1:%d/" % server.server_address[1]


class Chromium:
    name = "Chromium"
    KEYS = {"ArrowLeft": Keys.LEFT, "ArrowUp": Keys.UP, "ArrowRight": Keys.RIGHT, "ArrowDown": Keys.DOWN,
            "Space": Keys.SPACE, "F2": Keys.F2, "F5": Keys.F5}

    def __init__(self, downloads, *args, name=None):
        self.name = name or self.name
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for arg in ("--headless=new", "--no-sandbox", "--enable-unsafe-swiftshader", "--disable-background-networking",
                    "--disable-component-update", "--disable-sync", "--no-first-run", "--disable-quic",
                    "--user-data-dir=" + tempfile.mkdtemp()) + args:
            options.add_argument(arg)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.cdp("Browser.setDownloadBehavior", behavior="allow", downloadPath=downloads)
        self.cdp("Page.addScriptToEvaluateOnNewDocument", source=FRAMES_JS)

    cdp = lambda self, command, **params: self.driver.execute_cdp_cmd(command, params)
    get = lambda self, url: self.driver.get(url)
    shot = lambda self: Image.open(io.BytesIO(self.driver.find_element(By.ID, "canvas").screenshot_as_png)).convert("RGB")
    save = lambda self, path: self.driver.save_screenshot(path)
    script = lambda self, js: self.driver.execute_script(js)
    quit = lambda self: self.driver.quit()

    def key(self, key, down):
        actions = ActionChains(self.driver)
        (actions.key_down if down else actions.key_up)(self.KEYS.get(key, key)).perform()

    def click(self, x, y):  # CSS pixels from the canvas's top left
        canvas = self.driver.find_element(By.ID, "canvas")
        ActionChains(self.driver).move_to_element_with_offset(canvas, int(x - canvas.size["width"] / 2),
                                                              int(y - canvas.size["height"] / 2)).click().perform()

    def errors(self):
        return [entry["message"] for entry in self.driver.get_log("browser") if entry["level"] == "SEVERE"]


class Firefox(Chromium):
    """Firefox ESR driven by puppeteer-core over WebDriver BiDi (firefox.mjs), one JSON command a line."""
    name = "Firefox"

    def __init__(self, downloads):
        self.node = subprocess.Popen(["node", os.path.join(HERE, "firefox.mjs"), downloads], stdin=subprocess.PIPE,
                                     stdout=subprocess.PIPE, text=True)
        self.call("init", script=FRAMES_JS)

    def call(self, op, **args):
        self.node.stdin.write(json.dumps(dict(args, op=op)) + "\n")
        self.node.stdin.flush()
        answer = json.loads(self.node.stdout.readline() or '{"error": "the driver ended"}')
        if "error" in answer:
            raise RuntimeError(answer["error"])
        return answer["value"]

    get = lambda self, url: self.call("get", url=url)
    shot = lambda self: Image.open(io.BytesIO(base64.b64decode(self.call("shot")))).convert("RGB")
    save = lambda self, path: self.shot().save(path)
    key = lambda self, key, down: self.call("down" if down else "up", key=" " if key == "Space" else key)
    click = lambda self, x, y: self.call("click", x=x, y=y)
    script = lambda self, js: self.call("script", js=js)
    errors = lambda self: self.call("errors")

    def quit(self):
        self.node.stdin.close()
        self.node.wait(30)


def game_screen(width, height):
    """Cell size and top left of the 32x24 game screen centred in a canvas of device pixels: cells are whole
    eighths, drawn as cells of 16 canvas pixels enlarged a whole number of times where they are sixteenths,
    and the canvas is at most a few pixels over."""
    g = min(width // 32, height // 24) // 8 * 8
    s = g // 16 if g % 16 == 0 else 1
    return g, (width // s - 32 * g // s) // 2 * s, (height // s - 24 * g // s) // 2 * s


def cells(img, line, first, last=None):
    """Cells first..last of a line of the game screen."""
    g, x, y = game_screen(img.width, img.height)
    return img.crop((x + first * g, y + line * g, x + ((last or first) + 1) * g, y + (line + 1) * g))


def cell_colours(img, line, first, last=None):
    return {colour for _, colour in cells(img, line, first, last).getcolors(1 << 16)}


def wait_for(b, name, condition, timeout=15, act=None, look=None):
    deadline, acted = time.monotonic() + timeout, 0
    while time.monotonic() < deadline:
        if act and time.monotonic() > acted + 1:
            act()
            acted = time.monotonic()
        img = (look or b.shot)()
        if condition(img):
            return check(name, True) and img
        time.sleep(0.1)
    b.save(os.path.join(SHOTS, "failed-%d.png" % len(results)))
    return check(name, False)


def hold(b, key, seconds=0.4):
    b.key(key, True)
    time.sleep(seconds)
    b.key(key, False)


def press(b, key):
    hold(b, key, 0)


def key_page(img):
    return cell_colours(img, 1, 1) == {GREY} and cell_colours(img, 12, 0) == {GREY}


def maze_with_panel(img, shown):  # the menu's white panel beside the maze, or none in a game
    panel = sum(WHITE in cell_colours(img, line, 29) for line in range(4, 20))
    return cell_colours(img, 12, 0) == {BLUE} and (panel > 12 if shown else panel < 4)


menu, in_game = (lambda img: maze_with_panel(img, True)), (lambda img: maze_with_panel(img, False))
paused = lambda img: cell_colours(img, 10, 2, 29) == {WHITE}
title = lambda img: len(cell_colours(img, 0, 0, 31) | cell_colours(img, 12, 0, 31)) > 1
score_of, lasers_of = (lambda img: cells(img, 23, 6, 10).tobytes()), (lambda img: cells(img, 23, 28, 29).tobytes())


def cell_at(b, line, column):
    """A cell's centre in CSS pixels from the canvas's top left."""
    w, h, d = b.script("const r = document.getElementById('canvas').getBoundingClientRect();"
                       "return [r.width, r.height, devicePixelRatio]")
    g, x, y = game_screen(round(w * d), round(h * d))
    return (x + (column + 0.5) * g) / d, (y + (line + 0.5) * g) / d


FRAME_JS = "return new Promise((done) => requestAnimationFrame(done))"  # after the game's next frame
# A standard-layout pad, shown to the page as a browser shows one after a press on it; the game opens it in its
# next frame. It reads a pad's buttons once a frame: a press lasts a frame, its release read before the promise settles.
PAD_JS = """const pad = {id: "Test pad", index: 0, mapping: "standard", connected: true, timestamp: performance.now(),
  axes: [0, 0, 0, 0], buttons: Array.from({length: 17}, () => ({pressed: false, value: 0}))};
navigator.getGamepads = () => [pad];
const frame = () => new Promise((done) => requestAnimationFrame(done));
const set = (button, pressed) => { pad.buttons[button] = {pressed: pressed, value: +pressed}; pad.timestamp = performance.now(); };
window.kworblePad = async (button) => { set(button, true); await frame(); set(button, false); await frame(); };
dispatchEvent(Object.assign(new Event("gamepadconnected"), {gamepad: pad})); return frame().then(frame);"""
NO_GL_JS = "return !!canvas.getContext('2d') && !document.createElement('canvas').getContext('webgl')"
FULL_JS = "return [document.fullscreenElement?.contains(canvas), innerWidth * devicePixelRatio, innerHeight * devicePixelRatio]"


def away_and_pad(b, tag):
    """A game in play: another tab in front, then a pad's Start (button 9)."""
    # As a browser that does not say the page lost the focus: only its being hidden tells.
    b.script("addEventListener('blur', (event) => event.stopImmediatePropagation(), true)")
    tab = b.cdp("Target.createTarget", url="about:blank")["targetId"]
    wait_for(b, tag + "another tab goes in front", bool, look=lambda: b.script("return document.hidden"))
    b.cdp("Target.closeTarget", targetId=tab)
    b.cdp("Page.bringToFront")
    wait_for(b, tag + "another tab in front paused the game, and it stays paused back in front", paused)
    press(b, "F5")
    wait_for(b, tag + "F5 lets it run on", lambda img: not paused(img))
    b.script(PAD_JS)
    for name, condition in (("pauses", paused), ("resumes", lambda img: not paused(img))):
        b.script("return kworblePad(9)")
        wait_for(b, tag + "a pad's Start " + name, condition)


def full_screen(b, tag, page):
    """At the menu: F11 and Alt+Enter fill the screen with the largest cells; leaving it, the page is as before."""
    def filled(img):
        inside, width, height = b.script(FULL_JS)
        left, _, right, _ = img.getbbox() or (0, 0, 0, 0)
        g = (right - left) // 32
        game = img.crop((left, (img.height - 24 * g) // 2, right, (img.height + 24 * g) // 2))
        return inside and g % 8 == 0 and (32 * (g + 8) > width or 24 * (g + 8) > height) and menu(game)
    for name, keys in (("F11", [Keys.F11]), ("Alt+Enter", [Keys.ALT, Keys.ENTER])):
        [b.key(key, True) for key in keys]
        b.script(FRAME_JS)  # the browser grants full screen to the game's request in the key's release
        [b.key(key, False) for key in keys]
        wait_for(b, tag + name + " fills the screen with the largest cells", filled)
        b.script("document.fullscreenElement && document.exitFullscreen()")
        wait_for(b, tag + "leaving full screen the page is as before", lambda img: img.size == page.size and menu(img))


def road(b, url, downloads):
    b.get(url)
    tag = b.name + ": "
    if not wait_for(b, tag + "the title appears", title):
        return
    b.save(os.path.join(SHOTS, b.name + "-title.png"))
    b.script("window.kworbleMarker = 1")
    wait_for(b, tag + "a key goes to the key page", key_page, act=lambda: press(b, "Space"))
    audio = b.script("return Module.SDL2.audioContext.state")  # Firefox, headless here, has no sound device to start
    check(tag + "the audio runs after the first key", audio == "running" or b.name == "Firefox" and audio == "suspended")
    page = wait_for(b, tag + "keys go on to the menu", menu, timeout=30, act=lambda: press(b, "Space"))
    if not page or b.name.endswith("WebGL"):
        return page and check(tag + "the game draws on a plain 2D canvas, the browser having no WebGL", b.script(NO_GL_JS))
    # The menu swallows commands while its panel is still being drawn: ask again until it answers.
    game = wait_for(b, tag + "a click on P=Play starts a game on maze A", in_game, act=lambda: b.click(*cell_at(b, 16, 26)))
    if not game:
        return
    b.save(os.path.join(SHOTS, b.name + "-game.png"))
    score = score_of(game)
    moves = iter(["ArrowLeft", "ArrowUp", "ArrowRight", "ArrowDown"] * 4)
    wait_for(b, tag + "the cursor keys eat food", lambda img: score_of(img) != score, act=lambda: hold(b, next(moves, "ArrowLeft")))
    lasers = lasers_of(b.shot())
    press(b, "Space")
    wait_for(b, tag + "space fires a laser", lambda img: lasers_of(img) != lasers)
    press(b, "F5")
    wait_for(b, tag + "F5 pauses", paused)
    check(tag + "F5 keeps the page", b.script("return window.kworbleMarker") == 1)
    press(b, "F5")
    wait_for(b, tag + "F5 resumes", lambda img: not paused(img))
    if b.name == "Chromium":
        away_and_pad(b, tag)
    press(b, "x")
    wait_for(b, tag + "X ends the game, and the menu comes back", menu, timeout=30)
    if b.name == "Chromium":
        full_screen(b, tag, page)
    wait_for(b, tag + "D starts a demo", in_game, timeout=10, act=lambda: press(b, "d"))
    press(b, "F2")
    editor = wait_for(b, tag + "F2 opens the editor",
                      lambda img: cell_colours(img, 1, 1, 31) == {BLACK} and cell_colours(img, 2, 1, 30) == {BLACK, GREY})
    if not editor:
        return
    b.click(*cell_at(b, 6, 10))
    wait_for(b, tag + "a click on a cell makes it a wall", lambda img: cell_colours(img, 6, 10) == {BLACK})
    b.save(os.path.join(SHOTS, b.name + "-editor.png"))
    b.click(*cell_at(b, 22, 29))
    rows = ["#" * 32] + ["#" + " " * 30 + "#"] * 19 + ["#" * 32]
    rows[5] = "#" + " " * 9 + "#" + " " * 20 + "#"
    expected = "const char* maze[] =\n{\n" + "".join('\t"%s",\n' % row for row in rows) + "\t0,\n};\n"
    # A browser may make the file before it writes it.
    saved, deadline = os.path.join(downloads, "maze.txt"), time.monotonic() + 10
    read = lambda: open(saved).read() if os.path.exists(saved) else None
    while read() != expected and time.monotonic() < deadline:
        time.sleep(0.1)
    check(tag + "SAVE downloads maze.txt", read() == expected)
    if os.path.exists(saved):
        os.replace(saved, os.path.join(SHOTS, b.name + "-maze.txt"))
    if b.name == "Chromium":
        press(b, Keys.ESCAPE)
        text = lambda: b.script("return getComputedStyle(message).display != 'none' && message.textContent")
        wait_for(b, tag + "Escape ends the game and the page says so", lambda t: t and "KWORBLE has ended." in t, look=text)
        wait_for(b, tag + "a key then reloads the page", lambda marker: marker is None, act=lambda: press(b, "Space"),
                 look=lambda: b.script("return window.kworbleMarker"))
        wait_for(b, tag + "and the title runs again", title)


def main():
    server, url = serve(SITE)
    import touch_test  # the phone's road shares this file's helpers
    # A screen larger than the window, where full screen has larger cells.
    for make in (lambda d: Chromium(d, "--window-size=1100,900", "--force-device-scale-factor=2", "--screen-info={2400x1800}"),
                 Firefox, touch_test.Phone,
                 lambda d: Chromium(d, "--window-size=1100,900", "--disable-3d-apis", name="Chromium without WebGL")):
        downloads = tempfile.mkdtemp()
        b = make(downloads)
        try:
            (touch_test.road if isinstance(b, touch_test.Phone) else road)(b, url, downloads)
        except Exception as error:
            check("%s: the road runs to its end (%s)" % (b.name, error), False)
        finally:
            severe = b.errors()
            check(b.name + ": no error in the console " + "; ".join(severe), not severe)
            b.quit()
    server.shutdown()
    print("web: %d passed, %d failed" % (results.count(True), results.count(False)))
    return 0 if all(results) else 1


if __name__ == "__main__":
    SITE = sys.argv[1]
    SHOTS = sys.argv[2] if len(sys.argv) > 2 else SHOTS
    os.makedirs(SHOTS, exist_ok=True)
    sys.modules["web_test"] = sys.modules["__main__"]
    sys.exit(main())
