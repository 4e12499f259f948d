// The 3D scenes of F5 to F9 in headless Chromium: links and controls give the
// closed forms of aberration, Doppler factors, Thomas precession and what is
// seen of a moving square and disk; Play carries the gyroscope round and
// sweeps the fly-by; bad parts are refused with a line; and the scene lessons
// accept the closed-form answers, step by step.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { openPage, settle, drag, programReadouts, assertNear, linkOf, typeNumber } from './browser.mjs';

// moving along +y, the square is seen straight ahead: its near corners at cos a' = 2 / sqrt 5
// in its own frame, aberrated to cos a = (cos a' - v) / (1 - v cos a'), either side of 0
const AHEAD = (Math.acos((2 / Math.sqrt(5) - 0.6) / (1 - (0.6 * 2) / Math.sqrt(5))) * 180) / Math.PI;
const CLOSED_FORMS = {
  '#demo=5&boosts=0.6,0': { halfAngle: 53.1301, rayAngle: 53.1301, rayDoppler: 1.25 },
  '#demo=5&boosts=0.8,0': { halfAngle: 36.8699, rayAngle: 36.8699, rayDoppler: 5 / 3 },
  '#demo=6&boosts=0.6,0': { halfAngle: 53.1301, rayAngle: 126.8699, rayDoppler: 0.8 },
  '#demo=6&boosts=0.8,0': { rayAngle: 143.1301, rayDoppler: 0.6 },
  '#demo=6&boosts=0,0.6': { rayAngle: 126.8699, velocityY: 0.6 }, // angles are from the motion, whichever way
  '#demo=7': { thomasAngle: 90, polygonAngle: 50.7215 },
  '#demo=7&sides=3': { polygonAngle: 31.2523 },
  '#demo=7&sides=6': { polygonAngle: 69.8103 },
  '#demo=7&orbit=0.8': { thomasAngle: 240, polygonAngle: 112.2899 },
  '#demo=8&boosts=0.6,0': { imageFrom: 102.0531, imageTo: 145.6559, apparentRotation: 36.8699 },
  '#demo=8&boosts=0.8,0': { imageFrom: 123.3201, imageTo: 156.7186, apparentRotation: 53.1301 },
  '#demo=8&boosts=0.6,0&look=1.5': { imageFrom: 59.0270, imageTo: 111.5611, apparentRotation: 36.8699 },
  '#demo=8&boosts=0.6,0&look=-1.5': { imageFrom: 139.6336, imageTo: 163.8899, apparentRotation: 25.0576 },
  '#demo=8&boosts=0,0.6': { imageFrom: -AHEAD, imageTo: AHEAD, apparentRotation: 0 },
  '#demo=9&boosts=0.6,0': { imageFrom: 109.4712, imageTo: 141.0576 },
  '#demo=9': { imageFrom: 70.5288, imageTo: 109.4712 },
  '#demo=9&boosts=0.6,0&look=1.5': { imageFrom: 68.5961, imageTo: 107.5152 },
};
const SEEN_FACES = { '#demo=8&boosts=0.6,0': 'near', '#demo=8&boosts=0.6,0&look=1.5': 'near, trailing',
  '#demo=8&boosts=0.6,0&look=-1.5': 'leading, near' };
// the lessons' questions in order, answered from the closed forms alone
const LESSON_ANSWERS = {
  searchlight: [53.1301, 1.25 * 1.3, 36.8699, 126.8699, 0.8],
  'thomas-precession': [90, 240, 50.7215, 69.8103],
  // then the camera: the ruler's sphere (the contracted sphere's tangents from the origin against
  // 2 asin(1/3)), the camera's round one, the cube's span from F8's image, the Doppler factor
  // 1 / (gamma (1 + v cos m)) from the middle m of F9's image at time 1.5
  'terrell-penrose': [36.8699, 53.1301, 111.5611, 53.1301,
    Math.atan(0.4 / Math.sqrt(2)) / Math.asin(1 / 3), 1, 111.5611 - 59.0270,
    0.8 / (1 + 0.6 * Math.cos((((68.5961 + 107.5152) / 2) * Math.PI) / 180))],
};

async function predict(page, value) {
  await page.$eval('[data-control="lesson-answer"]', (e, v) => { e.value = v; }, String(value));
  await page.click('[data-control="lesson-check"]');
  await settle(page);
  return page.$eval('[data-lesson-verdict]', (e) => e.dataset.correct);
}

