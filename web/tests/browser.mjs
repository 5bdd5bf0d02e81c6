// What the browser tests share: a static server for the built page that counts
// the requests it answers, and Debian's Chromium, headless, driven by
// puppeteer-core (which never downloads a browser of its own).
import { createServer } from 'node:http';
import { mkdtempSync, readFileSync, rmSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { extname, join, normalize } from 'node:path';
import puppeteer from 'puppeteer-core';

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json',
  '.svg': 'image/svg+xml',
};

// The folder the web preset builds the page into, or $VELMARO_SITE.
export const SITE = process.env.VELMARO_SITE ?? new URL('../../build/web/site/', import.meta.url).pathname;

// Serves the folder `root` (SITE unless given; `served.root` switches it) on a
// free port of 127.0.0.1, with `headers` on every file. `requests` counts
// what it answered.
export async function serveSite(root = SITE, headers = {}) {
  const server = createServer((request, response) => {
    served.requests += 1;
    served.paths.push(request.url);
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
    const file = join(served.root, path.endsWith('/') ? `${path}index.html` : path);
    try {
      if (!file.startsWith(served.root) || !statSync(file).isFile()) throw new Error('not a file');
      response.writeHead(200, { ...headers, 'content-type': TYPES[extname(file)] ?? 'application/octet-stream' });
      response.end(readFileSync(file));
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const served = {
    root,
    requests: 0,
    paths: [],
    url: `http://127.0.0.1:${server.address().port}/`,
    close: () => new Promise((resolve) => {
      server.closeAllConnections();
      server.close(resolve);
    }),
  };
  return served;
}

// Chromium with a fresh profile and none of its own network traffic (the
// machine's closed network refuses it).
export async function launchBrowser() {
  const profile = mkdtempSync(join(tmpdir(), 'velmaro-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    args: [
      '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      `--user-data-dir=${profile}`,
    ],
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

// Opens the page and waits until the core has built its fields. Any error the
// page raises is collected in `page.errors`.
export async function openPage(browser, url, viewport = { width: 1280, height: 900 }) {
  const page = await browser.newPage();
  page.errors = [];
  page.on('pageerror', (error) => page.errors.push(String(error)));
  await page.setViewport(viewport);
  await page.goto(url, { waitUntil: 'load' });
  await page.waitForSelector('html[data-ready="true"]');
  return page;
}

// Replaces the text of the field `selector` as typing would, one key at a time.
export async function typeInto(page, selector, text) {
  await page.$eval(selector, (input) => {
    input.value = '';
    input.dispatchEvent(new Event('input', { bubbles: true }));
  });
  await page.type(selector, text);
}

// Puts `text` into the field at once, as a paste does.
export async function pasteInto(page, selector, text) {
  await page.$eval(selector, (input, pasted) => {
    input.focus();
    input.select();
    document.execCommand('insertText', false, pasted);
  }, text);
}

export const values = (page, selectors) =>
  page.evaluate((list) => list.map((s) => document.querySelector(s).value), selectors);
