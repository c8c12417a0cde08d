// Quorvane's page. It builds the window from the core's design table, carries
// each control's events into the core by the control's name, and puts the
// core's pixels, texts and lines on the page. What a control does, what a text
// says, how small a caption may get and where a line stands are the core's;
// the page only measures the browser's text.
/* global QuorvaneCore, QuorvaneReceiver, QuorvaneCursor, QuorvaneColours */

const data = JSON.parse(document.getElementById('texts').textContent);
const wasmBinary = Uint8Array.from(atob(document.getElementById('core').textContent), (c) => c.charCodeAt(0));
// The core asks the page to measure captions in the browser's typeface.
const core = await QuorvaneCore({ wasmBinary, captionFits: (...args) => captionFits(...args) });
const text = (pointer) => core.UTF8ToString(pointer);
// The core's calls: those that name a control take its name; those that
// answer with text answer JSON.
const call = (name, ...args) => core.ccall(name, 'number', args.map((a) => (typeof a === 'string' ? 'string' : 'number')), args);
const ask = (name, ...args) => JSON.parse(text(call(name, ...args)));
core._qv_start();
const design = ask('qv_design');
const [designWidth, designHeight] = [design.window.width / 15, design.window.height / 15];
const pixelsOf = ({ left, top, width, height }) => [left, top, width, height].map((twips) => twips / 15);

// The language: ?lang=, else the first of the browser's that the page has.
const params = new URLSearchParams(location.search);
function pickLanguage() {
  const known = Object.keys(data.languages);
  const asked = [params.get('lang'), ...navigator.languages].filter(Boolean);
  for (const tag of asked) {
    const code = tag.replace('-', '_');
    if (known.includes(code)) return code;
    const base = code.split('_')[0];
    const near = known.find((k) => k === base || (k.startsWith(base + '_') && !known.includes(base)));
    if (near) return near;
  }
  return 'en';
}
let language = pickLanguage();
const tr = (context, source) => data.languages[language]?.[context]?.[source] || source;
const bcp47 = () => language.replace('_', '-');

// The window's controls, each placed by its design box.
const windowArea = document.getElementById('window');
const controls = new Map();
const pictures = [];
const markers = [];
const make = (tag, properties) => Object.assign(document.createElement(tag), properties);
function element(d) {
  switch (d.kind) {
    case 'PictureBox': {
      const picture = cursor.picture(d);
      pictures.push(picture);
      picture.canvas.addEventListener('click', () => call('qv_picture_click', picture.name));
      return picture.canvas;
    }
    case 'HScrollBar': case 'VScrollBar': {
      const bar = make('input', { type: 'range', min: d.scroll.minimum, max: d.scroll.maximum, step: d.scroll.smallStep });
      if (d.kind === 'VScrollBar') bar.classList.add('vertical');
      return bar;
    }
    case 'Shape': { const shape = make('div', { className: 'shape' }); shape.style.borderColor = d.colour; return shape; }
    case 'Label': return make('div', { className: 'label' });
    case 'ComboBox': return make('select');
    case 'TextBox': return make('input', { readOnly: true });
    case 'CheckBox': {
      const label = make('label', { className: 'check' });
      label.append(make('input', { type: 'checkbox' }), document.createElement('span'));
      return label;
    }
    case 'ButtonCheckBox': case 'CommandButton': {
      const button = make('button', { type: 'button' });
      if (d.kind === 'ButtonCheckBox') button.setAttribute('aria-pressed', 'false');
      return button;
    }
    case 'Image': {
      // The desktop's own logo, drawn by its code (web/logo.png).
      const logo = Object.assign(new Image(), { src: data.logo });
      logo.setAttribute('role', 'img');
      return logo;
    }
    default: return null;
  }
}
// The pictures' readout, keyboard cursor and words (web/cursor.js).
const cursor = QuorvaneCursor({ call, ask, text, zoom: () => zoom, placeLine });
const { say } = cursor;
// Controls nobody tabs to first, then the Tab order of the desktop.
const byName = new Map(design.controls.map((d) => [d.name, d]));
const order = [...design.controls.filter((d) => !design.focus.includes(d.name)).map((d) => d.name), ...design.focus];
for (const name of order) {
  const d = byName.get(name);
  const node = element(d);
  if (!node) continue;
  node.id = name;
  windowArea.append(node);
  controls.set(name, { design: d, node });
}
const input = (name) => controls.get(name).node.querySelector?.('input') || controls.get(name).node;

