// The instrument panel 仪表计算: the instrument window's three tools (cold
// junction, transmitter signal, gas flow at reference conditions). As in the
// rest of the page, the core computes and writes every number; this file only
// passes the fields in and shows the answers, in the window's words, which
// the core gives by their text ids. Loaded before app.js, whose makeCore and
// start call instrumentCalls and buildInstrumentPanel.
'use strict';

// The core's instrument functions. Each takes a tool's fields as the lines of
// one text and answers with lines (see web/src/instrument_api.cpp).
function instrumentCalls(module, withText) {
  const call = (exported) => (lines) => withText(lines.join('\n'), (p) => exported(p));
  return {
    instrumentTexts: JSON.parse(module.UTF8ToString(module._velmaro_instrument_texts())),
    signalRanges: module.UTF8ToString(module._velmaro_signal_ranges()).split('\n').filter(Boolean),
    coldJunction: call(module._velmaro_cold_junction),
    transmitter: call(module._velmaro_transmitter),
    gasFlow: call(module._velmaro_gas_flow),
  };
}

// One tool: a frame with its lists, fields and verdict line, built from
// `rows` of [kind, key, label, first text or {entries, chosen}]. A kind is
// 'list', 'field' (a number), 'text' (letters: a unit's name) or 'output'.
// Title and labels are text ids, and so are list entries given as such.
function buildTool(core, container, title, rows) {
  const text = (id) => core.instrumentTexts[id] ?? id;
  const tool = document.createElement('fieldset');
  tool.className = 'tool';
  const legend = document.createElement('legend');
  legend.textContent = text(title);
  tool.append(legend);
  const controls = {};
  for (const [kind, key, labelId, first] of rows) {
    const label = text(labelId);
    let row;
    if (kind === 'list') {
      // A list row looks like a field row: the list, then its label.
      row = makeField(label, `tool-${key}`);
      const list = document.createElement('select');
      list.id = `tool-${key}`;
      list.setAttribute('aria-label', label);
      list.append(...first.entries.map((entry) => new Option(text(entry))));
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
function wireTool(tool, sources, recompute, timing) {
  let given = sources[0];
  const run = () => {
    const started = performance.now();
    const { shown, verdict } = recompute(given);
    for (const [key, text] of Object.entries(shown)) {
      if (key !== given) show(tool.controls[key], text);
    }
    tool.verdict.textContent = verdict;
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
  const tool = buildTool(core, container, 'instrument.cold-junction', [
    ['list', 'cj-type', 'instrument.cj.type', { entries: core.catalogue.thermocouples, chosen: 3 }],
    ['field', 'cj-cold', 'instrument.cj.cold', '25'],
    ['field', 'cj-emf', 'instrument.cj.emf', ''],
    ['field', 'cj-hot', 'instrument.cj.hot', '400'],
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
  const tool = buildTool(core, container, 'instrument.transmitter', [
    ['field', 'tx-lrv', 'instrument.tx.lrv', '0'],
    ['field', 'tx-urv', 'instrument.tx.urv', '1.6'],
    ['text', 'tx-unit', 'instrument.tx.unit', 'MPa'],
    ['list', 'tx-range', 'instrument.tx.signal-range', { entries: core.signalRanges, chosen: 0 }],
    ['list', 'tx-sqrt', 'instrument.tx.characteristic', { entries: ['instrument.characteristic.linear', 'instrument.characteristic.square-root'], chosen: 0 }],
    ['field', 'tx-cutoff', 'instrument.tx.cut-off', '1'],
    ['field', 'tx-signal', 'instrument.tx.signal', '12'],
    ['field', 'tx-value', 'instrument.tx.value', ''],
    ['field', 'tx-percent', 'instrument.tx.percent', ''],
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
  const tool = buildTool(core, container, 'instrument.gas-flow', [
    ['list', 'gas-unit', 'instrument.gas.flow-unit', { entries: flowUnits, chosen: flowUnits.findIndex((u) => u.startsWith('m3/h')) }],
    ['field', 'gas-pressure', 'instrument.gas.pressure', '0.6'],
    ['list', 'gas-pressure-unit', 'instrument.gas.pressure-unit', { entries: pressureUnits, chosen: pressureUnits.findIndex((u) => u.startsWith('MPa')) }],
    ['list', 'gas-gauge', 'instrument.gas.pressure-kind', { entries: ['instrument.gauge', 'instrument.absolute'], chosen: 0 }],
    ['field', 'gas-temperature', 'instrument.gas.temperature', '40'],
    ['field', 'gas-z', 'instrument.gas.z', '1'],
    ['field', 'gas-z-ref', 'instrument.gas.z-ref', '1'],
    ['list', 'gas-standard', 'instrument.gas.standard', { entries: ['instrument.standard.20', 'instrument.standard.15'], chosen: 0 }],
    ['field', 'gas-line', 'instrument.gas.line-flow', '1200'],
    ['field', 'gas-normal', 'instrument.gas.normal-flow', ''],
    ['field', 'gas-standard-flow', 'instrument.gas.standard-flow', ''],
    ['field', 'gas-density', 'instrument.gas.density', '1.293'],
    ['field', 'gas-molar-mass', 'instrument.gas.molar-mass', ''],
    ['output', 'gas-mass', 'instrument.gas.mass-flow', ''],
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
  const container = document.getElementById('instrument-tools');
  for (const build of [buildColdJunction, buildTransmitter, buildGasFlow]) {
    const [tool, sources, recompute] = build(core, container);
    wireTool(tool, sources, recompute, timing);
  }
}
