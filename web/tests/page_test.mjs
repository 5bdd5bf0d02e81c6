// The web page in a real browser: every field shows the core's text, the
// sensor panel works both ways and says when a value is out of range, a phone
// needs no sideways scrolling, odd input breaks nothing, and after one visit
// to the page in either language it asks the network for nothing and both
// pages work without one.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { openPage, pasteInto, serveSite, typeInto, values } from './browser.mjs';
import { withSitePage } from './site_page.mjs';

let server;
let browser;
let page;

withSitePage((opened) => ({ server, browser, page } = opened));

// The quantities as the page shows them: each box of unit fields with the
// quantity's position in the core's catalogue and its units' labels.
const quantitiesShown = () =>
  page.$$eval('.fields[data-quantity]', (boxes) => boxes.map((box) => ({
    id: box.dataset.quantity,
    index: Number(box.dataset.index),
    units: [...box.querySelectorAll('.unit')].map((label) => label.textContent),
  })));

// Every field of `quantity` as the page shows it, and the names it gives them.
const fieldsOf = (quantity) =>
  page.evaluate(({ id, units }) => {
    const inputs = units.map((_, u) => document.getElementById(`${id}-${u}`));
    return { texts: inputs.map((i) => i.value), names: inputs.map((i) => i.getAttribute('aria-label')) };
  }, quantity);

test('typing into a field of every quantity writes every other field as the core does', async () => {
  const quantities = await quantitiesShown();
  assert.deepEqual(quantities.map((q) => q.index).sort((a, b) => a - b), [...Array(21).keys()],
    'every quantity of the catalogue once');
  await page.$$eval('details.category', (all) => all.forEach((d) => { d.open = true; }));
  for (const [q, quantity] of quantities.entries()) {
    const unit = q % quantity.units.length; // a different unit of each quantity
    const typed = q % 2 ? '-12.5e3' : '0.0371';
    await typeInto(page, `#${quantity.id}-${unit}`, typed);
    const expected = await page.evaluate((a, b, t) => window.velmaro.core.convert(a, b, t), quantity.index, unit, typed);
    const shown = await fieldsOf(quantity);
    assert.deepEqual(shown.names, quantity.units, `${quantity.id}: every field is named by its unit label`);
    shown.texts.forEach((text, i) => {
      assert.equal(text, i === unit ? typed : expected[i], `${quantity.id}: ${quantity.units[i]}`);
    });
  }
  // The desktop program's digits, where the windows' own tests pin them.
  const byId = (id) => quantities.find((q) => q.id === id);
  await typeInto(page, '#area-0', '');
  const acre = byId('area').units.findIndex((label) => /^Acer/.test(label));
  await typeInto(page, `#area-${acre}`, '1');
  const acreRow = await fieldsOf(byId('area'));
  assert.ok(acreRow.texts.includes('0.00400000') && acreRow.texts.includes('4046.85600000')
    && acreRow.texts.includes('43560.00000000'), acreRow.texts.join(' '));
  await typeInto(page, '#temperature-0', '0');
  assert.deepEqual((await fieldsOf(byId('temperature'))).texts, ['0', '32.000000', '273.150000', '491.669990']);
});

test('the sensor panel converts both ways and says inline when a value is out of range', async () => {
  const scales = ['#sensor-celsius', '#sensor-fahrenheit', '#sensor-kelvin', '#sensor-rankine', '#sensor-output'];
  const caption = () => page.$eval('#sensor-output-caption', (e) => e.textContent);
  const verdict = () => page.$eval('#sensor-range', (e) => e.textContent);
  assert.equal(await caption(), '电压');

  await page.click('label:has(#sensor-thermocouple)');
  assert.equal(await caption(), '电势');
  assert.deepEqual(await values(page, scales), ['0', '32.000000', '273.150000', '491.669990', '0.000000']);

  await page.select('#sensor-type', await page.$eval('#sensor-type', (s) => s.options[3].value)); // type K
  await typeInto(page, '#sensor-celsius', '100');
  assert.deepEqual(await values(page, scales), ['100', '212.000000', '373.150000', '671.669990', '4.096230']);
  assert.equal(await verdict(), '');

  await typeInto(page, '#sensor-celsius', '2000');
  assert.deepEqual(await values(page, scales), ['2000', '3632.000000', '2273.150000', '4091.669990', '0.000000']);
  assert.equal(await verdict(), '超出范围');

  await typeInto(page, '#sensor-output', '4.096230');
  assert.deepEqual(await values(page, scales), ['99.97', '211.94393', '373.11885', '671.61392', '4.096230']);
  assert.equal(await verdict(), '');

  await page.click('label:has(#sensor-rtd)');
  assert.equal(await caption(), '电阻');
  assert.equal(await page.$eval('#sensor-output', (e) => e.getAttribute('aria-label')), '电阻 Ω(欧姆)');
  assert.equal(await page.$eval('#sensor-output', (e) => e.value), '100.000000'); // Pt100 at 0 °C
  await typeInto(page, '#sensor-output', '138.5');
  assert.equal(await page.$eval('#sensor-celsius', (e) => e.value), '99.99');
  assert.equal(await verdict(), '');
  await typeInto(page, '#sensor-output', '');
  assert.equal(await verdict(), '超出范围');
  assert.equal(await page.$eval('#sensor-fahrenheit', (e) => e.readOnly), true);
});

