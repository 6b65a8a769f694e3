// Debian's chromium, headless, with the page served from 127.0.0.1: what every page test and the
// benchmark start with. The browser is told to reach no host of its own (no updates, sync or
// background requests) and starts from a fresh profile, which close() removes.
import {mkdtemp, rm} from "node:fs/promises";
import {tmpdir} from "node:os";
import {dirname, join, resolve} from "node:path";
import {fileURLToPath} from "node:url";

import puppeteer from "puppeteer-core";

import {addressOf, serve} from "../serve.mjs";

export const repository = resolve(dirname(fileURLToPath(import.meta.url)), "../..");
export const site = process.env.HUEWRIGHT_SITE ?? join(repository, "build/web/site");
const chromium = process.env.CHROMIUM ?? "/usr/bin/chromium";

/// Starts the server and the browser; close() stops both.
export async function startBrowser() {
  const server = await serve(site);
  const profile = await mkdtemp(join(tmpdir(), "huewright-chromium-"));
  const downloads = join(profile, "downloads");
  const args = [
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--no-first-run", "--no-default-browser-check", "--disable-features=Translate,MediaRouter",
    "--font-render-hinting=none", "--lang=ja",
  ];
  // Chromium's own sandbox cannot start as root.
  if (process.getuid?.() === 0) {
    args.push("--no-sandbox");
  }
  const browser = await puppeteer.launch({
    executablePath: chromium,
    headless: true,
    userDataDir: profile,
    args,
  });
  const origin = addressOf(server);
  await browser.defaultBrowserContext().overridePermissions(
      origin.replace(/\/$/, ""), ["clipboard-read", "clipboard-write", "clipboard-sanitized-write"]);
  return {
    browser,
    origin,
    downloads,
    async close() {
      await browser.close();
      await new Promise((done) => server.close(done));
      await rm(profile, {recursive: true, force: true});
    },
  };
}

/// Opens the page in a new tab and waits until the window is shown; every request the page makes
/// is recorded in `requests`, and every message it logs in `console`. `prepare` may change the
/// tab before the page loads. The browser's languages are Japanese unless `languages` says.
export async function openPage(session, {viewport = {width: 720, height: 480}, prepare,
                                         languages = ["ja"]} = {}) {
  const page = await session.browser.newPage();
  await page.evaluateOnNewDocument((names) => {
    Object.defineProperty(Navigator.prototype, "languages", {get: () => names});
    Object.defineProperty(Navigator.prototype, "language", {get: () => names[0]});
  }, languages);
  await prepare?.(page);
  await page.setViewport(viewport);
  const requests = [];
  const console = [];
  page.on("request", (request) => requests.push(request.url()));
  page.on("console", (message) => console.push(`${message.type()}: ${message.text()}`));
  page.on("pageerror", (error) => console.push(`error: ${error.message}`));
  const client = await page.createCDPSession();
  await client.send("Browser.setDownloadBehavior",
                    {behavior: "allow", downloadPath: session.downloads});
  // Every test starts as a first visit: no lumo.ini in the browser's storage.
  await client.send("Storage.clearDataForOrigin",
                    {origin: session.origin.replace(/\/$/, ""), storageTypes: "local_storage"});
  await page.goto(session.origin);
  await page.waitForSelector("body[data-ready]");
  await page.bringToFront();
  return {page, requests, console};
}
