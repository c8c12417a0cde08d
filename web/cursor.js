// The pictures as the readers meet them, the window's and the receiver's
// alike: the readout under the pointer or finger, the keyboard cursor with its
// peak keys, what a picture says through the polite live region, and its
// description kept up to date. The core says what lies
// under a place and what a picture shows; this shows it beside that place.
/* exported QuorvaneCursor */

// The page's means: the core's calls, the present zoom, and how it places a
// line of the core's, in twips, inside the area holding the line.
function QuorvaneCursor({ call, ask, text, zoom, placeLine }) {
  const make = (tag, properties) => Object.assign(document.createElement(tag), properties);
  const spoken = document.getElementById('spoken');
  const say = (words) => spoken.replaceChildren(document.createTextNode(words));
  const readout = make('div', { id: 'readout', hidden: true });
  document.body.append(readout);
  const cursorMarker = make('div', { className: 'marker cursor', hidden: true });
  const followed = [];
  let hovered = null;  // { picture, twips, clientX, clientY }
  let cursor = null;   // { picture }
  // When the descriptions last followed the pictures.
  let describedAt = 0;
  // A description follows what the picture shows no oftener than this, so
  // that a screen reader is not kept talking, and the core is asked no oftener.
  const describeMilliseconds = 1000;

  const twipsAt = (picture, clientX) => ((clientX - picture.canvas.getBoundingClientRect().left) / zoom()) * 15;
  function showReadout(reading, clientX, clientY) {
    readout.hidden = !reading;
    if (!reading) return reading;
    readout.textContent = reading;
    const room = document.documentElement.clientWidth;
    const left = clientX + 16 + readout.offsetWidth > room ? clientX - 16 - readout.offsetWidth : clientX + 16;
    Object.assign(readout.style, { left: left + 'px', top: clientY + 20 + 'px' });
    return reading;
  }
  function refreshReadout() {
    if (hovered) showReadout(text(call('qv_readout', hovered.picture.name, hovered.twips, zoom())), hovered.clientX, hovered.clientY);
    else if (cursor) placeCursor(ask('qv_cursor', cursor.picture.name, '', zoom()), false);
  }
  // The cursor where the core's answer puts it, in the picture's own area.
  function placeCursor(answer, announce) {
    const { picture } = cursor;
    const area = picture.canvas.parentNode;
    if (cursorMarker.parentNode !== area) area.append(cursorMarker);
    placeLine(cursorMarker, answer.line);
    cursorMarker.hidden = false;
    const box = picture.canvas.getBoundingClientRect();
    const left = area.getBoundingClientRect().left + parseInt(cursorMarker.style.left, 10);
    const reading = showReadout(answer.reading, left, box.top + box.height / 2);
    if (!announce) return;
    // Some browsers tell of a new value only when the number changes too.
    const along = Math.round((answer.line.left - picture.box.left) / 15);
    picture.canvas.setAttribute('aria-valuenow', along);
    picture.canvas.setAttribute('aria-valuetext', (reading || '').replace(/\n/g, ', '));
  }
  function hideCursor() {
    if (!cursor) return;
    call('qv_cursor', cursor.picture.name, 'Escape', zoom());
    unread(cursor.picture.canvas);
    cursor = null;
    cursorMarker.hidden = true;
    if (!hovered) readout.hidden = true;
  }
  // With no cursor there is no reading, and no number to say either.
  function unread(canvas) {
    canvas.removeAttribute('aria-valuenow');
    canvas.setAttribute('aria-valuetext', ' ');
  }

  // A description is set only when its words change: some browsers speak
  // every change of it.
  function describe(picture) {
    const description = text(call('qv_description', picture.name, zoom()));
    if (picture.canvas.getAttribute('aria-description') !== description) picture.canvas.setAttribute('aria-description', description);
  }
  // After a frame, at most once a second: every shown picture's description,
  // except where the cursor's reading speaks for it. Not the focused one's
  // alone: a picture that takes the focus then already says what it shows,
  // and is heard once rather than again when its description changes.
  function keepDescriptionUp() {
    if (performance.now() - describedAt < describeMilliseconds) return;
    describedAt = performance.now();
    for (const picture of followed) if (picture.canvas.getClientRects().length && cursor?.picture !== picture) describe(picture);
  }

  // A picture with a keyboard cursor is read as a slider whose value is
  // the reading at the cursor, so that screen readers pass its keys on.
  function picture(d) {
    const canvas = make('canvas', { tabIndex: 0 });
    const [w, h] = [d.box.width, d.box.height].map((twips) => Math.floor(twips / 15));
    for (const [key, value] of [['role', 'slider'], ['aria-valuemin', 0], ['aria-valuemax', w]]) canvas.setAttribute(key, value);
    const shown = { canvas, w, h, name: d.name, box: d.box, image: new ImageData(w, h) };
    followed.push(shown);
    unread(canvas);
    for (const type of ['pointermove', 'pointerdown']) {
      canvas.addEventListener(type, (event) => {
        hovered = { picture: shown, twips: twipsAt(shown, event.clientX), clientX: event.clientX, clientY: event.clientY };
        refreshReadout();
      });
    }
    // A finger lifted leaves the readout where it touched, until a touch elsewhere.
    canvas.addEventListener('pointerleave', (event) => {
      if (event.pointerType === 'touch') return;
      hovered = null;
      readout.hidden = !cursor;
      if (cursor) refreshReadout();
    });
    canvas.addEventListener('keydown', (event) => {
      if (event.altKey || event.ctrlKey || event.metaKey || event.shiftKey) return;
      const answer = ask('qv_cursor', d.name, event.key, zoom());
      if (!answer.taken) return;
      event.preventDefault();
      // A key that says something rather than moving the cursor leaves it be.
      if (answer.say) say(answer.say);
      if (!answer.line) { if (!answer.say) hideCursor(); return; }
      cursor = { picture: shown };
      placeCursor(answer, true);
    });
    canvas.addEventListener('blur', hideCursor);
    return shown;
  }
  document.addEventListener('pointerdown', (event) => {
    if (!hovered || followed.some((shown) => shown.canvas === event.target)) return;
    hovered = null;
    readout.hidden = !cursor;
  });

  return {
    picture,
    say,
    // After each frame: the readout where the pointer or cursor stays, and the focused picture's words.
    refresh() { refreshReadout(); keepDescriptionUp(); },
    // The readout grows with the window, as on the desktop.
    zoomed(factor) {
      readout.style.fontSize = (12 * factor).toFixed(1) + 'px';
      if (cursor) refreshReadout();
    },
  };
}
