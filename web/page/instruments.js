// The instrument panel 仪表计算: the instrument window's three tools (cold
// junction, transmitter signal, gas flow at reference conditions). As in the
// rest of the page, the core computes and writes every number; this file only
// passes the fields in and shows the answers. Loaded before app.js, whose
// makeCore and start call instrumentCalls and buildInstrumentPanel.
'use strict';

// The core's instrument functions. Each takes a tool's fields as the lines of
// one text and answers with lines (see web/src/instrument_api.cpp).
function instrumentCalls(module, withText) {
  const call = (exported) => (lines) => withText(lines.join('\n'), (p) => exported(p));
  return {
    signalRanges: module.UTF8ToString(module._velmaro_signal_ranges()).split('\n').filter(Boolean),
    coldJunction: call(module._velmaro_cold_junction),
    transmitter: call(module._velmaro_transmitter),
    gasFlow: call(module._velmaro_gas_flow),
  };
}

// One tool: a frame with its lists, fields and verdict line, built from
// `rows` of [kind, key, label, first text or {entries, chosen}]. A kind is
// 'list', 'field' (a number), 'text' (letters: a unit's name) or 'output'.
function buildTool(container, title, rows) {
  const tool = document.createElement('fieldset');
  tool.className = 'tool';
  const legend = document.createElement('legend');
  legend.textContent = title;
  tool.append(legend);
  const controls = {};
  for (const [kind, key, label, first] of rows) {
    let row;
    if (kind === 'list') {
      // A list row looks like a field row: the list, then its label.
      row = makeField(label, `tool-${key}`);
      const list = document.createElement('select');
      list.id = `tool-${key}`;
      list.setAttribute('aria-label', label);
      list.append(...first.entries.map((text) => new Option(text)));
      list.selectedIndex = first.chosen;
      row.querySelector('input').replaceWith(list);
      row.classList.add('list');
    } else {
      row = makeField(label, `tool-${key}`);
      const input = row.querySelector('input');
      input.value = first;
      input.readOnly = kind === 'output';
      if (kind === 'text') input.inputMode = 'text';
    }
    tool.append(row);
    controls[key] = row.querySelector(`#tool-${key}`);
  }
  const verdict = document.createElement('p');
  verdict.className = 'out-of-range';
  verdict.setAttribute('role', 'status');
  tool.append(verdict);
  container.append(tool);
  return { controls, verdict };
}

// Recomputes `tool` on every change of one of its controls, from the field of
// `sources` typed last (the first until one is typed). `recompute(given)`
// answers {shown: {key: text}, verdict}; the field typed in keeps its text.
function wireTool(tool, sources, recompute, verdicts, timing) {
  let given = sources[0];
  const run = () => {
    const started = performance.now();
    const { shown, verdict } = recompute(given);
    for (const [key, text] of Object.entries(shown)) {
      if (key !== given) show(tool.controls[key], text);
    }
    tool.verdict.textContent = verdicts[verdict] ?? '';
    timing.lastUpdateMs = performance.now() - started;
  };
  for (const [key, control] of Object.entries(tool.controls)) {
    control.addEventListener(control.tagName === 'SELECT' ? 'change' : 'input', () => {
      if (sources.includes(key)) given = key;
      run();
    });
  }
  run();
}

// Type K by default; the hot end from the meter's EMF or the EMF from the hot end.
function buildColdJunction(core, container) {
  const tool = buildTool(container, '热电偶冷端补偿', [
    ['list', 'cj-type', '分度号', { entries: core.catalogue.thermocouples, chosen: 3 }],
    ['field', 'cj-cold', '冷端温度 °C', '25'],
    ['field', 'cj-emf', '实测电势 mV', ''],
    ['field', 'cj-hot', '热端温度 °C', '400'],
  ]);
  const c = tool.controls;
  return [tool, ['cj-hot', 'cj-emf'], (given) => {
    const lines = core.coldJunction([c['cj-type'].selectedIndex, given === 'cj-emf' ? 'emf' : 'hot',
      c['cj-emf'].value, c['cj-hot'].value, c['cj-cold'].value]);
    return { shown: { 'cj-emf': lines[0], 'cj-hot': lines[1] }, verdict: lines[2] };
  }];
}

