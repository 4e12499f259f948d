// A second engine: the page in Firefox (on the test command's X display, with
// WebGL forced on), as students open it there too. Links give the closed
// forms in each demonstration's panel, a mouse drag boosts, a lesson walks to
// Check, the picture is drawn, and no page error is raised.
import { describe, test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { pathToFileURL } from 'node:url';
import { PAGE, launchFirefox } from './browser.mjs';

const deg = (radians) => (radians * 180) / Math.PI;
const gamma = (v) => 1 / Math.sqrt(1 - v * v);
// a link and a readout of the panel with its closed form, in each demonstration
const LINKS = [
  ['demo=1&v=0.6', 'coordinateTime', 2 * gamma(0.6)],
  ['demo=2&v=0.6', 'length', 2 / gamma(0.6)],
  ['demo=3&tx=0.6&tt=1', 'properTimeTraveller', 2 * Math.sqrt(1 - 0.36)],
  ['demo=4&boosts=0.6,0;0,0.6', 'wignerAngle', deg(Math.acos(2.5 / (1 + 1.25 * 1.25)))],
  ['demo=5&boosts=0.6,0', 'halfAngle', deg(Math.acos(0.6))],
  ['demo=6&boosts=0.6,0&ray=90', 'rayDoppler', 1 / gamma(0.6)],
  ['demo=7&orbit=0.6', 'thomasAngle', 360 * (gamma(0.6) - 1)],
  ['demo=8&boosts=0.6,0', 'apparentRotation', deg(Math.asin(0.6))],
  ['demo=9&boosts=0.8,0', 'apparentRotation', deg(Math.asin(0.8))],
  ['demo=10&tau=2', 'gamma', Math.cosh(2)], // the rocket's, cosh(g tau)
  ['demo=11&g=0.5&tau=2', 'velocity', Math.tanh(1)], // the rear ship's, tanh(g tau)
];

let browser;
let page = null;
const errors = [];
// the link in a tab of its own, as a student opens it
async function open(hash) {
  await page?.close();
  page = await browser.newPage();
  page.on('pageerror', (error) => errors.push(error.message));
  for (let attempt = 0; ; ++attempt) {
    try {
      await page.goto(`${pathToFileURL(PAGE).href}#${hash}`);
      break;
    } catch (error) { // a new tab's first load may still be settling: Firefox aborts the navigation then
      if (attempt > 2 || !/NS_BINDING_ABORTED/.test(error.message)) throw error;
    }
  }
  await page.waitForFunction(() => window.lorentzDemo?.frames > 0);
}
const panel = (name) => page.$eval(`#readouts [data-quantity="${name}"]`, (e) => Number(e.textContent));

describe('the page in Firefox', { concurrency: false }, () => { // one tab at a time
  before(async () => {
    browser = await launchFirefox();
  });
  after(() => browser?.close());

  test('links give the closed forms in each demonstration, and the picture is drawn', async () => {
    for (const [hash, name, expected] of LINKS) {
      await open(hash);
      await page.waitForFunction((n) => document.querySelector(`#readouts [data-quantity="${n}"]`).textContent !== '', {}, name);
      assert.ok(Math.abs((await panel(name)) - expected) <= 6e-5, `${hash}: ${name} ${await panel(name)}, expected ${expected}`);
    }
    const inked = await page.evaluate(() => {
      const copy = document.createElement('canvas');
      const canvas = document.getElementById('canvas');
      [copy.width, copy.height] = [canvas.width, canvas.height];
      const context = copy.getContext('2d');
      context.drawImage(canvas, 0, 0);
      const pixels = context.getImageData(0, 0, copy.width, copy.height).data;
      let count = 0;
      for (let i = 0; i < pixels.length; i += 4) count += pixels[i] + pixels[i + 1] + pixels[i + 2] < 600;
      return count;
    });
    assert.ok(inked > 1000, `${inked} pixels drawn`);
  });

  test('a mouse drag boosts, and a lesson walks to Check', async () => {
    await open('demo=1');
    const box = await page.$eval('#canvas', (c) => { const r = c.getBoundingClientRect(); return [r.left, r.top]; });
    await page.mouse.move(box[0] + 200, box[1] + 256);
    await page.mouse.down();
    for (let i = 1; i <= 20; ++i) await page.mouse.move(box[0] + 200 + 4 * i, box[1] + 256);
    await page.mouse.up();
    await page.waitForFunction(() => window.lorentzDemo.readouts().velocity > 0.05); // 80 px: tanh 0.08

    await open('lesson=time-dilation&step=2');
    await page.waitForFunction(() => !document.getElementById('lesson').hidden);
    await page.type('[data-control="lesson-answer"]', '1.25');
    await page.click('[data-control="lesson-check"]');
    await page.waitForFunction(() => document.querySelector('[data-lesson-verdict]').dataset.correct !== undefined);
    assert.equal(await page.$eval('[data-lesson-verdict]', (e) => e.dataset.correct), 'true');
    assert.equal(await page.$eval('[data-quantity="lessonAnswer"]', (e) => e.textContent), '1.2500');
    assert.deepEqual(errors, []);
  });
});
