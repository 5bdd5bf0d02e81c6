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
    return { columns, verdict: document.getElementById('steam-range').textContent };
  });

// Options by their text or, for a unit, its symbol; fields typed one key at a
// time.
async function enter(inputs) {
  for (const [id, value] of Object.entries(inputs)) {
    const selector = `#steam-${id}`;
    if (await page.$eval(selector, (e) => e.tagName === 'SELECT')) {
      const option = await page.$eval(selector, (s, text) =>
        [...s.options].find((o) => o.text === text || o.text.split(' ')[0] === text).value, value);
      await page.select(selector, option);
    } else {
      await typeInto(page, selector, value);
    }
  }
}

// Region 1 at 3 MPa and 300 K gives h = 115.331273 kJ/kg (the formulation's
// own check value); every way of typing that state shows it.
const cases = [
  { inputs: { mode: '压力和温度', pressure: '3', temperature: '300', 'unit-temperature': 'K' },
    column: '状态', expect: { 区域: '1', 相态: '过冷水', '比焓 h (kJ/kg)': '115.331', '声速 w (m/s)': '1507.74', '干度 x': '—' } },
  { inputs: { 'unit-pressure': 'kPa', pressure: '3000', 'unit-temperature': '°F', temperature: '80.33' },
    column: '状态', expect: { '热力学温度 T (K)': '300.000', '比焓 h (kJ/kg)': '115.331' } },
  { inputs: { 'unit-pressure': 'MPa', 'pressure-kind': '表压', pressure: '2.9', ambient: '100', 'unit-temperature': '°C', temperature: '26.85' },
    column: '状态', expect: { '压力 p (MPa，绝压)': '3.000000', '比焓 h (kJ/kg)': '115.331' } },
  { inputs: { 'pressure-kind': '绝压', pressure: '3', mode: '压力和比焓', enthalpy: '115.331273' },
    column: '状态', expect: { '热力学温度 T (K)': '300.000', 区域: '1' } },
  { inputs: { mode: '压力和比熵', entropy: '4' },
    column: '状态', expect: { 相态: '湿蒸汽', '温度 t (°C)': '233.858', '声速 w (m/s)': '—' } },
  { inputs: { mode: '饱和状态（按压力）', quality: '0.3' },
    column: '湿蒸汽', expect: { 相态: '湿蒸汽', '温度 t (°C)': '233.858', '干度 x': '0.30000', '比定压热容 cp (kJ/(kg·K))': '—' } },
  { inputs: { mode: '饱和状态（按温度）', temperature: '100' },
    column: '饱和蒸汽', expect: { '压力 p (MPa，绝压)': '0.101418', '比焓 h (kJ/kg)': '2675.572' } },
];

test('every input choice shows the state the core computes, and a state outside the formulation is out of range', async () => {
  for (const { inputs, column, expect } of cases) {
    await enter(inputs);
    const shown = await table();
    assert.equal(shown.verdict, '', JSON.stringify(inputs));
    for (const [row, text] of Object.entries(expect)) {
      assert.equal(shown.columns[column]?.[row], text, `${JSON.stringify(inputs)}: ${row}`);
    }
  }
  await enter({ mode: '压力和温度', pressure: '101', temperature: '300' }); // above 100 MPa
  const refused = await table();
  assert.equal(refused.verdict, '超出范围');
  assert.equal(refused.columns['状态']['区域'], '超出范围');
  await enter({ pressure: 'abc' }); // no number: 0 MPa
  assert.equal((await table()).verdict, '超出范围');
  assert.deepEqual(page.errors, []);
});
