// The web page as a user meets it in headless Chromium, opened from file://:
// start-up console lines, the function keys, boosts by mouse and by touch
// where the physics puts them, the twin turnaround held to causality, line
// widths, the reshape rules, the help on the page (every key it names does
// something here), 'q'/Esc harmless, and no sideways scrolling on small windows.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import {
  openPage, readCanvas, pressKey, drag, fastDrag, touchDrag, column, row, colourNear, isClose, programReadouts,
  assertNear, settle,
} from './browser.mjs';

const RED = [255, 0, 0], CYAN = [0, 255, 255], BLACK = [0, 0, 0], GREEN = [0, 255, 0];
const TEAL = [0, 204, 204];
// fifty motion events of beta 0.01 each: rapidities add
const BETA_50 = Math.tanh(50 * Math.atanh(0.01));
const GAMMA_50 = 1 / Math.sqrt(1 - BETA_50 * BETA_50);
const BETA_20 = Math.tanh(20 * Math.atanh(0.01));


// Is the boosted clock's world line along (gamma v t, gamma t), its ends at t = +-1?
async function assertClockBoosted(page, beta) {
  const gamma = 1 / Math.sqrt(1 - beta * beta);
  const image = await readCanvas(page);
  for (const f of [0.5, 0.95, -0.95]) {
    const x = column(f * gamma * beta), y = row(f * gamma);
    assert.ok(colourNear(image, x, y, CYAN, 1), `clock at ${f} of its upper end (${x}, ${y}): ${image.at(x, y)}`);
  }
  assert.ok(!colourNear(image, column(0), row(0.5), CYAN, 1), 'the clock still stands upright');
  const beyond = row(1.06 * gamma);
  assert.ok(!colourNear(image, column(1.06 * gamma * beta), beyond, CYAN, 1), 'clock longer than gamma');
}

