// Drives the built page in Debian's Chromium (headless, SwiftShader WebGL)
// through puppeteer-core: opens it from file://, collects its console lines,
// plays keys, drags and touches, and reads the canvas back. Shared by the
// page tests, the cross-check with the desktop program and the benchmark.
// The tests share one browser and run side by side, a few pages at a time.
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync, existsSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

export const CHROMIUM = process.env.CHROMIUM || '/usr/bin/chromium';
const ROOT = resolve(dirname(fileURLToPath(import.meta.url)), '../..');
export const PAGE = resolve(process.env.LORENTZ_WEB_PAGE || join(ROOT, 'build-web/lorentz-demo.html'));

// softwareCompositing: the one GPU process then only draws WebGL, which halves
// the time of the tests on two cores; the benchmark measures without it
export async function launchBrowser(extraArgs = [], { softwareCompositing = false } = {}) {
  if (!existsSync(CHROMIUM)) throw new Error(`no Chromium at ${CHROMIUM} (apt-get install chromium)`);
  if (!existsSync(PAGE)) throw new Error(`no page at ${PAGE} (scripts/web.sh --build)`);
  const profile = mkdtempSync(join(tmpdir(), 'lorentz-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: CHROMIUM,
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
      ...(softwareCompositing ? ['--disable-gpu-compositing'] : []),
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      '--disable-quic', '--no-first-run', '--window-size=800,900', ...extraArgs,
      ...(process.env.LORENTZ_CHROMIUM_ARGS || '').split(' ').filter(Boolean)],
  });
  browser.on('disconnected', () => {
    try {
      rmSync(profile, { recursive: true, force: true, maxRetries: 10 });
    } catch {
      // Chromium may still be writing its profile: a leftover temporary folder only
    }
  });
  return browser;
}

