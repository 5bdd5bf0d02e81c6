// The tool panels: every tool of the core's model, written into the page by
// the build from its declaration. A tool's element names it (data-tool), and
// each control what it holds: a field (data-field), a field's units
// (data-units), a list (data-choice), the input mode (data-mode). On every
// change the tool's whole state goes to the core as one request, and its
// answer holds every text the panel shows: the computed fields, the results
// table, the verdict, what is greyed and what the mode computes (read-only). The core answers verdicts, headings
// and enumerated results by their text ids, looked up in the texts the build
// wrote into the page in its language (#tool-texts). This file knows no tool
// and no text. What is typed before the core has loaded is computed once it
// has. The lines of requests and answers are described in
// web/src/tool_api.cpp.
'use strict';

(() => {
  // The fields typed into are sent in the order typed, the last one last:
  // in each group of fields that give one another, it is the given one.
  // The build writes a tool's controls once and nothing replaces them: each
  // is looked up here, not on every keystroke.
  const tools = [...document.querySelectorAll('[data-tool]')].map((element) => {
    const all = (key) => [...element.querySelectorAll(`[data-${key}]`)];
    const one = (key) => element.querySelector(`[data-${key}]`);
    const table = one('results');
    return {
      element,
      typed: [],
      fields: all('field'),
      units: all('units'),
      choices: all('choice'),
      mode: one('mode'),
      headings: table ? [...table.querySelectorAll('thead th')] : [],
      rows: table ? [...table.tBodies[0].rows] : [],
      verdict: one('verdict'),
    };
  });

  const texts = JSON.parse(document.getElementById('tool-texts').textContent);
  const text = (id) => (id ? texts[id] ?? id : '');
  // A computed text, or "#" and the text id of an enumerated result.
  const shown = (cell) => (cell.startsWith('#') ? text(cell.slice(1)) : cell);

  const request = (tool) => [
    ['tool', tool.element.dataset.tool],
    ['mode', tool.mode?.value ?? ''],
    ...tool.fields.map((c) => ['field', c.dataset.field, c.value]),
    ...tool.units.map((c) => ['unit', c.dataset.units, c.value]),
    ...tool.choices.map((c) => ['choice', c.dataset.choice, c.value]),
    ...tool.typed.map((key) => ['typed', key]),
  ].map((cells) => cells.join('\t')).join('\n');

  // The answer's lines as the panel shows them.
  const parse = (lines) => {
    const answer = {
      verdict: '', notes: [], fields: {}, columns: [], unused: { fields: [], choices: [] }, readOnly: [],
    };
    for (const line of lines) {
      const [kind, key = '', cell = ''] = line.split('\t');
      if (kind === 'verdict') answer.verdict = text(key);
      else if (kind === 'note') answer.notes.push(text(key));
      else if (kind === 'field') answer.fields[key] = shown(cell);
      else if (kind === 'column') answer.columns.push({ heading: text(key), verdict: text(cell), rows: {} });
      else if (kind === 'row') answer.columns.at(-1).rows[key] = shown(cell);
      else if (kind === 'unused') answer.unused.fields.push(key);
      else if (kind === 'unused-choice') answer.unused.choices.push(key);
      else if (kind === 'read-only') answer.readOnly.push(key);
      else if (kind === 'error') throw new Error('the core refused the request');
    }
    return answer;
  };

  // Writes a field only when its text changes, so a field being typed in
  // keeps its caret.
  const show = (input, value) => {
    if (value !== undefined && input.value !== value) input.value = value;
  };

  // A column's cells by row; a column that could not be computed says why in
  // its first cell.
  const fillTable = ({ headings, rows }, columns) => {
    headings.forEach((heading, c) => {
      const column = columns[c];
      heading.textContent = column?.heading ?? '';
      rows.forEach((row, r) => {
        const cell = column?.rows[row.dataset.row] ?? (r === 0 ? column?.verdict : '');
        row.cells[c + 1].textContent = cell ?? '';
      });
    });
  };

  const apply = (tool, answer) => {
    const unused = new Set(answer.unused.fields);
    const readOnly = new Set(answer.readOnly);
    for (const input of tool.fields) {
      show(input, answer.fields[input.dataset.field]);
      input.disabled = unused.has(input.dataset.field);
      input.readOnly = readOnly.has(input.dataset.field);
    }
    for (const list of tool.units) list.disabled = unused.has(list.dataset.units);
    for (const list of tool.choices) list.disabled = answer.unused.choices.includes(list.dataset.choice);
    fillTable(tool, answer.columns);
    tool.verdict.textContent =
      [answer.verdict, ...answer.notes].filter(Boolean).join('\n');
  };

  let core = null;
  const run = (tool) => {
    if (!core) return;
    const started = performance.now();
    apply(tool, parse(core.tool(request(tool))));
    window.velmaro.timing.lastUpdateMs = performance.now() - started;
  };

  for (const tool of tools) {
    // Fields and lists alike say every change with an input event.
    tool.element.addEventListener('input', (event) => {
      const { field } = event.target.dataset;
      if (field) tool.typed = [...tool.typed.filter((key) => key !== field), field];
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
