// The teaching panel in headless Chromium: readouts after scripted drags
// against closed forms, an exact velocity and where it puts the clock, links
// that open a state and follow it, bad links that change nothing, the roll
// mode with its trace line, and a panel reachable by keyboard with labels.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import {
  openPage, readCanvas, pressKey, drag, column, row, colourNear, readouts, programReadouts, assertNear, linkOf,
  inBatches, typeNumber,
} from './browser.mjs';

const RED = [255, 0, 0], CYAN = [0, 255, 255], ORANGE = [255, 102, 0];
const rapidity = Math.atanh;
const gammaOf = (v) => 1 / Math.sqrt(1 - v * v);



describe('the teaching panel', { concurrency: true }, () => {
  test('readouts after drags agree with the closed forms', async (t) => {
    const { page } = await openPage(t);
    const v50 = Math.tanh(50 * rapidity(0.01));
    await drag(page, [1], 256, 300, 356, 300, 50);
    let q = await readouts(page);
    assertNear(q.velocity, v50, 'F1 velocity');
    assertNear(q.gamma, gammaOf(v50), 'F1 gamma');
    assertNear(q.coordinateTime, 2 * gammaOf(v50), 'F1 coordinate time of the clock');
    assert.equal(q.length, undefined, 'F1 shows no rod');

    await pressKey(page, 'F2');
    await drag(page, [1], 356, 300, 256, 300, 50);
    q = await readouts(page);
    assertNear(q.velocity, -v50, 'F2 velocity (leftwards)');
    assertNear(q.length, 2 / gammaOf(v50), 'F2 contracted length');

    await pressKey(page, 'F3');
    await drag(page, [2], 256, 300, 316, 260, 30); // the turnaround by (0.3, 0.2)
    await drag(page, [1], 256, 300, 296, 300, 20); // then the observer frame
    q = await readouts(page);
    assertNear(q.turnaroundX, 0.4, 'turnaround x');
    assertNear(q.turnaroundT, 1.2, 'turnaround t');
    assertNear(q.properTimeHome, 2, 'home twin');
    assertNear(q.properTimeTraveller, Math.sqrt(1.44 - 0.16) + Math.sqrt(0.64 - 0.16), 'traveller');
    assertNear(q.velocity, Math.tanh(20 * rapidity(0.01)), 'observer frame velocity');

    // F4: 20 moves of 2 px right (beta 0.02 each), then 20 up
    await pressKey(page, 'F4');
    await drag(page, [1], 256, 256, 296, 256, 20);
    await drag(page, [1], 256, 256, 256, 216, 20);
    q = await readouts(page);
    const b = Math.tanh(20 * rapidity(0.02)), g = gammaOf(b);
    assertNear(q.velocityX, b / g, 'F4 vx: the first boost seen from the second frame');
    assertNear(q.velocityY, b, 'F4 vy');
    assertNear(q.velocity, Math.hypot(b / g, b), 'F4 speed');
    assertNear(q.gamma, g * g, 'F4 gamma');
    // right, then up: counter-clockwise, acos(2g / (1 + g^2))
    assertNear(q.wignerAngle, (Math.acos((2 * g) / (1 + g * g)) * 180) / Math.PI, 'F4 Wigner angle', 1e-3);
    await page.close();
  });

  test('v = 0.6 entered: gamma 1.25, the clock ends at (0.75, 1.25), dragging goes on from it', async (t) => {
    const { page } = await openPage(t);
    const field = 'input[data-control="velocity"]:not([type="range"])';
    await page.click(field, { clickCount: 3 });
    await page.type(field, '0.6');
    await page.keyboard.press('Enter');
    const image = await readCanvas(page);
    let q = await readouts(page);
    assertNear(q.velocity, 0.6, 'velocity', 1e-9);
    assertNear(q.gamma, 1.25, 'gamma', 1e-9);
    assertNear(q.coordinateTime, 2.5, 'coordinate time', 1e-9);
    assert.ok(colourNear(image, column(0.75 * 0.97), row(1.25 * 0.97), CYAN, 1), 'clock end at (0.75, 1.25)');
    assert.ok(!colourNear(image, column(0.75 * 1.06), row(1.25 * 1.06), CYAN, 1), 'clock past (0.75, 1.25)');
    assert.equal(await linkOf(page), '#demo=1&v=0.6');

    await page.evaluate(() => window.scrollTo(0, 0)); // the field is below the picture at this width
    await drag(page, [1], 256, 300, 276, 300, 10);
    q = await readouts(page);
    assertNear(q.velocity, Math.tanh(rapidity(0.6) + 10 * rapidity(0.01)), 'after dragging on');
    await page.close();
  });

  test('a link opens its state, and the address follows the state', async (t) => {
    const { page, lines } = await openPage(t, '#demo=3&v=-0.5');
    const q = await readouts(page);
    assert.equal(await page.$eval('#demo-select', (s) => s.value), '3');
    assertNear(q.velocity, -0.5, 'observer velocity', 1e-9);
    assert.ok(lines.includes('Object F3: Twin paradox selected.'));
    // the orange bar runs from 0 to -0.5, 0.2 below the turnaround level, drawn one unit down
    const image = await readCanvas(page);
    assert.ok(colourNear(image, column(-0.4), row(-1.2), ORANGE, 2), 'velocity bar at -0.4');
    assert.ok(!colourNear(image, column(-0.6), row(-1.2), ORANGE, 1), 'velocity bar beyond -0.5');

    await pressKey(page, 'F2');
    assert.equal(await linkOf(page), '#demo=2');
    await page.evaluate(() => { window.location.hash = '#demo=1&v=0.3'; });
    await readCanvas(page);
    assertNear((await readouts(page)).velocity, 0.3, 'velocity from an edited address', 1e-9);
    await page.close();
  });

  test('bad links are ignored with a console line and leave a working page', async (t) => {
    const hashes = ['#demo=13', '#demo=0', '#v=1', '#v=-1', '#v=NaN', '#v=1e308', '#demo=1e400',
      '#demo=99999999999999999999', '#colour=red', '#demo=abc&v=0.5x', '#%zz&&=', '#v=0.5&v=2'];
    await inBatches(hashes, async (hash) => {
      const { page, lines, errors } = await openPage(t, hash);
      assert.ok(lines.some((l) => l.startsWith('Link ignored in part')), `no console line for ${hash}`);
      assert.deepEqual(errors, [], hash);
      await drag(page, [1], 256, 300, 266, 300, 10);
      const q = await readouts(page);
      assert.equal(await page.$eval('#demo-select', (s) => s.value), '1', hash);
      assert.ok(Math.abs(q.velocity) < 1, `${hash}: velocity ${q.velocity}`);
      await page.close();
    });
  });

  test('in F4 to F9 a typed speed and direction set the boost from rest, and links carry them; F12 takes none', async (t) => {
    const { page, lines } = await openPage(t, '#demo=4&v=0.5&heading=90');
    let q = await programReadouts(page);
    assertNear(q.velocityX, 0, 'along y: no x part', 1e-12);
    assertNear(q.velocityY, 0.5, 'along y', 1e-12);
    assertNear(q.wignerAngle, 0, 'a boost from rest turns nothing', 1e-9);
    await typeNumber(page, 'input[data-control="heading"]:not([type="range"])', -180);
    q = await programReadouts(page);
    assertNear(q.velocityX, -0.5, 'turned to -x', 1e-12);
    await typeNumber(page, 'input[data-control="velocity"]:not([type="range"])', 0.6);
    q = await programReadouts(page);
    assertNear(q.velocityX, -0.6, 'speed 0.6 towards 180 degrees', 1e-12);
    assertNear(q.gamma, 1.25, 'its Lorentz factor', 1e-12);
    assert.equal(await linkOf(page), '#demo=4&v=0.6&heading=180');
    assert.deepEqual(lines.filter((l) => l.startsWith('Link ignored')), []);
    const { page: refused, lines: refusedLines } = await openPage(t, '#demo=1&v=0.5&heading=30&turn=5');
    assert.ok(refusedLines.some((l) => l.startsWith('Link ignored in part heading=30: heading is set in demonstrations 4 to 9')));
    assertNear((await programReadouts(refused)).velocity, 0.5, 'the rest applied', 1e-12);
    const { page: last, lines: lastLines } = await openPage(t, '#demo=12&v=0.5');
    assert.equal(await last.$eval('#demo-select', (s) => s.value), '12');
    assert.ok(lastLines.includes('Object F12 selected.'));
    assert.ok(lastLines.some((l) => l.startsWith('Link ignored in part v=0.5')), lastLines.join('\n'));
    assert.equal(await linkOf(last), '#demo=12');
  });

  test('the roll mode turns the view about the viewing axis, with the trace line', async (t) => {
    const { page, lines } = await openPage(t);
    await page.select('#drag-mode', 'roll');
    await drag(page, [1], 200, 300, 230, 300, 30); // 30 px right: 30 degrees counter-clockwise
    const image = await readCanvas(page);
    const angle = (30 * Math.PI) / 180;
    assert.ok(colourNear(image, column(-1.5 * Math.sin(angle)), row(1.5 * Math.cos(angle)), RED, 2), 'time axis turned by 30 degrees');
    assert.ok(!colourNear(image, column(0), row(1.5), RED, 2), 'time axis still upright');
    assert.equal(lines.filter((l) => l === '22!!!').length, 30, 'one trace line a motion event');
    await page.close();
  });

  test('every control is labelled and reached with Tab', async (t) => {
    const { page } = await openPage(t);
    const unlabelled = await page.$$eval('#panel button, #panel select, #panel input', (controls) => controls
      .filter((c) => !(c.labels && c.labels.length) && !c.getAttribute('aria-label') && !c.textContent.trim())
      .map((c) => c.id));
    assert.deepEqual(unlabelled, []);
    assert.equal(await page.$eval('#announcer', (e) => e.getAttribute('aria-live')), 'polite');
    const reached = new Set();
    await page.focus('#canvas');
    for (let i = 0; i < 24; ++i) {
      await page.keyboard.press('Tab');
      reached.add(await page.evaluate(() => document.activeElement.id));
    }
    for (const id of ['lesson-pick', 'demo-select', 'reset-button', 'help-button', 'fullscreen-button', 'velocity-slider',
      'velocity-number', 'drag-mode']) {
      assert.ok(reached.has(id), `Tab never reaches #${id}`);
    }
    await page.close();
  });
});