// Firefox over WebDriver BiDi, for the smoke tests of a second engine. Headless
// Firefox has no WebGL here: it runs on an Xvfb display of its own (its window
// would cover the desktop program's in the cross-check), whose number Xvfb
// itself picks and locks.
export const FIREFOX = process.env.FIREFOX || '/usr/bin/firefox-esr';
async function privateDisplay() {
  const xvfb = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', '1280x1024x24', '-nolisten', 'tcp'],
    { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
  const number = await new Promise((resolve, reject) => {
    let text = '';
    xvfb.stdio[3].on('data', (data) => {
      text += data;
      if (text.includes('\n')) resolve(text.trim());
    });
    xvfb.on('error', (error) => reject(new Error(`no Xvfb for Firefox: ${error.message} (apt-get install xvfb)`)));
    xvfb.on('exit', () => reject(new Error('Xvfb for Firefox did not start')));
  });
  return { display: `:${number}`, stop: () => xvfb.kill() };
}
export async function launchFirefox() {
  if (!existsSync(FIREFOX)) throw new Error(`no Firefox at ${FIREFOX} (apt-get install firefox-esr)`);
  const { display, stop } = await privateDisplay();
  const browser = await puppeteer.launch({ browser: 'firefox', executablePath: FIREFOX, headless: false,
    env: { ...process.env, DISPLAY: display }, extraPrefsFirefox: { 'webgl.force-enabled': true },
    args: ['--width=1000', '--height=1000'] });
  browser.on('disconnected', stop);
  return browser;
}

// Two browsers share the tests: each draws its pages' WebGL in a GPU process of
// its own, on one core, and that process is what the tests wait for.
const BROWSERS = Number(process.env.LORENTZ_WEB_BROWSERS || 2);
const shared = [];
const pagesIn = [];
export function sharedBrowser() {
  if (!shared.length) {
    for (let i = 0; i < BROWSERS; ++i) {
      shared.push(launchBrowser([], { softwareCompositing: true }));
      pagesIn.push(0);
    }
  }
  const least = pagesIn.indexOf(Math.min(...pagesIn));
  return [shared[least], least];
}
export async function closeSharedBrowser() {
  await Promise.all(shared.map(async (b) => (await b).close()));
  shared.length = 0;
}

// Tests with pages open at once: beyond this, a test's first openPage waits for
// another test to end (two cores render every page's WebGL in software). A
// test keeps its slot for all its pages, so it never waits on itself.
const MAX_TESTS = Number(process.env.LORENTZ_WEB_PAGES || 4);
let running = 0;
const waiting = [];
const holders = new WeakSet();
async function takeSlot(t) {
  if (!t || holders.has(t)) return;
  holders.add(t);
  if (running < MAX_TESTS) running += 1;
  else await new Promise((resolve) => waiting.push(resolve));
  t.after(() => {
    if (waiting.length) waiting.shift()();
    else running -= 1;
  });
}

// The page after its first frame, in the shared browser (or `browser`), closed
// when the test t ends; lines: what the program printed so far. Each page
// keeps its focus, whichever page the browser shows. beforeLoad(page): a script
// to add before the page's own run (page.evaluateOnNewDocument).
export async function openPage(t, hash = '', { browser, viewport = { width: 800, height: 900 }, ready = true,
  beforeLoad = null } = {}) {
  await takeSlot(t);
  let page;
  if (browser) {
    page = await browser.newPage();
  } else {
    const [chosen, index] = sharedBrowser();
    pagesIn[index] += 1;
    page = await (await chosen).newPage();
    page.once('close', () => { pagesIn[index] -= 1; });
  }
  t?.after(() => page.close().catch(() => {}));
  const client = await page.createCDPSession();
  await client.send('Emulation.setFocusEmulationEnabled', { enabled: true });
  await page.setViewport(viewport);
  const lines = [];
  const errors = [];
  page.on('console', (message) => lines.push(message.text()));
  page.on('pageerror', (error) => errors.push(error.message));
  if (beforeLoad) await beforeLoad(page);
  await page.goto(pathToFileURL(PAGE).href + hash);
  if (ready) await page.waitForFunction(() => window.lorentzDemo && window.lorentzDemo.frames > 0);
  return { page, lines, errors };
}

// Waits until the program's main loop has run after the input sent so far.
export async function settle(page) {
  await page.evaluate(() => new Promise((done) => {
    requestAnimationFrame(() => requestAnimationFrame(() => requestAnimationFrame(done)));
  }));
}

export async function canvasOrigin(page) {
  return page.$eval('#canvas', (c) => {
    const box = c.getBoundingClientRect();
    return [box.left, box.top];
  });
}

// The canvas as RGBA rows from the top-left corner.
export async function readCanvas(page) {
  await settle(page);
  const { width, height, base64 } = await page.evaluate(() => {
    const canvas = document.getElementById('canvas');
    const copy = document.createElement('canvas');
    copy.width = canvas.width;
    copy.height = canvas.height;
    const context = copy.getContext('2d');
    context.drawImage(canvas, 0, 0);
    const bytes = context.getImageData(0, 0, copy.width, copy.height).data;
    let binary = '';
    for (let i = 0; i < bytes.length; i += 0x8000) {
      binary += String.fromCharCode.apply(null, bytes.subarray(i, i + 0x8000));
    }
    return { width: copy.width, height: copy.height, base64: btoa(binary) };
  });
  const data = Buffer.from(base64, 'base64');
  return { width, height, at: (x, y) => [...data.subarray((y * width + x) * 4, (y * width + x) * 4 + 3)] };
}

export async function pressKey(page, name) {
  await page.keyboard.press(name);
  await settle(page);
}

const BUTTON_NAMES = { 1: 'left', 2: 'middle', 3: 'right' };

// Point i of a drag in `steps` moves, at the integer points the desktop tests use.
function dragPoint(left, top, x0, y0, x1, y1, steps, i) {
  return { x: left + x0 + Math.trunc(((x1 - x0) * i) / steps), y: top + y0 + Math.trunc(((y1 - y0) * i) / steps) };
}

// A drag as the desktop tests make it: buttons held (X numbers: 1 left,
// 2 middle, 3 right), then `steps` separate moves at the same integer points.
export async function drag(page, xButtons, x0, y0, x1, y1, steps) {
  const [left, top] = await canvasOrigin(page);
  await page.mouse.move(left + x0, top + y0);
  for (const b of xButtons) await page.mouse.down({ button: BUTTON_NAMES[b] });
  for (let i = 1; i <= steps; ++i) {
    const { x, y } = dragPoint(left, top, x0, y0, x1, y1, steps, i);
    await page.mouse.move(x, y);
  }
  for (const b of [...xButtons].reverse()) await page.mouse.up({ button: BUTTON_NAMES[b] });
  await settle(page);
}

// The same drag with the moves sent at once, faster than frames are drawn: the
// browser coalesces them into few pointer events, whose every move must count.
export async function fastDrag(page, xButton, x0, y0, x1, y1, steps) {
  const [left, top] = await canvasOrigin(page);
  const client = await page.createCDPSession();
  const button = BUTTON_NAMES[xButton];
  const buttons = { left: 1, right: 2, middle: 4 }[button];
  const at = (i) => dragPoint(left, top, x0, y0, x1, y1, steps, i);
  await client.send('Input.dispatchMouseEvent', { type: 'mousePressed', ...at(0), button, buttons, clickCount: 1 });
  const moves = [];
  for (let i = 1; i <= steps; ++i) {
    moves.push(client.send('Input.dispatchMouseEvent', { type: 'mouseMoved', ...at(i), button, buttons }));
  }
  await Promise.all(moves);
  await client.send('Input.dispatchMouseEvent', { type: 'mouseReleased', ...at(steps), button, buttons: 0, clickCount: 1 });
  await client.detach();
  await settle(page);
}

// Touch points dispatched as a touch screen sends them; fingers: [[x, y], ...]
// paths of equal length, one entry per step.
export async function touchDrag(page, fingerPaths) {
  const [left, top] = await canvasOrigin(page);
  const client = await page.createCDPSession();
  const points = (step) => fingerPaths.map((path, id) => ({ x: left + path[step][0], y: top + path[step][1], id }));
  await client.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: points(0) });
  for (let step = 1; step < fingerPaths[0].length; ++step) {
    await client.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: points(step) });
  }
  await client.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  await client.detach();
  await settle(page);
}

