// Quorvane's page. It builds the window from the core's design table, carries
// each control's events into the core, and puts the core's pixels and texts
// on the page; what a control does is decided in the core, never here.
/* global QuorvaneCore */

const data = JSON.parse(document.getElementById('texts').textContent);
const wasmText = atob(document.getElementById('core').textContent);
const wasmBinary = new Uint8Array(wasmText.length);
for (let i = 0; i < wasmText.length; i += 1) wasmBinary[i] = wasmText.charCodeAt(i);
const core = await QuorvaneCore({ wasmBinary });
const text = (pointer) => core.UTF8ToString(pointer);
core._qv_start();
// The design table, its numbers unpacked (type sizes come in tenths of a point).
const design = JSON.parse(text(core._qv_design()));
design.controls = design.controls.map(({ name, text: caption, numbers: n }) => ({
  name, text: caption, kind: n[0], box: n.slice(1, 5), font: n[5] / 10, scroll: n.slice(6, 12), checked: n[12], colour: n[13],
}));
const [designWidth, designHeight, interval] = design.window.map((twips, i) => (i < 2 ? twips / 15 : twips));

// The design's kinds, in the order of its table.
const Kind = { Picture: 0, HBar: 1, VBar: 2, Shape: 3, Label: 4, List: 5, TextBox: 6, Check: 7, ButtonCheck: 8, Button: 9, Image: 10 };
// Which of the core's bars, switches, lists and boxes each control is.
const bars = { messageFrequencyBar: 0, carrierFrequencyBar: 1, depthBar: 2, timeScrollBar: 3, timeZoomBar: 4 };
const checks = { linearCheckBox: 0, twoSidedCheckBox: 1, memoryButton: 2, modulatedTraceButton: 3, modulatedSpectrumButton: 4 };
const lists = { messageTypeList: [0, design.types], schemeList: [1, design.schemes] };
const boxes = { messageFrequencyBox: 0, carrierFrequencyBox: 1, depthBox: 2 };
const listLabels = { messageTypeLabel: 'messageTypeList', schemeLabel: 'schemeList' };
const spectra = [1, 4];  // the pictures whose click restarts the averages
// The keys a bar takes, as the core numbers them.
const BarKeys = { ArrowLeft: 0, ArrowRight: 1, ArrowUp: 2, ArrowDown: 3, PageUp: 4, PageDown: 5, Home: 6, End: 7 };

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
function element(d) {
  switch (d.kind) {
    case Kind.Picture: {
      const canvas = document.createElement('canvas');
      canvas.tabIndex = 0;
      canvas.setAttribute('role', 'img');
      const [w, h] = [Math.floor(d.box[2] / 15), Math.floor(d.box[3] / 15)];
      const index = design.controls.filter((c) => c.kind === Kind.Picture).indexOf(d);
      pictures.push({ canvas, w, h, index, image: new ImageData(w, h) });
      return canvas;
    }
    case Kind.HBar: case Kind.VBar: {
      const bar = document.createElement('input');
      bar.type = 'range';
      [bar.min, bar.max, bar.step] = d.scroll;
      if (d.kind === Kind.VBar) bar.classList.add('vertical');
      return bar;
    }
    case Kind.Shape: {
      const shape = document.createElement('div');
      shape.className = 'shape';
      const c = d.colour;
      shape.style.borderColor = `rgb(${c & 255},${(c >> 8) & 255},${(c >> 16) & 255})`;
      return shape;
    }
    case Kind.Label: { const label = document.createElement('div'); label.className = 'label'; return label; }
    case Kind.List: return document.createElement('select');
    case Kind.TextBox: { const box = document.createElement('input'); box.readOnly = true; return box; }
    case Kind.Check: {
      const label = document.createElement('label');
      label.className = 'check';
      const box = document.createElement('input');
      box.type = 'checkbox';
      label.append(box, document.createElement('span'));
      return label;
    }
    case Kind.ButtonCheck: case Kind.Button: {
      const button = document.createElement('button');
      button.type = 'button';
      if (d.kind === Kind.ButtonCheck) button.setAttribute('aria-pressed', 'false');
      return button;
    }
    case Kind.Image: {
      // The desktop's own logo, drawn by its code (web/logo.png).
      const logo = new Image();
      logo.src = data.logo;
      logo.setAttribute('role', 'img');
      return logo;
    }
    default: return null;
  }
}
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
for (const line of design.lines) {
  const marker = document.createElement('div');
  marker.className = 'marker';
  windowArea.append(marker);
  markers.push({ line, node: marker });
}
const input = (name) => controls.get(name).node.querySelector?.('input') || controls.get(name).node;

