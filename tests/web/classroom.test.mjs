// The page at the front of the class: sharp at any pixel ratio, square in full
// screen with the numbers in view (and filling the window where there is no
// full screen), any mix of touch, mouse and lost focus with no button stuck,
// every gesture from the keyboard, speech once a change settles, links that
// hold gamma near c, colours of every palette at 3:1, axe-core clean, touch
// targets, and a message where there is no WebGL.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import {
  openPage, launchBrowser, readCanvas, pressKey, drag, fastDrag, touchDrag, canvasOrigin, settle, isClose,
  programReadouts, assertNear, linkOf,
} from './browser.mjs';

const RED = [255, 0, 0], BLUE = [0, 0, 255];
const steps = (n, beta = 0.01) => Math.tanh(n * Math.atanh(beta));
const AXE = createRequire(import.meta.url).resolve('axe-core/axe.min.js');

// sRGB relative luminance and contrast ratio
const linear = (c) => (c <= 10.31475 ? c / 3294.6 : ((c / 255 + 0.055) / 1.055) ** 2.4);
const luminance = ([r, g, b]) => 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b);
const contrast = (a, b) => (Math.max(luminance(a), luminance(b)) + 0.05) / (Math.min(luminance(a), luminance(b)) + 0.05);
// distance of two colours as someone with deuteranopia sees them (Machado 2009), in CIELAB
function deuteranopeDistance(a, b) {
  const M = [[0.367322, 0.860646, -0.227968], [0.280085, 0.672501, 0.047413], [-0.01182, 0.04294, 0.968881]];
  const lab = (rgb) => {
    const l = rgb.map(linear);
    const [r, g, bl] = M.map((row) => Math.min(1, Math.max(0, row[0] * l[0] + row[1] * l[1] + row[2] * l[2])));
    const f = (t) => (t > 216 / 24389 ? Math.cbrt(t) : (24389 / 27 * t + 16) / 116);
    const x = f((0.4124 * r + 0.3576 * g + 0.1805 * bl) / 0.95047), y = f(0.2126 * r + 0.7152 * g + 0.0722 * bl);
    const z = f((0.0193 * r + 0.1192 * g + 0.9505 * bl) / 1.08883);
    return [116 * y - 16, 500 * (x - y), 200 * (y - z)];
  };
  const p = lab(a), q = lab(b);
  return Math.hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
}

// Colours drawn on at least `least` pixels, with the background (the commonest) first.
function coloursOf(image, least = 20) {
  const counts = new Map();
  for (let y = 0; y < image.height; ++y) {
    for (let x = 0; x < image.width; ++x) {
      const key = image.at(x, y).join();
      counts.set(key, (counts.get(key) || 0) + 1);
    }
  }
  return [...counts].filter(([, n]) => n >= least).sort((a, b) => b[1] - a[1]).map(([k]) => k.split(',').map(Number));
}

// Mouse and touch through one DevTools session a page, which keeps the touches down.
const sessions = new WeakMap();
async function send(page, method, params) {
  if (!sessions.has(page)) sessions.set(page, page.createCDPSession());
  await (await sessions.get(page)).send(method, params);
}

async function pointer(page, type, x, y, buttons) {
  const [left, top] = await canvasOrigin(page);
  const button = type === 'mouseMoved' && !buttons ? 'none' : 'left';
  await send(page, 'Input.dispatchMouseEvent', { type, x: left + x, y: top + y, button, buttons, clickCount: 1 });
}

async function touch(page, type, points) {
  const [left, top] = await canvasOrigin(page);
  await send(page, 'Input.dispatchTouchEvent', {
    type, touchPoints: points.map(([x, y], id) => ({ x: left + x, y: top + y, id })),
  });
}

