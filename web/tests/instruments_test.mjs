// The page's instrument panel in a real browser: the three tools' worked
// examples, and bad input answered by the window's messages, never by NaN or
// infinity in a field, in those tools and in the flowmeter's panel.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { openPage, typeInto, values } from './browser.mjs';
import { withSitePage } from './site_page.mjs';

let server;
let browser;
let page;

withSitePage((opened) => ({ server, browser, page } = opened));

const verdictOf = (tool) => page.$eval(`#${tool}-verdict`, (e) => e.textContent);

test('the three tools compute on every keystroke, Pt1000 and Pt500 follow Cu50', async () => {
  const rtds = await page.$eval('#sensor-types-1', (t) => [...t.content.children].map((o) => o.textContent));
  assert.deepEqual(rtds.slice(3), ['Cu50铂热电阻', 'Pt1000铂热电阻', 'Pt500铂热电阻']);

  // Type K, 15.2 mV at 25 °C: E(25 °C) = 1.000 mV, E⁻¹(16.200 mV).
  await typeInto(page, '#cold-junction-emf', '15.2');
  assert.equal(await page.$eval('#cold-junction-hot', (e) => e.value), '395.34');
  await typeInto(page, '#cold-junction-cold-junction', '1400');
  assert.equal(await verdictOf('cold-junction'), '超出范围');

  // (12.4 - 4) / 16 of 1.6 MPa; 21 mA computed and marked.
  await typeInto(page, '#transmitter-signal', '12.4');
  assert.deepEqual(await values(page, ['#transmitter-value', '#transmitter-percent']), ['0.840000', '52.50']);
  await typeInto(page, '#transmitter-signal', '21');
  assert.deepEqual(await values(page, ['#transmitter-value', '#transmitter-percent']), ['1.700000', '106.25']);
  assert.equal(await verdictOf('transmitter'), '信号超出信号范围');

  // The low-flow cut-off only with the square root.
  assert.equal(await page.$eval('#transmitter-cut-off', (e) => e.disabled), true);
  await page.select('#transmitter-characteristic', 'sqrt');
  assert.equal(await page.$eval('#transmitter-cut-off', (e) => e.disabled), false);

  // 1200 m³/h at 0.6 MPa gauge, 40 °C: 1200 · 701325 / 101325 · 273.15 / 313.15, × 1.293;
  // the mass flow typed gives the volume flows back.
  const gas = ['#gas-flow-line-flow', '#gas-flow-normal-flow', '#gas-flow-mass-flow'];
  assert.deepEqual(await values(page, gas), ['1200', '7244.905797', '9367.663195']);
  await typeInto(page, '#gas-flow-mass-flow', '9367.663195');
  assert.deepEqual(await values(page, gas), ['1200.000000', '7244.905797', '9367.663195']);
});

test('bad input shows the window\'s message and no field shows NaN or infinity', async () => {
  // [tool, field, text, message]; each case is typed back to a sound value after.
  const cases = [
    ['cold-junction', 'cold-junction-hot', '1e400', '数值过大或无效'],
    ['transmitter', 'transmitter-urv', '0', '量程上限不能等于下限'],
    ['transmitter', 'transmitter-signal', '1e308', '数值过大或无效'],
    ['gas-flow', 'gas-flow-pressure', '-0.101325', '绝对压力须大于零'], // gauge: 0 absolute
    ['gas-flow', 'gas-flow-temperature', '-273.15', '绝对温度须大于零'],
    ['gas-flow', 'gas-flow-z', '0', '压缩因子 Z 须大于零'],
    ['gas-flow', 'gas-flow-z-ref', '-1', '压缩因子 Z 须大于零'],
    ['gas-flow', 'gas-flow-density', '0', '密度、摩尔质量须大于零'],
    ['flow-meter', 'flow-meter-bore', '200', '节流孔径须小于管道内径'], // the flowmeter's own panel
  ];
  page = await openPage(browser, server.url); // every tool at its first values
  const shownTexts = () => page.$$eval('.tool input', (all) => all.map((i) => i.value));
  for (const [tool, field, text, message] of cases) {
    const sound = await page.$eval(`#${field}`, (e) => e.value);
    await typeInto(page, `#${field}`, text);
    assert.equal(await verdictOf(tool), message, `${field} = ${text}`);
    for (const shown of await shownTexts()) assert.doesNotMatch(shown, /nan|inf/i, `${field} = ${text}`);
    await typeInto(page, `#${field}`, sound);
    assert.equal(await verdictOf(tool), '', `${field} back to ${sound}`);
  }
  assert.deepEqual(page.errors, []);
});