// The position a bar stands for: a vertical bar's top is its minimum, as on
// the desktop, while a vertical range input's top is its maximum.
const barPosition = (node, d) => (d.kind === Kind.VBar ? d.scroll[0] + d.scroll[1] - Number(node.value) : Number(node.value));
const barValue = (position, d) => String(d.kind === Kind.VBar ? d.scroll[0] + d.scroll[1] - position : position);

// Events in.
for (const [name, { design: d, node }] of controls) {
  if (name in bars) {
    // The parameter bars take the settled position, the time bars follow the thumb.
    node.addEventListener(d.scroll[5] ? 'input' : 'change', () => { core._qv_bar(bars[name], barPosition(node, d)); show(); });
    // Keys move the bar as the desktop's bars take them.
    node.addEventListener('keydown', (event) => {
      if (event.altKey || event.ctrlKey || event.metaKey || !(event.key in BarKeys)) return;
      if (core._qv_bar_key(bars[name], BarKeys[event.key])) { event.preventDefault(); show(); }
    });
  } else if (name in checks) {
    if (d.kind === Kind.Check) {
      input(name).addEventListener('change', (e) => { core._qv_switch(checks[name], e.target.checked ? 1 : 0); show(); });
    } else {
      node.addEventListener('click', () => { core._qv_switch(checks[name], node.getAttribute('aria-pressed') === 'true' ? 0 : 1); show(); });
    }
  } else if (name in lists) {
    node.addEventListener('change', () => { core._qv_list(lists[name][0], node.selectedIndex); show(); });
  } else if (name === 'pauseButton') {
    node.addEventListener('click', () => { core._qv_pause(); show(); });
  }
}
// The readout under the pointer or finger, and the keyboard cursor: the core
// says what lies under a place; the page shows it beside that place.
const readout = document.createElement('div');
readout.id = 'readout';
readout.hidden = true;
document.body.append(readout);
const cursorMarker = document.createElement('div');
cursorMarker.className = 'marker cursor';
cursorMarker.hidden = true;
windowArea.append(cursorMarker);
let hovered = null;  // { picture, twips, clientX, clientY }
let cursor = null;   // { picture, twips }
const Keys = { ArrowLeft: 0, ArrowRight: 1, PageUp: 2, PageDown: 3, Home: 4, End: 5, Escape: 6 };
const twipsAt = (picture, clientX) => ((clientX - picture.canvas.getBoundingClientRect().left) / zoom - 2) * 15;
function showReadout(picture, twips, clientX, clientY) {
  const reading = text(core._qv_readout(picture.index, twips, zoom));
  readout.hidden = !reading;
  if (!reading) return reading;
  readout.textContent = reading;
  const room = document.documentElement.clientWidth;
  const left = clientX + 16 + readout.offsetWidth > room ? clientX - 16 - readout.offsetWidth : clientX + 16;
  Object.assign(readout.style, { left: left + 'px', top: clientY + 20 + 'px' });
  return reading;
}
function refreshReadout() {
  if (hovered) showReadout(hovered.picture, hovered.twips, hovered.clientX, hovered.clientY);
  else if (cursor) placeCursor(false);
}
function placeCursor(announce) {
  const { picture, twips } = cursor;
  const box = picture.canvas.getBoundingClientRect();
  const area = windowArea.getBoundingClientRect();
  const left = box.left - area.left + (2 + twips / 15) * zoom;
  Object.assign(cursorMarker.style, {
    left: Math.round(left) + 'px', top: Math.round(box.top - area.top + 2 * zoom) + 'px',
    width: Math.max(1, Math.round(zoom)) + 'px', height: Math.round(box.height - 4 * zoom) + 'px',
  });
  cursorMarker.hidden = false;
  const reading = showReadout(picture, twips, left + area.left, box.top + box.height / 2);
  if (announce) picture.canvas.setAttribute('aria-description', (reading || '').replace(/\n/g, ', '));
}
function hideCursor() {
  if (!cursor) return;
  core._qv_cursor(cursor.picture.index, -1);
  cursor.picture.canvas.removeAttribute('aria-description');
  help(cursor.picture.canvas.id);
  cursor = null;
  cursorMarker.hidden = true;
  if (!hovered) readout.hidden = true;
}
for (const picture of pictures) {
  const { canvas } = picture;
  if (spectra.includes(picture.index)) canvas.addEventListener('click', () => core._qv_spectrum_click());
  for (const type of ['pointermove', 'pointerdown']) {
    canvas.addEventListener(type, (event) => {
      hovered = { picture, twips: twipsAt(picture, event.clientX), clientX: event.clientX, clientY: event.clientY };
      refreshReadout();
    });
  }
  // A finger lifted leaves the readout where it touched, until a touch elsewhere.
  canvas.addEventListener('pointerleave', (event) => {
    if (event.pointerType === 'touch') return;
    hovered = null;
    readout.hidden = !cursor;
    if (cursor) placeCursor(false);
  });
  canvas.addEventListener('keydown', (event) => {
    if (event.altKey || event.ctrlKey || event.metaKey || event.shiftKey || !(event.key in Keys)) return;
    if (event.key === 'Escape' && !cursor) return;
    const twips = core._qv_cursor(picture.index, Keys[event.key]);
    event.preventDefault();
    if (twips < 0) { hideCursor(); return; }
    cursor = { picture, twips };
    placeCursor(true);
  });
  canvas.addEventListener('blur', hideCursor);
}
document.addEventListener('pointerdown', (event) => {
  if (!hovered || pictures.some((picture) => picture.canvas === event.target)) return;
  hovered = null;
  readout.hidden = !cursor;
});

