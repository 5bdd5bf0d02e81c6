// The instrument panel: the instrument window's three tools (cold junction,
// transmitter signal, gas flow at reference conditions), written into the
// page by the build with their first values. As in the rest of the page, the
// core computes and writes every number; this file only passes the fields in
// and shows the answers, once the core has loaded (app.js), and then on every
// change. What is typed before is kept and computed then.
'use strict';

(() => {
  const control = (key) => document.getElementById(`tool-${key}`);
  const value = (key) => control(key).value;
  const chosen = (key) => control(key).selectedIndex;

  // Each tool: its first control, the fields one can compute from (the one
  // typed last is the given; the first until one is typed), and what the core
  // answers for a given field: {shown: {key: text}, verdict}. Each core
  // function takes the tool's fields as the lines of one text and answers
  // with lines (see web/src/instrument_api.cpp).
  let densityFromMolarMass = false;
  const tools = [
    {
      first: 'cj-type',
      sources: ['cj-hot', 'cj-emf'],
      compute: (core, given) => {
        const lines = core.call('_velmaro_cold_junction', [chosen('cj-type'),
          given === 'cj-emf' ? 'emf' : 'hot', value('cj-emf'), value('cj-hot'), value('cj-cold')]);
        return { shown: { 'cj-emf': lines[0], 'cj-hot': lines[1] }, verdict: lines[2] };
      },
    },
    {
      // Signal, value and % of span from one another; the cut-off only with
      // the square root.
      first: 'tx-lrv',
      sources: ['tx-signal', 'tx-value', 'tx-percent'],
      compute: (core, given) => {
        control('tx-cutoff').disabled = chosen('tx-sqrt') !== 1;
        const lines = core.call('_velmaro_transmitter', [value('tx-lrv'), value('tx-urv'),
          chosen('tx-range'), chosen('tx-sqrt'), value('tx-cutoff'), given.slice(3), value(given)]);
        return { shown: { 'tx-signal': lines[0], 'tx-value': lines[1], 'tx-percent': lines[2] },
          verdict: lines[3] };
      },
    },
    {
      // Line, normal and standard flow from one another in any volume-flow
      // unit; the mass flow from the normal density, or the density from the
      // molar mass when that was typed last.
      first: 'gas-unit',
      sources: ['gas-line', 'gas-normal', 'gas-standard-flow'],
      compute: (core, given) => {
        const flows = ['gas-line', 'gas-normal', 'gas-standard-flow'];
        const lines = core.call('_velmaro_gas_flow', [chosen('gas-unit'), chosen('gas-pressure-unit'),
          value('gas-pressure'), chosen('gas-gauge') === 0 ? 1 : 0, value('gas-temperature'),
          value('gas-z'), value('gas-z-ref'), chosen('gas-standard'),
          ['line', 'normal', 'standard'][flows.indexOf(given)], value(given),
          value('gas-density'), value('gas-molar-mass'), densityFromMolarMass ? 1 : 0]);
        const shown = { 'gas-line': lines[0], 'gas-normal': lines[1], 'gas-standard-flow': lines[2],
          'gas-mass': lines[4] };
        if (densityFromMolarMass) shown['gas-density'] = lines[3];
        return { shown, verdict: lines[5] };
      },
    },
  ];

  let core = null;
  const timing = () => window.velmaro.timing;

  // Recomputes `tool` from its given field; the field typed in keeps its
  // text. Under the tool, what the window says there (the core's verdict).
  const run = (tool) => {
    if (!core) return;
    const started = performance.now();
    const { shown, verdict } = tool.compute(core, tool.given);
    for (const [key, text] of Object.entries(shown)) {
      if (key !== tool.given && control(key).value !== text) control(key).value = text;
    }
    tool.verdict.textContent = verdict;
    timing().lastUpdateMs = performance.now() - started;
  };

  for (const tool of tools) {
    const fieldset = control(tool.first).closest('.tool');
    tool.given = tool.sources[0];
    tool.verdict = fieldset.querySelector('.out-of-range');
    // Fields and lists alike say every change with an input event.
    fieldset.addEventListener('input', (event) => {
      const key = event.target.id.slice('tool-'.length);
      if (key === 'gas-density') densityFromMolarMass = false;
      if (key === 'gas-molar-mass') densityFromMolarMass = true;
      if (tool.sources.includes(key)) tool.given = key;
      run(tool);
    });
  }

  const start = () => {
    core = window.velmaro.core;
    tools.forEach(run);
  };
  if (window.velmaro) start();
  else document.addEventListener('velmaro-core', start, { once: true });
})();
