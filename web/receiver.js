// The receiver's panel on the page, below the window: built from the core's
// receiver design, its events carried in by control name, its pixels, texts
// and state carried out. The page's script hands over its means (the core's
// calls, its control builder, its pictures with their readout and cursor
// (web/cursor.js), and their drawing); this decides nothing.
/* exported QuorvaneReceiver */

function QuorvaneReceiver({ call, ask, tr, element, draw, picture, relayout }) {
  const design = ask('qv_receiver_design');
  const area = document.getElementById('receiver');
  const button = document.createElement('button');
  button.id = 'receiver-button';
  button.type = 'button';
  button.setAttribute('aria-expanded', 'false');
  button.setAttribute('aria-controls', 'receiver');
  document.getElementById('guide-button').before(button);
  const controls = new Map();
  const pictures = [];
  const byName = new Map(design.controls.map((d) => [d.name, d]));
  const order = [...design.controls.filter((d) => !design.focus.includes(d.name)).map((d) => d.name), ...design.focus];
  for (const name of order) {
    const d = byName.get(name);
    let node;
    if (d.kind === 'PictureBox') {
      pictures.push(picture(d));
      node = pictures.at(-1).canvas;
    } else {
      node = element(d);
    }
    node.id = name;
    area.append(node);
    controls.set(name, { design: d, node });
  }
  let texts = {};
  let open = false;
  let framesDrawn = false;

  function show() {
    const state = ask('qv_receiver_state');
    for (const [name, shown] of Object.entries(state.boxes)) {
      const { node } = controls.get(name);
      if (node.value !== shown) node.value = shown;
    }
    for (const [name, { position, text: shown }] of Object.entries(state.bars)) {
      const { node } = controls.get(name);
      if (node.value !== String(position)) node.value = String(position);
      node.setAttribute('aria-valuetext', shown);
    }
    for (const [name, index] of Object.entries(state.lists)) controls.get(name).node.selectedIndex = index;
    return state;
  }
  const send = (...args) => { call(...args); show(); };

  for (const [name, { design: d, node }] of controls) {
    if (d.kind === 'HScrollBar') {
      node.addEventListener('change', () => send('qv_receiver_bar', name, Number(node.value)));
      node.addEventListener('keydown', (event) => {
        if (event.altKey || event.ctrlKey || event.metaKey) return;
        if (call('qv_receiver_bar_key', name, event.key)) { event.preventDefault(); show(); }
      });
    }
    if (d.kind === 'ComboBox') node.addEventListener('change', () => send('qv_receiver_list', node.selectedIndex));
  }

  function label() {
    texts = ask('qv_receiver_texts');
    button.textContent = tr('MainWindow', 'Receiver');
    area.setAttribute('aria-label', texts.title);
    for (const [name, { node }] of controls) {
      const { caption, choices, name: accessible, description, toolTip } = texts[name] || {};
      if (caption !== undefined) node.textContent = caption;
      if (choices) {
        const index = Math.max(0, node.selectedIndex);
        node.replaceChildren(...choices.map((choice) => new Option(choice)));
        node.selectedIndex = index;
      }
      if (accessible) node.setAttribute('aria-label', accessible);
      if (description) node.setAttribute('aria-description', description);
      if (toolTip) node.title = toolTip;
    }
    show();
  }

  // The window's zoom, its boxes rounded as the window's are.
  function place(zoom) {
    const scaled = (pixels) => Math.round(pixels * zoom);
    area.style.marginLeft = scaled(design.window.left / 15) + 'px';
    area.style.width = scaled(design.window.width / 15) + 'px';
    area.style.height = scaled(design.window.height / 15) + 'px';
    const density = window.devicePixelRatio || 1;
    for (const { design: d, node } of controls.values()) {
      const [x, y, w, h] = [d.box.left, d.box.top, d.box.width, d.box.height].map((twips) => Math.floor(twips / 15));
      const [left, top, right, bottom] = [scaled(x), scaled(y), scaled(x + w), scaled(y + h)];
      Object.assign(node.style, { left: left + 'px', top: top + 'px', width: right - left + 'px', height: bottom - top + 'px' });
      if (d.points) node.style.fontSize = (d.points * zoom * 96 / 72).toFixed(2) + 'px';
    }
    for (const picture of pictures) {
      picture.canvas.width = Math.round(parseInt(picture.canvas.style.width, 10) * density);
      picture.canvas.height = Math.round(parseInt(picture.canvas.style.height, 10) * density);
      if (framesDrawn) draw(picture);
    }
  }

  // After each of the window's frames: the pictures that changed, and the figure.
  function frame() {
    if (!open) return;
    for (const picture of pictures) if (framesDrawn ? call('qv_changed', picture.name) : true) draw(picture);
    framesDrawn = true;
    show();
  }

  function toggle(next = !open) {
    if (next === open) return;
    open = next;
    call('qv_receiver_open', open ? 1 : 0);
    area.hidden = !open;
    button.setAttribute('aria-expanded', String(open));
    relayout();
    if (open) frame();
  }
  button.addEventListener('click', () => toggle());
  document.addEventListener('keydown', (event) => {
    if (event.key === 'F2') { event.preventDefault(); toggle(); }
    // A picture's cursor takes Escape first.
    if (event.key === 'Escape' && !event.defaultPrevented && open && area.contains(document.activeElement)) { toggle(false); button.focus(); }
  });
  return { label, place, frame, toggle, show, open: () => open, controls: (name) => controls.get(name)?.node };
}