// Pixels out: each picture's box at 100 %, enlarged pixel for pixel to the
// zoom and the screen's density, with no smoothing.
function draw(picture) {
  const bytes = new Uint8ClampedArray(core.HEAPU8.buffer, core._qv_pixels(picture.index), picture.w * picture.h * 4);
  picture.image.data.set(bytes);
  const { canvas } = picture;
  const context = canvas.getContext('2d');
  if (canvas.width === picture.w && canvas.height === picture.h) {
    context.putImageData(picture.image, 0, 0);
    return;
  }
  picture.source ??= canvasOf(picture.w, picture.h);
  picture.source.getContext('2d').putImageData(picture.image, 0, 0);
  context.imageSmoothingEnabled = false;
  context.drawImage(picture.source, 0, 0, canvas.width, canvas.height);
}
function canvasOf(w, h) {
  const canvas = document.createElement('canvas');
  canvas.width = w;
  canvas.height = h;
  return canvas;
}

// Texts out: captions, names and descriptions in the page's language, and
// what the core says the controls now show.
function help(name) {
  const [accessible, description, tip] = data.help[name] || [];
  const hint = tr('ControlHelp', data.helpTexts[0]);
  const node = controls.get(name)?.node;
  if (!node || !accessible) return;
  const target = input(name);
  target.setAttribute('aria-label', tr('ControlHelp', accessible));
  target.setAttribute('aria-description', description ? tr('ControlHelp', description) + '\n' + hint : hint);
  if (tip) node.title = tr('ControlHelp', tip) + '\n' + hint;
}
// The language's decimal sign and the readout's words, for the core. The
// browser's number formats take a while to load the first time; the boxes'
// starting numbers have no decimals, so the first frame does not wait for them.
let numbersReady = false;
function numberFormat() {
  numbersReady = true;
  const separator = new Intl.NumberFormat(bcp47()).formatToParts(1.5).find((p) => p.type === 'decimal')?.value || '.';
  core.ccall('qv_set_language', null, ['string', 'string', 'string'],
    [separator, tr('Readout', 'no signal'), tr('Readout', 'memory')]);
}
function label() {
  document.documentElement.lang = bcp47();
  for (const [name, { design: d, node }] of controls) {
    if (d.kind === Kind.Label) node.textContent = tr('MainWindow', d.text);
    if (d.kind === Kind.Check) node.querySelector('span').textContent = tr('MainWindow', d.text);
    if (d.kind === Kind.ButtonCheck) node.textContent = d.text ? tr('MainWindow', d.text) : '';
    if (name in lists) {
      const index = Math.max(0, node.selectedIndex);
      node.replaceChildren(...lists[name][1].map((key) => new Option(tr('MainWindow', key))));
      node.selectedIndex = index;
    }
    help(name);
  }
  for (const [labelName, listName] of Object.entries(listLabels)) {
    const node = controls.get(labelName)?.node;
    if (node) input(listName).setAttribute('aria-labelledby', labelName);
  }
  const guideButton = document.getElementById('guide-button');
  guideButton.textContent = tr('MainWindow', 'Class guide');
  languageList.setAttribute('aria-label', tr('Page', 'Language'));
  if (numbersReady) numberFormat();
  if (!document.getElementById('guide').hidden) fillGuide();
  fitCaptions();
  show();
}
// Each control's text at its design size, or, where a translation is too
// wide for its box in the browser's font, as much smaller as it takes, half a
// point at a time, as the desktop's translated captions do.
function fitCaption({ design: d, node }) {
  if (!d.font) return;
  const pixels = (points) => (points * zoom * 96 / 72).toFixed(2) + 'px';
  let points = d.font;  // at 100 %
  node.style.fontSize = pixels(points);
  if (d.kind !== Kind.Label && d.kind !== Kind.Button && d.kind !== Kind.ButtonCheck) return;
  while (node.scrollWidth > node.clientWidth && points > d.font * 0.75) {
    points -= 0.5;
    node.style.fontSize = pixels(points);
  }
}
function fitCaptions() {
  for (const control of controls.values()) fitCaption(control);
}

