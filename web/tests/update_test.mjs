// The page's updates: a new version served after an installed one replaces
// it at the next load, and a version with one file that is not the build's is
// refused while the installed one goes on working. The server lets the
// browser keep every file for an hour, so a version installed through the
// HTTP cache would come out stale and be refused.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { appendFileSync, cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { launchBrowser, openPage, serveSite, SITE, typeInto } from './browser.mjs';

const WORKER = new URL('../page/sw.js', import.meta.url).pathname;
const ASSEMBLE = new URL('../assemble_site.cmake', import.meta.url).pathname;
const HEADERS = { 'cache-control': 'max-age=3600' };

let browser;
const servers = [];
const folders = [];

before(async () => {
  browser = await launchBrowser();
});

after(async () => {
  await browser?.close();
  await Promise.all(servers.map((server) => server.close()));
  folders.forEach((folder) => rmSync(folder, { recursive: true, force: true }));
});

// A copy of the built page marked `name` on its root element, with its worker
// stamped for it as the build stamps it.
function makeVersion(name) {
  const folder = mkdtempSync(join(tmpdir(), `velmaro-site-${name}-`));
  folders.push(folder);
  cpSync(SITE, folder, { recursive: true });
  const index = join(folder, 'index.html');
  writeFileSync(index, readFileSync(index, 'utf8').replace('<html', `<html data-version="${name}"`));
  execFileSync('cmake', [`-DSITE_DIR=${folder}`, `-DWORKER=${WORKER}`, '-P', ASSEMBLE]);
  return `${folder}/`;
}

// Opens the page of `root` on a server of its own (a fresh origin) and waits
// until its worker is active and controls it.
async function installed(root) {
  const server = await serveSite(root, HEADERS);
  servers.push(server);
  const page = await openPage(browser, server.url);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.reload();
  await page.waitForSelector('html[data-ready="true"]');
  return { server, page };
}

// Asks for an update and gives the new worker's final state: "activated" or
// "redundant" (refused).
const update = (page) =>
  page.evaluate(async () => {
    const registration = await navigator.serviceWorker.ready;
    const found = new Promise((resolve) => {
      registration.addEventListener('updatefound', () => resolve(registration.installing), { once: true });
    });
    await registration.update().catch(() => {});
    const worker = await found;
    while (!['activated', 'redundant'].includes(worker.state)) {
      await new Promise((resolve) => worker.addEventListener('statechange', resolve, { once: true }));
    }
    return worker.state;
  });

const shown = (page) =>
  page.evaluate(async () => ({
    version: document.documentElement.dataset.version,
    caches: await caches.keys(),
    controlled: navigator.serviceWorker.controller !== null,
  }));

async function reload(page) {
  await page.reload();
  await page.waitForSelector('html[data-ready="true"]');
}

test('a new version replaces the installed one at the next load, and its cache the old one', async () => {
  const { server, page } = await installed(makeVersion('A'));
  const before = await shown(page);
  assert.deepEqual([before.version, before.caches.length, before.controlled], ['A', 1, true]);

  server.root = makeVersion('B');
  assert.equal(await update(page), 'activated');
  await reload(page);
  const after = await shown(page);
  assert.equal(after.version, 'B');
  assert.equal(after.caches.length, 1);
  assert.notEqual(after.caches[0], before.caches[0]);
});

test('a version with one file that is not the build\'s is refused and the installed one kept', async () => {
  const { server, page } = await installed(makeVersion('A'));
  const before = await shown(page);

  const broken = makeVersion('B');
  appendFileSync(join(broken, 'app.js'), '\n// changed after the build\n');
  server.root = broken;
  assert.equal(await update(page), 'redundant');
  await reload(page);
  assert.deepEqual(await shown(page), before);
  await typeInto(page, '#temperature-0', '100');
  assert.equal(await page.$eval('#temperature-2', (e) => e.value), '373.150000');
  assert.deepEqual(page.errors, []);
});
