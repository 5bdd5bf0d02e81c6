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
    ...instrumentCalls(module, withText),
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
