// The page as a class meets it: nothing leaves the machine, the controls do
// what the desktop's do, and its languages, guide and magnification work.
//   node page.mjs <chromium|firefox> <page>
import fs from 'node:fs';
import path from 'node:path';
import { launch, open, run } from './browser.mjs';

const [browserName, file] = process.argv.slice(2);
const browser = await launch(browserName);
const self = 'file://' + path.resolve(file);

function expect(what, actual, wanted) {
  if (JSON.stringify(actual) !== JSON.stringify(wanted)) {
    throw new Error(`${what}: ${JSON.stringify(actual)}, wanted ${JSON.stringify(wanted)}`);
  }
}
const value = (page, id, property = 'value') => page.$eval(`[id="${id}"]`, (node, p) => node[p], property);

const cases = [
  ['asks for nothing but the file, stores nothing, reports no error', async () => {
    const page = await browser.newPage();
    const requests = [];
    const errors = [];
    page.on('request', (request) => requests.push(request.url()));
    page.on('pageerror', (error) => errors.push(error.message));
    page.on('console', (message) => { if (message.type() === 'error') errors.push(message.text()); });
    await page.goto(self);
    await page.waitForFunction(() => window.quorvane !== undefined);
    await page.evaluate(() => new Promise((done) => setTimeout(done, 1500)));
    // Icons and the core arrive as data inside the file, which is no request.
    const files = requests.filter((url) => !url.startsWith('data:')).map((url) => url.split('?')[0]);
    expect('requests for anything but the file', files.filter((url) => url !== self), []);
    // Firefox reports no request for a file: address; Chromium shows the log works.
    if (browserName === 'chromium') expect('the file itself logged', files, [self]);
    expect('errors', errors, []);
    expect('cookies, storage', await page.evaluate(() => [document.cookie, localStorage.length, sessionStorage.length]), ['', 0, 0]);
    // The policy itself refuses a request the page might try.
    const refused = await page.evaluate(() => fetch('http://127.0.0.1:9/').then(() => false, () => true));
    expect('a fetch refused', refused, true);
    await page.close();
  }],
  ['a bad ?lang= and ?zoom= give English and the fitted window', async () => {
    // A viewport that 100 % fits and 110 % does not.
    const page = await open(browser, file, '?lang=xx&zoom=7', { width: 1100, height: 760, deviceScaleFactor: 1 });
    expect('caption', await value(page, 'messageTypeLabel', 'textContent'), 'Signal Type');
    expect('width', await page.$eval('#window', (node) => node.style.width), '1003px');
    await page.close();
  }],
  ['without ?lang= the first of the browser\'s languages that the page has', async () => {
    for (const [languages, caption] of [[['fr-CA', 'en'], 'Signal'], [['pt'], 'Sinal'], [['zh-Hans-CN'], '信号类型'],
      [['xx', 'de-AT'], 'Signalform'], [['xx'], 'Signal Type']]) {
      const page = await browser.newPage();
      await page.evaluateOnNewDocument((list) => Object.defineProperty(navigator, 'languages', { get: () => list }), languages);
      await page.goto(self);
      await page.waitForFunction(() => window.quorvane !== undefined);
      expect(`caption for ${languages}`, await value(page, 'messageTypeLabel', 'textContent'), caption);
      await page.close();
    }
  }],
  ['every caption fits its box in every language, beside the desktop\'s logo', async () => {
    for (const language of ['en', 'de', 'fr', 'es', 'pt_BR', 'zh_CN']) {
      const page = await open(browser, file, `?lang=${language}&zoom=100`, { width: 1100, height: 760, deviceScaleFactor: 1 });
      const over = await page.$$eval('#window .label, #window button', (nodes) =>
        nodes.filter((node) => node.scrollWidth > node.clientWidth).map((node) => node.id));
      expect(`captions too wide in ${language}`, over, []);
      expect('logo drawn', await page.$eval('#window img', (logo) => logo.complete && logo.naturalWidth), 1200);
      await page.close();
    }
  }],
  ['?lang=de and ?zoom=200 give the German window at twice its size', async () => {
    const page = await open(browser, file, '?lang=de&zoom=200');
    expect('caption', await value(page, 'messageTypeLabel', 'textContent'), 'Signalform');
    expect('width', await page.$eval('#window', (node) => node.style.width), '2006px');
    await page.close();
  }],
  ['Pause stops the pictures and reads "Cont"; Cont runs them again', async () => {
    const page = await open(browser, file);
    await page.click('[id="pauseButton"]');
    expect('caption', await value(page, 'pauseButton', 'textContent'), 'Cont');
    const picture = () => page.$eval('[id="messagePicture"]', (canvas) => canvas.toDataURL());
    const before = await picture();
    await page.evaluate(() => new Promise((done) => setTimeout(done, 400)));
    expect('paused picture unchanged', (await picture()) === before, true);
    await page.click('[id="pauseButton"]');
    expect('caption', await value(page, 'pauseButton', 'textContent'), 'Pause');
    await page.close();
  }],
  ['the Receiver button opens the receiver below the window, its S/N box showing a figure in German', async () => {
    const page = await open(browser, file, '?lang=de&zoom=100');
    expect('button', await value(page, 'receiver-button', 'textContent'), 'Empfänger');
    await page.click('[id="receiver-button"]');
    expect('open', await page.$eval('#receiver', (node) => !node.hidden && node.offsetHeight > 0), true);
    await page.evaluate(() => new Promise((done) => setTimeout(done, 400)));
    const figure = await value(page, 'sinadBox');
    expect(`S/N "${figure}" a number with a decimal comma`, /^-?\d+,\d$/.test(figure), true);
    await page.keyboard.press('F2');
    expect('closed by F2', await page.$eval('#receiver', (node) => node.hidden), true);
    await page.close();
  }],
  ['keys move the bars as on the desktop, with the box showing the figure', async () => {
    const page = await open(browser, file);
    await page.focus('[id="depthBar"]');
    await page.keyboard.press('ArrowUp');
    expect('depth', await value(page, 'depthBox'), '1.2');
    await page.keyboard.press('PageDown');
    expect('depth after Page Down', await value(page, 'depthBox'), '1');
    await page.focus('[id="messageFrequencyBar"]');
    // Each key and what the box then shows, one after the other from " 5".
    for (const [key, shown] of [['ArrowRight', ' 5.1'], ['ArrowLeft', ' 5'], ['ArrowDown', ' 5.1'], ['ArrowUp', ' 5'],
      ['PageDown', ' 6.5'], ['PageUp', ' 5'], ['End', ' 10'], ['Home', ' 2.5']]) {
      await page.keyboard.press(key);
      expect(`message frequency after ${key}`, await value(page, 'messageFrequencyBox'), shown);
    }
    await page.close();
  }],
  ['Tab goes through the controls in the desktop\'s order', async () => {
    const page = await open(browser, file);
    await page.focus('#guide-button');
    const order = [];
    for (let i = 0; i < 4; i += 1) {
      await page.keyboard.press('Tab');
      order.push(await page.evaluate(() => document.activeElement.closest('#window > *')?.id));
    }
    expect('order', order, ['messagePicture', 'messageTypeList', 'schemeList', 'pauseButton']);
    await page.close();
  }],
  ['the class guide opens in the page\'s language and its Set up link sets the experiment up', async () => {
    const page = await open(browser, file, '?zoom=1&lang=de');
    await page.click('#guide-button');
    const heading = fs.readFileSync(new URL('../../docs/guide_de.md', import.meta.url), 'utf8').split('\n')[0].replace(/^# /, '');
    expect('guide heading', await page.$eval('#guide h1', (node) => node.textContent), heading);
    await page.click('a[data-setup="1"]');
    expect('lists', [await value(page, 'messageTypeList', 'selectedIndex'), await value(page, 'schemeList', 'selectedIndex')], [0, 1]);
    expect('boxes', [await value(page, 'messageFrequencyBox'), await value(page, 'carrierFrequencyBox'), await value(page, 'depthBox')], [' 5,1', ' 74', '1']);
    // Experiment 8 opens the receiver and sets it to FM's detector at 5 dB of noise.
    await page.click('a[data-setup="8"]');
    expect('receiver opened', await page.$eval('#receiver', (node) => !node.hidden), true);
    expect('detector and noise', [await value(page, 'detectorList', 'selectedIndex'), await value(page, 'channelNoiseBox')], [2, '5 dB']);
    await page.close();
  }],
  ['N jumps to the next crest and D says what the picture shows, through the live region', async () => {
    const page = await open(browser, file, '?zoom=1');
    await page.evaluate(() => window.quorvane.stop());
    await page.focus('[id="messagePicture"]');
    await page.keyboard.press('n');
    const reading = await page.$eval('[id="messagePicture"]', (node) => node.getAttribute('aria-valuetext'));
    expect(`reading at the first crest "${reading}"`, /^0\.\d{3} s, 1\.00$/.test(reading), true);
    await page.keyboard.press('d');
    const said = await page.$eval('#spoken', (node) => node.textContent);
    expect(`description "${said}"`, said.startsWith('Peak to peak 2.00; its crests repeat at 5.0 Hz'), true);
    await page.close();
  }],
  ['a receiver picture is a slider: Right reads the recovered message, D says what it shows', async () => {
    const page = await open(browser, file, '?zoom=1');
    await page.click('[id="receiver-button"]');
    // Described with what it shows and its keys within a second, before it has the focus.
    await page.waitForFunction(() => /\nPeak to peak .*\nLeft, Right/.test(
      document.getElementById('recoveredMessagePicture').getAttribute('aria-description')), { timeout: 5000 });
    await page.evaluate(() => window.quorvane.stop());
    const attribute = (name) => page.$eval('[id="recoveredMessagePicture"]', (node, n) => node.getAttribute(n), name);
    expect('role', await attribute('role'), 'slider');
    await page.focus('[id="recoveredMessagePicture"]');
    await page.keyboard.press('ArrowRight');
    const reading = await attribute('aria-valuetext');
    expect(`reading "${reading}"`, /^0\.\d{3} s, −?\d\.\d\d$/.test(reading), true);
    await page.keyboard.press('d');
    const said = await page.$eval('#spoken', (node) => node.textContent);
    expect(`description "${said}"`, said.startsWith('Peak to peak '), true);
    await page.keyboard.press('Escape');
    expect('Escape puts the cursor away, the receiver stays', [await attribute('aria-valuetext'), await page.$eval('#receiver', (node) => node.hidden)], [' ', false]);
    await page.close();
  }],
  ['the readout under the pointer and at the keyboard cursor, in the language\'s format', async () => {
    const page = await open(browser, file, '?zoom=1&lang=de');
    await page.evaluate(() => window.quorvane.stop());
    await page.focus('[id="messagePicture"]');
    await page.keyboard.press('Home');
    expect('cursor at the start', await page.$eval('#readout', (node) => node.textContent), '0,000 s\n0,00');
    await page.keyboard.press('Escape');
    expect('cursor put away', await page.$eval('#readout', (node) => node.hidden), true);
    const box = await page.$eval('[id="messageSpectrumPicture"]', (node) => { const r = node.getBoundingClientRect(); return [r.left, r.top]; });
    await page.mouse.move(box[0] + 2 + 100, box[1] + 50);
    const reading = await page.$eval('#readout', (node) => node.textContent);
    if (!/^\d+,\d Hz\n/.test(reading)) throw new Error(`spectrum reading "${reading}"`);
    await page.close();
  }],
  ['switching language and resizing while running lose no setting and no frame', async () => {
    const page = await open(browser, file);
    await page.focus('[id="messageFrequencyBar"]');
    await page.keyboard.press('ArrowRight');
    await page.select('#language', 'fr');
    await page.setViewport({ width: 900, height: 600, deviceScaleFactor: 2 });
    const frames = await page.evaluate(() => window.quorvane.frames());
    await page.evaluate(() => new Promise((done) => setTimeout(done, 500)));
    expect('box in French', await value(page, 'messageFrequencyBox'), ' 5,1');
    // Screen readers hear the bar as its box's number, with the step's decimal.
    expect('bar read in French', await page.$eval('[id="messageFrequencyBar"]', (bar) => bar.getAttribute('aria-valuetext')), '5,1');
    expect('caption in French', await value(page, 'messageTypeLabel', 'textContent'), 'Signal');
    expect('pictures at the screen\'s density', await page.$eval('[id="messagePicture"]',
      (canvas) => canvas.width === 2 * parseInt(canvas.style.width, 10)), true);
    const ran = (await page.evaluate(() => window.quorvane.frames())) - frames;
    if (ran < 3) throw new Error(`only ${ran} frames in half a second after the switch`);
    await page.close();
  }],
  ['touch: a tap sets a switch, a drag moves a bar, a touch on a picture gives the readout', async () => {
    const page = await open(browser, file, '?zoom=1', { width: 1280, height: 800, deviceScaleFactor: 1, hasTouch: true });
    const centre = (id) => page.$eval(`[id="${id}"]`, (node) => {
      const r = node.getBoundingClientRect();
      return [r.left + r.width / 2, r.top + r.height / 2, r.left, r.width];
    });
    const [mx, my] = await centre('memoryButton');
    await page.touchscreen.tap(mx, my);
    expect('Memory pressed', await page.$eval('[id="memoryButton"]', (node) => node.getAttribute('aria-pressed')), 'true');
    const [, by, left, width] = await centre('messageFrequencyBar');
    await page.touchscreen.touchStart(left + width / 2, by);
    await page.touchscreen.touchMove(left + width - 2, by);
    await page.touchscreen.touchEnd();
    expect('bar dragged to its end', await value(page, 'messageFrequencyBox'), ' 10');
    const [sx, sy] = await centre('messageSpectrumPicture');
    await page.touchscreen.tap(sx, sy);
    const reading = await page.$eval('#readout', (node) => (node.hidden ? '' : node.textContent));
    if (!/ Hz/.test(reading)) throw new Error(`reading after a touch: "${reading}"`);
    await page.close();
  }],
  ['?colours=colour-blind ticks the colour-blind box; Memory then shows and names plum', async () => {
    const page = await open(browser, file, '?colours=colour-blind&zoom=1');
    expect('box ticked', await value(page, 'colour-blind', 'checked'), true);
    await page.click('[id="memoryButton"]');
    const memory = () => page.$eval('[id="memoryButton"]', (node) => [getComputedStyle(node).color, node.title.split('\n')[0]]);
    const help = (colour) => `Freeze a copy of both spectra, drawn in ${colour}, to compare with; click again to let it go`;
    expect('Memory, colour-blind', await memory(), ['rgb(152, 80, 120)', help('plum')]);
    await page.click('[id="colour-blind"]');
    expect('Memory, usual colours', await memory(), ['rgb(128, 64, 0)', help('brown')]);
    await page.close();
  }],
];
await run(`page in ${browserName}`, cases);
await browser.close();
