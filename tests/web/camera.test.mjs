// The camera's picture of F8 and F9 in headless Chromium: links give the
// closed forms of the sphere's outline (aberrated from the own frame with the
// light travel time, the contracted sphere's tangents without) and of the
// Doppler factor; with view=camera its pixels are round, or squashed without
// light delay; with Doppler colour the receding sphere is redder and the
// approaching one bluer than at rest; the switches follow the checkboxes and
// links, and bad parts are refused.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { openPage, programReadouts, assertNear, linkOf, readCanvas, settle } from './browser.mjs';

const deg = (radians) => (radians * 180) / Math.PI;
const rad = (degrees) => (degrees * Math.PI) / 180;
const REST = 2 * deg(Math.asin(1 / 3)); // radius 0.5 at 1.5 seen straight on
// at time 0 the observer is at the own frame's origin: the sphere's tangents at
// 90 -+ asin(1/3) degrees there, aberrated: cos a = (cos a' - v) / (1 - v cos a')
const aberrated = (own, v) => deg(Math.acos((Math.cos(rad(own)) - v) / (1 - v * Math.cos(rad(own)))));
const edges = (v) => [aberrated(90 - REST / 2, v), aberrated(90 + REST / 2, v)];
// light from sky angle a, from an object moving along 0 at v: 1 / (gamma (1 + v cos a))
const doppler = (v, a) => Math.sqrt(1 - v * v) / (1 + v * Math.cos(rad(a)));
const middle = ([from, to]) => (from + to) / 2;
// without light delay: the contracted sphere's tangents from the origin
const ruler = (v) => 2 * deg(Math.atan((0.5 * Math.sqrt(1 - v * v)) / Math.sqrt(1.5 ** 2 - 0.25)));

const CLOSED_FORMS = {
  '#demo=9': { outlineAlong: REST, outlineAcross: REST, outlineAspect: 1, imageDoppler: 1 },
  '#demo=9&boosts=0.6,0': { outlineAlong: edges(0.6)[1] - edges(0.6)[0], outlineAspect: 1,
    imageDoppler: doppler(0.6, middle(edges(0.6))) }, // 1.2240: bluer, light sent while it approached
  '#demo=9&boosts=0.8,0': { outlineAlong: edges(0.8)[1] - edges(0.8)[0], outlineAcross: 23.9535,
    imageDoppler: doppler(0.8, middle(edges(0.8))) },
  '#demo=9&boosts=0.6,0&look=1.5': { outlineAlong: 38.9191, outlineAspect: 1,
    imageDoppler: doppler(0.6, (68.5961 + 107.5152) / 2) }, // 0.7840: redder, receding
  '#demo=9&boosts=0.6,0&look=-1.5': { outlineAlong: 18.3094, outlineAcross: 18.3094 },
  '#demo=9&boosts=0.6,0&delay=0': { outlineAlong: ruler(0.6), outlineAcross: REST, outlineAspect: ruler(0.6) / REST },
  '#demo=9&boosts=0.8,0&delay=0&view=camera': { outlineAspect: ruler(0.8) / REST }, // 0.6151
  '#demo=8&boosts=0.6,0&look=1.5': { outlineAlong: 111.5611 - 59.0270 }, // F8's image: near, trailing
};

// the canvas's pixels other than the night sky, and their box and colours
async function sphereOf(page) {
  const image = await readCanvas(page);
  const sky = image.at(2, 2);
  let left = image.width, right = -1, top = image.height, bottom = -1, n = 0, red = 0, blue = 0;
  for (let y = 0; y < image.height; ++y) {
    for (let x = 0; x < image.width; ++x) {
      const [r, g, b] = image.at(x, y);
      if (Math.abs(r - sky[0]) + Math.abs(g - sky[1]) + Math.abs(b - sky[2]) < 24) continue;
      left = Math.min(left, x), right = Math.max(right, x), top = Math.min(top, y), bottom = Math.max(bottom, y);
      n += 1, red += r, blue += b;
    }
  }
  return { aspect: (right - left + 1) / (bottom - top + 1), redness: (red - blue) / n, pixels: n };
}

describe('the camera', { concurrency: true }, () => {
  test('links give the closed forms of the picture and of the Doppler factor', async (t) => {
    for (const [hash, expected] of Object.entries(CLOSED_FORMS)) {
      const { page, lines } = await openPage(t, hash);
      const q = await programReadouts(page);
      for (const [name, value] of Object.entries(expected)) assertNear(q[name], value, `${hash}: ${name}`, 1e-4);
      assert.deepEqual(lines.filter((l) => l.startsWith('Link ignored')), [], hash);
      await page.close();
    }
  });

  test('the camera\'s picture alone: round with light delay, squashed without; redder receding', async (t) => {
    const shots = {};
    for (const [name, hash] of Object.entries({
      round: '#demo=9&boosts=0.6,0&view=camera', squashed: '#demo=9&boosts=0.6,0&view=camera&delay=0',
      rest: '#demo=9&view=camera&doppler=1', receding: '#demo=9&boosts=0.6,0&look=1.5&view=camera&doppler=1',
      approaching: '#demo=9&boosts=0.6,0&view=camera&doppler=1' })) {
      const { page } = await openPage(t, hash);
      shots[name] = await sphereOf(page);
      await page.close();
    }
    assertNear(shots.round.aspect, 1, 'round', 0.03);
    assertNear(shots.squashed.aspect, 0.81, 'the ruler\'s sphere', 0.03 * 0.81);
    assert.ok(shots.receding.redness > shots.rest.redness + 30, `redder: ${shots.receding.redness} against ${shots.rest.redness}`);
    assert.ok(shots.approaching.redness < shots.rest.redness - 30, `bluer: ${shots.approaching.redness} against ${shots.rest.redness}`);
  });

  test('the switches follow the checkboxes and links; bad parts are refused', async (t) => {
    const { page, lines } = await openPage(t, '#demo=9&boosts=0.6,0&view=photo&delay=2&brightness=x&doppler=1');
    assert.equal(lines.filter((l) => l.startsWith('Link ignored')).length, 3, lines.join('\n'));
    assert.match(await linkOf(page), /&doppler=1$/);
    assert.equal(await page.$eval('input[data-control="doppler-colour"]', (e) => e.checked), true);
    await page.click('input[data-control="light-delay"]');
    await page.click('input[data-control="camera-whole"]');
    await settle(page);
    assertNear((await programReadouts(page)).outlineAspect, ruler(0.6) / REST, 'the ruler\'s picture', 1e-4);
    assert.match(await linkOf(page), /&view=camera&delay=0&doppler=1$/);
    await page.click('input[data-control="light-delay"]'); // on again: the default, not written
    await settle(page);
    assertNear((await programReadouts(page)).outlineAspect, 1, 'round again', 1e-4);
    assert.match(await linkOf(page), /&view=camera&doppler=1$/);
    await page.click('button[data-control="undo"]'); // each switch a step: the ruler's again
    await settle(page);
    assert.match(await linkOf(page), /&view=camera&delay=0&doppler=1$/);
    assert.equal(await page.$eval('input[data-control="light-delay"]', (e) => e.checked), false);
    const { lines: elsewhere } = await openPage(t, '#demo=5&view=camera&aim=fixed');
    assert.equal(elsewhere.filter((l) => /Link ignored.*demonstration 8 or 9/.test(l)).length, 2, elsewhere.join('\n'));
  });
});
