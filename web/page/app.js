// The page around the core. The build has written every panel, field, label
// and list into index.html; this script only passes typed texts to the core
// (velmaro-core.wasm) and puts its answers into the fields, as the windows do.
// The fields take input at once: whatever is typed before the core has loaded
// is kept and converted as soon as it has.
'use strict';

const timing = { lastUpdateMs: 0 };
// What waits for the core: one conversion per group of fields, the last one
// asked for.
const waiting = new Map();
let core = null;

// Runs `update` (given the core) now, or once the core is there when it is
// not yet; a later `update` for the same `group` replaces an earlier one.
function whenReady(group, update) {
  if (core) {
    const started = performance.now();
    update(core);
    timing.lastUpdateMs = performance.now() - started;
  } else {
    waiting.set(group, update);
  }
}

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
  const catalogue = JSON.parse(module.UTF8ToString(module._velmaro_catalogue()));
  return {
    catalogue,
    quantityIndex: (id) => catalogue.quantities.findIndex((q) => q.id === id),
    convert: (quantity, unit, text) =>
      withText(text, (p) => module._velmaro_convert(quantity, unit, p)),
    sensorFromCelsius: (kind, type, text) =>
      withText(text, (p) => module._velmaro_sensor_from_celsius(kind, type, p)),
    sensorFromOutput: (kind, type, text) =>
      withText(text, (p) => module._velmaro_sensor_from_output(kind, type, p)),
  };
}

// Writes a field only when its text changes, so a field being typed in keeps
// its caret.
function show(input, text) {
  if (input.value !== text) input.value = text;
}

// The fields of one quantity: typing into one writes all the others, once per
// keystroke.
function connectGroup(container) {
  const inputs = [...container.querySelectorAll('input')];
  inputs.forEach((source, unit) => {
    source.addEventListener('input', () => {
      whenReady(container, (c) => {
        const texts = c.convert(c.quantityIndex(container.dataset.quantity), unit, source.value);
        inputs.forEach((target, i) => {
          if (i !== unit) show(target, texts[i]);
        });
      });
    });
  });
}

function connectSensorPanel() {
  const byId = (id) => document.getElementById(id);
  const kindButtons = [byId('sensor-thermocouple'), byId('sensor-rtd')];
  const typeList = byId('sensor-type');
  const celsius = byId('sensor-celsius');
  const scales = [byId('sensor-fahrenheit'), byId('sensor-kelvin'), byId('sensor-rankine')];
  const output = byId('sensor-output');
  const verdict = byId('sensor-range');
  const panel = byId('sensor-panel');

  const kind = () => (kindButtons[1].checked ? 1 : 0);
  // The core's lines: the computed field, the three scales, the verdict.
  const showAnswer = (computed, lines) => {
    show(computed, lines[0]);
    scales.forEach((input, i) => show(input, lines[i + 1]));
    verdict.textContent = lines[4] === 'out-of-range' ? verdict.dataset.text : '';
  };
  const fromCelsius = () => whenReady(panel, (c) =>
    showAnswer(output, c.sensorFromCelsius(kind(), typeList.selectedIndex, celsius.value)));
  const fromOutput = () => whenReady(panel, (c) =>
    showAnswer(celsius, c.sensorFromOutput(kind(), typeList.selectedIndex, output.value)));
  // A family or type chosen starts again at 0 °C, as in the window.
  const restart = () => {
    celsius.value = '0';
    fromCelsius();
  };

  kindButtons.forEach((button, value) => {
    button.addEventListener('click', () => {
      typeList.replaceChildren(byId(`sensor-types-${value}`).content.cloneNode(true));
      byId('sensor-output-caption').textContent = button.dataset.caption;
      byId('sensor-output-unit').textContent = button.dataset.unit;
      output.setAttribute('aria-label', button.dataset.caption + button.dataset.unit);
      typeList.selectedIndex = 0;
      restart();
    });
  });
  typeList.addEventListener('change', restart);
  celsius.addEventListener('input', fromCelsius);
  output.addEventListener('input', fromOutput);
}

// The core, compiled while the page is already in use; then what was typed
// meanwhile.
function loadCore() {
  const script = document.createElement('script');
  script.src = 'velmaro-core.js';
  script.addEventListener('load', async () => {
    const module = await createVelmaroCore();
    core = makeCore(module);
    for (const update of waiting.values()) whenReady(null, update);
    waiting.clear();
    // For the tests and the measurements: the core itself and the time of
    // the last update. Panels with a script of their own start from here.
    window.velmaro = { core, timing };
    document.dispatchEvent(new CustomEvent('velmaro-core', { detail: module }));
    document.documentElement.dataset.ready = 'true';
    performance.mark('velmaro-ready');
  });
  document.head.append(script);
}

document.querySelectorAll('.fields[data-quantity]').forEach(connectGroup);
connectSensorPanel();
performance.mark('velmaro-fields');
loadCore();

if ('serviceWorker' in navigator) {
  window.addEventListener('load', () => navigator.serviceWorker.register('sw.js'));
}
