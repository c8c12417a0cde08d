// The main check: the page's five pictures, border included, are pixel for
// pixel the desktop window's at 100 %, over every row of settings.txt applied
// in turn to one fresh window on each side; the receiver's two as well on the
// rows that open it.
//   node pixels.mjs <chromium|firefox> <page> <settings> <desktop pictures folder>
import fs from 'node:fs';
import { launch, open, run } from './browser.mjs';

const [browserName, file, settings, folder] = process.argv.slice(2);
const rows = fs.readFileSync(settings, 'utf8').split('\n').filter((l) => l.trim() && !l.startsWith('#'))
  .map((l) => l.trim().split(/\s+/).map(Number));
// The table's columns as the page's controls, in the order both sides set them.
const columns = [['messageTypeList', 'list'], ['schemeList', 'list'], ['messageFrequencyBar', 'bar'], ['carrierFrequencyBar', 'bar'], ['depthBar', 'bar'],
  ['linearCheckBox', 'check'], ['twoSidedCheckBox', 'check'], ['modulatedTraceButton', 'check'], ['modulatedSpectrumButton', 'check'],
  ['memoryButton', 'check'], ['timeZoomBar', 'bar'], ['timeScrollBar', 'bar']];
const receiverColumns = [['detectorList', 'list'], ['oscillatorPhaseBar', 'bar'], ['channelNoiseBar', 'bar']];
const windowPictures = ['messagePicture', 'messageSpectrumPicture', 'carrierPicture', 'modulatedPicture', 'modulatedSpectrumPicture'];
const receiverPictures = ['receivedSignalPicture', 'recoveredMessagePicture'];

function readPpm(path) {
  const bytes = fs.readFileSync(path);
  const [, width, height] = bytes.toString('latin1', 0, 32).match(/^P6\s+(\d+)\s+(\d+)\s+255\s/);
  return { width: Number(width), height: Number(height), pixels: bytes.subarray(bytes.length - width * height * 3) };
}

const browser = await launch(browserName);
const page = await open(browser, file);
// A fresh core, as the desktop's window is fresh, its frames run by hand.
await page.evaluate(() => { window.quorvane.stop(); window.quorvane.core._qv_start(); window.quorvane.show(); });

const cases = rows.map((row, index) => [`settings row ${index + 1}: ${row.join(' ')}`, async () => {
  const frames = row[12];
  const receiverOpen = row.length > 13;
  const pictureNames = receiverOpen ? [...windowPictures, ...receiverPictures] : windowPictures;
  const pictures = await page.evaluate((row, columns, receiverColumns, names, frames) => {
    // Each control set as a user sets it: only a change raises an event. The
    // receiver opens after the window's controls are set, as on the desktop.
    const { receiver } = window.quorvane;
    const set = (controlOf, first) => ([name, kind], column) => {
      const control = controlOf(name);
      const value = row[first + column];
      if (kind === 'list' && control.selectedIndex !== value) {
        control.selectedIndex = value;
        control.dispatchEvent(new Event('change'));
      } else if (kind === 'bar') {
        const vertical = control.classList.contains('vertical');
        const shown = String(vertical ? Number(control.min) + Number(control.max) - value : value);
        if (control.value !== shown) {
          control.value = shown;
          control.dispatchEvent(new Event('input'));
          control.dispatchEvent(new Event('change'));
        }
      } else if (kind === 'check') {
        const on = control.type === 'checkbox' ? control.checked : control.getAttribute('aria-pressed') === 'true';
        if (on !== (value === 1)) control.click();
      }
    };
    columns.forEach(set(window.quorvane.controls, 0));
    receiver.toggle(row.length > 13);
    if (row.length > 13) receiverColumns.forEach(set(receiver.controls, 13));
    for (let frame = 0; frame < frames; frame += 1) window.quorvane.frame();
    // Each picture as one string of bytes: an array of numbers this large
    // is more than the driver's protocols carry in good time.
    return names.map((name) => {
      const canvas = document.getElementById(name);
      const rgba = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
      let bytes = '';
      for (let i = 0; i < rgba.length; i += 8192) bytes += String.fromCharCode(...rgba.subarray(i, i + 8192));
      return btoa(bytes);
    });
  }, row, columns, receiverColumns, pictureNames, frames);
  const differing = [];
  pictures.map((bytes) => Buffer.from(bytes, 'base64')).forEach((rgba, picture) => {
    const desktop = readPpm(`${folder}/${index}-${picture}.ppm`);
    if (rgba.length !== desktop.width * desktop.height * 4) {
      differing.push(`${pictureNames[picture]} is ${rgba.length / 4} pixels, the desktop's ${desktop.width * desktop.height}`);
      return;
    }
    let count = 0;
    let first = -1;
    for (let i = 0; i < desktop.width * desktop.height; i += 1) {
      if ([0, 1, 2].some((c) => rgba[i * 4 + c] !== desktop.pixels[i * 3 + c])) {
        count += 1;
        if (first < 0) first = i;
      }
    }
    if (count) differing.push(`${pictureNames[picture]}: ${count} pixels differ, first at (${first % desktop.width}, ${Math.floor(first / desktop.width)})`);
  });
  if (differing.length) throw new Error(differing.join('; '));
}]);
await run(`pixels in ${browserName}`, cases);
await browser.close();
