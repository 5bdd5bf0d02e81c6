// The page around the core. The build has written every panel, field, label
// and list into index.html; this script only passes typed texts to the core
// (velmaro-core.wasm) and puts its answers into the fields, as the windows do.
// The fields take input at once: whatever is typed before the core has loaded
// is kept and converted as soon as it has.
'use strict';

// The site's root, where the core and the service worker are: this script's
// folder, from the page in either language (en/index.html loads ../app.js).
const root = new URL('.', document.currentScript.src);
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
  return {
    convert: (quantity, unit, text) =>
      withText(text, (p) => module._velmaro_convert(quantity, unit, p)),
    sensorFromCelsius: (kind, type, text) =>
      withText(text, (p) => module._velmaro_sensor_from_celsius(kind, type, p)),
    sensorFromOutput: (kind, type, text) =>
      withText(text, (p) => module._velmaro_sensor_from_output(kind, type, p)),
    // A tool's answer to the state of its panel, as lines
    // (web/src/tool_api.cpp).
    tool: (request) => withText(request, (p) => module._velmaro_tool(p)),
  };
}

// Writes a field only when its text changes, so a field being typed in keeps
// its caret.
function show(input, text) {
  if (input.value !== text) input.value = text;
}

// The fields of one quantity: typing into one writes all the others, once per
// keystroke.
function fromGroupField(source) {
  const container = source.closest('.fields[data-quantity]');
  const inputs = [...container.querySelectorAll('input')];
  const unit = inputs.indexOf(source);
  whenReady(container, (c) => {
    const texts = c.convert(Number(container.dataset.index), unit, source.value);
    inputs.forEach((target, i) => {
      if (i !== unit) show(target, texts[i]);
    });
  });
}

// The sensor panel: a temperature in °C into the output of the chosen type,
// or an output into the temperature.
const byId = (id) => document.getElementById(id);
const sensorKind = () => (byId('sensor-rtd').checked ? 1 : 0);

function showSensorAnswer(computed, lines) {
  show(computed, lines[0]);
  ['sensor-fahrenheit', 'sensor-kelvin', 'sensor-rankine'].forEach((id, i) => show(byId(id), lines[i + 1]));
  const verdict = byId('sensor-range');
  verdict.textContent = lines[4] === 'out-of-range' ? verdict.dataset.text : '';
}

function fromSensorField(source) {
  const typeList = byId('sensor-type');
  whenReady(byId('sensor-panel'), (c) => {
    if (source.id === 'sensor-celsius') {
      showSensorAnswer(byId('sensor-output'), c.sensorFromCelsius(sensorKind(), typeList.selectedIndex, source.value));
    } else {
      showSensorAnswer(byId('sensor-celsius'), c.sensorFromOutput(sensorKind(), typeList.selectedIndex, source.value));
    }
  });
}

// A family or type chosen starts again at 0 °C, as in the window.
function restartSensor() {
  byId('sensor-celsius').value = '0';
  fromSensorField(byId('sensor-celsius'));
}

function chooseFamily(button) {
  const typeList = byId('sensor-type');
  typeList.replaceChildren(byId(`sensor-types-${button.value}`).content.cloneNode(true));
  byId('sensor-output-caption').textContent = button.dataset.caption;
  byId('sensor-output').nextElementSibling.textContent = button.dataset.unit; // its label
  byId('sensor-output').setAttribute('aria-label', button.dataset.caption + button.dataset.unit);
  typeList.selectedIndex = 0;
  restartSensor();
}

// What a typed text, a click or a choice sets off. One listener each for the
// whole page, set before its body is read (the page loads this script in its
// head), so that a field takes input from the moment it is on the screen.
function onInput(event) {
  const field = event.target;
  if (field.closest('.fields[data-quantity]')) fromGroupField(field);
  else if (field.id === 'sensor-celsius' || field.id === 'sensor-output') fromSensorField(field);
}

function onClick(event) {
  const button = event.target.closest?.('input[name="sensor-kind"]');
  if (button) chooseFamily(button);
}

function onChange(event) {
  if (event.target.id === 'sensor-type') restartSensor();
}

// The core, compiled while the page is already in use; then what was typed
// meanwhile.
function loadCore() {
  const script = document.createElement('script');
  script.src = new URL('velmaro-core.js', root).href;
  script.addEventListener('load', async () => {
    const module = await createVelmaroCore();
    core = makeCore(module);
    for (const update of waiting.values()) whenReady(null, update);
    waiting.clear();
    // For the tests and the measurements, and for the panels with a script
    // of their own: the core, its module and the time of the last update.
    window.velmaro = { core, module, timing };
    document.dispatchEvent(new CustomEvent('velmaro-core', { detail: module }));
    document.documentElement.dataset.ready = 'true';
    performance.mark('velmaro-ready');
  });
  document.head.append(script);
}

document.addEventListener('input', onInput);
document.addEventListener('click', onClick);
document.addEventListener('change', onChange);
performance.mark('velmaro-fields');
loadCore();

if ('serviceWorker' in navigator) {
  // Its scope is the root: one worker, and one cache, for both pages.
  window.addEventListener('load', () => navigator.serviceWorker.register(new URL('sw.js', root)));
}
