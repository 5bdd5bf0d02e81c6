// The water and steam panel: the window's inputs, written into the page by
// the build, sent to the core on every change; the core answers with every
// text the table shows (headings, phases, numbers as the window prints them,
// the verdict), and this file only puts them in place. What is typed before
// the core has loaded is computed once it has.
'use strict';

(() => {
  const byId = (id) => document.getElementById(`steam-${id}`);
  const inputs = ['pressure', 'ambient', 'temperature', 'enthalpy', 'entropy', 'quality'];
  const lists = ['mode', 'unit-pressure', 'pressure-kind', 'unit-temperature'];
  const headings = [...document.querySelectorAll('#steam-results thead th')];
  const rows = [...document.querySelectorAll('#steam-results tbody tr')]
    .map((row) => [...row.querySelectorAll('td')]);
  const verdict = byId('range');
  const chosen = (key) => byId(key).selectedIndex;
  const value = (key) => byId(key).value;

  // The fields each input choice reads, as in the window; the rest are
  // greyed: p and T, saturation by p, by T, p and h, p and s.
  const reads = [
    ['pressure', 'temperature'], ['pressure', 'quality'], ['temperature', 'quality'],
    ['pressure', 'enthalpy'], ['pressure', 'entropy'],
  ];
  const follows = { pressure: ['unit-pressure', 'pressure-kind', 'ambient'], temperature: ['unit-temperature'] };

  let core = null;
  const update = () => {
    const mode = chosen('mode');
    const read = reads[mode] ?? reads[0];
    for (const key of inputs.filter((k) => k !== 'ambient')) {
      const off = !read.includes(key);
      byId(key).disabled = off;
      (follows[key] ?? []).forEach((other) => { byId(other).disabled = off; });
    }
    if (!core) return;
    const started = performance.now();
    const [outcome, ...columns] = core.call('_velmaro_steam', [mode, value('pressure'),
      chosen('unit-pressure'), chosen('pressure-kind'), value('ambient'), value('temperature'),
      chosen('unit-temperature'), value('enthalpy'), value('entropy'), value('quality')]
      .map((part) => String(part).replace(/\n/g, ' ')));
    verdict.textContent = outcome;
    headings.forEach((th, column) => {
      const [heading = '', ...cells] = (columns[column] ?? '').split('\t');
      th.textContent = heading;
      rows.forEach((row, i) => { row[column].textContent = cells[i] ?? ''; });
    });
    window.velmaro.timing.lastUpdateMs = performance.now() - started;
  };

  inputs.concat(lists).forEach((key) => byId(key).addEventListener('input', update));
  const start = () => {
    core = window.velmaro.core;
    update();
  };
  update();
  if (window.velmaro) start();
  else document.addEventListener('velmaro-core', start, { once: true });
})();
