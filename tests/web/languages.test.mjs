// The page in the class's language, in headless Chromium: a pseudo-language
// made here from English (each text bracketed, its letters accented, a third
// longer) leaves no visible text and no accessible name in plain English in
// any demonstration or lesson with every fold open, and nothing wider than the
// panel; its right-to-left twin lays the panel out right to left, scrolls
// nowhere sideways and leaves the picture's pixels as they are; German takes
// 0,6 and writes 0.6 in links; a link's lang= and the browser's languages
// choose, an unknown one says so; each built-in lesson is walked in each
// language with the closed forms typed the local way.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, readdirSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { openPage, settle, programReadouts, linkOf, readCanvas, typeNumber, inBatches } from './browser.mjs';

const ROOT = resolve(dirname(fileURLToPath(import.meta.url)), '../..');
const english = JSON.parse(readFileSync(join(ROOT, 'src/web/page/i18n/en.json'), 'utf8'));
const LANGUAGES = readdirSync(join(ROOT, 'src/web/page/i18n')).filter((f) => f.endsWith('.json')).map((f) => f.slice(0, -5));
const LESSON_IDS = readdirSync(join(ROOT, 'data/lessons')).filter((f) => f.endsWith('.txt')).map((f) => f.slice(0, -4));

// English made strange but readable: letters accented, bracketed, a third longer;
// placeholders and markup kept
const ACCENTED = Object.fromEntries([...'abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ']
  .map((c, i) => [c, 'áƀçđéƒĝĥíĵķĺɱñóþʠŕšţúṽŵẋýžÁƁÇĐÉƑĜĤÍĴĶĹṀÑÓÞɊŔŠŢÚṼŴẊÝŽ'[i]]));
const pseudo = (text) => `⟦${text.split(/(\{\w*\}|<\/?[a-z]+[^>]*>|&\w+;)/).map((part, i) => (i % 2 ? part
  : part.replace(/[A-Za-z]/g, (c) => ACCENTED[c]))).join('')}${' ····'.repeat(Math.ceil(text.length / 15))}⟧`;
const PSEUDO = Object.fromEntries(Object.entries(english).map(([key, text]) => [key, pseudo(text)]));

// where plain English is allowed: lessons' own texts (a pseudo-language has none), names of keys,
// readouts and link parts, and the languages' own names
const OWN_TEXTS = ['code', 'kbd', '#lesson-pick option', 'select[data-control="language"]', '[data-lesson-title]',
  '#lesson-step-title', '#lesson-prose', '#lesson-ask', '[data-lesson-explain]', '#lesson-format'];

// texts a user sees or hears with an English word (three letters running) in them
const englishLeft = (page) => page.evaluate((own) => {
  const left = [];
  const shown = (e) => !e.closest('[hidden]') && getComputedStyle(e).display !== 'none';
  const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
  for (let node = walker.nextNode(); node; node = walker.nextNode()) {
    const e = node.parentElement;
    if (!e || e.closest('script, style') || own.some((s) => e.closest(s)) || !shown(e)) continue;
    if (/[A-Za-z]{3,}/.test(node.textContent.replace(/\{\w+\}/g, ''))) left.push(node.textContent.trim().slice(0, 60));
  }
  for (const e of document.querySelectorAll('[aria-label], [title], option')) {
    const name = e.tagName === 'OPTION' ? e.textContent : e.getAttribute('aria-label') || e.getAttribute('title');
    if (shown(e.tagName === 'OPTION' ? e.parentElement : e) && !own.some((s) => e.closest(s)) && /[A-Za-z]{3,}/.test(name)) {
      left.push(`[name] ${name.slice(0, 60)}`);
    }
  }
  return left;
}, OWN_TEXTS);

async function inPseudo(t, hash, { direction = 'ltr', viewport } = {}) {
  const { page, errors } = await openPage(t, hash, viewport ? { viewport } : {});
  await page.evaluate((messages, dir) => window.lorentzDemo.tryLanguage('x-pseudo', messages, dir), PSEUDO, direction);
  await page.click('#help-button');
  await page.evaluate(() => {
    document.querySelectorAll('details').forEach((d) => { d.open = true; });
    document.querySelectorAll('.fold[aria-expanded="false"]').forEach((b) => b.click());
  });
  await settle(page);
  return { page, errors };
}