describe('the 3D scenes', { concurrency: true }, () => {
  test('links give the closed forms of the cones and of Thomas precession', async (t) => {
    for (const [hash, expected] of Object.entries(CLOSED_FORMS)) {
      const { page, lines } = await openPage(t, hash);
      const q = await programReadouts(page);
      for (const [name, value] of Object.entries(expected)) assertNear(q[name], value, `${hash}: ${name}`, 1e-4);
      if (SEEN_FACES[hash]) assert.equal(await page.$eval('#seen-faces', (e) => e.textContent), SEEN_FACES[hash]);
      assert.deepEqual(lines.filter((l) => l.startsWith('Link ignored')), [], hash);
      await page.close();
    }
  });

  test('the paragraph of what to see names the colours of the palette in use', async (t) => {
    const { page } = await openPage(t, '#demo=9&colours=high-contrast');
    const see = () => page.$eval('#scene-see', (e) => e.textContent);
    assert.match(await see(), /Measured \(vermilion\)/); // the high-contrast palette's red
    await page.select('select[data-control="palette"]', 'dark');
    await settle(page);
    assert.match(await see(), /Measured \(orange red\)/);
    await page.select('#demo-select', '5');
    await settle(page);
    assert.match(await see(), /\(orange red arrow\)/);
    assert.match(await see(), /The faint dim grey cone/);
  });

  test('the controls set the probe ray, the orbit speed and the sides, and the link keeps them', async (t) => {
    const { page } = await openPage(t, '#demo=5&boosts=0.6,0');
    await typeNumber(page, '#scenes input[data-control="ray-angle"]:not([type="range"])', 60);
    let q = await programReadouts(page);
    assertNear(q.rayDoppler, 1.25 * 1.3, 'Doppler of the 60-degree ray');
    assertNear(q.rayAngle, (Math.acos(1.1 / 1.3) * 180) / Math.PI, 'drawn angle of the 60-degree ray');
    assert.match(await linkOf(page), /^#demo=5&v=0.6&ray=60$/);
    assert.equal(await page.$eval('#scene-cones', (e) => e.hidden), false);

    await page.select('#demo-select', '7');
    await typeNumber(page, '#scenes input[data-control="orbit-speed"]:not([type="range"])', 0.8);
    await typeNumber(page, '#scenes input[data-control="polygon-sides"]', 4);
    q = await programReadouts(page);
    assertNear(q.thomasAngle, 240, 'Thomas angle at 0.8');
    assertNear(q.polygonAngle, 112.2899, 'square at 0.8');
    assert.match(await linkOf(page), /^#demo=7&orbit=0\.8$/);
    await typeNumber(page, '#scenes input[data-control="polygon-sides"]', 13); // refused: the field shows 4 again
    assert.equal(await page.$eval('#scenes input[data-control="polygon-sides"]', (e) => e.value), '4');
  });

  test('Play carries the gyroscope once round and stops', async (t) => {
    const { page } = await openPage(t, '#demo=7');
    await page.click('#scene-thomas button[data-control="play"]');
    await page.waitForFunction(() => {
      const share = window.lorentzDemo.readouts().orbitShare;
      return share > 0 && share < 1;
    });
    await page.waitForFunction(() => document.querySelector('#scene-thomas button[data-control="play"]').textContent === 'Play',
      { timeout: 20000 });
    assert.equal((await programReadouts(page)).orbitShare, 1);
  });

  test('the observer\'s time: the control turns the square, Play sweeps the fly-by and moves the image', async (t) => {
    const { page } = await openPage(t, '#demo=8&boosts=0.6,0');
    await typeNumber(page, '#scenes input[data-control="look-time"]:not([type="range"])', 1.5);
    let q = await programReadouts(page);
    assertNear(q.imageTo, 111.5611, 'the trailing face in view');
    assert.match(await linkOf(page), /^#demo=8&v=0.6&look=1\.5$/);
    await typeNumber(page, '#scenes input[data-control="look-time"]:not([type="range"])', -3);
    const before = (await programReadouts(page)).imageFrom;
    await page.click('#scene-seen button[data-control="play"]');
    await page.waitForFunction(() => document.querySelector('#scene-seen button[data-control="play"]').textContent === 'Play',
      { timeout: 20000 });
    q = await programReadouts(page);
    assertNear(q.lookTime, 3, 'the fly-by ends at t = 3', 1e-9);
    assert.ok(q.imageFrom < before - 60, `the image moved forward across the sky: ${before} to ${q.imageFrom}`);
  });

  test('a drag boosts the cone as in F4; bad parts are refused; the picker names the scenes', async (t) => {
    const { page, lines } = await openPage(t, '#demo=5&ray=400&orbit=1.2&sides=2.5');
    assert.equal(lines.filter((l) => l.startsWith('Link ignored')).length, 3, lines.join('\n'));
    await drag(page, [1], 256, 256, 306, 256, 25);
    const q = await programReadouts(page);
    assert.ok(q.velocityX > 0.3 && Math.abs(q.velocityY) < 1e-9, `velocity ${q.velocityX}, ${q.velocityY}`);
    assertNear(q.rayAngle, (Math.acos(q.velocity) * 180) / Math.PI, 'the 90-degree ray at acos v', 1e-9);
    const options = await page.$$eval('#demo-select option', (os) => os.map((o) => o.textContent));
    assert.deepEqual(options.slice(4, 9), ['F5: 3D: Upward Cone warp', 'F6: 3D: Downward Cone warp',
      'F7: 3D: Thomas precession/rolling ball', 'F8: 3D: +- up/down Hemicones on square tube = Terrell',
      'F9: 3D: +- up/down Hemicones on round tube  = Penrose']);
    assert.deepEqual(options.slice(9, 11), ['F10: the accelerating rocket', 'F11: Bell’s spaceships']);
    assert.match(options[11], /icosahedron/);
  });

  for (const [id, answers] of Object.entries(LESSON_ANSWERS)) {
    test(`the lesson ${id} takes the closed-form answers`, async (t) => {
      const { page } = await openPage(t, `#lesson=${id}`);
      for (const [i, answer] of answers.entries()) {
        if (i > 0) {
          await page.click('[data-control="lesson-next"]');
          await settle(page);
        }
        assert.equal(await page.$eval('#lesson-question', (e) => e.hidden), false, `${id}: step ${i + 1} asks`);
        assert.equal(await predict(page, answer.toFixed(4)), 'true', `${id}: step ${i + 1}, ${answer}`);
      }
      assert.equal(await page.$eval('[data-control="lesson-next"]', (e) => e.disabled), true, `${id}: no more steps`);
    });
  }
});
