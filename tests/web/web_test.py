#!/usr/bin/python3
"""The web build in headless Chromium on the player's road, title to the editor's download; prints the
site's size, the time to the first frame, a demo's frame rate and its audio. Usage: web_test.py SITE [SHOTS]"""
import functools, gzip, http.server, io, os, statistics, sys, tempfile, threading, time
from PIL import Image
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

SITE = sys.argv[1]
SHOTS = sys.argv[2] if len(sys.argv) > 2 else tempfile.mkdtemp()
os.makedirs(SHOTS, exist_ok=True)
WHITE, GREY, BLACK, BLUE = (255, 255, 255), (205, 205, 205), (0, 0, 0), (0, 0, 255)
# Every animation frame is timed from the page's start.
FRAMES_JS = """window.kworbleFrames = []; const raf = window.requestAnimationFrame.bind(window);
window.requestAnimationFrame = (cb) => raf((t) => { kworbleFrames.push(performance.now()); cb(t); });"""
# Ten seconds of frames and audio blocks: when each was asked for, the context's clock once it is filled, how far
# ahead of that clock it plays, and whether any sound is in it; a block's length and the device's latency in s.
DEMO_JS = """const start = performance.now(), audio = [], node = Module.SDL2.audio.scriptProcessorNode, c = Module.SDL2.audioContext;
const mix = node.onaudioprocess;
node.onaudioprocess = (e) => { const t = performance.now(), ahead = e.playbackTime - c.currentTime; mix(e);
  audio.push([t, c.currentTime, ahead, e.outputBuffer.getChannelData(0).some((v) => v)]); };
return new Promise((done) => setTimeout(() => done([kworbleFrames.filter((t) => t >= start), audio,
    node.bufferSize / c.sampleRate, c.baseLatency + (c.outputLatency || 0)]), 10000));"""
results = []


def check(name, ok):
    results.append(bool(ok))
    print(("ok    " if ok else "FAIL  ") + name, flush=True)
    return ok


Quiet = type("Quiet", (http.server.SimpleHTTPRequestHandler,), {"log_message": lambda *args: None})


def start_browser(downloads):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for arg in ("--headless=new", "--no-sandbox", "--enable-unsafe-swiftshader", "--disable-background-networking",
                "--disable-component-update", "--disable-sync", "--no-first-run", "--disable-quic",
                "--window-size=1100,900", "--user-data-dir=" + tempfile.mkdtemp()):
        options.add_argument(arg)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.execute_cdp_cmd("Browser.setDownloadBehavior", {"behavior": "allow", "downloadPath": downloads})
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": FRAMES_JS})
    return driver


def shot(driver):
    return Image.open(io.BytesIO(driver.find_element(By.ID, "canvas").screenshot_as_png)).convert("RGB")


def cells(img, line, first, last=None):
    """Cells first..last of a line of the centred 32x24 game screen."""
    g = min(img.width // 32, img.height // 24)
    x, y = (img.width - 32 * g) // 2, (img.height - 24 * g) // 2
    return img.crop((x + first * g, y + line * g, x + ((last or first) + 1) * g, y + (line + 1) * g))


def cell_colours(img, line, first, last=None):
    return {colour for _, colour in cells(img, line, first, last).getcolors(1 << 16)}


def wait_for(driver, name, condition, timeout=15, act=None):
    deadline, acted = time.monotonic() + timeout, 0
    while time.monotonic() < deadline:
        if act and time.monotonic() > acted + 1:
            act()
            acted = time.monotonic()
        img = shot(driver)
        if condition(img):
            return check(name, True) and img
        time.sleep(0.1)
    driver.save_screenshot(os.path.join(SHOTS, "failed-%d.png" % len(results)))
    return check(name, False)


def hold(driver, key, seconds=0.4):
    ActionChains(driver).key_down(key).pause(seconds).key_up(key).perform()


def press(driver, *keys):
    ActionChains(driver).send_keys(*keys).perform()


def key_page(img):
    return cell_colours(img, 1, 1) == {GREY} and cell_colours(img, 12, 0) == {GREY}


def maze_with_panel(img, shown):  # the menu's white panel beside the maze, or none in a game
    panel = sum(WHITE in cell_colours(img, line, 29) for line in range(4, 20))
    return cell_colours(img, 12, 0) == {BLUE} and (panel > 12 if shown else panel < 4)


menu, in_game = (lambda img: maze_with_panel(img, True)), (lambda img: maze_with_panel(img, False))


def main():
    downloads = tempfile.mkdtemp()
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Quiet, directory=SITE))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    driver = start_browser(downloads)
    try:
        road(driver, "http://127.0.0.1:%d/" % server.server_address[1], downloads)
    finally:
        severe = [entry["message"] for entry in driver.get_log("browser") if entry["level"] == "SEVERE"]
        check("no severe message in the console " + "; ".join(severe), not severe)
        driver.quit()
        server.shutdown()
    size = sum(len(gzip.compress(open(os.path.join(SITE, f), "rb").read(), 6)) for f in os.listdir(SITE))
    print("benchmark: site %.0f kB gzip (goal 1024)" % (size / 1024))
    print("web: %d passed, %d failed" % (results.count(True), results.count(False)))
    return 0 if all(results) else 1


