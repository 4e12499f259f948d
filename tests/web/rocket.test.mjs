// The accelerated observers (F10, F11) in headless Chromium: links give the
// closed forms and are written back as opened; parts out of range are
// refused with a line and the rest applied, up to the cap on g τ and not past
// it; readouts stay readable at large τ; Play runs τ, pauses when pressed
// again and goes on from there; the string is drawn whole before its break
// and broken after; a drag boosts the picture, not the invariants, and undo
// takes it back.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import {
  openPage, settle, drag, readCanvas, colourNear, column, programReadouts, assertNear, linkOf, typeNumber, inBatches,
} from './browser.mjs';

const CLOSED_FORMS = {
  '#demo=10': { launchTime: 1.1752, launchPlace: 0.5431, velocity: 0.7616, gamma: 1.5431, rapidity: 1,
    horizonDistance: 1, homeTimeSimultaneous: 0.7616, homeTimeSeen: 0.6321 },
  '#demo=10&tau=2': { launchTime: 3.6269, launchPlace: 2.7622, velocity: 0.9640, gamma: 3.7622, homeTimeSeen: 0.8647 },
  '#demo=10&g=0.5': { launchTime: 1.0422, launchPlace: 0.2553, velocity: 0.4621, horizonDistance: 2, homeTimeSimultaneous: 0.9242 },
  '#demo=10&g=2&tau=0.5': { launchTime: 0.5876, launchPlace: 0.2715, horizonDistance: 0.5 },
  '#demo=10&trip=round&leg=1': { rocketTotal: 4, homeTotal: 4.7008, farthest: 1.0862 },
  '#demo=10&g=0.5&trip=round&leg=1': { homeTotal: 4.1688, farthest: 0.5105 },
  '#demo=11&L=1': { gapRear: 2.0862, frontTime: 2, gapLaunch: 1 },
  '#demo=11': { gapRear: 0.9314, frontTime: 1.5582, stretch: 0.9314 / 0.5 - 1, breakTime: 0.3617 },
  '#demo=11&tau=2': { gapRear: 2.9520 },
  '#demo=11&L=0.01': { gapRear: 0.0155 },
  '#demo=11&g=0.5&L=1': { gapRear: 1.1944 },
};
const ORANGE = [255, 102, 0], DARK_GREY = [51, 51, 51], DARK_GREEN = [0, 115, 0];
const row = (t) => 511 - column(t - 1.5); // the accelerated diagrams are drawn 1.5 down

const ignored = (lines) => lines.filter((l) => l.startsWith('Link ignored'));

// the rear ship at rapidity r, and the front where the rear's line of
// simultaneity through (-1, 0) meets it (g = 1): the distance s along it
function ships(L, r) {
  const c = Math.cosh(r);
  const s = c * (L + Math.sqrt(L * L - (L * L - 1) / (c * c)));
  return [[c - 1, Math.sinh(r)], [s * c - 1, s * Math.sinh(r)]];
}

