// Opens dist/quorvane.html in Debian's own browsers: Chromium over the
// DevTools protocol, Firefox ESR over WebDriver BiDi, each with a fresh
// profile and nothing of its own that reaches out to the network.
import fs from 'node:fs';
import os from 'node:os';
import { createRequire } from 'node:module';
import path from 'node:path';

// The driver lies in the build tree (tests/web/run.sh names it), not beside
// this script, where an import would look for it.
const puppeteer = createRequire(path.join(process.env.QUORVANE_WEB_DRIVER, 'package.json'))('puppeteer-core');
const programs = { chromium: '/usr/bin/chromium', firefox: '/usr/bin/firefox-esr' };

export async function launch(browser) {
  const executablePath = programs[browser];
  if (!fs.existsSync(executablePath)) {
    console.error(`${executablePath} is not installed`);
    process.exit(1);
  }
  const userDataDir = fs.mkdtempSync(path.join(os.tmpdir(), `quorvane-${browser}-`));
  if (browser === 'firefox') {
    return puppeteer.launch({
      browser: 'firefox', executablePath, headless: true, userDataDir,
      extraPrefsFirefox: { 'network.captive-portal-service.enabled': false, 'network.connectivity-service.enabled': false },
    });
  }
  return puppeteer.launch({
    executablePath, headless: true, userDataDir,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync'],
  });
}

// The page at `query`, with the window at 100 % one to one on the screen
// unless the viewport says otherwise, once its first frame is drawn.
export async function open(browser, file, query = '?zoom=1', viewport = { width: 1280, height: 800, deviceScaleFactor: 1 }) {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  await page.goto('file://' + path.resolve(file) + query);
  await page.waitForFunction(() => window.quorvane !== undefined);
  return page;
}

// Runs the test cases in turn; prints one line per case and the closing count.
export async function run(name, cases) {
  let failed = 0;
  for (const [label, body] of cases) {
    try {
      await body();
      console.log(`ok   ${name}: ${label}`);
    } catch (error) {
      failed += 1;
      console.log(`FAIL ${name}: ${label}\n     ${error.message}`);
    }
  }
  console.log(`${cases.length - failed} passed, ${failed} failed`);
  process.exitCode = failed ? 1 : 0;
}