describe('languages', { concurrency: true }, () => {
  test('a pseudo-language leaves no English on the page, in any demonstration or lesson, and fits the panel', async (t) => {
    const hashes = [...Array.from({ length: 12 }, (_, i) => `#demo=${i + 1}`),
      '#demo=1&ev=1,0.5;-0.5,0.2&show=axes,simultaneity,cones', '#demo=3&tau=0.5&ride=1', '#demo=10&trip=round',
      '#demo=8&boosts=0.6,0', ...LESSON_IDS.map((id) => `#lesson=${id}`)];
    await inBatches(hashes, async (hash) => {
      const { page, errors } = await inPseudo(t, hash);
      assert.deepEqual(await englishLeft(page), [], hash);
      const wider = await page.evaluate(() => {
        const panel = document.getElementById('panel').getBoundingClientRect();
        return [...document.querySelectorAll('#panel *')].filter((e) => e.getClientRects().length
          && e.getBoundingClientRect().right > panel.right + 1 && !e.closest('#events-box')).map((e) => e.id || e.tagName);
      });
      assert.deepEqual(wider, [], `${hash}: wider than the panel`);
      assert.deepEqual(errors, [], hash);
      await page.close();
    });
  });

  test('right to left: the panel reads right to left, nothing scrolls sideways, the picture is not mirrored', async (t) => {
    for (const width of [390, 1280]) {
      const viewport = { width, height: 900 };
      const { page } = await inPseudo(t, '#demo=1&v=0.6', { direction: 'rtl', viewport });
      const layout = await page.evaluate(() => ({ dir: document.documentElement.dir,
        direction: getComputedStyle(document.getElementById('panel')).direction,
        panel: document.getElementById('panel').getBoundingClientRect().left,
        canvas: document.getElementById('canvas').getBoundingClientRect().left,
        overflow: document.scrollingElement.scrollWidth - window.innerWidth }));
      assert.equal(layout.dir, 'rtl');
      assert.equal(layout.direction, 'rtl');
      assert.ok(layout.overflow <= 0, `${width}: ${layout.overflow} px sideways`);
      if (width === 1280) assert.ok(layout.panel < layout.canvas, 'the panel left of the picture, as right to left reads');
      const { page: ltr } = await openPage(t, '#demo=1&v=0.6', { viewport });
      const [a, b] = [await readCanvas(page), await readCanvas(ltr)];
      let differ = 0;
      for (let y = 0; y < a.height; y += 3) for (let x = 0; x < a.width; x += 3) differ += a.at(x, y).join() !== b.at(x, y).join();
      assert.equal(differ, 0, `${width}: the picture the same pixel for pixel`);
    }
  });

  test('German: 0,6 typed gives 1,25; the link writes 0.6 and keeps lang=de; English opens it as 0.60', async (t) => {
    const { page } = await openPage(t, '#lang=de&demo=1');
    assert.equal(await page.evaluate(() => document.documentElement.lang), 'de');
    await typeNumber(page, 'input[data-control="velocity"]:not([type="range"])', '0,6');
    assert.equal(await page.$eval('#readouts [data-quantity="gamma"]', (e) => e.textContent), '1,2500');
    const link = await linkOf(page);
    assert.equal(link, '#lang=de&demo=1&v=0.6');
    const { page: en } = await openPage(t, link.replace('lang=de', 'lang=en'));
    assert.equal(await en.$eval('input[data-control="velocity"]:not([type="range"])', (e) => e.value), '0.60');
    assert.equal((await programReadouts(en)).gamma, 1.25);
  });

  test('the browser’s languages choose where the link does not; a regional variant falls back; an unknown lang= says so', async (t) => {
    const opened = async (hash, languages) => {
      const { page, lines } = await openPage(t, hash, { beforeLoad: (p) => p.evaluateOnNewDocument((l) => {
        Object.defineProperty(navigator, 'languages', { get: () => l });
      }, languages) });
      return { page, lines, lang: await page.evaluate(() => document.documentElement.lang) };
    };
    assert.equal((await opened('#demo=1', ['es-MX', 'en'])).lang, 'es');
    assert.equal((await opened('#demo=1', ['pt-PT'])).lang, 'pt-BR');
    assert.equal((await opened('#demo=1', ['ar-EG'])).lang, 'ar');
    assert.equal((await opened('#lang=fr&demo=1', ['de'])).lang, 'fr');
    const unknown = await opened('#lang=xx&demo=2', ['de']);
    assert.equal(unknown.lang, 'en', 'an unknown language opens in English');
    assert.match(await unknown.page.$eval('#link-problem', (e) => (e.hidden ? '' : e.textContent)), /lang=xx/);
    assert.equal((await programReadouts(unknown.page)).demo, 2, 'the rest applied');
    // the chooser names each language in its own name, and switching needs no reload
    const { page } = unknown;
    const names = await page.$$eval('select[data-control="language"] option', (os) => os.map((o) => o.textContent));
    assert.deepEqual(names, ['English', 'Español', 'Português (Brasil)', 'Français', 'Deutsch', '简体中文', 'العربية']);
    await page.evaluate(() => { window.beforeSwitch = true; });
    await page.select('select[data-control="language"]', 'ar');
    await settle(page);
    assert.deepEqual(await page.evaluate(() => [window.beforeSwitch, document.documentElement.dir]), [true, 'rtl']);
    assert.match(await linkOf(page), /^#lang=ar&/);
  });
});

// each lesson's questions in order, answered from the closed forms
const deg = (radians) => (radians * 180) / Math.PI;
const gammaOf = (v) => 1 / Math.sqrt(1 - v * v);
const wigner = deg(Math.acos(2.5 / 2.5625));
const ANSWERS = {
  'time-dilation': [2, gammaOf(0.6), 2 * gammaOf(0.6), 2 * gammaOf(0.95)],
  'length-contraction': [2, 2 / gammaOf(0.6), gammaOf(0.8), 2 / gammaOf(0.8), 2 / gammaOf(0.6)],
  simultaneity: [0.3 ** 2 - 1.5 ** 2, -0.2, 0.3 ** 2 - 1.5 ** 2, Math.sqrt(1.3 ** 2 - 0.5 ** 2)],
  'twin-paradox': [1.6, 0.79 * 0.8, 1.36, 0.4, 8],
  'thomas-wigner': [1.25, 1.5625, wigner, -wigner],
  searchlight: [deg(Math.acos(0.6)), 1.625, deg(Math.acos(0.8)), deg(Math.acos(-0.6)), 0.8],
  'thomas-precession': [90, 240, 50.7215, 69.8103],
  'terrell-penrose': [deg(Math.asin(0.6)), deg(Math.asin(0.8)), 111.5611, deg(Math.asin(0.8)),
    Math.atan(0.4 / Math.sqrt(2)) / Math.asin(1 / 3), 1, 111.5611 - 59.0270,
    0.8 / (1 + 0.6 * Math.cos((((68.5961 + 107.5152) / 2) * Math.PI) / 180))],
  'accelerated-rocket': [Math.tanh(2), 2, 1 - Math.exp(-10), 4 * Math.sinh(1)],
  'bell-spaceships': [0.931424, 1.5582, 0.931424 / 0.5 - 1, 0.3617],
};

describe('lessons in every language', { concurrency: true }, () => {
  for (const language of LANGUAGES) {
    test(`${language}: each built-in lesson takes the closed-form answers, typed the local way`, async (t) => {
      const lessons = Object.entries(ANSWERS).filter(([id]) => LESSON_IDS.includes(id));
      await inBatches(lessons, async ([id, answers]) => {
        const { page } = await openPage(t, `#lang=${language}&lesson=${id}`);
        const left = [...answers];
        const mark = ['es', 'pt-BR', 'fr', 'de'].includes(language) ? ',' : '.';
        for (;;) {
          if (!(await page.$eval('#lesson-question', (e) => e.hidden))) {
            const answer = left.shift();
            const typed = (Number.isInteger(answer) ? String(answer) : answer.toFixed(4)).replace('.', mark);
            await page.$eval('[data-control="lesson-answer"]', (e, v) => { e.value = v; }, typed);
            await page.click('[data-control="lesson-check"]');
            await settle(page);
            assert.equal(await page.$eval('[data-lesson-verdict]', (e) => e.dataset.correct), 'true', `${language} ${id}: ${typed}`);
          }
          if (await page.$eval('[data-control="lesson-next"]', (e) => e.disabled)) break;
          await page.click('[data-control="lesson-next"]');
          await settle(page);
        }
        assert.deepEqual(left, [], `${language} ${id}: every question met`);
        await page.close();
      }, 2);
    });
  }
});