// Canvas pixels of a diagram point in the start view of the 512 x 512 canvas:
// the eye 10 units from the scene origin sees -2..2 on both axes.
export const column = (x) => Math.round((x / 4 + 0.5) * 512);
export const row = (y) => 511 - column(y);

export function isClose(a, b, tolerance = 40) {
  return a.every((v, i) => Math.abs(v - b[i]) <= tolerance);
}

export function colourNear(image, x, y, rgb, radius = 2) {
  for (let dy = -radius; dy <= radius; ++dy) {
    for (let dx = -radius; dx <= radius; ++dx) {
      const px = x + dx, py = y + dy;
      if (px >= 0 && py >= 0 && px < image.width && py < image.height && isClose(image.at(px, py), rgb)) return true;
    }
  }
  return false;
}

// The panel's numbers, as the page shows them.
export async function readouts(page) {
  return page.$$eval('#readouts [data-quantity]', (elements) => Object.fromEntries(elements
    .filter((e) => !e.parentElement.hidden).map((e) => [e.dataset.quantity, Number(e.textContent)])));
}

// The program's readouts at full precision (NaN where not shown).
export async function programReadouts(page) {
  return page.evaluate(() => {
    const m = window.lorentzDemo.module;
    const count = m._webReadoutCount();
    const values = new Float64Array(m.HEAPF64.buffer, m._webReadouts(), count);
    return Object.fromEntries(Array.from({ length: count }, (_, i) => [m.UTF8ToString(m._webReadoutName(i)), values[i]]));
  });
}

export function assertNear(actual, expected, what, tolerance = 1e-3) {
  if (!(Math.abs(actual - expected) <= tolerance)) {
    throw new Error(`${what}: ${actual}, expected ${expected} within ${tolerance}`);
  }
}

// The page's address fragment for its state now (the page writes it a few
// times a second at most).
export async function linkOf(page) {
  return page.evaluate(() => window.lorentzDemo.link());
}

// check(item) for every item, a few pages at a time (a test of many links)
export async function inBatches(items, check, size = 3) {
  for (let i = 0; i < items.length; i += size) await Promise.all(items.slice(i, i + size).map(check));
}

// A number typed into a field and confirmed, as a user does; the frame follows.
export async function typeNumber(page, selector, value) {
  await page.$eval(selector, (e, v) => {
    e.value = v;
    e.dispatchEvent(new Event('change'));
  }, String(value));
  await settle(page);
}