test('any text reads as the desktop reads it and breaks nothing', async () => {
  // Pasted into the mba field; what the kPa field then shows.
  const cases = [
    ['１２３', '0.000000'], // full-width digits are no number
    ['😀12', '0.000000'],
    [' 12abc', '1.200000'],
    ['-', '0.000000'],
    ['1'.padEnd(10000, '0'), 'inf'], // 10,000 characters
  ];
  for (const [text, kPa] of cases) {
    await pasteInto(page, '#pressure-4', text);
    assert.equal(await page.$eval('#pressure-4', (e) => e.value), text);
    assert.equal(await page.$eval('#pressure-6', (e) => e.value), kPa, JSON.stringify(text.slice(0, 8)));
  }
  assert.deepEqual(page.errors, []);
});

test('on a phone the panels stack without sideways scrolling and the fields are large enough to touch', async () => {
  const phone = await openPage(browser, server.url, { width: 360, height: 740, isMobile: true, hasTouch: true });
  await phone.$$eval('details.category', (all) => all.forEach((d) => { d.open = true; }));
  await typeInto(phone, '#pressure-0', '1e300'); // a 300-digit result in every other field
  const layout = await phone.evaluate(() => ({
    scrollWidth: document.documentElement.scrollWidth,
    panelLefts: [...document.querySelectorAll('.panel')].map((p) => Math.round(p.getBoundingClientRect().left)),
    smallestField: Math.min(...[...document.querySelectorAll('.field input')].map((i) => i.getBoundingClientRect().height)),
    // Every field the user types in takes a number, but the transmitter's unit name.
    lettered: [...document.querySelectorAll('.field input:not([readonly])')]
      .filter((i) => i.inputMode !== 'decimal').map((i) => i.id),
  }));
  assert.ok(layout.scrollWidth <= 360, `page is ${layout.scrollWidth} px wide`);
  assert.equal(new Set(layout.panelLefts).size, 1, 'one column');
  assert.ok(layout.smallestField >= 44, `smallest field ${layout.smallestField} px high`);
  assert.deepEqual(layout.lettered, ['transmitter-unit']);
  await phone.close();
});

test('a text the core has no memory for is refused, not written over the core', async () => {
  const starved = await browser.newPage();
  // The core's allocator answers 0, as it does when its memory cannot grow,
  // once `window.starved` is set.
  await starved.evaluateOnNewDocument(() => {
    let factory;
    Object.defineProperty(window, 'createVelmaroCore', {
      configurable: true,
      set: (value) => { factory = value; },
      get: () => async (...args) => {
        const module = await factory(...args);
        // Bound on its first call, an export then replaces itself: bind it
        // before wrapping, or the page's first text undoes the wrapper.
        module._free(module._malloc(1));
        const malloc = module._malloc;
        module._malloc = (size) => (window.starved ? 0 : malloc(size));
        return module;
      },
    });
  });
  // On an origin of its own, so that its worker stays apart from the page's.
  const own = await serveSite();
  await starved.goto(own.url);
  await starved.waitForSelector('html[data-ready="true"]');
  const thrown = await starved.evaluate(() => {
    window.starved = true;
    try {
      return window.velmaro.core.convert(0, 0, '1').join();
    } catch (error) {
      return error.name;
    }
  });
  assert.equal(thrown, 'RangeError');
  await starved.close();
  await own.close();
});

test('the fields take text before the core has loaded, and it is converted once it has', async () => {
  const early = await browser.newPage();
  const errors = [];
  early.on('pageerror', (error) => errors.push(String(error)));
  // On an origin of its own, whose core arrives only when released.
  const own = await serveSite();
  let release;
  const held = new Promise((resolve) => { release = resolve; });
  await early.setRequestInterception(true);
  early.on('request', async (request) => {
    if (request.url().endsWith('/velmaro-core.js')) await held;
    request.continue();
  });
  await early.goto(own.url, { waitUntil: 'domcontentloaded' });
  await early.type('#pressure-2', '1'); // bar
  await early.click('label:has(#sensor-rtd)');
  await early.type('#sensor-output', '138.5');
  await early.type('#cold-junction-emf', '15.2');
  assert.equal(await early.$eval('html', (e) => e.dataset.ready), undefined, 'the core is not there yet');
  release();
  await early.waitForSelector('html[data-ready="true"]');
  assert.deepEqual(await values(early, ['#pressure-2', '#pressure-6', '#sensor-output', '#sensor-celsius',
    '#cold-junction-emf', '#cold-junction-hot']), ['1', '100.000000', '138.5', '99.99', '15.2', '395.34']);
  assert.deepEqual(errors, []);
  await early.close();
  await own.close();
});

