// The page around the core. Every number it shows is a text the core wrote
// (velmaro-core.wasm): the page only passes typed texts in and puts the
// answers into the fields, as the windows do.
'use strict';

// The category row of the main window, in its order, with the title of the
// window each button opens.
const CATEGORY_ROW = [
  ['force', '力 单位换算'],
  ['area', '面积单位换算'],
  ['capacity', '容积单位换算'],
  ['volume', '体积单位转换'],
  ['density', '密度单位转换'],
  ['length', '长度单位转换'],
  ['mass', '质量单位转换'],
  ['speed', '速度单位转换'],
  ['energy', '能量单位转换'],
  ['power', '功率单位转换'],
  ['heat-transfer-coefficient', '传热系数单位转换'],
  ['thermal-conductivity', '导热系数单位转换'],
  ['dynamic-viscosity', '动力粘度单位转换'],
  ['kinematic-viscosity', '运动粘度单位转换'],
  ['heat-flux', '传热速度单位转换'],
  ['diffusion', '扩散系数单位转换'],
  ['surface-tension', '表面张力单位转换'],
];

// What the sensor panel shows for each family (the family buttons' values).
const SENSOR_FAMILIES = [
  { caption: '电势', unit: ' mV (毫伏)', list: 'thermocouples' },
  { caption: '电阻', unit: ' Ω(欧姆)', list: 'rtds' },
];
const OUT_OF_RANGE = '超出范围';

// The core's answers to a text, through its exported functions. A typed text
// of any length goes through the heap, never the stack.
function makeCore(module) {
  const withText = (text, call) => {
    const size = module.lengthBytesUTF8(text) + 1;
    const pointer = module._malloc(size);
    // 0 is the core's answer when its memory cannot grow: writing there would
    // overwrite the core itself.
    if (pointer === 0) throw new RangeError(`no memory for a text of ${size} bytes`);
    try {
      module.stringToUTF8(text, pointer, size);
      return module.UTF8ToString(call(pointer)).split('\n');
    } finally {
      module._free(pointer);
    }
  };
  return {
    catalogue: JSON.parse(module.UTF8ToString(module._velmaro_catalogue())),
    convert: (quantity, unit, text) =>
      withText(text, (p) => module._velmaro_convert(quantity, unit, p)),
    sensorFromCelsius: (kind, type, text) =>
      withText(text, (p) => module._velmaro_sensor_from_celsius(kind, type, p)),
    sensorFromOutput: (kind, type, text) =>
      withText(text, (p) => module._velmaro_sensor_from_output(kind, type, p)),
    signalRanges: module.UTF8ToString(module._velmaro_signal_ranges()).split('\n').filter(Boolean),
    coldJunction: (lines) => withText(lines.join('\n'), (p) => module._velmaro_cold_junction(p)),
    transmitter: (lines) => withText(lines.join('\n'), (p) => module._velmaro_transmitter(p)),
    gasFlow: (lines) => withText(lines.join('\n'), (p) => module._velmaro_gas_flow(p)),
  };
}

// Writes a field only when its text changes, so a field being typed in keeps
// its caret.
function show(input, text) {
  if (input.value !== text) input.value = text;
}

// One unit field: the input, named by its unit label, and the label beside it.
function makeField(label, id) {
  const row = document.createElement('div');
  row.className = 'field';
  const input = document.createElement('input');
  input.type = 'text';
  input.id = id;
  input.inputMode = 'decimal';
  input.autocomplete = 'off';
  input.spellcheck = false;
  input.setAttribute('aria-label', label);
  const unit = document.createElement('span');
  unit.className = 'unit';
  unit.setAttribute('aria-hidden', 'true');
  unit.textContent = label;
  row.append(input, unit);
  return row;
}

// The fields of one quantity in `container`: typing into one writes all the
// others, once per keystroke.
function buildGroup(core, container, quantityIndex, timing) {
  const quantity = core.catalogue.quantities[quantityIndex];
  const inputs = quantity.units.map((label, unit) => {
    const row = makeField(label, `${quantity.id}-${unit}`);
    container.append(row);
    return row.querySelector('input');
  });
  inputs.forEach((source, unit) => {
    source.addEventListener('input', () => {
      const started = performance.now();
      const texts = core.convert(quantityIndex, unit, source.value);
      inputs.forEach((target, i) => {
        if (i !== unit) show(target, texts[i]);
      });
      timing.lastUpdateMs = performance.now() - started;
    });
  });
}