let clock = null;
let held = false;
function show() {
  const state = JSON.parse(text(core._qv_state()));
  for (const [name, index] of Object.entries(boxes)) input(name).value = state.texts[index];
  for (const [name, id] of Object.entries(bars)) {
    const { design: d, node } = controls.get(name);
    const position = state.bars[id];
    if (node.value !== barValue(position, d)) node.value = barValue(position, d);
    if (id < 3) node.setAttribute('aria-valuetext', state.texts[id]);
  }
  for (const [name, id] of Object.entries(checks)) {
    const { design: d, node } = controls.get(name);
    if (d.kind === Kind.Check) input(name).checked = state.switches[id] === 1;
    else node.setAttribute('aria-pressed', String(state.switches[id] === 1));
  }
  for (const [name, [id]] of Object.entries(lists)) input(name).selectedIndex = state.choices[id];
  const pause = input('pauseButton');
  const caption = tr('MainWindow', state.pause);
  if (pause.textContent !== caption) {
    pause.textContent = caption;
    fitCaption(controls.get('pauseButton'));
  }
  // Its tooltip and description say what the next press will do.
  pause.title = tr('ControlHelp', data.helpTexts[state.pause === 'Pause' ? 1 : 2]) + '\n' + tr('ControlHelp', data.helpTexts[0]);
  pause.setAttribute('aria-description', pause.title);
  const m = state.memoryColour;
  input('memoryButton').style.color = `rgb(${m & 255},${(m >> 8) & 255},${(m >> 16) & 255})`;
  for (const marker of markers) marker.x = state.marker;
  placeMarkers();
  if (state.running && !clock && !held) clock = setInterval(frame, interval);
  if (!state.running && clock) { clearInterval(clock); clock = null; }
}