describe('the classroom', { concurrency: true }, () => {
  test('at pixel ratio 2 the drawing buffer doubles, a line stays 3 CSS px, the program sees CSS px', async (t) => {
    const { page, lines } = await openPage(t, '', { viewport: { width: 800, height: 900, deviceScaleFactor: 2 } });
    const image = await readCanvas(page);
    assert.deepEqual([image.width, image.height], [1024, 1024]);
    assert.deepEqual(await page.$eval('#canvas', (c) => [c.clientWidth, c.clientHeight]), [512, 512]);
    let thick = 0;
    for (let y = 0; y < image.height; ++y) if (isClose(image.at(Math.round((1.3 / 4 + 0.5) * 1024), y), RED)) ++thick;
    assert.equal(thick, 6, 'the space axis: 3 CSS px are 6 device px');
    assert.ok(lines.includes('Entered  Reshape with: 512 512; glutGet: 512 512'));
    assert.ok(!lines.some((l) => l.includes('1024')), 'the program never sees device pixels');
    await drag(page, [1], 256, 300, 306, 300, 25);
    assertNear((await programReadouts(page)).velocity, steps(25), 'velocity after a 25-move drag', 1e-9);
  });

  test('full screen at 1920 x 1080: a square picture, light at 45 degrees, gamma in view', async (t) => {
    // a browser of its own: full screen goes to the tab in front, and other tests open tabs
    const browser = await launchBrowser([], { softwareCompositing: true });
    t.after(() => browser.close());
    const { page, lines } = await openPage(t, '#demo=1&v=0.6', { browser, viewport: { width: 1920, height: 1080 } });
    await page.bringToFront();
    await page.click('#fullscreen-button');
    await page.waitForFunction(() => document.fullscreenElement?.id === 'layout');
    await settle(page);
    const box = await page.$eval('#canvas', (c) => { const r = c.getBoundingClientRect(); return [r.left, r.top, r.width, r.height]; });
    assert.equal(box[2], box[3], 'square');
    assert.ok(box[3] >= 0.8 * 1080, `side ${box[3]}`);
    const image = await readCanvas(page);
    const side = image.width;
    for (const f of [0.1, 0.3, 0.7, 0.9]) {
      const x = Math.round(f * side), y = side - 1 - x; // the light line x = t on the diagonal
      assert.ok(isClose(image.at(x, y), BLUE) || isClose(image.at(x + 1, y), BLUE) || isClose(image.at(x, y - 1), BLUE),
        `light line off the diagonal at ${f}: ${image.at(x, y)}`);
    }
    const gamma = await page.$eval('[data-quantity="gamma"]', (e) => {
      const r = e.getBoundingClientRect();
      return { text: e.textContent, inside: document.fullscreenElement.contains(e), onScreen: r.bottom <= innerHeight && r.right <= innerWidth && r.top >= 0 };
    });
    assert.deepEqual(gamma, { text: '1.2500', inside: true, onScreen: true });
    await page.click('#fullscreen-button');
    await page.waitForFunction(() => !document.fullscreenElement);
    await settle(page);
    // the window's own page: the picture as tall as the window allows beside the panel, and the
    // program told that size as a desktop window of it would be
    const { side: pageSide, panelLeft, bottom } = await page.evaluate(() => {
      const c = document.getElementById('canvas').getBoundingClientRect();
      return { side: c.width, panelLeft: document.getElementById('panel').getBoundingClientRect().left, bottom: c.bottom };
    });
    assert.ok(pageSide > 900 && pageSide < box[3] && panelLeft > pageSide && bottom <= 1080, `side ${pageSide}, panel at ${panelLeft}`);
    assert.ok(lines.includes(`Entered  Reshape with: ${pageSide} ${pageSide}; glutGet: ${pageSide} ${pageSide}`));
  });

  test('without a full-screen call the same layout fills the window, and Esc leaves it', async (t) => {
    const { page, errors } = await openPage(t, '', { viewport: { width: 390, height: 844, isMobile: true, hasTouch: true } });
    await page.evaluate(() => {
      Element.prototype.requestFullscreen = undefined;
      Element.prototype.webkitRequestFullscreen = undefined;
    });
    await page.tap('#fullscreen-button');
    await settle(page);
    const layout = await page.$eval('#layout', (e) => [e.classList.contains('presenting'), e.dataset.orientation]);
    assert.deepEqual(layout, [true, 'portrait']);
    const [canvasBox, gammaBox] = await page.$$eval('#canvas, [data-quantity="gamma"]', (es) => es.map((e) => e.getBoundingClientRect().toJSON()));
    assert.equal(canvasBox.width, 366);
    assert.ok(gammaBox.top > canvasBox.bottom && gammaBox.bottom <= 844, 'gamma below the picture, on screen');
    await page.keyboard.press('Escape');
    await settle(page);
    assert.equal(await page.$eval('#layout', (e) => e.classList.contains('presenting')), false);
    assert.deepEqual(errors, []);
  });

  test('a touch held through a mouse click, pointercancel and blur mid-drag leave no button stuck', async (t) => {
    const { page } = await openPage(t);
    await touch(page, 'touchStart', [[100, 100]]);
    await pointer(page, 'mousePressed', 300, 300, 1);
    await pointer(page, 'mouseReleased', 300, 300, 0);
    await touch(page, 'touchEnd', []);
    await drag(page, [1], 256, 300, 276, 300, 10);
    assertNear((await programReadouts(page)).velocity, steps(10), 'a mouse drag after the mixed sequence');

    // a touch drag cancelled halfway, then another: only their moves count
    await touch(page, 'touchStart', [[200, 300]]);
    for (let i = 1; i <= 5; ++i) await touch(page, 'touchMove', [[200 + 2 * i, 300]]);
    await touch(page, 'touchCancel', []);
    await touchDrag(page, [Array.from({ length: 6 }, (_, i) => [200 + 2 * i, 300])]);
    assertNear((await programReadouts(page)).velocity, steps(20), 'after a cancelled touch drag');

    // the window loses focus mid-drag: moves until the release do nothing, the next drag works
    await pointer(page, 'mousePressed', 200, 300, 1);
    for (let i = 1; i <= 5; ++i) await pointer(page, 'mouseMoved', 200 + 2 * i, 300, 1);
    await page.evaluate(() => window.dispatchEvent(new Event('blur')));
    for (let i = 6; i <= 10; ++i) await pointer(page, 'mouseMoved', 200 + 2 * i, 300, 1);
    await pointer(page, 'mouseReleased', 220, 300, 0);
    await drag(page, [1], 256, 300, 276, 300, 10);
    assertNear((await programReadouts(page)).velocity, steps(35), 'after a blur mid-drag');
  });

  test('keyboard alone: arrows on the canvas boost F1 and F4, and move the turnaround', async (t) => {
    const { page, lines } = await openPage(t);
    await page.focus('#canvas');
    for (let i = 0; i < 20; ++i) await page.keyboard.press('ArrowRight');
    await settle(page);
    assertNear((await programReadouts(page)).velocity, steps(20), 'F1 after 20 ArrowRight', 1e-9);
    assert.ok(!lines.some((l) => l.startsWith('Unhandled Special Key')), 'arrows on the canvas are drags');

    await pressKey(page, 'F4');
    for (let i = 0; i < 10; ++i) await page.keyboard.press('ArrowUp');
    await settle(page);
    let q = await programReadouts(page);
    assertNear(q.velocityY, steps(10, 0.04), 'F4 vy after 10 ArrowUp (4 px each)', 1e-9);
    assert.equal(q.velocityX, 0, 'F4 boosted along y only');

    await pressKey(page, 'F3');
    await page.select('#drag-mode', 'turnaround');
    await page.focus('#canvas');
    for (let i = 0; i < 10; ++i) await page.keyboard.press('ArrowRight');
    await page.keyboard.down('Shift');
    await page.keyboard.press('ArrowUp'); // five steps
    await page.keyboard.up('Shift');
    await settle(page);
    q = await programReadouts(page);
    assertNear(q.turnaroundX, 0.1 + 10 * 4 * 0.005, 'turnaround x', 1e-9);
    assertNear(q.turnaroundT, 1 + 5 * 4 * 0.005, 'turnaround t', 1e-9);
  });

  test('the live region speaks once a drag has settled, as a labelled sentence', async (t) => {
    const { page } = await openPage(t);
    await page.waitForFunction(() => document.getElementById('announcer').textContent !== ''); // the start-up sentence
    await page.evaluate(() => {
      window.spoken = [];
      new MutationObserver(() => window.spoken.push(document.getElementById('announcer').textContent))
        .observe(document.getElementById('announcer'), { childList: true, characterData: true, subtree: true });
    });
    await drag(page, [1], 100, 300, 300, 300, 100);
    const during = await page.evaluate(() => window.spoken.length);
    assert.ok(during <= 3, `${during} changes during the drag`);
    await page.waitForFunction(() => window.spoken.length > 0 && /Lorentz factor/.test(window.spoken.at(-1)));
    const said = await page.evaluate(() => window.spoken.at(-1));
    const gamma = 1 / Math.sqrt(1 - steps(100) ** 2);
    assert.equal(said, `velocity ${steps(100).toFixed(2)} c, Lorentz factor ${gamma.toFixed(2)}, clock: coordinate time ${(2 * gamma).toFixed(2)}`);
    const description = await page.$eval('#canvas', (c) => document.getElementById(c.getAttribute('aria-describedby')).textContent);
    assert.match(description, /^F1: 2D time dilation\. red: the axes.*cyan: a clock/);
    await pressKey(page, 'F3');
    assert.match(await page.$eval('#canvas-description', (e) => e.textContent), /^F3: Twin paradox\. red: the home twin/);
  });

  test('a link taken near c reopens gamma within 1e-6, and the readout shows the digits', async (t) => {
    const { page } = await openPage(t);
    await fastDrag(page, 1, 5, 300, 705, 300, 700);
    const before = await programReadouts(page);
    assert.ok(before.gamma > 20, `gamma ${before.gamma}`);
    const shown = await page.$eval('[data-quantity="velocity"]', (e) => e.textContent);
    assert.notEqual(Number(shown), 1, `velocity shown as ${shown}`);
    const hash = await linkOf(page);
    const { page: reopened } = await openPage(t, hash);
    const after = await programReadouts(reopened);
    assert.ok(Math.abs(after.gamma / before.gamma - 1) < 1e-6, `${hash}: gamma ${after.gamma} for ${before.gamma}`);
    // beyond what a decimal v can carry, the link writes the rapidity
    const { page: fast } = await openPage(t, '#demo=1&rapidity=25');
    const q = await programReadouts(fast);
    assertNear(q.gamma / Math.cosh(25), 1, 'gamma at rapidity 25', 1e-9);
    assert.equal(await linkOf(fast), '#demo=1&rapidity=25');
  });

  test('every palette: F1 and F3 colours at 3:1 or more, twins apart under deuteranopia', async (t) => {
    const { page } = await openPage(t, '#demo=1&v=0.3');
    const twinColours = {};
    for (const palette of ['desktop', 'high-contrast', 'dark']) {
      await page.select('select[data-control="palette"]', palette);
      for (const key of ['F1', 'F3']) {
        await pressKey(page, key);
        await drag(page, [1], 256, 300, 276, 300, 10);
        const image = await readCanvas(page);
        const [background, ...colours] = coloursOf(image);
        if (palette !== 'desktop') {
          for (const c of colours) assert.ok(contrast(c, background) >= 3, `${palette} ${key}: ${c} on ${background} is ${contrast(c, background).toFixed(2)}:1`);
          assert.ok(colours.length >= (key === 'F1' ? 5 : 6), `${palette} ${key}: ${colours.length} colours`);
        }
        if (key === 'F3') {
          // bars: home at x = -1.5, outbound and return at x = 1.5 (drawn one unit down)
          const at = (x, y) => image.at(Math.round((x / 4 + 0.5) * 512), 511 - Math.round((y / 4 + 0.5) * 512));
          twinColours[palette] = [at(-1.5, 0), at(1.5, -0.5), at(1.5, 0.5)];
        }
      }
    }
    const apart = (p) => Math.min(deuteranopeDistance(twinColours[p][0], twinColours[p][1]), deuteranopeDistance(twinColours[p][0], twinColours[p][2]));
    assert.ok(apart('desktop') < 30, `the desktop's red and green: ${apart('desktop')}`);
    for (const p of ['high-contrast', 'dark']) assert.ok(apart(p) >= 50, `${p}: home and traveller ${apart(p)} apart`);
    assert.match(await linkOf(page), /^#demo=3&v=0\.0996\d+&colours=dark$/);
  });

  test('axe-core finds nothing in F1-F4, light and dark; controls are 24 px or more on a phone', async (t) => {
    const { page } = await openPage(t);
    await page.addScriptTag({ path: AXE });
    for (const palette of ['desktop', 'dark']) {
      await page.select('select[data-control="palette"]', palette);
      for (const key of ['F1', 'F2', 'F3', 'F4']) {
        await pressKey(page, key);
        const violations = await page.evaluate(async () => (await window.axe.run(document)).violations
          .map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
        assert.deepEqual(violations, [], `${palette} ${key}`);
      }
    }
    await page.setViewport({ width: 390, height: 844, isMobile: true, hasTouch: true });
    await page.click('#help-button');
    const small = await page.$$eval('button, select, input', (controls) => controls
      .filter((c) => c.offsetParent !== null)
      .map((c) => [c.id || c.dataset.control, c.getBoundingClientRect()])
      .filter(([, r]) => r.width < 24 || r.height < 24).map(([id, r]) => `${id}: ${r.width} x ${r.height}`));
    assert.deepEqual(small, []);
  });

  test('at 1366 x 768 the help opens in view', async (t) => {
    const { page } = await openPage(t, '', { viewport: { width: 1366, height: 768 } });
    await page.click('#help-button');
    const box = await page.$eval('#help', (e) => e.getBoundingClientRect().toJSON());
    assert.ok(box.top >= 0 && box.top < 768 - 200, `help at ${box.top}`);
    assert.match(await page.$eval('#help', (e) => e.textContent), /Keys[\s\S]*r: back to the start/);
  });

  test('without WebGL the page says what is missing and throws nothing', async () => {
    const browser = await launchBrowser(['--disable-webgl', '--disable-3d-apis']);
    try {
      const { page, errors } = await openPage(null, '', { browser, ready: false });
      await page.waitForFunction(() => window.lorentzDemo?.noWebGL === true);
      assert.match(await page.$eval('#no-webgl', (e) => (e.hidden ? '' : e.textContent)), /WebGL[\s\S]*Try/);
      assert.equal(await page.$eval('#canvas', (c) => c.hidden), true);
      assert.deepEqual(errors, []);
      await page.close();
    } finally {
      await browser.close();
    }
  });
});