describe('the accelerated observers', { concurrency: true }, () => {
  test('links give the closed forms and are written back as opened', async (t) => {
    await inBatches(Object.entries(CLOSED_FORMS), async ([hash, expected]) => {
      const { page, lines } = await openPage(t, hash);
      const q = await programReadouts(page);
      for (const [name, value] of Object.entries(expected)) assertNear(q[name], value, `${hash}: ${name}`, 1e-4);
      assert.deepEqual(ignored(lines), [], hash);
      assert.equal(await linkOf(page), hash);
      await page.close();
    });
  });

  test('parts out of range are refused and said, the rest applied; the cap on g τ is the last τ taken', async (t) => {
    const { page, lines } = await openPage(t, '#demo=11&g=0&L=0&strain=500&tau=NaN&trip=round');
    assert.equal(ignored(lines).length, 5, lines.join('\n'));
    assert.match(await page.$eval('#link-problem', (e) => e.textContent), /g=0: g is 0\.1 to 10.*trip=round: trip is set in demonstration 10.*l=0: L is 0\.01 to 4.*strain=500.*tau=NaN: τ is 0 to 300/s);
    let q = await programReadouts(page);
    assert.deepEqual([q.gapLaunch, q.rocketTime, q.breakTime.toFixed(4)], [0.5, 1, '0.3617'], 'the defaults kept');

    const { page: rest, lines: restLines } = await openPage(t, '#demo=10&g=-1&tau=2&leg=9&trip=round');
    assert.equal(ignored(restLines).length, 2, restLines.join('\n'));
    q = await programReadouts(rest);
    assertNear(q.rocketTotal, 3, 'the round trip taken with its default legs of 0.75');
    assertNear(q.rocketTime, 2, 'tau taken within the trip');

    // g τ at most 300: taken at 300, refused beyond; every readout finite and shown as a number
    const { page: far, lines: farLines } = await openPage(t, '#demo=10&g=2&tau=150');
    assert.deepEqual(ignored(farLines), []);
    await typeNumber(far, '#accelerated input[data-control="rocket-tau"]:not([type="range"])', 150.001);
    assert.match(await far.$eval('#accelerated-message', (e) => e.textContent), /refused: τ is 0 to 150\.0 at g = 2/);
    q = await programReadouts(far);
    assert.equal(q.rocketTime, 150);
    const shown = await far.$$eval('#panel dd[data-quantity]', (es) => es.filter((e) => e.offsetParent)
      .map((e) => `${e.dataset.quantity} ${e.textContent}`));
    assert.ok(shown.length >= 9, shown.join('\n'));
    for (const text of shown) assert.doesNotMatch(text, / (|.*(Infinity|NaN).*)$/, text);
    assertNear(q.homeTimeSimultaneous, 0.5, 'the home clock stalls below 1/g', 1e-12);
  });

  test('Play runs τ, a second press pauses, a third goes on to g τ = 3', async (t) => {
    const { page } = await openPage(t, '#demo=10');
    const play = '#accelerated button[data-control="play"]';
    // pressed twice at once: nothing moves
    await page.$eval(play, (b) => { b.click(); b.click(); });
    await settle(page);
    assert.equal((await programReadouts(page)).rocketTime, 1);
    // every frame's τ; the second press comes in the first frame past τ = 1.2
    await page.evaluate((selector) => {
      window.taus = [];
      const button = document.querySelector(selector);
      const look = () => {
        const tau = window.lorentzDemo.readouts().rocketTime;
        window.taus.push(tau);
        if (tau > 1.2 && window.paused === undefined) {
          window.paused = tau;
          button.click();
        }
        requestAnimationFrame(look);
      };
      button.click();
      look();
    }, play);
    await page.waitForFunction(() => window.paused !== undefined);
    await settle(page);
    const { paused } = await page.evaluate(() => ({ paused: window.paused }));
    assert.ok(paused > 1.2 && paused < 3, `paused at ${paused}`);
    assert.equal((await programReadouts(page)).rocketTime, paused, 'it stays paused');
    await page.click(play);
    await page.waitForFunction((s) => document.querySelector(s).textContent === 'Play', { timeout: 30000 }, play);
    const taus = await page.evaluate(() => window.taus);
    assert.ok(taus.every((tau, i) => i === 0 || tau >= taus[i - 1]), 'τ only grows');
    assert.equal((await programReadouts(page)).rocketTime, 3);
    assert.equal(await linkOf(page), '#demo=10&tau=3');
  });

  test('the string is whole before its break, broken after', async (t) => {
    const { page } = await openPage(t, '#demo=11&labels=0');
    for (const [tau, whole] of [[0.3, true], [0.4, false]]) {
      await typeNumber(page, '#accelerated input[data-control="rocket-tau"]:not([type="range"])', tau);
      const image = await readCanvas(page);
      const [rear, front] = ships(0.5, tau);
      const at = (f) => [column(rear[0] + f * (front[0] - rear[0])), row(rear[1] + f * (front[1] - rear[1]))];
      assert.equal(colourNear(image, ...at(0.5), ORANGE, 1), whole, `the middle at τ = ${tau}`);
      assert.equal(colourNear(image, ...at(0.15), DARK_GREY, 1), !whole, `a loose end at τ = ${tau}`);
      assert.ok(!colourNear(image, ...at(0.5), DARK_GREEN, 1));
    }
  });

  test('a drag boosts the picture but not the invariants; undo takes it back, a new change ends redo', async (t) => {
    const { page } = await openPage(t, '#demo=10');
    const before = await programReadouts(page);
    await drag(page, [1], 256, 300, 306, 300, 25);
    const q = await programReadouts(page);
    const w = Math.atanh(Math.tanh(25 * Math.atanh(0.01)));
    assertNear(q.rapidity, 1 + w, 'rapidities add', 1e-9);
    for (const name of ['rocketTime', 'launchTime', 'launchPlace', 'horizonDistance', 'homeTimeSimultaneous', 'homeTimeSeen']) {
      assert.equal(q[name], before[name], name);
    }
    assert.match(await linkOf(page), /^#demo=10&v=0\.2449\d*$/);
    await typeNumber(page, '#accelerated input[data-control="acceleration"]:not([type="range"])', 2);
    assert.match(await linkOf(page), /^#demo=10&v=[\d.]+&g=2$/);
    await page.click('button[data-control="undo"]');
    await settle(page);
    assert.match(await linkOf(page), /^#demo=10&v=[\d.]+$/);
    assert.equal(await page.$eval('#accelerated input[data-control="acceleration"]:not([type="range"])', (e) => e.value), '1');
    await typeNumber(page, '#accelerated input[data-control="separation"]:not([type="range"])', 1); // in F11 only
    await typeNumber(page, '#accelerated input[data-control="leg"]', 2);
    await page.select('#accelerated select[data-control="trip"]', 'round');
    await settle(page);
    assert.match(await linkOf(page), /^#demo=10&v=[\d.]+&trip=round&leg=2$/);
    assert.equal(await page.$eval('button[data-control="redo"]', (e) => e.disabled), true, 'the new change ends redo');
    await page.click('button[data-control="undo"]');
    await settle(page);
    assert.equal(await page.$eval('#accelerated select[data-control="trip"]', (e) => e.value), 'one-way');
  });
});
