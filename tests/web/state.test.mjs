// Every state a link can carry, in headless Chromium: seeded drag sequences in
// the 3D scenes and random states in every demonstration, reopened from the
// link the page writes in a fresh page, give the same readouts with nothing
// refused; a drag (or an event's) is one undo step; a lesson's step comes back
// with its boost; no visible number gives a step's answer away before Check;
// links without rounding noise, within range near c, readable readouts; a dark
// page prints light.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import {
  openPage, settle, drag, programReadouts, assertNear, linkOf, pressKey, typeNumber, readCanvas, column, row, inBatches,
} from './browser.mjs';

const deg = (radians) => (radians * 180) / Math.PI;
const gammaOf = (v) => 1 / Math.sqrt(1 - v * v);

// a seeded generator (mulberry32): the same states every run
function seeded(seed) {
  let a = seed >>> 0;
  return () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

async function assertSameReadouts(a, b, what, tolerance = 1e-6) {
  const [qa, qb] = [await programReadouts(a), await programReadouts(b)];
  for (const [name, value] of Object.entries(qa)) {
    if (Number.isNaN(value)) assert.ok(Number.isNaN(qb[name]), `${what}: ${name} shown only before`);
    else assertNear(qb[name], value, `${what}: ${name}`, tolerance * Math.max(1, Math.abs(value)));
  }
}

// a link reopened in a fresh page: the same readouts, nothing refused
async function assertReopens(t, page, what) {
  const hash = await linkOf(page);
  const { page: fresh, lines } = await openPage(t, hash);
  assert.deepEqual(lines.filter((l) => l.startsWith('Link ignored')), [], `${what}: ${hash}`);
  assert.equal(await fresh.$eval('#link-problem', (e) => e.hidden), true, `${what}: ${hash} said something was not used`);
  await assertSameReadouts(page, fresh, `${what} ${hash}`);
  await fresh.close();
  return hash;
}

// a drag of random length and direction from near the centre
async function randomDrag(page, random) {
  const x0 = 150 + Math.floor(random() * 200), y0 = 150 + Math.floor(random() * 200);
  const a = 2 * Math.PI * random(), length = 20 + Math.floor(random() * 80);
  await drag(page, [1], x0, y0, x0 + Math.round(length * Math.cos(a)), y0 + Math.round(length * Math.sin(a)), 6 + Math.floor(random() * 10));
}

describe('every state a link can carry', { concurrency: true }, () => {
  for (const demo of [4, 5, 7, 8]) {
    test(`F${demo}: seeded drag sequences reopen from their link with the same readouts`, async (t) => {
      const random = seeded(demo * 7919);
      const { page } = await openPage(t, `#demo=${demo}`);
      for (let sequence = 0; sequence < 3; ++sequence) {
        for (let n = 0; n < 3 + sequence * 2; ++n) await randomDrag(page, random);
        const q = await programReadouts(page);
        assert.ok(q.velocity > 0.05, `F${demo}: the drags boosted (${q.velocity})`);
        const hash = await assertReopens(t, page, `F${demo} after ${sequence + 1} sequences`);
        assert.doesNotMatch(hash, /boosts=/, 'one pure boost and a turn, not the drags');
      }
    });
  }

  test('random states in every demonstration: the link written reopens them, none refused', async (t) => {
    const random = seeded(2718);
    const pick = (lo, hi, digits = 3) => Number((lo + (hi - lo) * random()).toFixed(digits));
    const states = [];
    for (let demo = 1; demo <= 12; ++demo) {
      for (let k = 0; k < 2; ++k) {
        const parts = [`demo=${demo}`];
        if (demo <= 3) parts.push(`v=${pick(-0.9, 0.9)}`);
        if (demo <= 3 && k) parts.push(`ev=${pick(-1.5, 1.5)},${pick(-1.5, 1.5)};${pick(-1.5, 1.5)},${pick(-1.5, 1.5)}`, 'show=axes,cones');
        if (demo === 3) parts.push(`tx=${pick(-0.4, 0.4)}`, `tt=${pick(0.8, 1.2)}`, `tau=${pick(0.1, 1)}`);
        if (demo >= 4 && demo <= 9) parts.push(`boosts=${pick(-0.5, 0.5)},${pick(-0.5, 0.5)};${pick(-0.5, 0.5)},${pick(-0.5, 0.5)}`);
        if (demo === 5 || demo === 6) parts.push(`ray=${pick(0, 180, 1)}`);
        if (demo === 7) parts.push(`orbit=${pick(0.05, 0.95, 2)}`, `sides=${3 + Math.floor(random() * 10)}`);
        if (demo === 8 || demo === 9) parts.push(`look=${pick(-5, 5, 2)}`);
        if (k) parts.push(['colours=dark', 'colours=high-contrast'][demo % 2], 'labels=0');
        states.push({ hash: `#${parts.join('&')}`, drags: k });
      }
    }
    await inBatches(states, async ({ hash, drags }) => {
      const { page, lines } = await openPage(t, hash);
      assert.deepEqual(lines.filter((l) => l.startsWith('Link ignored')), [], hash);
      for (let n = 0; n < drags; ++n) await randomDrag(page, random);
      await page.focus('#canvas');
      await pressKey(page, 'ArrowRight');
      await assertReopens(t, page, hash);
      await page.close();
    });
  });

  test('near c: a link at the largest rapidity reopens after an arrow key; readouts in powers of ten; far events refused', async (t) => {
    const { page } = await openPage(t, '#demo=1&rapidity=50');
    await page.focus('#canvas');
    await pressKey(page, 'ArrowRight'); // a step past what a link holds is not taken
    await assertReopens(t, page, 'rapidity 50 and a step on');
    assert.equal(await page.$eval('[data-quantity="gamma"]', (e) => e.textContent), '2.59 × 10²¹');
    await pressKey(page, 'ArrowLeft');
    assert.ok((await programReadouts(page)).rapidity < 50, 'and back down');
    await assertReopens(t, page, 'rapidity below 50');
    const { lines } = await openPage(t, '#demo=1&ev=1e308,1e308;0.5,0.5');
    assert.ok(lines.some((l) => /Link ignored in part ev=1e308,1e308;0.5,0.5: .*within 100 of the origin/.test(l)), lines.join('\n'));
  });

  test('a tap at (0.5, 0.3) at v = 0.6 is written without rounding noise', async (t) => {
    const { page } = await openPage(t, '#demo=1&v=0.6');
    await page.select('#drag-mode', 'place-event');
    const [left, top] = await page.$eval('#canvas', (c) => [c.getBoundingClientRect().left, c.getBoundingClientRect().top]);
    await page.mouse.click(left + column(0.5), top + row(0.3)); // a tap with no move: snapped all the same
    await settle(page);
    // own frame: x' = gamma (x - v t) = 1.25 (0.5 - 0.18) = 0.4, t' = gamma (t - v x) = 1.25 (0.3 - 0.3) = 0
    assert.equal(await linkOf(page), '#demo=1&v=0.6&ev=0.4,0');
  });

  test('a drag in F5 is one undo step back to rest; an event dragged in 20 moves is one step', async (t) => {
    const { page } = await openPage(t, '#demo=5');
    await drag(page, [1], 256, 256, 316, 236, 20);
    assert.ok((await programReadouts(page)).velocity > 0.3);
    await linkOf(page);
    await page.$eval('button[data-control="undo"]', (b) => b.click());
    await settle(page);
    const q = await programReadouts(page);
    assert.deepEqual([q.demo, q.velocity, q.wignerAngle], [5, 0, 0], 'F5 at rest again');
    assert.equal(await page.$eval('button[data-control="undo"]', (b) => b.disabled), true);

    const { page: events } = await openPage(t, '#demo=1&ev=0.5,0.5');
    await events.select('#drag-mode', 'place-event');
    await drag(events, [1], column(0.5), row(0.5), column(1.2), row(0.9), 20);
    await linkOf(events);
    assert.equal(await linkOf(events), '#demo=1&ev=1.2,0.9');
    await events.$eval('button[data-control="undo"]', (b) => b.click());
    await settle(events);
    assert.equal(await linkOf(events), '#demo=1&ev=0.5,0.5', 'the whole move undone at once');
    assert.equal(await events.$eval('button[data-control="undo"]', (b) => b.disabled), true);
  });

  // Each question's answer, then the numbers it follows from at once (closed forms), step by step.
  const w = deg(Math.acos((1.25 + 1.25) / (1 + 1.25 * 1.25)));
  const GIVEAWAYS = {
    'time-dilation': [[2, 1], [1.25, 2.5], [2.5, 1.25], [2 * gammaOf(0.95), gammaOf(0.95)]],
    'length-contraction': [[2, 1], [1.6, 1.25], [gammaOf(0.8), 1.2], [1.2, gammaOf(0.8)], [1.6, 1.25]],
    simultaneity: [[-2.16], [-0.2], [-2.16], [1.2, 1.44]],
    'twin-paradox': [[1.6], [0.79 * 0.8], [1.36], [0.4, 0.5], [8, 1.6]],
    'thomas-wigner': [[1.25], [1.5625, Math.hypot(0.48, 0.6), 0.48], [w], [-w]],
    searchlight: [[deg(Math.acos(0.6))], [1.625], [deg(Math.acos(0.8))], [deg(Math.acos(-0.6)), 0.8], [0.8, 1.25]],
    'thomas-precession': [[90], [240], [50.7215], [69.8103]],
    'terrell-penrose': [[deg(Math.asin(0.6)), 90 + deg(Math.asin(0.6))], [deg(Math.asin(0.8)), 90 + deg(Math.asin(0.8))],
      [111.5611], [deg(Math.asin(0.8))],
      // the camera: the ruler's sphere along over across, its two sizes; the round one; the cube's span
      // and its ends; the Doppler factor from the middle of the image
      [Math.atan(0.4 / Math.sqrt(2)) / Math.asin(1 / 3), 2 * deg(Math.atan(0.4 / Math.sqrt(2))), 2 * deg(Math.asin(1 / 3))],
      [1, 31.5863], [111.5611 - 59.0270, 59.0270, 111.5611],
      [0.8 / (1 + 0.6 * Math.cos((((68.5961 + 107.5152) / 2) * Math.PI) / 180))]],
    // g = 1: home's "now" tanh 2, the rocket's velocity too; 1 / g; 1 - e^-10; 4 sinh 1
    'accelerated-rocket': [[Math.tanh(2)], [2], [1 - Math.exp(-10)], [4 * Math.sinh(1)]],
    // L = 0.5: the gap and its stretch determine each other
    'bell-spaceships': [[0.931424, 0.931424 / 0.5 - 1], [1.5582], [0.931424 / 0.5 - 1, 0.931424], [0.3617]],
  };
  // the page's text and its fields' values, as a student sees them
  const seen = (page) => page.evaluate(() => [document.body.innerText, ...[...document.querySelectorAll('input, select')]
    .filter((e) => e.offsetParent !== null && e.type !== 'range' && e.type !== 'file').map((e) => e.value)].join('\n'));
  const shows = (text, x) => [4, 2].some((d) => new RegExp(`(^|[^\\d.])${x.toFixed(d).replace('.', '\\.')}(?!\\d)`).test(text));

  test('before Check no visible number gives a step’s answer away; Check then shows them all', async (t) => {
    await inBatches(Object.entries(GIVEAWAYS), async ([id, steps]) => {
      const { page } = await openPage(t, `#lesson=${id}`);
      const left = [...steps];
      for (;;) {
        if (!(await page.$eval('#lesson-question', (e) => e.hidden))) {
          const [answer, ...from] = left.shift();
          const text = await seen(page);
          for (const x of [answer, ...from].filter((y) => !Number.isInteger(y) || Math.abs(y) > 9)) {
            assert.ok(!shows(text, x), `${id}, ${steps.length - left.length}: ${x} shown before Check`);
          }
          await page.$eval('[data-control="lesson-answer"]', (e, v) => { e.value = v; }, answer.toFixed(4));
          await page.click('[data-control="lesson-check"]');
          await settle(page);
          assert.equal(await page.$eval('[data-lesson-verdict]', (e) => e.dataset.correct), 'true', `${id}: ${answer}`);
          assert.ok(!(await page.$$eval('#panel [data-quantity]', (es) => es.some((e) => e.textContent === '?'))), `${id}: all shown after Check`);
        }
        if (await page.$eval('[data-control="lesson-next"]', (e) => e.disabled)) break;
        await page.click('[data-control="lesson-next"]');
        await settle(page);
      }
      assert.deepEqual(left, [], `${id}: every question met`);
      await page.close();
    }, 2);
  });

  test('the searchlight lesson: after a drag, the step’s picture and Check bring back its boost and the number the verdict names', async (t) => {
    const { page } = await openPage(t, '#lesson=searchlight');
    await drag(page, [1], 256, 256, 206, 276, 20);
    assert.ok(Math.abs((await programReadouts(page)).halfAngle - 53.1301) > 1, 'the drag moved the cone');
    await page.click('[data-control="lesson-restore"]');
    await settle(page);
    assertNear((await programReadouts(page)).halfAngle, deg(Math.acos(0.6)), 'back to the step’s boost', 1e-6);
    await drag(page, [1], 256, 256, 206, 276, 20);
    await page.$eval('[data-control="lesson-answer"]', (e) => { e.value = '53.13'; });
    await page.click('[data-control="lesson-check"]');
    await settle(page);
    assert.match(await page.$eval('[data-lesson-verdict]', (e) => e.textContent), /^Right: .* reads 53\.1301\./);
    assert.equal(await page.$eval('#readouts [data-quantity="halfAngle"]', (e) => e.textContent), '53.1301');
  });

  test('F8 seen straight ahead: the image is one arc round the direction of motion', async (t) => {
    const { page } = await openPage(t, '#demo=8&boosts=0,0.6');
    const q = await programReadouts(page);
    const edge = deg(Math.acos((2 / Math.sqrt(5) - 0.6) / (1 - 0.6 * 2 / Math.sqrt(5))));
    assertNear(q.imageFrom, -edge, 'from', 1e-4);
    assertNear(q.imageTo, edge, 'to', 1e-4);
  });

  test('a dark page prints light: the picture, the page and the legend in high contrast, then dark again', async (t) => {
    const { page } = await openPage(t, '#demo=1&colours=dark');
    const background = async () => (await readCanvas(page)).at(40, 64); // between the lattice's points and the lines
    assert.ok((await background()).every((c) => c < 60), 'dark on screen');
    await page.emulateMediaType('print');
    await page.evaluate(() => window.dispatchEvent(new Event('beforeprint')));
    assert.ok((await background()).every((c) => c > 200), 'white on paper');
    const printed = await page.evaluate(() => ({ body: getComputedStyle(document.body).backgroundColor,
      legend: document.getElementById('legend-list').textContent }));
    assert.notEqual(printed.body, 'rgb(13, 16, 19)');
    assert.match(printed.legend, /vermilion/, 'the legend names the colours printed');
    await page.evaluate(() => window.dispatchEvent(new Event('afterprint')));
    await page.emulateMediaType('screen');
    assert.ok((await background()).every((c) => c < 60), 'dark again');
    assert.equal(await linkOf(page), '#demo=1&colours=dark');
  });
});