let framesRun = 0;
let firstFrameAt = null;
function frame() {
  framesRun += 1;
  const changed = core._qv_frame();
  for (const picture of pictures) if (changed & (1 << picture.index)) draw(picture);
  firstFrameAt ??= performance.now();
  refreshReadout();
}

// Magnification: the desktop's steps; the page fits the browser's window
// unless ?zoom= names a step (as a factor or a percentage).
const steps = data.zoomSteps;
const askedZoom = (() => {
  const value = Number(params.get('zoom'));
  return steps.find((s) => s === value || Math.round(s * 100) === value) ?? null;
})();
let zoom = 1;
const scaled = (pixels) => Math.round(pixels * zoom);
function fittingStep() {
  const guide = document.getElementById('guide');
  const room = document.documentElement.clientWidth - 16 - (guide.hidden ? 0 : guide.offsetWidth + 8);
  const height = window.innerHeight - document.getElementById('bar').offsetHeight - 8;
  return steps.filter((s) => Math.round(designWidth * s) <= room && Math.round(designHeight * s) <= height).pop() ?? steps[0];
}
function place() {
  zoom = askedZoom ?? fittingStep();
  windowArea.style.width = scaled(designWidth) + 'px';
  windowArea.style.height = scaled(designHeight) + 'px';
  // The readout grows with the window, as on the desktop.
  readout.style.fontSize = (12 * zoom).toFixed(1) + 'px';
  const density = window.devicePixelRatio || 1;
  for (const { design: d, node } of controls.values()) {
    const [x, y, w, h] = d.box.map((twips) => twips / 15);
    const [left, top] = [scaled(Math.floor(x)), scaled(Math.floor(y))];
    const [right, bottom] = [scaled(Math.floor(x) + Math.floor(w)), scaled(Math.floor(y) + Math.floor(h))];
    Object.assign(node.style, { left: left + 'px', top: top + 'px', width: right - left + 'px', height: bottom - top + 'px' });
    if (d.kind === Kind.Shape) node.style.borderWidth = Math.max(1, Math.round(3 * zoom)) + 'px';
  }
  fitCaptions();
  for (const picture of pictures) {
    const w = parseInt(picture.canvas.style.width, 10);
    const h = parseInt(picture.canvas.style.height, 10);
    picture.canvas.width = Math.round(w * density);
    picture.canvas.height = Math.round(h * density);
    if (framesRun) draw(picture);
  }
  placeMarkers();
  if (cursor) placeCursor(false);
}
function placeMarkers() {
  for (const { line, node, x = line[0] } of markers) {
    const [, y1, , y2, width] = line;
    const w = Math.max(1, Math.round(width * zoom));
    Object.assign(node.style, {
      left: Math.round((x / 15) * zoom - w / 2) + 'px', top: Math.round((y1 / 15) * zoom) + 'px',
      width: w + 'px', height: Math.round(((y2 - y1) / 15) * zoom) + 'px',
    });
  }
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
  const link = event.target.closest('a[data-setup]');
  if (!link) return;
  event.preventDefault();
  core._qv_setup(Number(link.dataset.setup));
  show();
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
    core, frame, show, place,
    controls: (name) => input(name),
    frames: () => framesRun,
    firstFrameAt: () => firstFrameAt,
    stop: () => { held = true; clearInterval(clock); clock = null; },
  };
});