// The position a bar stands for: a vertical bar's top is its minimum, as on
// the desktop, while a vertical range input's top is its maximum.
const flipped = (d, value) => d.scroll.minimum + d.scroll.maximum - value;
const barPosition = (node, d) => (d.kind === 'VScrollBar' ? flipped(d, Number(node.value)) : Number(node.value));
const barValue = (position, d) => String(d.kind === 'VScrollBar' ? flipped(d, position) : position);

// Events in, each followed by what the core then says the controls show.
const send = (...args) => { call(...args); show(); };
const pressed = (node) => node.getAttribute('aria-pressed') === 'true';
// The parameter bars take the settled position, the time bars follow the thumb.
function wireBar(name, node, d) {
  node.addEventListener(d.scroll.tracking ? 'input' : 'change', () => send('qv_bar', name, barPosition(node, d)));
  node.addEventListener('keydown', (event) => {
    if (event.altKey || event.ctrlKey || event.metaKey) return;
    if (call('qv_bar_key', name, event.key)) { event.preventDefault(); show(); }
  });
}
const wiring = {
  HScrollBar: wireBar,
  VScrollBar: wireBar,
  CheckBox: (name) => input(name).addEventListener('change', (e) => send('qv_switch', name, e.target.checked ? 1 : 0)),
  ButtonCheckBox: (name, node) => node.addEventListener('click', () => send('qv_switch', name, pressed(node) ? 0 : 1)),
  ComboBox: (name, node) => node.addEventListener('change', () => send('qv_list', name, node.selectedIndex)),
  CommandButton: (name, node) => node.addEventListener('click', () => { send('qv_pause'); say(node.textContent); }),
};
for (const [name, { design: d, node }] of controls) wiring[d.kind]?.(name, node, d);
const receiver = QuorvaneReceiver({ call, ask, tr, element, draw, picture: cursor.picture, relayout: () => place() });
const colours = QuorvaneColours({ call, tr, params, pictures, draw, show, relabel: () => label() });

// Pixels out: each picture's box at 100 %, enlarged pixel for pixel to the
// zoom and the screen's density, with no smoothing.
function draw(picture) {
  const bytes = new Uint8ClampedArray(core.HEAPU8.buffer, call('qv_pixels', picture.name), picture.w * picture.h * 4);
  picture.image.data.set(bytes);
  const { canvas } = picture;
  const context = canvas.getContext('2d');
  if (canvas.width === picture.w && canvas.height === picture.h) {
    context.putImageData(picture.image, 0, 0);
    return;
  }
  picture.source ??= make('canvas', { width: picture.w, height: picture.h });
  picture.source.getContext('2d').putImageData(picture.image, 0, 0);
  context.imageSmoothingEnabled = false;
  context.drawImage(picture.source, 0, 0, canvas.width, canvas.height);
}

