// Pictures of the page for the README: a desktop width and a phone width,
// with a few values typed in, the water and steam panel and the flowmeter's;
// the Chinese page and the English one (names ending in -en).
// Usage: node tools/screenshots.mjs <folder>
import { join } from 'node:path';
import { launchBrowser, openPage, serveSite, typeInto } from '../tests/browser.mjs';

const folder = process.argv[2] ?? 'docs';
const server = await serveSite();
const browser = await launchBrowser();
try {
  for (const [folderOnSite, suffix] of [['', ''], ['en/', '-en']]) {
    const url = server.url + folderOnSite;
    const named = (name) => join(folder, name.replace('.png', `${suffix}.png`));
    // The phone picture shows the temperature and sensor panels, what an
    // engineer at a thermocouple looks for.
    for (const [name, viewport, shown] of [
      ['web-desktop.png', { width: 1280, height: 1000 }, 'header'],
      ['web-phone.png', { width: 360, height: 740, isMobile: true, hasTouch: true }, '#temperature-panel'],
    ]) {
      const page = await openPage(browser, url, viewport);
      await typeInto(page, '#pressure-11', '1'); // atm
      await typeInto(page, '#temperature-0', '100');
      await page.click('label:has(#sensor-thermocouple)');
      await page.select('#sensor-type', await page.$eval('#sensor-type', (s) => s.options[3].value));
      await typeInto(page, '#sensor-celsius', '100');
      await typeInto(page, '#mass-flow-0', '3600');
      await typeInto(page, '#volume-flow-4', '1');
      await page.$eval('#category-length', (d) => { d.open = true; });
      await typeInto(page, '#length-0', '1');
      await page.evaluate((selector) => {
        document.activeElement.blur();
        document.querySelector(selector).scrollIntoView();
      }, shown);
      await page.screenshot({ path: named(name) });
      await page.close();
    }
    // The water and steam panel: saturation at a boiler's 3 MPa, wet steam of
    // quality 0.9.
    const page = await openPage(browser, url, { width: 1280, height: 560 });
    await page.select('#steam-mode', await page.$eval('#steam-mode', (s) => s.options[1].value));
    await typeInto(page, '#steam-pressure', '3');
    await typeInto(page, '#steam-quality', '0.9');
    await page.evaluate(() => {
      document.activeElement.blur();
      document.getElementById('steam-panel').scrollIntoView();
    });
    await page.screenshot({ path: named('web-steam.png') });
    await page.close();
    // The flowmeter panel on its worked example: water through an orifice plate.
    const meter = await openPage(browser, url, { width: 1280, height: 640 });
    await meter.evaluate(() => document.getElementById('flow-meter-panel').scrollIntoView());
    await meter.screenshot({ path: named('web-flowmeter.png') });
    await meter.close();
  }
} finally {
  await browser.close();
  await server.close();
}
