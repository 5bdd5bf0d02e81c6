// Size, first paint and keystroke time of the built page in headless
// Chromium. Prints figures and asserts nothing.
// Usage: node tools/measure.mjs [page loads] [keystrokes]
import { readdirSync, readFileSync, statSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { launchBrowser, openPage, serveSite, SITE, typeInto } from '../tests/browser.mjs';

const loads = Number(process.argv[2] ?? 10);
const keystrokes = Number(process.argv[3] ?? 500);
const median = (list) => [...list].sort((a, b) => a - b)[Math.floor(list.length / 2)];
const worst = (list) => Math.max(...list);
const ms = (value) => `${value.toFixed(2)} ms`;

// Every file, compressed as a server would send it, and what each language's
// visitor loads: the files at the root (the core, scripts, style, icons,
// worker) and that language's page and manifest. The worker then keeps the
// other language's page too, for use offline: "with the other page".
const files = readdirSync(SITE, { recursive: true }).filter((name) => statSync(join(SITE, name)).isFile()).sort();
const sizes = new Map(files.map((name) => {
  const bytes = readFileSync(join(SITE, name));
  return [name, { raw: bytes.length, gzip: gzipSync(bytes, { level: 9 }).length }];
}));
for (const [name, { raw, gzip }] of sizes) {
  console.log(`${name.padEnd(24)} ${String(raw).padStart(7)} B, gzip ${String(gzip).padStart(6)} B`);
}
const kib = (bytes) => `${bytes} B (${(bytes / 1024).toFixed(1)} KiB)`;
const sum = (names) => names.reduce((total, name) => total + sizes.get(name).gzip, 0);
const pages = files.filter((name) => /(^|\/)(index\.html|manifest\.webmanifest)$/.test(name));
const shared = files.filter((name) => !pages.includes(name));
console.log(`all files, gzip -9: ${kib(sum(files))}`);
for (const folder of ['', 'en/']) {
  const own = pages.filter((name) => name.startsWith(folder) && !name.slice(folder.length).includes('/'));
  const others = pages.filter((name) => !own.includes(name) && name.endsWith('index.html'));
  console.log(`the ${folder || 'root'} page's visitor, gzip -9: ${kib(sum([...shared, ...own]))}, `
    + `with the other page: ${kib(sum([...shared, ...own, ...others]))}`);
}

const server = await serveSite();
const browser = await launchBrowser();
try {
  // Each load in a new page of a browser without the worker's cache: the
  // first visit.
  const paints = [];
  const usable = [];
  const ready = [];
  for (let i = 0; i < loads; i += 1) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.goto(server.url, { waitUntil: 'load' });
    await page.waitForSelector('html[data-ready="true"]');
    const [paint, fields, mark] = await page.evaluate(() => [
      performance.getEntriesByName('first-contentful-paint')[0]?.startTime,
      performance.getEntriesByName('velmaro-fields')[0]?.startTime,
      performance.getEntriesByName('velmaro-ready')[0]?.startTime,
    ]);
    paints.push(paint);
    // A field takes input once it is painted and its script listens (on a
    // page that builds its fields with the core: once the core is there).
    usable.push(Math.max(paint, fields ?? mark) - paint);
    ready.push(mark);
    await context.close();
  }
  console.log(`first contentful paint over ${loads} loads: median ${ms(median(paints))}, worst ${ms(worst(paints))}`);
  console.log(`fields usable, after first paint: median ${ms(median(usable))}, worst ${ms(worst(usable))}`);
  console.log(`core loaded (typed text converted): median ${ms(median(ready))}, worst ${ms(worst(ready))}`);

  // One key at a time into the pressure field, the largest group of the
  // main window (14 fields), the sensor panel's slowest inverse, then the
  // gas flow of the instrument panel.
  const page = await openPage(browser, server.url);
  const timed = async (selector, keys) => {
    const times = [];
    await typeInto(page, selector, '');
    for (let i = 0; i < keys; i += 1) {
      await page.type(selector, String((i % 9) + 1));
      times.push(await page.evaluate(() => window.velmaro.timing.lastUpdateMs));
      if (i % 12 === 11) await typeInto(page, selector, '');
    }
    return times;
  };
  const pressure = await timed('#pressure-0', keystrokes);
  console.log(`keystroke, pressure (${keystrokes}): median ${ms(median(pressure))}, worst ${ms(worst(pressure))}`);
  await page.click('label:has(#sensor-thermocouple)');
  await page.select('#sensor-type', await page.$eval('#sensor-type', (s) => s.options[7].value)); // T
  const sensor = await timed('#sensor-output', Math.min(keystrokes, 200));
  console.log(`keystroke, type T output to °C (${sensor.length}): median ${ms(median(sensor))}, worst ${ms(worst(sensor))}`);
  // The instrument panel's largest tool: three flows, the density and the mass flow.
  const gas = await timed('#gas-flow-line-flow', Math.min(keystrokes, 200));
  console.log(`keystroke, gas flow line to normal and standard (${gas.length}): median ${ms(median(gas))}, worst ${ms(worst(gas))}`);
} finally {
  await browser.close();
  await server.close();
}
