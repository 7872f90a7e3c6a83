#!/usr/bin/python3
"""The web build on a canvas whose WebGL context lacks preserveDrawingBuffer, as a browser may make it: the game
must notice and draw through a render target, so the menu stays whole while its banner scrolls. Usage:
preserve_test.py SITE"""
import functools, http.server, io, sys, tempfile, threading, time
from PIL import Image
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

# Every WebGL context of the page is made without preserveDrawingBuffer, whatever the page asks.
REFUSE_JS = """const getContext = HTMLCanvasElement.prototype.getContext;
HTMLCanvasElement.prototype.getContext = function (type, attributes) {
  if (/webgl/.test(type)) attributes = Object.assign({}, attributes, {preserveDrawingBuffer: false});
  return getContext.call(this, type, attributes);
};"""
WHITE, BLUE = (255, 255, 255), (0, 0, 255)


def cell_colours(img, line, column):
    g = min(img.width // 32, img.height // 24)
    x, y = (img.width - 32 * g) // 2 + column * g, (img.height - 24 * g) // 2 + line * g
    return {colour for _, colour in img.crop((x, y, x + g, y + g)).getcolors(1 << 16)}


def menu(img):  # the maze and the menu's white panel beside it
    return cell_colours(img, 12, 0) == {BLUE} and sum(WHITE in cell_colours(img, line, 29) for line in range(4, 20)) > 12


def main():
    Silent = type("Silent", (http.server.SimpleHTTPRequestHandler,), {"log_message": lambda *args: None})
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Silent, directory=sys.argv[1]))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for arg in ("--headless=new", "--no-sandbox", "--enable-unsafe-swiftshader", "--window-size=1100,900",
                "--user-data-dir=" + tempfile.mkdtemp()):
        options.add_argument(arg)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    try:
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": REFUSE_JS})
        driver.get("http://127.0.0.1:%d/" % server.server_address[1])
        shot = lambda: Image.open(io.BytesIO(driver.find_element(By.ID, "canvas").screenshot_as_png)).convert("RGB")
        deadline, menu_seen = time.monotonic() + 60, 0
        while time.monotonic() < deadline and menu_seen < 10:  # ten screenshots in a row over about two seconds
            if menu_seen == 0:
                ActionChains(driver).send_keys(Keys.SPACE).perform()
            menu_seen = menu_seen + 1 if menu(shot()) else 0
            time.sleep(0.2)
        preserved = driver.execute_script("return Module.ctx.getContextAttributes().preserveDrawingBuffer")
    finally:
        driver.quit()
        server.shutdown()
    ok = menu_seen >= 10 and preserved is False
    print(("ok    " if ok else "FAIL  ") + "without preserveDrawingBuffer the menu stays whole (context preserves: %s)"
          % preserved)
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