describe('the page', { concurrency: true }, () => {
  test('start-up: help and reshape report on the console, the diagram on the canvas', async (t) => {
    const { page, lines, errors } = await openPage(t);
    assert.ok(lines.includes('Help') && lines.includes('  LEFT    : boost in mouse direction'), lines.join('\n'));
    assert.ok(lines.includes('Entered  Reshape with: 512 512; glutGet: 512 512'), lines.join('\n'));
    assert.equal(await page.$$eval('canvas', (c) => c.length), 1);
    const image = await readCanvas(page);
    assert.deepEqual([image.width, image.height], [512, 512]);
    assert.ok(colourNear(image, column(0), row(0.5), CYAN, 0), 'clock on the time axis');
    assert.ok(colourNear(image, column(0), row(1.5), RED, 1), 'time axis');
    assert.deepEqual(errors, []);
    await page.close();
  });

  test('F1-F4 print their titles and show their demonstrations', async (t) => {
    const { page, lines } = await openPage(t);
    const titles = ['F1: 2D time dilation', 'F2: 2D Lorentz contraction', 'F3: Twin paradox',
      'F4: 3D: spatial searchlight ray warp'];
    for (let n = 1; n <= 4; ++n) await pressKey(page, `F${n}`);
    for (const t of titles) assert.ok(lines.includes(`Object ${t} selected.`), `no title line for ${t}`);
    // F4: the rod end-on, its front face 0.1 wide at distance 8
    assert.ok(colourNear(await readCanvas(page), column((0.05 * 10) / 8), row(0), GREEN, 1), 'no rod in F4');
    await page.close();
  });

  test('a 50-move right drag in F1 puts the clock where v t and gamma put it, however fast', async (t) => {
    const { page, lines } = await openPage(t);
    await drag(page, [1], 256, 300, 356, 300, 50);
    await assertClockBoosted(page, BETA_50);
    await pressKey(page, 'F1');
    await fastDrag(page, 1, 256, 300, 356, 300, 50);
    await assertClockBoosted(page, BETA_50);
    await pressKey(page, 'R'); // upper case as lower: reset
    assert.ok(colourNear(await readCanvas(page), column(0), row(0.5), CYAN, 0), 'R did not reset the boost');
    await page.close();
  });

  test('a one-finger touch drag boosts as a left drag does', async (t) => {
    const { page } = await openPage(t);
    const path = Array.from({ length: 51 }, (_, i) => [200 + 2 * i, 300]);
    await touchDrag(page, [path]);
    await assertClockBoosted(page, BETA_50);
    await page.close();
  });

  test('a two-finger touch drag rotates the view as a right drag does', async (t) => {
    const pictures = [];
    for (const gesture of ['right drag', 'two fingers']) {
      const { page } = await openPage(t);
      await pressKey(page, 'F4');
      if (gesture === 'right drag') {
        await drag(page, [3], 256, 256, 296, 286, 20);
      } else {
        // both fingers move 2 px right and 1.5 px down a step: the centre as the pointer above
        const finger = (x, y) => Array.from({ length: 21 }, (_, i) => [x + 2 * i, y + Math.trunc((30 * i) / 20)]);
        await touchDrag(page, [finger(226, 256), finger(286, 256)]);
      }
      const image = await readCanvas(page);
      pictures.push(Array.from({ length: 512 * 512 }, (_, i) => image.at(i % 512, Math.floor(i / 512)).join()));
      await page.close();
    }
    const differing = pictures[0].filter((p, i) => p !== pictures[1][i]).length;
    assert.ok(pictures[0].some((p) => p !== pictures[0][0]), 'blank picture');
    assert.equal(differing, 0, `${differing} pixels differ between a right drag and a two-finger drag`);
  });

  test('F2: after a boost the rod crosses the space axis at +-1/gamma', async (t) => {
    const { page } = await openPage(t, '#labels=0'); // the tick at x = 1 is black too
    await pressKey(page, 'F2');
    await drag(page, [1], 356, 300, 256, 300, 50);
    const image = await readCanvas(page);
    for (const x of [1 / GAMMA_50, -1 / GAMMA_50]) {
      assert.ok(colourNear(image, column(x), row(0), BLACK, 2), `rod end at ${x.toFixed(3)}: ${image.at(column(x), row(0))}`);
    }
    assert.ok(!colourNear(image, column(1), row(0), BLACK, 1), 'the rod is not contracted');
    await page.close();
  });

  test('F3: a middle drag moves the turnaround only while both legs stay timelike', async (t) => {
    const { page } = await openPage(t);
    await pressKey(page, 'F3');
    // 150 moves of 2 px: x would go from 0.1 to 1.6; it stops at 0.99, short of the light cone
    await drag(page, [2], 100, 300, 400, 300, 150);
    const image = await readCanvas(page);
    const tx = 0.99; // the turnaround at (0.99, 1), drawn one unit down
    assert.ok(colourNear(image, column(0.9 * tx), row(0.9 - 1), GREEN, 2), 'outbound leg to x = 0.99');
    assert.ok(colourNear(image, column(0.9 * tx), row(1.1 - 1), TEAL, 2), 'return leg from x = 0.99');
    for (let x = 1.05; x < 1.45; x += 0.05) {
      assert.ok(!colourNear(image, column(x), row(0), GREEN, 1), `outbound leg beyond the light cone at ${x}`);
    }
    const q = await programReadouts(page);
    assertNear(q.turnaroundX, 0.99, 'turnaround x', 1e-9);
    assertNear(q.turnaroundT, 1, 'turnaround t', 1e-9);
    await page.close();
  });

  test('a left drag with Shift, Ctrl or Alt held boosts nothing', async (t) => {
    const { page } = await openPage(t);
    for (const key of ['Shift', 'Control', 'Alt']) {
      await page.keyboard.down(key);
      await drag(page, [1], 256, 300, 296, 300, 20);
      await page.keyboard.up(key);
      assert.equal((await programReadouts(page)).velocity, 0, `${key} + left drag`);
    }
    await drag(page, [1], 256, 300, 296, 300, 20);
    assertNear((await programReadouts(page)).velocity, BETA_20, 'and without', 1e-9);
  });

  test('lines are 3 px wide in the diagrams and 5 px in the twin paradox', async (t) => {
    const { page } = await openPage(t);
    const run = (image, count, isInside) => {
      let n = 0;
      for (let i = 0; i < count; ++i) if (isInside(i)) ++n;
      return n;
    };
    let image = await readCanvas(page);
    assert.equal(run(image, 512, (y) => isClose(image.at(column(1.3), y), RED)), 3, 'space axis');
    await pressKey(page, 'F3');
    image = await readCanvas(page);
    assert.equal(run(image, 512, (x) => isClose(image.at(x, row(0.5)), RED)), 5 + 5, 'home bar and world line');
    await page.close();
  });

  test('reshape: never below 200 px, each size reported, the width of a phone taken', async (t) => {
    const { page, lines } = await openPage(t);
    await page.evaluate(() => window.lorentzDemo.module._webResize(150, 100));
    await readCanvas(page);
    assert.ok(lines.includes('Entered  Reshape with: 150 100; glutGet: 150 100'), lines.join('\n'));
    assert.ok(lines.includes('Entered  Reshape with: 200 200; glutGet: 200 200'), lines.join('\n'));
    assert.deepEqual(await page.$eval('#canvas', (c) => [c.width, c.height, c.clientWidth]), [200, 200, 200]);

    // a phone's screen: the canvas takes its width (390 less the page's margins), square
    await page.setViewport({ width: 390, height: 844, hasTouch: true, isMobile: true });
    await readCanvas(page);
    assert.deepEqual(await page.$eval('#canvas', (c) => [c.width, c.height]), [366, 366]);
    assert.ok(lines.includes('Entered  Reshape with: 366 366; glutGet: 366 366'), lines.join('\n'));
    await page.close();
  });

  // Each key the help names, from a state where it must change something: what it changes.
  const KEY_CHECKS = {
    F1: { hash: '#demo=2', check: (q) => q.demo === 1 },
    F12: { hash: '#demo=2', check: (q) => q.demo === 12 },
    r: { hash: '#demo=1&v=0.3', check: (q) => q.velocity === 0 },
    h: { hash: '#demo=1', check: (q, page) => page.$eval('#help', (e) => !e.hidden) },
    ArrowLeft: { hash: '#demo=1', canvas: true, check: (q) => Math.abs(q.velocity + 0.01) < 1e-9 },
    ArrowRight: { hash: '#demo=1', canvas: true, check: (q) => Math.abs(q.velocity - 0.01) < 1e-9 },
    ArrowUp: { hash: '#demo=4', canvas: true, check: (q) => q.velocityY > 0.01 },
    ArrowDown: { hash: '#demo=4', canvas: true, check: (q) => q.velocityY < -0.01 },
    Shift: { hash: '#demo=1', canvas: true, press: 'Shift+ArrowRight', check: (q) => Math.abs(q.velocity - Math.tanh(5 * Math.atanh(0.01))) < 1e-9 },
    'Control+z': { hash: '#demo=1', canvas: true, before: 'ArrowRight', check: (q) => q.velocity === 0 },
    'Control+Shift+z': { hash: '#demo=1', canvas: true, before: 'ArrowRight Control+z', check: (q) => q.velocity > 0.005 },
    'Control+y': { hash: '#demo=1', canvas: true, before: 'ArrowRight Control+z', check: (q) => q.velocity > 0.005 },
    Enter: { hash: '#demo=1', focus: '#event-x', check: (q, page) => page.$$eval('#events-body tr', (r) => r.length === 1) },
    Escape: { hash: '#demo=1', present: true, check: (q, page) => page.$eval('#layout', (e) => !e.classList.contains('presenting')) },
    Tab: { hash: '#demo=1', canvas: true, check: (q, page) => page.evaluate(() => document.activeElement.id !== 'canvas') },
  };
  const press = async (page, chord) => {
    const keys = chord.split('+');
    for (const k of keys.slice(0, -1)) await page.keyboard.down(k);
    await page.keyboard.press(keys.at(-1));
    for (const k of keys.slice(0, -1).reverse()) await page.keyboard.up(k);
    await settle(page);
  };

  test('the help names only keys that work on the page, and each does what it says', async (t) => {
    const { page } = await openPage(t);
    await page.click('#help-button');
    const named = await page.$$eval('#help kbd[data-key]', (keys) => keys.map((k) => k.dataset.key));
    assert.deepEqual([...named].sort(), Object.keys(KEY_CHECKS).sort());
    // none of the desktop's keys that do nothing here
    assert.doesNotMatch(await page.$eval('#help', (e) => e.textContent), /'[azc012q]'|toggle|no object|draw\s*$/m);
    await page.close();
    for (const [key, how] of Object.entries(KEY_CHECKS)) {
      const { page: p } = await openPage(t, how.hash);
      if (how.present) {
        await p.evaluate(() => { const l = document.getElementById('layout'); l.requestFullscreen = undefined; l.webkitRequestFullscreen = undefined; });
        await p.click('#fullscreen-button');
        await p.waitForFunction(() => document.getElementById('layout').classList.contains('presenting'));
      }
      if (how.canvas) await p.focus('#canvas');
      if (how.focus) await p.focus(how.focus);
      for (const chord of (how.before || '').split(' ').filter(Boolean)) await press(p, chord);
      await press(p, how.press || key);
      assert.ok(await how.check(await programReadouts(p), p), `${key} does what the help says`);
      await p.close();
    }
  });

  test('nothing scrolls sideways in a 200 x 200 window or 320 px wide, every section open', async (t) => {
    for (const [width, height, hash] of [[200, 200, '#demo=1&ev=1,0.5;-0.5,0.2'], [320, 640, '#demo=3&tau=0.5'],
      [320, 640, '#lesson=simultaneity'], [200, 200, '#demo=8']]) {
      const { page } = await openPage(t, hash, { viewport: { width, height } });
      await page.click('#help-button');
      await page.evaluate(() => document.querySelectorAll('details').forEach((d) => { d.open = true; }));
      await settle(page);
      const overflow = await page.evaluate(() => document.scrollingElement.scrollWidth - window.innerWidth);
      assert.ok(overflow <= 0, `${width} x ${height} ${hash}: ${overflow} px wider than the window`);
      await page.close();
    }
  });

  test("'h' and the Help button show the help; 'q' and Esc leave a working page", async (t) => {
    const { page, lines, errors } = await openPage(t);
    const helpCount = () => lines.filter((l) => l === 'Help').length;
    const before = helpCount();
    await pressKey(page, 'h');
    assert.equal(helpCount(), before + 1, 'h prints the help on the console');
    assert.match(await page.$eval('#help', (e) => (e.hidden ? '' : e.textContent)), /Keys[\s\S]*r: back to the start/);
    await page.click('#help-button'); // hides it
    await page.click('#help-button'); // shows it again, printing it once more
    assert.equal(helpCount(), before + 2);

    await page.focus('#canvas');
    await pressKey(page, 'q');
    await pressKey(page, 'Escape');
    await pressKey(page, 'Q');
    await pressKey(page, 'F2');
    assert.ok(lines.includes('Object F2: 2D Lorentz contraction selected.'));
    assert.ok(colourNear(await readCanvas(page), column(1), row(0.5), BLACK, 2), 'F2 drawn after q and Esc');
    assert.ok(!lines.includes('Normal exit.'));
    assert.deepEqual(errors, []);
    await page.close();
  });
});
