#!/usr/bin/python3
"""The web build's figures beside their goals: the site's size, the first frame, and 10 s of a demo in headless
Chromium (frame rate, longest frame, audio underruns, a sound's delay), then the same demo on an emulated phone in
landscape at density 3 with the CPU throttled 4x (frame intervals and the game's own time per frame, 99th percentiles).
Usage: tools/web-bench.py [SITE]   (SITE: build-web/site, made by tools/web.sh)"""
import gzip, os, statistics, sys, tempfile, time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
import web_test  # noqa: E402
from web_test import Chromium, in_game, key_page, menu, press, wait_for  # noqa: E402
import touch_test  # noqa: E402

# Ten seconds of frames, the game's work in each, and audio blocks: when each block was asked for, the context's clock
# once it is filled, how far ahead of that clock it plays, and whether any sound is in it; a block's length and the
# device's latency in s.
DEMO_JS = """const start = performance.now(), first = kworbleWork.length, audio = [], c = Module.SDL2.audioContext;
const node = Module.SDL2.audio.scriptProcessorNode, mix = node.onaudioprocess;
node.onaudioprocess = (e) => { const t = performance.now(), ahead = e.playbackTime - c.currentTime; mix(e);
  audio.push([t, c.currentTime, ahead, e.outputBuffer.getChannelData(0).some((v) => v)]); };
return new Promise((done) => setTimeout(() => done([kworbleFrames.filter((t) => t >= start), kworbleWork.slice(first),
    audio, node.bufferSize / c.sampleRate, c.baseLatency + (c.outputLatency || 0)]), 10000));"""


def p99(values):
    return sorted(values)[min(len(values) - 1, int(0.99 * len(values)))]


def to_demo(b, url):
    b.get(url)
    if not wait_for(b, "title", lambda img: len(web_test.cells(img, 12, 0, 31).getcolors(1 << 16)) > 1):
        return None
    first = b.script("return kworbleFrames[0]")
    wait_for(b, "key page", key_page, act=lambda: press(b, "Space"))
    wait_for(b, "menu", menu, timeout=30, act=lambda: press(b, "Space"))
    if not wait_for(b, "demo", in_game, act=lambda: press(b, "d")):
        return None
    time.sleep(1)
    return first, b.script(DEMO_JS)


def desktop(url):
    b = Chromium(tempfile.mkdtemp(), "--window-size=1100,900")
    try:
        first, (frames, _, audio, block, device) = to_demo(b, url)
    finally:
        b.quit()
    print("first frame after navigation: %.0f ms (goal under 2000)" % first)
    gaps = [b - a for a, b in zip(frames, frames[1:])]
    print("demo: %.1f frames/s over 10 s (goal 60), longest frame interval %.0f ms (goal at most 50)" %
          (len(frames) / 10, max(gaps)))
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
    print("audio: %d blocks of %.0f ms, %d underruns (goal 0); sound start to output %s ms (median, goal about 50)" %
          (len(audio), 1000 * block, underruns, "%.0f" % statistics.median(starts) if starts else "(no sound heard)"))


def phone(url):
    b = touch_test.Phone(tempfile.mkdtemp())
    try:
        b.metrics(*touch_test.LANDSCAPE)
        b.cdp("Emulation.setCPUThrottlingRate", rate=4)
        _, (frames, work, _, _, _) = to_demo(b, url)
    finally:
        b.quit()
    gaps = [b - a for a, b in zip(frames, frames[1:])]
    print("phone, landscape 915x412 at density 3, CPU 4x slower, 10 s of a demo: %d frames; frame interval p99 %.1f ms "
          "(goal at most 20), longest %.0f ms; the game's time per frame p99 %.1f ms (goal at most 8), median %.1f ms" %
          (len(frames), p99(gaps), max(gaps), p99(work), statistics.median(work)))


def main():
    site = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "build-web", "site")
    sizes = {f: len(gzip.compress(open(os.path.join(site, f), "rb").read(), 6)) for f in sorted(os.listdir(site))}
    print("site: %.0f kB gzip (goal at most 1024): %s" % (sum(sizes.values()) / 1024,
          ", ".join("%s %.0f kB" % (f, n / 1024) for f, n in sizes.items())))
    server, url = web_test.serve(site)
    try:
        desktop(url)
        phone(url)
    finally:
        server.shutdown()


if __name__ == "__main__":
    main()
