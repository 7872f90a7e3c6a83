// Firefox ESR for web_test.py, driven by puppeteer-core over WebDriver BiDi: one JSON command a
// line on standard input, one answer a line on standard output. Usage: node firefox.mjs DOWNLOADS
import puppeteer from "puppeteer-core";
import readline from "node:readline";

const downloads = { "browser.download.dir": process.argv[2], "browser.download.folderList": 2 };
const browser = await puppeteer.launch({
  browser: "firefox", executablePath: "/usr/bin/firefox-esr", headless: true,
  extraPrefsFirefox: { ...downloads, "browser.download.always_ask_before_handling_new_types": false },
});
const page = (await browser.pages())[0] || (await browser.newPage());
await page.setViewport({ width: 1100, height: 900 });
const errors = [];
page.on("console", (message) => message.type() === "error" && errors.push(message.text()));
page.on("pageerror", (error) => errors.push(String(error)));
const box = async () => (await page.$("#canvas")).boundingBox();
const ops = {
  init: async ({ script }) => void (await page.evaluateOnNewDocument(script)),
  get: async ({ url }) => void (await page.goto(url)),
  shot: async () => page.screenshot({ encoding: "base64", clip: await box() }),
  down: ({ key }) => page.keyboard.down(key),
  up: ({ key }) => page.keyboard.up(key),
  click: async ({ x, y }) => box().then((canvas) => page.mouse.click(canvas.x + x, canvas.y + y)),
  script: ({ js }) => page.evaluate(`(async () => { ${js} })()`),
  errors: () => errors,
};
for await (const line of readline.createInterface({ input: process.stdin })) {
  const command = JSON.parse(line);
  try {
    const value = await ops[command.op](command);
    process.stdout.write(JSON.stringify({ value: value === undefined ? null : value }) + "\n");
  } catch (error) {
    process.stdout.write(JSON.stringify({ error: String(error) }) + "\n");
  }
}
await browser.close();