// Texts out: the core's texts for every control in the page's language, and
// what the core says the controls now show.
let texts = {};
function help(name) {
  const { name: accessible, description, toolTip } = texts[name] || {};
  const node = controls.get(name)?.node;
  if (!node || !accessible) return;
  const target = input(name);
  target.setAttribute('aria-label', accessible);
  target.setAttribute('aria-description', description);
  if (toolTip) node.title = toolTip;
}
// The language's decimal sign, for the core. The browser's number formats
// take a while to load the first time; the boxes' starting numbers have no
// decimals, so the first frame does not wait for them.
let numbersReady = false;
function numberFormat() {
  numbersReady = true;
  const separator = new Intl.NumberFormat(bcp47()).formatToParts(1.5).find((p) => p.type === 'decimal')?.value || '.';
  call('qv_decimal_point', separator);
}
// The catalogue of the page's language, handed to the core.
function translate() {
  core._qv_clear_translations();
  for (const [context, table] of Object.entries(data.languages[language] || {})) {
    for (const [source, translation] of Object.entries(table)) call('qv_translation', context, source, translation);
  }
  texts = ask('qv_texts');
}
function label() {
  document.documentElement.lang = bcp47();
  translate();
  for (const [name, { design: d, node }] of controls) {
    const { caption, choices, labelledBy } = texts[name] || {};
    if (d.kind === 'CheckBox') node.querySelector('span').textContent = caption;
    else if (caption !== undefined) node.textContent = caption;
    if (choices) {
      const index = Math.max(0, node.selectedIndex);
      node.replaceChildren(...choices.map((choice) => new Option(choice)));
      node.selectedIndex = index;
    }
    if (labelledBy && controls.has(labelledBy)) input(name).setAttribute('aria-labelledby', labelledBy);
    help(name);
  }
  const guideButton = document.getElementById('guide-button');
  guideButton.textContent = tr('MainWindow', 'Class guide');
  receiver.label();
  colours.label();
  languageList.setAttribute('aria-label', tr('Page', 'Language'));
  if (numbersReady) numberFormat();
  if (!document.getElementById('guide').hidden) fillGuide();
  fitCaptions();
  show();
}
// Every control's type size, as the core plans them from what the page
// measures: whether a caption fits its box at a size, at the present zoom.
const pixels = (points) => (points * zoom * 96 / 72).toFixed(2) + 'px';
// The plan sets every size afterwards; only the caption is put back.
function captionFits(name, caption, points) {
  const { node } = controls.get(name);
  const target = node.querySelector?.('span') || node;
  const shown = target.textContent;
  if (shown !== caption) target.textContent = caption;
  node.style.fontSize = pixels(points);
  const fits = node.scrollWidth <= node.clientWidth;
  if (shown !== caption) target.textContent = shown;
  return fits;
}
function fitCaptions() {
  if (!windowArea.style.width) return;  // nothing to measure before the window is placed
  const plan = ask('qv_plan_captions');
  for (const [name, points] of Object.entries(plan)) controls.get(name).node.style.fontSize = pixels(points);
}

let [clock, held, markerLines] = [null, false, []];
function show() {
  const state = ask('qv_state');
  for (const [name, shown] of Object.entries(state.boxes)) input(name).value = shown;
  for (const [name, { position, valueText }] of Object.entries(state.bars)) {
    const { design: d, node } = controls.get(name);
    if (node.value !== barValue(position, d)) node.value = barValue(position, d);
    if (valueText !== undefined) node.setAttribute('aria-valuetext', valueText);
  }
  for (const [name, on] of Object.entries(state.switches)) {
    const { design: d, node } = controls.get(name);
    if (d.kind === 'CheckBox') input(name).checked = on;
    else node.setAttribute('aria-pressed', String(on));
  }
  for (const [name, index] of Object.entries(state.lists)) input(name).selectedIndex = index;
  const pause = input('pauseButton');
  if (pause.textContent !== state.pause.caption) pause.textContent = state.pause.caption;
  // Its tooltip and description say what the next press will do.
  pause.title = state.pause.help;
  pause.setAttribute('aria-description', pause.title);
  for (const [name, colour] of Object.entries(state.colours)) input(name).style.color = colour;
  markerLines = state.markers;
  placeMarkers();
  if (state.running && !clock && !held) clock = setInterval(frame, design.window.interval);
  if (!state.running && clock) { clearInterval(clock); clock = null; }
}

let [framesRun, firstFrameAt] = [0, null];
function frame() {
  framesRun += 1;
  core._qv_frame();
  for (const picture of pictures) if (call('qv_changed', picture.name)) draw(picture);
  receiver.frame();
  firstFrameAt ??= performance.now();
  cursor.refresh();
}

