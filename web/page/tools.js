// The tool panels: every tool of the core's model, written into the page by
// the build from its declaration. A tool's element names it (data-tool), and
// each control what it holds: a field (data-field), a field's units
// (data-units), a list (data-choice), the input mode (data-mode). On every
// change the tool's whole state goes to the core as one request, and its
// answer holds every text the panel shows: the computed fields, the results
// table, the verdict, what is greyed and what the mode computes (read-only).
// This file knows no tool and no text.
// What is typed before the core has loaded is computed once it has.
'use strict';

(() => {
  // The fields typed into are sent in the order typed, the last one last:
  // in each group of fields that give one another, it is the given one.
  const tools = [...document.querySelectorAll('[data-tool]')].map((element) => ({ element, typed: [] }));
  const controls = (tool, key) => [...tool.element.querySelectorAll(`[data-${key}]`)];
  const values = (tool, key) => Object.fromEntries(controls(tool, key).map((c) => [c.dataset[key], c.value]));

  const request = (tool) => ({
    tool: tool.element.dataset.tool,
    mode: tool.element.querySelector('[data-mode]')?.value,
    fields: values(tool, 'field'),
    units: values(tool, 'units'),
    choices: values(tool, 'choice'),
    typed: tool.typed,
  });

  // Writes a field only when its text changes, so a field being typed in
  // keeps its caret.
  const show = (input, text) => {
    if (text !== undefined && input.value !== text) input.value = text;
  };

  // A column's cells by row; a column that could not be computed says why in
  // its first cell.
  const fillTable = (table, columns = []) => {
    const rows = [...table.tBodies[0].rows];
    table.querySelectorAll('thead th').forEach((heading, c) => {
      const column = columns[c];
      heading.textContent = column?.heading ?? '';
      rows.forEach((row, r) => {
        const text = column?.rows[row.dataset.row] ?? (r === 0 ? column?.verdict : '');
        row.cells[c + 1].textContent = text ?? '';
      });
    });
  };

  const apply = (tool, answer) => {
    const unused = new Set(answer.unused.fields);
    const readOnly = new Set(answer.readOnly);
    for (const input of controls(tool, 'field')) {
      show(input, answer.fields[input.dataset.field]);
      input.disabled = unused.has(input.dataset.field);
      input.readOnly = readOnly.has(input.dataset.field);
    }
    for (const list of controls(tool, 'units')) list.disabled = unused.has(list.dataset.units);
    for (const list of controls(tool, 'choice')) list.disabled = answer.unused.choices.includes(list.dataset.choice);
    const table = tool.element.querySelector('[data-results]');
    if (table) fillTable(table, answer.columns);
    tool.element.querySelector('[data-verdict]').textContent =
      [answer.verdict, ...answer.notes].filter(Boolean).join('\n');
  };

  let core = null;
  const run = (tool) => {
    if (!core) return;
    const started = performance.now();
    const answer = core.tool(request(tool));
    if (answer.error) throw new Error(`the core refused the request of ${tool.element.dataset.tool}`);
    apply(tool, answer);
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
