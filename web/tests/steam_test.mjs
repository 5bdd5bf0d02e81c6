// The water and steam panel in a real browser: each input choice, the
// pressure's units and gauge reading, the temperature scales, and the
// out-of-range verdict, read back from the table as a person sees it.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { typeInto } from './browser.mjs';
import { withSitePage } from './site_page.mjs';

let page;

withSitePage((opened) => ({ page } = opened));

// The table's columns by heading, each a map from row name to the text shown.
const table = () =>
  page.evaluate(() => {
    const headings = [...document.querySelectorAll('#steam-results thead th')];
    const rows = [...document.querySelectorAll('#steam-results tbody tr')];
    const columns = {};
    headings.forEach((th, i) => {
      if (!th.textContent) return;
      columns[th.textContent] = Object.fromEntries(
        rows.map((row) => [row.querySelector('th').textContent, row.querySelectorAll('td')[i].textContent]));
    });
    return { columns, verdict: document.getElementById('steam-verdict').textContent };
  });

// Lists by the value of an option (a mode's, an entry's id, a unit's
// symbol); fields typed one key at a time.
async function enter(inputs) {
  for (const [id, value] of Object.entries(inputs)) {
    const selector = `#steam-${id}`;
    if (await page.$eval(selector, (e) => e.tagName === 'SELECT')) await page.select(selector, value);
    else await typeInto(page, selector, value);
  }
}

// Region 1 at 3 MPa and 300 K gives h = 115.331273 kJ/kg (the formulation's
// own check value); every way of typing that state shows it.
const cases = [
  { inputs: { mode: 'pressure-temperature', pressure: '3', temperature: '300', 'temperature-units': 'K' },
    column: '状态', expect: { 区域: '1', 相态: '过冷水', '比焓 h (kJ/kg)': '115.331', '声速 w (m/s)': '1507.74', '干度 x': '—' } },
  { inputs: { 'pressure-units': 'kPa', pressure: '3000', 'temperature-units': '°F', temperature: '80.33' },
    column: '状态', expect: { '热力学温度 T (K)': '300.000', '比焓 h (kJ/kg)': '115.331' } },
  { inputs: { 'pressure-units': 'MPa', 'pressure-kind': 'gauge', pressure: '2.9', ambient: '100', 'temperature-units': '°C', temperature: '26.85' },
    column: '状态', expect: { '压力 p (MPa，绝压)': '3.000000', '比焓 h (kJ/kg)': '115.331' } },
  { inputs: { 'pressure-kind': 'absolute', pressure: '3', mode: 'pressure-enthalpy', enthalpy: '115.331273' },
    column: '状态', expect: { '热力学温度 T (K)': '300.000', 区域: '1' } },
  { inputs: { mode: 'pressure-entropy', entropy: '4' },
    column: '状态', expect: { 相态: '湿蒸汽', '温度 t (°C)': '233.858', '声速 w (m/s)': '—' } },
  { inputs: { mode: 'saturation-by-pressure', quality: '0.3' },
    column: '湿蒸汽', expect: { 相态: '湿蒸汽', '温度 t (°C)': '233.858', '干度 x': '0.30000', '比定压热容 cp (kJ/(kg·K))': '—' } },
  { inputs: { mode: 'saturation-by-temperature', temperature: '100' },
    column: '饱和蒸汽', expect: { '压力 p (MPa，绝压)': '0.101418', '比焓 h (kJ/kg)': '2675.572' } },
];

test('every input choice shows the state the core computes, and a state outside the formulation is out of range', async () => {
  // The worked example, 1 MPa and 300 °C, from the start.
  assert.equal((await table()).columns['状态']['比焓 h (kJ/kg)'], '3051.703');
  for (const { inputs, column, expect } of cases) {
    await enter(inputs);
    const shown = await table();
    assert.equal(shown.verdict, '', JSON.stringify(inputs));
    for (const [row, text] of Object.entries(expect)) {
      assert.equal(shown.columns[column]?.[row], text, `${JSON.stringify(inputs)}: ${row}`);
    }
  }
  // What the input choice does not read is greyed.
  assert.deepEqual(await page.$$eval('#steam-pressure, #steam-pressure-units, #steam-temperature',
    (all) => all.map((e) => e.disabled)), [true, true, false]);
  await enter({ mode: 'pressure-temperature', pressure: '101', temperature: '300' }); // above 100 MPa
  const refused = await table();
  assert.equal(refused.verdict, '超出范围');
  assert.equal(refused.columns['状态']['区域'], '超出范围');
  await enter({ pressure: 'abc' }); // no number: 0 MPa
  assert.equal((await table()).verdict, '超出范围');
  assert.deepEqual(page.errors, []);
});
