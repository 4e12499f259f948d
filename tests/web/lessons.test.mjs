// Lessons in headless Chromium: every built-in lesson walked from its link to
// its end (a wrong prediction is judged wrong, the answer revealed is the
// program's readout it names, the right one is judged right), a teacher's
// lesson opened from a file (its steps, answers and filled explanations, its
// link, its markup kept as text), and broken lessons that say which line.
import { describe, test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { openPage, settle, programReadouts, linkOf } from './browser.mjs';

const LESSONS = ['time-dilation', 'length-contraction', 'simultaneity', 'twin-paradox', 'thomas-wigner', 'searchlight',
  'thomas-precession', 'terrell-penrose'];

async function predict(page, value) {
  await page.$eval('[data-control="lesson-answer"]', (e, v) => { e.value = v; }, String(value));
  await page.click('[data-control="lesson-check"]');
  await settle(page);
  return page.$eval('[data-lesson-verdict]', (e) => ({ correct: e.dataset.correct, text: e.textContent }));
}

async function lessonView(page) {
  return page.evaluate(() => ({
    title: document.querySelector('[data-lesson-title]').textContent,
    step: [...document.querySelectorAll('[data-lesson-step] p')].map((p) => p.textContent).filter(Boolean).join(' '),
    asks: !document.getElementById('lesson-question').hidden,
    next: !document.querySelector('[data-control="lesson-next"]').disabled,
    back: !document.querySelector('[data-control="lesson-back"]').disabled,
    error: document.getElementById('lesson-error').hidden ? '' : document.getElementById('lesson-error').textContent,
  }));
}

let folder;
describe('lessons', { concurrency: true }, () => {
  before(() => { folder = mkdtempSync(join(tmpdir(), 'lorentz-lessons-')); });
  after(() => rmSync(folder, { recursive: true, force: true }));

  for (const id of LESSONS) {
    test(`the built-in lesson ${id}, from its link to the end`, async (t) => {
      const { page, lines, errors } = await openPage(t, `#lesson=${id}`);
      let view = await lessonView(page);
      assert.equal(view.error, '');
      assert.ok(view.title && !view.back, `${id} opens at its first step`);
      let predictions = 0;
      for (;;) {
        if (view.asks) {
          const hidden = await page.$$eval('#readouts dd', (es) => es.filter((e) => e.textContent === '?').length);
          const truth = await programReadouts(page);
          const wrong = await predict(page, 7.77);
          assert.equal(wrong.correct, 'false', wrong.text);
          const answer = await page.$eval('[data-quantity="lessonAnswer"]', (e) => [e.dataset.answerOf, e.textContent]);
          const value = truth[answer[0]];
          assert.ok(Number.isFinite(value), `${id}: ${answer[0]} is a readout`);
          assert.ok(Math.abs(Number(answer[1]) - value) <= 5e-5 * Math.max(1, Math.abs(value)), `${id}: ${answer[1]} for ${answer[0]} = ${value}`);
          assert.match(wrong.text, /Not quite: you said 7\.77, the program reads/);
          const right = await predict(page, answer[1]);
          assert.equal(right.correct, 'true', `${id}: ${right.text}`);
          const explained = await page.$eval('[data-lesson-explain]', (e) => e.textContent);
          assert.ok(!/[{}]/.test(explained), `${id}: a readout left unfilled in ${explained}`);
          assert.ok(hidden <= 1, 'only the answer is withheld');
          predictions += 1;
        }
        if (!view.next) break;
        await page.click('[data-control="lesson-next"]');
        await settle(page);
        view = await lessonView(page);
      }
      assert.ok(predictions >= 3, `${id}: ${predictions} predictions`);
      assert.ok(!lines.some((l) => l.startsWith('Link ignored')), lines.filter((l) => l.startsWith('Link')).join('\n'));
      assert.deepEqual(errors, []);
    });
  }

  test("a teacher's lesson from a file: steps, answers, explanations, its link, markup kept as text", async (t) => {
    const text = [
      '# Two clocks <img src=x onerror="window.hacked=1">',
      'A lesson of my own.',
      '## Fast',
      'state: demo=1&v=0.8',
      'ask: What is <b>gamma</b> at 0.8 c?',
      'answer: gamma',
      'explain: gamma is {gamma}, the clock takes {coordinateTime}.',
      '## Slow',
      'state: demo=2&v=0.1',
      'The rod hardly shrinks: {length}.',
    ].join('\n');
    const path = join(folder, 'my-lesson.txt');
    writeFileSync(path, text);
    const { page } = await openPage(t);
    await (await page.$('input[type="file"][data-control="lesson-file"]')).uploadFile(path);
    await page.waitForFunction(() => !document.getElementById('lesson').hidden);
    await settle(page);
    let view = await lessonView(page);
    assert.equal(view.title, 'Two clocks <img src=x onerror="window.hacked=1">');
    assert.equal(view.step, 'A lesson of my own. What is <b>gamma</b> at 0.8 c?');
    assert.equal(await page.$$eval('#lesson img, #lesson b', (es) => es.length), 0, 'markup stays text');
    assert.equal((await predict(page, '1.65')).correct, 'true'); // 1 / 0.6, within 2%
    assert.equal(await page.$eval('[data-lesson-explain]', (e) => e.textContent), 'gamma is 1.6667, the clock takes 3.3333.');
    await page.click('[data-control="lesson-next"]');
    await settle(page);
    view = await lessonView(page);
    const length = (await programReadouts(page)).length;
    assert.equal(view.step, `The rod hardly shrinks: ${length.toFixed(4)}.`);
    assert.ok(!view.next && view.back && !view.asks);

    await page.waitForFunction(() => /lessontext=/.test(window.lorentzDemo.link()));
    const hash = await linkOf(page);
    assert.match(hash, /^#lessontext=[\w-]+&step=2&demo=2&v=0\.1$/);
    const { page: student } = await openPage(t, hash);
    await student.waitForFunction(() => !document.getElementById('lesson').hidden);
    await settle(student);
    assert.deepEqual(await lessonView(student), view);
    assert.equal(await student.evaluate(() => window.hacked), undefined);
  });

  test('a broken lesson opens nothing and says which line is wrong', async (t) => {
    const { page } = await openPage(t);
    const cases = [
      ['# Fine\n## One\nstate: demo=1\nask: How fast?\nanswer: speed\n', /^Line 5: answer: speed names no readout/],
      ['# Fine\n## One\nstate: demo=7&v=2\n', /^Line 3: state: v=2: a velocity/],
      ['# Fine\n## One\nexplain: {warp} factor\n', /^Line 3: \{warp\} names no readout/],
      ['# Fine\n## One\nask: How fast?\n', /^Line 3: ask: needs an answer/],
      ['No title here\n## One\n', /^Line 1: a lesson begins with its title/],
      [`# Long\n## One\n${'x'.repeat(70000)}\n`, /is 69 KB: a lesson is at most 64 KB|over 64 KB/],
    ];
    for (const [index, [text, message]] of cases.entries()) {
      const path = join(folder, `broken-${index}.txt`);
      writeFileSync(path, text);
      await page.$eval('#lesson-error', (e) => { e.hidden = true; });
      await (await page.$('input[type="file"][data-control="lesson-file"]')).uploadFile(path);
      await page.waitForFunction(() => !document.getElementById('lesson-error').hidden);
      const shown = await page.$eval('#lesson-error', (e) => e.textContent);
      assert.match(shown, message);
      assert.equal(await page.$eval('#lesson', (e) => e.hidden), true, 'no lesson opened');
    }
  });
});
