// What a frame costs the page, in headless Chromium with the DevTools
// protocol's metrics: a redraw that changes nothing adds no layout and no
// style recalculation (a full diagram of 26 events with a pair, a lesson step,
// the trip), a drag lays out at most once a move, and start-up makes one
// WebGL context.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { openPage, settle, drag } from './browser.mjs';

const EVENTS = Array.from({ length: 26 }, (_, i) => `${((i % 7) - 3) * 0.4},${(Math.floor(i / 7) - 1.5) * 0.5}`).join(';');
const FULL = `#demo=1&v=0.3&show=axes,simultaneity,cones&ev=${EVENTS}`;

async function layoutsDuring(page, action) {
  const client = await page.createCDPSession();
  await client.send('Performance.enable');
  const read = async () => Object.fromEntries((await client.send('Performance.getMetrics')).metrics
    .filter((m) => ['LayoutCount', 'RecalcStyleCount'].includes(m.name)).map((m) => [m.name, m.value]));
  const before = await read();
  await action();
  const after = await read();
  return { layouts: after.LayoutCount - before.LayoutCount, styles: after.RecalcStyleCount - before.RecalcStyleCount };
}

describe('what a frame costs the page', { concurrency: true }, () => {
  for (const hash of [FULL, '#lesson=simultaneity&step=2', '#demo=3&tx=0.6&tt=1&tau=0.5']) {
    test(`redraws with no change lay out nothing: ${hash.slice(0, 40)}`, async (t) => {
      const { page } = await openPage(t, hash);
      await page.focus('#canvas');
      await page.keyboard.press('x'); // 'x' only redraws; the first key press may restyle the focus
      // the start-up sentence is said (a live region's text, laid out once) before the count
      await page.waitForFunction(() => document.getElementById('announcer').textContent !== '');
      await settle(page);
      const frames = await page.evaluate(() => window.lorentzDemo.frames);
      const cost = await layoutsDuring(page, async () => {
        for (let i = 0; i < 50; ++i) {
          await page.keyboard.press('x');
          await settle(page);
        }
      });
      assert.equal(await page.evaluate(() => window.lorentzDemo.frames), frames + 50, 'a frame a key');
      assert.deepEqual(cost, { layouts: 0, styles: 0 });
      if (hash === FULL) {
        // 100 moves with the press, the release and the move to the start: 103 pointer events,
        // and the sentence said once the drag ends
        const moves = await layoutsDuring(page, () => drag(page, [1], 256, 256, 356, 256, 100));
        assert.ok(moves.layouts <= 104, `${moves.layouts} layouts for 103 pointer events`);
      }
    });
  }

  test('start-up makes one WebGL context, and the program draws with it', async (t) => {
    const { page } = await openPage(t, '', {
      beforeLoad: (p) => p.evaluateOnNewDocument(() => {
        window.contexts = [];
        const getContext = HTMLCanvasElement.prototype.getContext;
        HTMLCanvasElement.prototype.getContext = function count(...args) {
          const context = getContext.apply(this, args);
          if (context && !window.contexts.includes(context)) window.contexts.push(context);
          return context;
        };
      }),
    });
    const [count, attributes] = await page.evaluate(() => [window.contexts.length, window.contexts[0].getContextAttributes()]);
    assert.equal(count, 1);
    assert.equal(attributes.preserveDrawingBuffer, true);
    assert.equal(attributes.antialias, false);
  });
});