// Magnification: the desktop's steps; the page fits the browser's window
// unless ?zoom= names a step.
const named = call('qv_named_step', Number(params.get('zoom')));
const askedZoom = named > 0 ? named : null;
let zoom = 1;
const scaled = (pixels) => Math.round(pixels * zoom);
function fittingStep() {
  const guide = document.getElementById('guide');
  const room = document.documentElement.clientWidth - 16 - (guide.hidden ? 0 : guide.offsetWidth + 8);
  return call('qv_fitting_step', room, window.innerHeight - document.getElementById('bar').offsetHeight - (receiver.open() ? 16 : 8));
}
function place() {
  zoom = askedZoom ?? fittingStep();
  windowArea.style.width = scaled(designWidth) + 'px';
  windowArea.style.height = scaled(designHeight) + 'px';
  const density = window.devicePixelRatio || 1;
  for (const { design: d, node } of controls.values()) {
    const [x, y, w, h] = pixelsOf(d.box);
    const [left, top] = [scaled(Math.floor(x)), scaled(Math.floor(y))];
    const [right, bottom] = [scaled(Math.floor(x) + Math.floor(w)), scaled(Math.floor(y) + Math.floor(h))];
    Object.assign(node.style, { left: left + 'px', top: top + 'px', width: right - left + 'px', height: bottom - top + 'px' });
    if (d.border) node.style.borderWidth = Math.max(1, Math.round(d.border * zoom)) + 'px';
  }
  fitCaptions();
  for (const picture of pictures) {
    const w = parseInt(picture.canvas.style.width, 10);
    const h = parseInt(picture.canvas.style.height, 10);
    picture.canvas.width = Math.round(w * density);
    picture.canvas.height = Math.round(h * density);
    if (framesRun) draw(picture);
  }
  receiver.place(zoom);
  placeMarkers();
  cursor.zoomed(zoom);
}
// A line of the core's, in the window's twips, at the zoom.
function placeLine(node, { left, top, height, width }) {
  Object.assign(node.style, {
    left: Math.round((left / 15) * zoom) + 'px', top: Math.round((top / 15) * zoom) + 'px',
    width: Math.max(1, Math.round(width * zoom)) + 'px', height: Math.round((height / 15) * zoom) + 'px',
  });
}
function placeMarkers() {
  while (markers.length < markerLines.length) {
    const marker = make('div', { className: 'marker' });
    windowArea.append(marker);
    markers.push(marker);
  }
  markerLines.forEach((line, i) => placeLine(markers[i], line));
}

// The language choice and the class guide.
// Each language named in itself; filled once the first frame is up, since
// the browser's language names take a while to load.
const languageList = document.getElementById('language');
function fillLanguages() {
  for (const code of Object.keys(data.languages)) {
    const name = new Intl.DisplayNames([code.replace('_', '-')], { type: 'language' }).of(code.replace('_', '-'));
    languageList.append(new Option(name, code, false, code === language));
  }
}
languageList.addEventListener('change', () => { language = languageList.value; label(); });

const guide = document.getElementById('guide');
const guideButton = document.getElementById('guide-button');
function fillGuide() {
  guide.innerHTML = data.guides[language] || data.guides.en;
  guide.lang = data.guides[language] ? bcp47() : 'en';
}
function toggleGuide(open = guide.hidden) {
  if (open) fillGuide();
  guide.hidden = !open;
  guideButton.setAttribute('aria-expanded', String(open));
  if (askedZoom === null) place();
}
guideButton.addEventListener('click', () => toggleGuide());
guide.addEventListener('click', (event) => {
  const number = Number(event.target.closest('a[data-setup]')?.dataset.setup);
  if (!number) return;
  event.preventDefault();
  if (call('qv_setup_opens_receiver', number)) receiver.toggle(true);
  send('qv_setup', number);
  receiver.show();
});
document.addEventListener('keydown', (event) => {
  if (event.key === 'F1') { event.preventDefault(); toggleGuide(); }
  if (event.key === 'Escape' && !guide.hidden && guide.contains(document.activeElement)) toggleGuide(false);
});
window.addEventListener('resize', () => { if (askedZoom === null) place(); });
matchMedia?.(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener?.('change', place);

label();
place();
frame();
// Once the first frame is up: the number format, the language list, and the
// page offered to the browser tests and the benchmark (the core itself, one
// frame drawn as the clock draws it, and the clock held off).
setTimeout(() => {
  numberFormat();
  show();
  fillLanguages();
  window.quorvane = {
    core, frame, show, place, receiver,
    controls: (name) => input(name),
    frames: () => framesRun,
    firstFrameAt: () => firstFrameAt,
    stop: () => { held = true; clearInterval(clock); clock = null; },
  };
});
