// The water and steam panel: the window's inputs, sent to the core on every
// keystroke; the core answers with the texts the window shows, and the panel
// only puts them into the table.
'use strict';

// Phase names, in the order the core numbers the phases.
const STEAM_PHASES = ['过冷水', '饱和水', '湿蒸汽', '饱和蒸汽', '过热蒸汽', '超临界流体'];
// A property the state has none of: cp, cv and w of wet steam, x off the dome.
const STEAM_NOT_DEFINED = '—';
// The input choices that compute the saturated pair and a wet state.
const STEAM_SATURATION_MODES = [1, 2];

function buildSteamPanel(core, timing) {
  const byId = (id) => document.getElementById(id);
  const mode = byId('steam-mode');
  const pressureUnit = byId('steam-pressure-unit');
  const pressureKind = byId('steam-pressure-kind');
  const fields = ['pressure', 'ambient', 'temperature', 'enthalpy', 'entropy', 'quality']
    .map((name) => byId(`steam-${name}`));
  const [pressure, ambient, temperature, enthalpy, entropy, quality] = fields;
  const temperatureUnit = byId('steam-temperature-unit');
  const headings = [...document.querySelectorAll('#steam-results thead th')].slice(1);
  const rows = [...document.querySelectorAll('#steam-results tbody tr')]
    .map((row) => [...row.querySelectorAll('td')]);
  const verdict = byId('steam-range');

  pressureUnit.replaceChildren(...core.steamPressureUnits.map((symbol) => new Option(symbol)));
  pressureUnit.selectedIndex = core.steamPressureUnits.indexOf('MPa');

  // Which inputs the choice reads; the others are greyed, as in the window.
  const enable = (choice) => {
    const byPressure = choice !== 2;
    [pressure, pressureUnit, pressureKind, ambient].forEach((e) => { e.disabled = !byPressure; });
    [temperature, temperatureUnit].forEach((e) => { e.disabled = !(choice === 0 || choice === 2); });
    enthalpy.disabled = choice !== 3;
    entropy.disabled = choice !== 4;
    quality.disabled = !STEAM_SATURATION_MODES.includes(choice);
  };

  const showColumn = (column, line) => {
    const cells = rows.map((row) => row[column]);
    if (line === 'out-of-range') {
      cells.forEach((cell, i) => { cell.textContent = i === 0 ? OUT_OF_RANGE : ''; });
      return;
    }
    const [region, phase, ...values] = line.split('\t');
    cells[0].textContent = region;
    cells[1].textContent = STEAM_PHASES[Number(phase)] ?? '';
    values.forEach((text, i) => { cells[i + 2].textContent = text === '' ? STEAM_NOT_DEFINED : text; });
  };

  const update = () => {
    const started = performance.now();
    const choice = mode.selectedIndex;
    enable(choice);
    const request = [choice, pressure.value, pressureUnit.selectedIndex, pressureKind.selectedIndex,
      ambient.value, temperature.value, temperatureUnit.selectedIndex, enthalpy.value,
      entropy.value, quality.value].map((part) => String(part).replace(/\n/g, ' ')).join('\n');
    const [outcome, ...columns] = core.steam(request);
    verdict.textContent = outcome === 'out-of-range' ? OUT_OF_RANGE : '';
    const saturation = STEAM_SATURATION_MODES.includes(choice);
    headings.forEach((th, column) => {
      th.textContent = saturation ? th.dataset.saturation : (th.dataset.heading ?? '');
    });
    rows.forEach((row) => row.forEach((cell) => { cell.textContent = ''; }));
    columns.slice(0, saturation ? 3 : 1).forEach((line, column) => showColumn(column, line));
    timing.lastUpdateMs = performance.now() - started;
  };

  fields.forEach((input) => input.addEventListener('input', update));
  [mode, pressureUnit, pressureKind, temperatureUnit]
    .forEach((list) => list.addEventListener('change', update));
  update();
}
