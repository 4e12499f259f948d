// The second branch and the boundary, in headless Chromium, where faults
// survive: a range's ends, Redo after an undo and a new change, a step's own
// tolerance and the floor near 0, which way a verdict says a guess is off, no
// sign for a readout without one, a timelike pair one above the other, Play
// again after a full orbit, letters given twice, the Unicode minus, and what
// Record says it records.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { openPage, settle, drag, programReadouts, assertNear, linkOf } from './browser.mjs';

async function predict(page, value) {
  await page.$eval('[data-control="lesson-answer"]', (e, v) => { e.value = v; }, String(value));
  await page.click('[data-control="lesson-check"]');
  await settle(page);
  return page.$eval('[data-lesson-verdict]', (e) => ({ correct: e.dataset.correct, text: e.textContent }));
}

describe('boundaries', { concurrency: true }, () => {
  test('the probe ray takes both ends of 0 to 180 and nothing past them', async (t) => {
    for (const [ray, drawn] of [[0, 0], [180, 180]]) {
      const { page, lines } = await openPage(t, `#demo=5&boosts=0.6,0&ray=${ray}`);
      assert.deepEqual(lines.filter((l) => l.startsWith('Link ignored')), [], `ray=${ray}`);
      assertNear((await programReadouts(page)).rayAngle, drawn, `ray ${ray} drawn along the motion's line`, 1e-9);
      assert.match(await linkOf(page), ray === 0 ? /^#demo=5&v=0\.6&ray=0$/ : /^#demo=5&v=0\.6&ray=180$/);
    }
    const { lines } = await openPage(t, '#demo=6&ray=180.5&boosts=0.6,0');
    assert.ok(lines.some((l) => l.startsWith('Link ignored in part ray=180.5')), lines.join('\n'));
  });

  test('Redo is gone after an undo and a new change', async (t) => {
    const { page } = await openPage(t, '#demo=1');
    await drag(page, [1], 256, 256, 296, 256, 10);
    await linkOf(page);
    await page.$eval('button[data-control="undo"]', (b) => b.click());
    await settle(page);
    assert.equal(await page.$eval('button[data-control="redo"]', (b) => b.disabled), false);
    await drag(page, [1], 256, 256, 226, 256, 10);
    await linkOf(page);
    assert.equal(await page.$eval('button[data-control="redo"]', (b) => b.disabled), true);
    assert.ok((await programReadouts(page)).velocity < 0, 'the new change stays');
  });

  test('verdicts: a step’s 5% is 5%, the floor near 0 is 0.0005, high and low said right, no sign for γ, the Unicode minus read', async (t) => {
    const folder = mkdtempSync(join(tmpdir(), 'lorentz-bounds-'));
    t.after(() => rmSync(folder, { recursive: true, force: true }));
    const path = join(folder, 'five.txt');
    writeFileSync(path, ['# Five per cent', '## Fast', 'state: demo=1&v=0.8', 'ask: gamma?', 'answer: gamma',
      'tolerance: 5%'].join('\n'));
    const { page } = await openPage(t);
    await (await page.$('input[type="file"][data-control="lesson-file"]')).uploadFile(path);
    await page.waitForFunction(() => !document.getElementById('lesson').hidden);
    const gamma = 5 / 3;
    assert.equal((await predict(page, (gamma * 1.06).toFixed(4))).correct, 'false', '6% off is out of 5%');
    const high = await predict(page, (gamma * 1.2).toFixed(4));
    assert.match(high.text, /\(20% high\)/, high.text);
    const low = await predict(page, (gamma * 0.8).toFixed(4));
    assert.match(low.text, /\(20% low\)/, low.text);
    const negative = await predict(page, (-gamma).toFixed(4));
    assert.match(negative.text, /^Not quite: /, 'γ has no sign to get wrong');
    assert.equal((await predict(page, (gamma * 1.04).toFixed(4))).correct, 'true', '4% off is within 5%');

    const { page: near0 } = await openPage(t, '#lesson=simultaneity&step=2'); // the answer is -0.2
    assert.equal((await predict(near0, '-0.204')).correct, 'false', '2% off, past the floor');
    assert.equal((await predict(near0, '\u22120.2015')).correct, 'true', 'the Unicode minus is a minus');
    assert.match((await predict(near0, '0.2')).text, /^Wrong sign: /);
  });

  test('a pair one above the other is timelike, not the same event; letters given twice are refused', async (t) => {
    const { page } = await openPage(t, '#demo=1&ev=1,0;1,1');
    const q = await programReadouts(page);
    assert.equal(q.pairKind, 1, 'timelike');
    assert.match(await page.$eval('#pair-note', (e) => e.textContent), /^Timelike/);
    const { lines } = await openPage(t, '#demo=1&ev=1,0;1,1&letters=AA');
    assert.ok(lines.some((l) => l.startsWith('Link ignored in part letters=AA')), lines.join('\n'));
  });

  test('Play again after a full orbit of F7 goes round again', async (t) => {
    const { page } = await openPage(t, '#demo=7&orbit=0.95');
    const play = '#scene-thomas button[data-control="play"]';
    for (let round = 0; round < 2; ++round) {
      await page.click(play);
      await page.waitForFunction(() => window.lorentzDemo.readouts().orbitShare > 0 && window.lorentzDemo.readouts().orbitShare < 1);
      await page.waitForFunction((s) => document.querySelector(s).textContent === 'Play', { timeout: 20000 }, play);
      assert.equal((await programReadouts(page)).orbitShare, 1, `round ${round + 1} ends round`);
    }
  });

  test('Record says what it records: with no Play whatever moves, with Play the rest of it', async (t) => {
    const { page } = await openPage(t, '#demo=1');
    const record = 'button[data-control="record"]';
    assert.equal(await page.$eval(record, (b) => b.hidden), false, 'Chromium records a canvas');
    await page.click(record);
    assert.match(await page.$eval('#picture-status', (e) => e.textContent), /drag or change the picture; press Stop recording/);
    await drag(page, [1], 256, 256, 276, 256, 5);
    assert.equal(await page.$eval(record, (b) => b.getAttribute('aria-pressed')), 'true', 'still recording after a drag');
    await page.click(record);
    await page.waitForFunction((s) => document.querySelector(s).getAttribute('aria-pressed') === 'false', {}, record);

    const { page: fly } = await openPage(t, '#demo=8&boosts=0.6,0&look=-3');
    await fly.click('#scene-seen button[data-control="play"]');
    await fly.waitForFunction(() => window.lorentzDemo.readouts().lookTime > -2.5);
    await fly.click(record);
    assert.match(await fly.$eval('#picture-status', (e) => e.textContent), /^Recording the rest of what plays/);
  });
});
