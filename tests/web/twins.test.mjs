// The twins in time in headless Chromium: a link with the turnaround and tau
// gives the closed forms (the home clock jumping by (v1 + v2) X at the
// turnaround, the clock seen by light, the pulses), Play runs the trip to the
// reunion and stops, and riding along shows each leg upright with its
// velocity, until a drag ends the ride.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import {
  openPage, readCanvas, drag, column, row, colourNear, programReadouts, assertNear, linkOf, typeNumber,
} from './browser.mjs';

const GREEN = [0, 255, 0], TEAL = [0, 204, 204];
// X = 0.6, T1 = 1, T = 2: v1 = v2 = 0.6, legs of proper time 0.8, Doppler 0.5 and 2
const TRIP = '#demo=3&tx=0.6&tt=1';

async function setTau(page, tau) {
  await typeNumber(page, 'input[data-control="tau"]:not([type="range"])', tau);
  return programReadouts(page);
}

describe('the twins in time', { concurrency: true }, () => {
  test('a link with the turnaround and tau gives the clocks, the jump and the pulses', async (t) => {
    const { page } = await openPage(t, `${TRIP}&tau=0.5`);
    let q = await programReadouts(page);
    assertNear(q.travellerTime, 0.5, 'tau');
    assertNear(q.homeTimeSimultaneous, 0.625 - 0.6 * 0.375, 'home clock on the line of simultaneity');
    assertNear(q.homeTimeSeen, 0.5 * 0.5, 'home clock seen: tau times the Doppler factor');
    assertNear(q.dopplerOut, 0.5, 'Doppler out');
    assertNear(q.dopplerBack, 2, 'Doppler back');
    assert.equal(q.signalsReceivedByTraveller, 1);
    q = await setTau(page, 0.7999);
    assertNear(q.homeTimeSimultaneous, 1 - 0.36, 'just before the turnaround', 2e-3);
    q = await setTau(page, 0.8);
    assertNear(q.homeTimeSimultaneous, 1 + 0.36, 'just after: a jump of (v1 + v2) X');
    assert.deepEqual([q.reunionHomeSent, q.reunionTravellerReceived, q.reunionTravellerSent, q.reunionHomeReceived],
      [10, 10, 8, 8]);
    assert.match(await page.$eval('#reunion', (e) => e.textContent), /home’s clock read about 2\.00 and the traveller’s about 1\.60/);
    assert.match(await linkOf(page), /^#demo=3&tx=0\.6&tt=1&tau=0\.8$/);
  });

  test('Play runs the trip and stops at the reunion', async (t) => {
    const { page } = await openPage(t, TRIP);
    // every frame's tau, however fast or slow the machine draws them
    await page.evaluate(() => {
      window.taus = [];
      const look = () => {
        window.taus.push(window.lorentzDemo.readouts().travellerTime);
        requestAnimationFrame(look);
      };
      look();
    });
    await page.click('#twins button[data-control="play"]');
    await page.waitForFunction(() => document.querySelector('#twins button[data-control="play"]').textContent === 'Play'
      && window.taus.at(-1) > 1.5, { timeout: 30000 });
    const taus = await page.evaluate(() => window.taus);
    assert.ok(taus.some((tau) => tau > 0.1 && tau < 1.5), `tau went through the trip: ${taus.join(' ')}`);
    assert.ok(taus.every((tau, i) => i === 0 || tau >= taus[i - 1]), 'tau only grows');
    const q = await programReadouts(page);
    assertNear(q.travellerTime, 1.6, 'tau at the reunion', 1e-9);
    assertNear(q.homeTimeSeen, 2, 'the home clock seen at the reunion', 1e-9);
  });

  test('riding along: each leg upright, the velocity turning at the turnaround, a drag ends it', async (t) => {
    const { page } = await openPage(t, `${TRIP}&tau=0.4&ride=1`);
    let q = await programReadouts(page);
    assertNear(q.rideVelocity, 0.6, 'riding the outbound leg');
    assertNear(q.velocity, -0.6, 'home seen moving the other way');
    let image = await readCanvas(page);
    // the outbound leg from (0, 0) to (0.6, 1), seen from itself: upright to t = 0.8 (drawn one unit down)
    assert.ok(colourNear(image, column(0), row(0.65 - 1), GREEN, 2), 'outbound leg upright');
    assert.ok(!colourNear(image, column(0.3), row(0.5 - 1), GREEN, 2), 'outbound leg where the home frame draws it');
    assert.equal(await page.$eval('input[data-control="ride"]', (e) => e.checked), true);

    q = await setTau(page, 1.2);
    assertNear(q.rideVelocity, -0.6, 'riding the return leg');
    assertNear(q.velocity, 0.6, 'the velocity turned at the turnaround');
    image = await readCanvas(page);
    // the return leg from (0.6, 1) to (0, 2) boosted by +0.6: upright at x = 1.5 from t = 1.7 to 2.5
    assert.ok(colourNear(image, column(1.5), row(1.85 - 1), TEAL, 2), 'return leg upright');
    assert.ok(!colourNear(image, column(0.3), row(1.5 - 1), TEAL, 2), 'return leg where the home frame draws it');
    assert.match(await linkOf(page), /&tau=1\.2&ride=1$/);

    await drag(page, [1], 256, 300, 266, 300, 5);
    q = await programReadouts(page);
    assert.equal(q.rideVelocity, null, 'the drag ended the ride (no ride velocity)');
    assert.equal(await page.$eval('input[data-control="ride"]', (e) => e.checked), false);
  });
});