test('every field, section and panel has a name of its own, and a phone has links to the panels', async () => {
  // The names a screen reader gives the elements, as the browser computes them.
  const cdp = await page.createCDPSession();
  const namesOf = async (selectors) => {
    const { nodes } = await cdp.send('Accessibility.getFullAXTree');
    const names = new Map(nodes.map((n) => [n.backendDOMNodeId, n.name?.value]));
    const { root } = await cdp.send('DOM.getDocument', { depth: 0 });
    return Promise.all(selectors.map(async (selector) => {
      const { nodeId } = await cdp.send('DOM.querySelector', { nodeId: root.nodeId, selector });
      return names.get((await cdp.send('DOM.describeNode', { nodeId })).node.backendNodeId);
    }));
  };
  const sections = await page.$$eval('details.category', (all) => all.map((d) => [`#${d.id}`, d.querySelector('h3').textContent]));
  assert.equal(sections.length, 17);
  await page.click('label:has(#sensor-thermocouple)');
  const scales = ['celsius', 'fahrenheit', 'kelvin', 'rankine'];
  const [emf, ...names] = await namesOf(['#sensor-output', ...scales.map((s) => `#sensor-${s}`),
    ...scales.map((_, i) => `#temperature-${i}`), ...sections.map(([id]) => id)]);
  assert.match(emf, /^电势 mV/);
  scales.forEach((scale, i) => assert.notEqual(names[i], names[i + 4], scale));
  assert.deepEqual(names.slice(8), sections.map(([, title]) => title));
  await page.click('label:has(#sensor-rtd)');
  assert.match((await namesOf(['#sensor-output']))[0], /^电阻 Ω/);
  await cdp.detach();

  const phone = await openPage(browser, server.url, { width: 360, height: 740, isMobile: true, hasTouch: true });
  const links = await phone.$$eval('nav.jump a', (all) => all.map((a) => a.getAttribute('href')));
  assert.deepEqual(links, ['#pressure-panel', '#temperature-panel', '#sensor-panel', '#flow-panel',
    '#instruments-panel', '#steam-panel', '#flow-meter-panel', '#categories']);
  await phone.click('nav.jump a[href="#categories"]');
  await phone.waitForFunction(() => Math.abs(document.getElementById('categories').getBoundingClientRect().top) < 2);
  await phone.close();
  assert.equal(await page.$eval('nav.jump', (nav) => nav.offsetHeight), 0, 'no jump links on a wide screen');
});

// Either page, visited once, makes both work offline: one worker at the root
// keeps both in one cache, and each page links to the other.
const languages = [
  { visit: '', lang: 'zh-CN', other: 'en' },
  { visit: 'en/', lang: 'en', other: 'zh-CN' },
];
for (const { visit, lang, other } of languages) {
  test(`after one visit to the ${lang} page it is installable, makes no request after loading, and both pages work offline`, async () => {
    const own = await serveSite();
    const visited = await openPage(browser, own.url + visit);
    await visited.evaluate(() => navigator.serviceWorker.ready);
    // Idle: the worker's own update check is part of loading.
    await visited.reload({ waitUntil: 'networkidle0' });
    await visited.waitForSelector('html[data-ready="true"]');
    assert.ok(await visited.evaluate(() => navigator.serviceWorker.controller !== null));
    const cdp = await visited.createCDPSession();
    assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, [],
      'a phone can add it to its home screen');

    const before = own.requests;
    await typeInto(visited, '#mass-flow-0', '3600');
    await visited.click('label:has(#sensor-thermocouple)');
    await typeInto(visited, '#sensor-celsius', '25');
    assert.equal(own.requests, before, `no request while converting: ${own.paths.slice(before)}`);

    await own.close();
    await visited.setOfflineMode(true);
    await visited.reload({ waitUntil: 'load' });
    for (const shownLang of [lang, other]) {
      await visited.waitForSelector('html[data-ready="true"]');
      assert.equal(await visited.$eval('html', (e) => e.lang), shownLang);
      await typeInto(visited, '#mass-flow-0', '3600'); // kg/h
      // kg/s, by the table's factor 0.000277778 as listed
      assert.equal(await visited.$eval('#mass-flow-1', (e) => e.value), '1.000008');
      if (shownLang === lang) {
        assert.equal(await visited.$eval('a.language', (a) => a.lang), other);
        await Promise.all([visited.waitForNavigation(), visited.click('a.language')]);
      }
    }
    assert.deepEqual(visited.errors, []);
    await visited.close();
  });
}