function buildSensorPanel(core, timing) {
  const byId = (id) => document.getElementById(id);
  const kindButtons = [byId('sensor-thermocouple'), byId('sensor-rtd')];
  const typeList = byId('sensor-type');
  const celsius = byId('sensor-celsius');
  const scales = [byId('sensor-fahrenheit'), byId('sensor-kelvin'), byId('sensor-rankine')];
  const output = byId('sensor-output');
  const verdict = byId('sensor-range');

  // The scale fields carry the temperature group's unit labels.
  const temperature = core.catalogue.quantities.find((q) => q.id === 'temperature');
  [celsius, ...scales].forEach((input, i) => {
    input.setAttribute('aria-label', temperature.units[i]);
    input.nextElementSibling.textContent = temperature.units[i];
  });

  const kind = () => (kindButtons[1].checked ? 1 : 0);
  const fillTypes = (list) => {
    typeList.replaceChildren(...list.map((text) => new Option(text)));
  };
  // The core's lines: the computed field, the three scales, the verdict.
  const showAnswer = (computed, lines) => {
    show(computed, lines[0]);
    scales.forEach((input, i) => show(input, lines[i + 1]));
    verdict.textContent = lines[4] === 'out-of-range' ? OUT_OF_RANGE : '';
  };
  const fromCelsius = () => {
    const started = performance.now();
    showAnswer(output, core.sensorFromCelsius(kind(), typeList.selectedIndex, celsius.value));
    timing.lastUpdateMs = performance.now() - started;
  };
  const fromOutput = () => {
    const started = performance.now();
    showAnswer(celsius, core.sensorFromOutput(kind(), typeList.selectedIndex, output.value));
    timing.lastUpdateMs = performance.now() - started;
  };
  // A family or type chosen starts again at 0 °C, as in the window.
  const restart = () => {
    celsius.value = '0';
    fromCelsius();
  };

  fillTypes(core.catalogue.thermocouples);
  kindButtons.forEach((button, value) => {
    button.addEventListener('click', () => {
      const family = SENSOR_FAMILIES[value];
      fillTypes(core.catalogue[family.list]);
      byId('sensor-output-caption').textContent = family.caption;
      byId('sensor-output-unit').textContent = family.unit;
      output.setAttribute('aria-label', family.unit);
      typeList.selectedIndex = 0;
      restart();
    });
  });
  typeList.addEventListener('change', restart);
  celsius.addEventListener('input', fromCelsius);
  output.addEventListener('input', fromOutput);
}