// Signal, value and % of span from one another; the cut-off only with the
// square root.
function buildTransmitter(core, container) {
  const tool = buildTool(container, '变送器信号', [
    ['field', 'tx-lrv', '量程下限', '0'],
    ['field', 'tx-urv', '量程上限', '1.6'],
    ['text', 'tx-unit', '工程单位', 'MPa'],
    ['list', 'tx-range', '信号范围', { entries: core.signalRanges, chosen: 0 }],
    ['list', 'tx-sqrt', '输出特性', { entries: ['线性', '开方（差压流量）'], chosen: 0 }],
    ['field', 'tx-cutoff', '小流量切除 %', '1'],
    ['field', 'tx-signal', '信号', '12'],
    ['field', 'tx-value', '工程值', ''],
    ['field', 'tx-percent', '百分比 %', ''],
  ]);
  const c = tool.controls;
  return [tool, ['tx-signal', 'tx-value', 'tx-percent'], (given) => {
    c['tx-cutoff'].disabled = c['tx-sqrt'].selectedIndex !== 1;
    const lines = core.transmitter([c['tx-lrv'].value, c['tx-urv'].value,
      c['tx-range'].selectedIndex, c['tx-sqrt'].selectedIndex, c['tx-cutoff'].value,
      given.slice(3), c[given].value]);
    return { shown: { 'tx-signal': lines[0], 'tx-value': lines[1], 'tx-percent': lines[2] },
      verdict: lines[3] };
  }];
}

// Line, normal and standard flow from one another in any volume-flow unit;
// the mass flow from the normal density, or the density from the molar mass
// when that was typed last.
function buildGasFlow(core, container) {
  const unitsOf = (id) => core.catalogue.quantities.find((q) => q.id === id).units;
  const flowUnits = unitsOf('volume-flow');
  const pressureUnits = unitsOf('pressure');
  const tool = buildTool(container, '气体流量（工况、标况）', [
    ['list', 'gas-unit', '流量单位', { entries: flowUnits, chosen: flowUnits.findIndex((u) => u.startsWith('m3/h')) }],
    ['field', 'gas-pressure', '工况压力', '0.6'],
    ['list', 'gas-pressure-unit', '压力单位', { entries: pressureUnits, chosen: pressureUnits.findIndex((u) => u.startsWith('MPa')) }],
    ['list', 'gas-gauge', '压力类型', { entries: ['表压', '绝压'], chosen: 0 }],
    ['field', 'gas-temperature', '工况温度 °C', '40'],
    ['field', 'gas-z', '工况压缩因子 Z', '1'],
    ['field', 'gas-z-ref', '标况压缩因子 Z', '1'],
    ['list', 'gas-standard', '标准状态', { entries: ['20 °C, 101.325 kPa', '15 °C, 101.325 kPa'], chosen: 0 }],
    ['field', 'gas-line', '工况流量', '1200'],
    ['field', 'gas-normal', '标况流量', ''],
    ['field', 'gas-standard-flow', '标准状态流量', ''],
    ['field', 'gas-density', '标况密度 kg/m³', '1.293'],
    ['field', 'gas-molar-mass', '摩尔质量 g/mol', ''],
    ['output', 'gas-mass', '质量流量 kg/h', ''],
  ]);
  const c = tool.controls;
  // Listened to before the tool's own listener, which then reads the choice.
  let densityFromMolarMass = false;
  c['gas-density'].addEventListener('input', () => { densityFromMolarMass = false; });
  c['gas-molar-mass'].addEventListener('input', () => { densityFromMolarMass = true; });
  const flows = ['gas-line', 'gas-normal', 'gas-standard-flow'];
  return [tool, flows, (given) => {
    const lines = core.gasFlow([c['gas-unit'].selectedIndex, c['gas-pressure-unit'].selectedIndex,
      c['gas-pressure'].value, c['gas-gauge'].selectedIndex === 0 ? 1 : 0, c['gas-temperature'].value,
      c['gas-z'].value, c['gas-z-ref'].value, c['gas-standard'].selectedIndex,
      ['line', 'normal', 'standard'][flows.indexOf(given)], c[given].value,
      c['gas-density'].value, c['gas-molar-mass'].value, densityFromMolarMass ? 1 : 0]);
    const shown = { 'gas-line': lines[0], 'gas-normal': lines[1], 'gas-standard-flow': lines[2],
      'gas-mass': lines[4] };
    if (densityFromMolarMass) shown['gas-density'] = lines[3];
    return { shown, verdict: lines[5] };
  }];
}

function buildInstrumentPanel(core, timing) {
  // What a tool's verdict line says for the core's verdict: the window's words.
  const verdicts = {
    'out-of-range': OUT_OF_RANGE,
    outside: '信号超出信号范围',
    'not-finite': '数值过大或无效',
    'empty-range': '量程上限不能等于下限',
    'cut-off': '小流量切除须在 0 ～ 100% 之间',
    pressure: '绝对压力须大于零',
    temperature: '绝对温度须大于零',
    z: '压缩因子 Z 须大于零',
    density: '密度、摩尔质量须大于零',
  };
  const container = document.getElementById('instrument-tools');
  for (const build of [buildColdJunction, buildTransmitter, buildGasFlow]) {
    const [tool, sources, recompute] = build(core, container);
    wireTool(tool, sources, recompute, verdicts, timing);
  }
}
