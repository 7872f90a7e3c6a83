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
import web_test

REFUSE_JS = """const getContext = HTMLCanvasElement.prototype.getContext;
HTMLCanvasElement.prototype.getContext = function (type, attributes) {
  if (/webgl/.test(type)) attributes = Object.assign({}, attributes, {preserveDrawingBuffer: false});
  return getContext.call(this, type, attributes);
};"""


def menu(img):  # the blue maze, and the menu's white panel beside it
    cell = lambda line, column: web_test.cells(img, line, column).getcolors(1 << 16)
    return [c for _, c in cell(12, 0)] == [(0, 0, 255)] and sum((255, 255, 255) in [c for _, c in cell(line, 29)]
                                                                for line in range(4, 20)) > 12


handler = type("Silent", (http.server.SimpleHTTPRequestHandler,), {"log_message": lambda *args: None})
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(handler, directory=sys.argv[1]))
threading.Thread(target=server.serve_forever, daemon=True).start()
options = webdriver.ChromeOptions()
options.binary_location = "/usr/bin/chromium"
for arg in ("--headless=new", "--no-sandbox", "--window-size=1100,900", "--user-data-dir=" + tempfile.mkdtemp()):
    options.add_argument(arg)
driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
try:
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": REFUSE_JS})
    driver.get("http://127.0.0.1:%d/" % server.server_address[1])
    deadline, seen = time.monotonic() + 60, 0
    while time.monotonic() < deadline and seen < 10:  # ten screenshots in a row, over about two seconds
        if seen == 0:
            ActionChains(driver).send_keys(" ").perform()
        shot = Image.open(io.BytesIO(driver.find_element(By.ID, "canvas").screenshot_as_png)).convert("RGB")
        seen = seen + 1 if menu(shot) else 0
        time.sleep(0.2)
    preserved = driver.execute_script("return Module.ctx.getContextAttributes().preserveDrawingBuffer")
finally:
    driver.quit()
    server.shutdown()
ok = seen >= 10 and preserved is False
print("%s without preserveDrawingBuffer the menu stays whole (preserved: %s)" % ("ok  " if ok else "FAIL", preserved))
sys.exit(0 if ok else 1)