// What the instrument panel says for a verdict of the core.
const INSTRUMENT_VERDICTS = {
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

// One tool of the instrument panel: a frame with its lists, fields and
// verdict line, built from `rows` ([kind, key, label, first value or list]).
function buildTool(container, title, rows) {
  const tool = document.createElement('fieldset');
  tool.className = 'tool';
  const legend = document.createElement('legend');
  legend.textContent = title;
  tool.append(legend);
  const controls = {};
  for (const [kind, key, label, first] of rows) {
    if (kind === 'list') {
      const list = document.createElement('select');
      list.id = `tool-${key}`;
      list.setAttribute('aria-label', label);
      list.append(...first.entries.map((text) => new Option(text)));
      list.selectedIndex = first.chosen;
      tool.append(list);
      controls[key] = list;
    } else {
      const row = makeField(label, `tool-${key}`);
      const input = row.querySelector('input');
      input.value = first;
      if (kind === 'output') input.readOnly = true;
      if (kind === 'text') input.inputMode = 'text';
      tool.append(row);
      controls[key] = input;
    }
  }
  const verdict = document.createElement('p');
  verdict.className = 'out-of-range';
  verdict.setAttribute('role', 'status');
  tool.append(verdict);
  container.append(tool);
  return { controls, verdict };
}

// The instrument panel: the instrument window's three tools, each computed
// from the field typed last on every keystroke.
function buildInstrumentPanel(core, timing) {
  const container = document.getElementById('instrument-tools');
  const quantity = (id) => core.catalogue.quantities.find((q) => q.id === id);
  const wire = (tool, sources, recompute) => {
    let given = sources[0];
    const run = () => {
      const started = performance.now();
      const { shown, verdict } = recompute(given);
      for (const [key, text] of Object.entries(shown)) {
        if (key !== given) show(tool.controls[key], text);
      }
      tool.verdict.textContent = INSTRUMENT_VERDICTS[verdict] ?? '';
      timing.lastUpdateMs = performance.now() - started;
    };
    for (const [key, control] of Object.entries(tool.controls)) {
      control.addEventListener(control.tagName === 'SELECT' ? 'change' : 'input', () => {
        if (sources.includes(key)) given = key;
        run();
      });
    }
    run();
  };

  const cj = buildTool(container, '热电偶冷端补偿', [
    ['list', 'cj-type', '分度号', { entries: core.catalogue.thermocouples, chosen: 3 }],
    ['field', 'cj-cold', '冷端温度 °C', '25'],
    ['field', 'cj-emf', '实测电势 mV', ''],
    ['field', 'cj-hot', '热端温度 °C', '400'],
  ]);
  wire(cj, ['cj-hot', 'cj-emf'], (given) => {
    const c = cj.controls;
    const lines = core.coldJunction([c['cj-type'].selectedIndex, given === 'cj-emf' ? 'emf' : 'hot',
      c['cj-emf'].value, c['cj-hot'].value, c['cj-cold'].value]);
    return { shown: { 'cj-emf': lines[0], 'cj-hot': lines[1] }, verdict: lines[2] };
  });

  const tx = buildTool(container, '变送器信号', [
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
  wire(tx, ['tx-signal', 'tx-value', 'tx-percent'], (given) => {
    const c = tx.controls;
    c['tx-cutoff'].disabled = c['tx-sqrt'].selectedIndex !== 1;
    const lines = core.transmitter([c['tx-lrv'].value, c['tx-urv'].value,
      c['tx-range'].selectedIndex, c['tx-sqrt'].selectedIndex, c['tx-cutoff'].value,
      given.slice(3), c[given].value]);
    return { shown: { 'tx-signal': lines[0], 'tx-value': lines[1], 'tx-percent': lines[2] },
      verdict: lines[3] };
  });

  const flowUnits = quantity('volume-flow').units;
  const pressureUnits = quantity('pressure').units;
  const gas = buildTool(container, '气体流量（工况、标况）', [
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
  let densityFromMolarMass = false;
  gas.controls['gas-density'].addEventListener('input', () => { densityFromMolarMass = false; }, true);
  gas.controls['gas-molar-mass'].addEventListener('input', () => { densityFromMolarMass = true; }, true);
  const flows = ['gas-line', 'gas-normal', 'gas-standard-flow'];
  wire(gas, flows, (given) => {
    const c = gas.controls;
    const lines = core.gasFlow([c['gas-unit'].selectedIndex, c['gas-pressure-unit'].selectedIndex,
      c['gas-pressure'].value, c['gas-gauge'].selectedIndex === 0 ? 1 : 0, c['gas-temperature'].value,
      c['gas-z'].value, c['gas-z-ref'].value, c['gas-standard'].selectedIndex,
      ['line', 'normal', 'standard'][flows.indexOf(given)], c[given].value,
      c['gas-density'].value, c['gas-molar-mass'].value, densityFromMolarMass ? 1 : 0]);
    const shown = { 'gas-line': lines[0], 'gas-normal': lines[1], 'gas-standard-flow': lines[2],
      'gas-mass': lines[4] };
    if (densityFromMolarMass) shown['gas-density'] = lines[3];
    return { shown, verdict: lines[5] };
  });
}

// The category row: one entry per quantity, which opens its fields.
function buildCategories(core, timing) {
  const list = document.getElementById('category-list');
  const quantities = core.catalogue.quantities;
  for (const [id, title] of CATEGORY_ROW) {
    const index = quantities.findIndex((q) => q.id === id);
    const details = document.createElement('details');
    details.className = 'category';
    details.id = `category-${id}`;
    const summary = document.createElement('summary');
    summary.textContent = quantities[index].caption;
    const heading = document.createElement('h3');
    heading.textContent = title;
    const fields = document.createElement('div');
    fields.className = 'fields';
    details.append(summary, heading, fields);
    buildGroup(core, fields, index, timing);
    list.append(details);
  }
}

async function start() {
  const core = makeCore(await createVelmaroCore());
  const timing = { lastUpdateMs: 0 };
  core.catalogue.quantities.forEach((quantity, index) => {
    const container = document.querySelector(`.panel [data-quantity="${quantity.id}"]`);
    if (container) buildGroup(core, container, index, timing);
  });
  buildSensorPanel(core, timing);
  buildInstrumentPanel(core, timing);
  buildCategories(core, timing);
  // For the tests and the measurements: the core itself and the time of the
  // last update.
  window.velmaro = { core, timing };
  document.documentElement.dataset.ready = 'true';
  performance.mark('velmaro-ready');
}

start();

if ('serviceWorker' in navigator) {
  window.addEventListener('load', () => navigator.serviceWorker.register('sw.js'));
}
