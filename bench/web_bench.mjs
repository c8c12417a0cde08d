// The page's figures in Debian's Chromium: the tick (a frame and its drawing)
// plain and with the processor throttled four times (a cheap Chromebook), with
// the receiver closed and open, the pictures' descriptions' cost, the first
// frame after opening, memory over 6000 frames, and the frames shown after a
// hidden tab comes back. Prints figures; asserts nothing.
//   QUORVANE_WEB_DRIVER=build/tests/web/driver node bench/web_bench.mjs [dist/quorvane.html]
// (the driver as the web_driver test installs it; tools/dev.sh bench does)
import { launch, open } from '../tests/web/browser.mjs';

const file = process.argv[2] ?? 'dist/quorvane.html';
const browser = await launch('chromium');
const page = await open(browser, file, '');
const session = await page.createCDPSession();
const sleep = (ms) => new Promise((done) => setTimeout(done, ms));

console.log(`Chromium ${(await browser.version()).split('/')[1]}`);
// Opened in the browser just started, then again in the running browser, as
// a teacher opens it a second time.
const firstFrame = async (p) => (await p.evaluate(() => window.quorvane.firstFrameAt())).toFixed(0);
const again = await open(browser, file, '');
console.log(`first frame drawn ${await firstFrame(page)} ms after opening, ` +
  `${await firstFrame(again)} ms when opened again`);
await again.close();

// The heaviest settings: filtered noise, FM, logarithmic, every trace drawn.
await page.evaluate(() => {
  const q = window.quorvane;
  const choose = (name, index) => { const list = q.controls(name); list.selectedIndex = index; list.dispatchEvent(new Event('change')); };
  choose('messageTypeList', 2);
  choose('schemeList', 2);
  for (const name of ['linearCheckBox', 'modulatedTraceButton', 'modulatedSpectrumButton']) {
    const c = q.controls(name);
    const on = c.type === 'checkbox' ? c.checked : c.getAttribute('aria-pressed') === 'true';
    if (on === (name === 'linearCheckBox')) c.click();
  }
});

async function ticks(count) {
  return page.evaluate((count) => {
    const times = [];
    for (let i = 0; i < count; i += 1) {
      const start = performance.now();
      window.quorvane.frame();
      times.push(performance.now() - start);
    }
    times.sort((a, b) => a - b);
    return [times[Math.floor(times.length / 2)], times[times.length - 1]];
  }, count);
}
async function framesShownIn(ms) {
  const before = await page.evaluate(() => window.quorvane.frames());
  await sleep(ms);
  return (await page.evaluate(() => window.quorvane.frames())) - before;
}

async function throttled(what) {
  for (const rate of [1, 4]) {
    await session.send('Emulation.setCPUThrottlingRate', { rate });
    await ticks(20);
    const [median, worst] = await ticks(300);
    const shown = await framesShownIn(5000);
    console.log(`${what}, CPU ${rate}x: tick median ${median.toFixed(2)} ms, worst ${worst.toFixed(2)} ms; ` +
      `${(shown / 5).toFixed(1)} frames a second on the clock`);
  }
  await session.send('Emulation.setCPUThrottlingRate', { rate: 1 });
}
await throttled('window');
// Once a second every shown picture's description follows what it shows,
// asked of the core only then: what the window's five cost together.
const cost = await page.evaluate(() => {
  const { core } = window.quorvane;
  const names = ['messagePicture', 'messageSpectrumPicture', 'carrierPicture', 'modulatedPicture', 'modulatedSpectrumPicture'];
  const start = performance.now();
  for (let i = 0; i < 20; i += 1) for (const name of names) core.ccall('qv_description', 'number', ['string', 'number'], [name, 1]);
  return (performance.now() - start) / 20;
});
console.log(`the five pictures' descriptions ${cost.toFixed(2)} ms, once a second ${(cost / 10).toFixed(2)} % of the time`);
// The receiver open as well, its channel's noise on: its frame runs after the window's.
await page.evaluate(() => {
  const { receiver } = window.quorvane;
  receiver.toggle(true);
  const noise = receiver.controls('channelNoiseBar');
  noise.value = 5;
  noise.dispatchEvent(new Event('change'));
});
await throttled('receiver open');
await page.evaluate(() => window.quorvane.receiver.toggle(false));

async function heap() {
  await session.send('HeapProfiler.collectGarbage');
  const { metrics } = await session.send('Performance.getMetrics');
  return metrics.find((m) => m.name === 'JSHeapUsedSize').value / 1024;
}
await session.send('Performance.enable');
const before = await heap();
for (let i = 0; i < 6000; i += 500) await ticks(500);
const after = await heap();
console.log(`JavaScript heap ${before.toFixed(0)} KiB before 6000 frames, ${after.toFixed(0)} KiB after ` +
  '(the core memory is fixed: it cannot grow)');

// Hidden for 5 s, then shown: the clock resumes at its pace, with no burst of
// the frames missed meanwhile.
await session.send('Page.setWebLifecycleState', { state: 'frozen' });
await sleep(5000);
await session.send('Page.setWebLifecycleState', { state: 'active' });
console.log(`after 5 s hidden: ${await framesShownIn(1000)} frames in the first second back`);
await browser.close();