def road(driver, url, downloads):
    driver.get(url)
    if not wait_for(driver, "the title appears", lambda img: len(cell_colours(img, 0, 0, 31) | cell_colours(img, 12, 0, 31)) > 1):
        return
    print("benchmark: first frame %.0f ms after navigation (goal 2000)" % driver.execute_script("return kworbleFrames[0]"))
    driver.save_screenshot(os.path.join(SHOTS, "title.png"))
    driver.execute_script("window.kworbleMarker = 1")
    wait_for(driver, "a key goes to the key page", key_page, act=lambda: press(driver, Keys.SPACE))
    check("the audio runs after the first key", driver.execute_script("return Module.SDL2.audioContext.state") == "running")
    if not wait_for(driver, "keys go on to the menu", menu, timeout=30, act=lambda: press(driver, Keys.SPACE)):
        return
    # The menu swallows letters while its panel is still being drawn: ask again until it answers.
    game = wait_for(driver, "P starts a game on maze A", in_game, act=lambda: press(driver, "p"))
    if not game:
        return
    driver.save_screenshot(os.path.join(SHOTS, "game.png"))
    score = cells(game, 23, 6, 10).tobytes()
    moves = iter([Keys.LEFT, Keys.UP, Keys.RIGHT, Keys.DOWN] * 4)
    wait_for(driver, "the cursor keys eat food", lambda img: cells(img, 23, 6, 10).tobytes() != score,
             act=lambda: hold(driver, next(moves, Keys.LEFT)))
    lasers = cells(shot(driver), 23, 28, 29).tobytes()
    press(driver, Keys.SPACE)
    wait_for(driver, "space fires a laser", lambda img: cells(img, 23, 28, 29).tobytes() != lasers)
    press(driver, Keys.F5)
    wait_for(driver, "F5 pauses", lambda img: cell_colours(img, 10, 2, 29) == {WHITE})
    check("F5 keeps the page", driver.execute_script("return window.kworbleMarker") == 1)
    press(driver, Keys.F5)
    wait_for(driver, "F5 resumes", lambda img: cell_colours(img, 10, 2, 29) != {WHITE})
    press(driver, "x")
    wait_for(driver, "X ends the game, and the menu comes back", menu, timeout=30)
    if wait_for(driver, "D starts a demo", in_game, timeout=10, act=lambda: press(driver, "d")):
        time.sleep(1)
        frames, audio, block, device = driver.execute_script(DEMO_JS)
        gaps = [b - a for a, b in zip(frames, frames[1:])]
        # The context asks for a block as it starts playing the other one: a block still unfilled when its clock has
        # passed one more block (the earliest fill sets the phase) plays stale samples.
        slack = [clock - i * block for i, (_, clock, _, _) in enumerate(audio)]
        underruns = sum(s - min(slack) > block + 1e-4 for s in slack)
        # A sound started in a frame since the last block (the middle one counts): the wait, the block's lead, the device.
        starts = []
        for (before, _, _, was), (t, _, ahead, loud) in zip(audio, audio[1:]):
            since = [t - f for f in frames if before < f <= t]
            if loud and not was and since:
                starts.append(1000 * (ahead + device) + (min(since) + max(since)) / 2)
        if check("the demo is heard", starts):
            print("benchmark: demo %.1f frames/s over 10 s, longest frame interval %.0f ms (goal 60, 50); %d audio blocks "
                  "of %.0f ms, %d underruns (goal 0), sound start to output %.0f ms (median, goal 50)" % (len(frames) / 10,
                  max(gaps), len(audio), 1000 * block, underruns, statistics.median(starts)))
    press(driver, Keys.F2)
    editor = wait_for(driver, "F2 opens the editor",
                      lambda img: cell_colours(img, 1, 1, 31) == {BLACK} and cell_colours(img, 2, 1, 30) == {BLACK, GREY})
    if not editor:
        return
    driver.save_screenshot(os.path.join(SHOTS, "editor.png"))
    canvas = driver.find_element(By.ID, "canvas")
    g = canvas.size["width"] // 32
    ActionChains(driver).move_to_element_with_offset(canvas, int(29.5 * g - canvas.size["width"] / 2),
                                                     int(22.5 * g - canvas.size["height"] / 2)).click().perform()
    saved, deadline = os.path.join(downloads, "maze.txt"), time.monotonic() + 10
    while not os.path.exists(saved) and time.monotonic() < deadline:
        time.sleep(0.1)
    rows = ["#" * 32] + ["#" + " " * 30 + "#"] * 19 + ["#" * 32]
    expected = "const char* maze[] =\n{\n" + "".join('\t"%s",\n' % row for row in rows) + "\t0,\n};\n"
    check("SAVE downloads maze.txt", os.path.exists(saved) and open(saved).read() == expected)
    if os.path.exists(saved):
        os.replace(saved, os.path.join(SHOTS, "maze.txt"))


if __name__ == "__main__":
    sys.exit(main())
