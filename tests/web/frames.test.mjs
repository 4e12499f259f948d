// Two frames on one diagram in headless Chromium: typed events read back in
// both frames against the closed forms, the pair velocities applied through
// the velocity control, marks and the x' axis where the coordinates put them
// (and nothing new with the overlays off), a tap that places an event under
// the pointer, links that reopen it all, and hostile event lists.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import {
  openPage, readCanvas, drag, touchDrag, column, row, colourNear, programReadouts, assertNear, settle, linkOf,
  inBatches, typeNumber,
} from './browser.mjs';

const DARK_GREEN = [0, 115, 0], VIOLET = [153, 0, 204];

// the events table: { A: { x, t, xOwn, tOwn, interval }, ... } as shown
async function eventTable(page) {
  return page.$$eval('#events-body tr', (rows) => Object.fromEntries(rows.map((r) => [r.dataset.event,
    Object.fromEntries([...r.querySelectorAll('td[data-quantity]')].map((c) => [c.dataset.quantity, Number(c.textContent)]))])));
}

async function typeEvent(page, x, t) {
  for (const [control, value] of [['event-x', x], ['event-t', t]]) {
    await page.$eval(`input[data-control="${control}"]`, (e, v) => { e.value = v; }, String(value));
  }
  await page.click('button[data-control="add-event"]');
  await settle(page);
}

const setVelocity = (page, v) => typeNumber(page, 'input[data-control="velocity"]:not([type="range"])', v);

describe('two frames and events', { concurrency: true }, () => {
  test('typed events in both frames, and the pair velocities through the velocity control', async (t) => {
    const { page } = await openPage(t);
    await typeEvent(page, 1, 0.5);
    await typeEvent(page, -0.5, 0.2);
    await setVelocity(page, 0.6);
    const g = 1.25;
    let table = await eventTable(page);
    for (const [name, [x, tt]] of Object.entries({ A: [1, 0.5], B: [-0.5, 0.2] })) {
      assertNear(table[name].xOwn, x, `${name} x'`);
      assertNear(table[name].tOwn, tt, `${name} t'`);
      assertNear(table[name].x, g * (x + 0.6 * tt), `${name} x`);
      assertNear(table[name].t, g * (tt + 0.6 * x), `${name} t`);
      assertNear(table[name].interval, tt * tt - x * x, `${name} interval`);
    }
    // A's mark where its coordinates put it
    assert.ok(colourNear(await readCanvas(page), column(g * 1.3), row(g * 1.1), DARK_GREEN, 2), 'mark of A');

    let q = await programReadouts(page);
    assert.equal(await page.$eval('[data-quantity="pairKind"]', (e) => e.textContent), 'spacelike');
    assertNear(q.pairInterval, 0.09 - 2.25, 'interval of A and B', 1e-12);
    assertNear(q.pairSimultaneousAt, -0.2, 'simultaneous at', 1e-12);
    await page.click('button[data-control="pair-apply"]');
    await settle(page);
    q = await programReadouts(page);
    assertNear(q.velocity, -0.2, 'velocity set', 1e-12);
    assert.equal(await page.$eval('[data-quantity="pairFirstDiagram"]', (e) => e.textContent), 'both at once');
    table = await eventTable(page);
    assert.equal(table.A.t, table.B.t, 'A and B simultaneous in the picture');
    await setVelocity(page, -0.5); // past it, the order turns
    assert.equal(await page.$eval('[data-quantity="pairFirstDiagram"]', (e) => e.textContent), 'A');
    assert.equal(await page.$eval('[data-quantity="pairFirstOwn"]', (e) => e.textContent), 'B');

    // a timelike pair: at one place at the velocity named, in the same order in every frame
    await typeEvent(page, 0.7, 2.2);
    const gb = 1 / Math.sqrt(0.75), xB = gb * (-0.5 - 0.5 * 0.2), tB = gb * (0.2 + 0.5 * 0.5); // B at v = -0.5
    assert.equal(await page.$eval('[data-quantity="pairKind"]', (e) => e.textContent), 'timelike');
    await page.click('button[data-control="pair-apply"]');
    await settle(page);
    table = await eventTable(page);
    assertNear(table.C.x, table.B.x, 'B and C at one place', 1e-3);
    assertNear((await programReadouts(page)).pairProperTime, Math.sqrt((2.2 - tB) ** 2 - (0.7 - xB) ** 2),
      'proper time of B to C', 1e-9);
    assert.match(await page.$eval('#pair-note', (e) => e.textContent), /^Timelike: every frame sees B first/);
  });

  test("the x' axis where t' = 0 falls, and nothing new drawn with the overlays off", async (t) => {
    const { page } = await openPage(t, '#demo=1&v=0.6');
    const plain = await readCanvas(page);
    await page.click('input[data-control="show-axes"]');
    const withAxes = await readCanvas(page);
    for (const x of [-1.5, 0.8, 1.5]) {
      assert.ok(colourNear(withAxes, column(x), row(0.6 * x), VIOLET, 2), `x' axis at x = ${x}`);
    }
    assert.ok(!colourNear(plain, column(1.5), row(0.9), VIOLET, 2));
    await page.click('input[data-control="show-axes"]');
    const after = await readCanvas(page);
    let differing = 0;
    for (let y = 0; y < 512; ++y) for (let x = 0; x < 512; ++x) if (after.at(x, y).join() !== plain.at(x, y).join()) ++differing;
    assert.equal(differing, 0, 'pixels changed by overlays turned on and off');
  });

  test('a tap in the place-an-event mode puts an event under the finger, in F1 and in F3', async (t) => {
    const { page } = await openPage(t, '#demo=1&v=0.3');
    await page.select('#drag-mode', 'place-event');
    await touchDrag(page, [[[column(0.5), row(-0.75)], [column(0.5), row(-0.75)]]]);
    let table = await eventTable(page);
    assertNear(table.A.x, 0.5, 'tapped x', 0.01);
    assertNear(table.A.t, -0.75, 'tapped t', 0.01);
    assertNear((await programReadouts(page)).velocity, 0.3, 'a tap boosts nothing', 1e-12);
    await page.keyboard.press('F3');
    await page.mouse.click(...(await page.$eval('#canvas', (c) => [c.getBoundingClientRect().left, c.getBoundingClientRect().top]))
      .map((o, i) => o + (i === 0 ? column(-0.5) : row(0.2 - 1))));
    await settle(page);
    table = await eventTable(page);
    assertNear(table.B.x, -0.5, 'F3 tapped x', 0.01);
    assertNear(table.B.t, 0.2, 'F3 tapped t, from the departure', 0.01);
  });

  test('a link reopens the events, the velocity, the overlays and the turnaround', async (t) => {
    const { page } = await openPage(t);
    await page.keyboard.press('F3');
    await drag(page, [2], 256, 300, 296, 260, 20); // the turnaround by (0.2, 0.2)
    await typeEvent(page, 0.3, 0.7);
    await typeEvent(page, -0.2, 1.1);
    await page.click('input[data-control="show-simultaneity"]');
    await setVelocity(page, -0.35);
    const hash = await linkOf(page);
    assert.match(hash, /^#demo=3&v=-0\.35&tx=0\.3&tt=1\.2&ev=[^&]+&show=simultaneity$/);
    const before = { ...(await programReadouts(page)), ...(await eventTable(page)) };
    const { page: reopened, lines } = await openPage(t, hash);
    const after = { ...(await programReadouts(reopened)), ...(await eventTable(reopened)) };
    assert.deepEqual(Object.keys(after), Object.keys(before));
    for (const [name, value] of Object.entries(before)) {
      if (typeof value === 'number') assert.ok(Object.is(value, after[name]) || Math.abs(value - after[name]) < 1e-9, name);
      else assert.deepEqual(after[name], value, name);
    }
    assert.equal(await reopened.$eval('input[data-control="show-simultaneity"]', (e) => e.checked), true);
    assert.ok(!lines.some((l) => l.startsWith('Link ignored')), lines.join('\n'));
  });

  test('hostile event lists and overlays are ignored with a console line and leave a working page', async (t) => {
    const many = Array.from({ length: 30 }, (_, i) => `${i / 10},${i / 5}`).join(';');
    await inBatches([[`#ev=${many}`, 26], ['#ev=1,2,3;0.5,0.5', 1], ['#ev=a,b;1e400,0;;0,0', 1],
      ['#show=axes,everything', 0], ['#demo=3&tx=5&tt=1', 0], [`#ev=${'9,'.repeat(20000)}`, 0]], async ([hash, events]) => {
      const { page, lines, errors } = await openPage(t, hash);
      assert.ok(lines.some((l) => l.startsWith('Link ignored in part')), `no console line for ${hash.slice(0, 40)}`);
      assert.deepEqual(errors, []);
      assert.equal(await page.$$eval('#events-body tr', (r) => r.length), events, hash.slice(0, 40));
      await drag(page, [1], 256, 300, 266, 300, 10);
      assert.ok(Math.abs((await programReadouts(page)).velocity) > 0.05, `${hash.slice(0, 40)}: no boost`);
      await page.close();
    });
  });
});

describe('events a teacher can handle', { concurrency: true }, () => {
  const count = (page) => page.evaluate(() => window.lorentzDemo.module._webEventCount());
  test('letters stay with their events; Enter adds; the own frame can be typed; focus goes on after a delete', async (t) => {
    const { page } = await openPage(t, '#demo=1&ev=1,0.5;-0.5,0.2;0,1.5');
    await page.click('#events-body tr[data-event="B"] button[data-remove]');
    await settle(page);
    assert.deepEqual(Object.keys(await eventTable(page)), ['A', 'C']);
    assert.equal(await page.evaluate(() => document.activeElement.getAttribute('aria-label')), 'Remove event C');
    await setVelocity(page, 0.6);
    await page.select('select[data-control="event-frame"]', 'own');
    await page.$eval('input[data-control="event-x"]', (e) => { e.value = '0.25'; });
    await page.focus('input[data-control="event-t"]');
    await page.keyboard.press('Enter');
    await settle(page);
    const table = await eventTable(page);
    assert.deepEqual(Object.keys(table), ['A', 'C', 'D'], 'B comes back only after Clear all');
    assertNear(table.D.xOwn, 0.25, "D's x' as typed");
    assertNear(table.D.x, 1.25 * (0.25 + 0.6 * 0.5), "D's x as drawn", 1e-3);
    assert.match(await linkOf(page), /&letters=ACD/);
    const { page: reopened } = await openPage(t, (await linkOf(page)));
    assert.deepEqual(Object.keys(await eventTable(reopened)), ['A', 'C', 'D']);
  });

  test('in place mode: a press on an event takes it, a drag moves it, taps snap to 0.05; arrows place nothing', async (t) => {
    const { page } = await openPage(t, '#demo=1&ev=1,0.5;-0.5,0.2');
    await page.select('#drag-mode', 'place-event');
    await drag(page, [1], column(1), row(0.5), column(1.3), row(1.1), 10); // A from (1, 0.5)
    let table = await eventTable(page);
    assert.equal(await count(page), 2, 'nothing added');
    assert.deepEqual([table.A.x, table.A.t], [1.3, 1.1], 'A moved, to the 0.05 grid');
    await drag(page, [1], column(-0.5), row(0.2), column(-0.5), row(0.2), 1); // a tap on B
    assert.equal(await count(page), 2, 'a tap on an event adds none');
    assert.deepEqual(await page.$$eval('#pair select', (s) => s.map((e) => e.selectedOptions[0].textContent)), ['A', 'B']);
    await drag(page, [1], column(0.42), row(-0.61), column(0.42), row(-0.61), 1);
    table = await eventTable(page);
    const onGrid = (v) => Math.abs(Math.round(v * 20) - v * 20) < 1e-6;
    assert.ok(onGrid(table.C.x) && onGrid(table.C.t), `C at ${table.C.x}, ${table.C.t}`);
    await page.$eval('input[data-control="snap"]', (box) => box.click()); // without scrolling the picture away
    await drag(page, [1], column(-0.42), row(-0.61), column(-0.42), row(-0.61), 1);
    assert.ok(!onGrid((await eventTable(page)).D.x), 'placed freely');
    await page.focus('#canvas');
    await page.keyboard.press('ArrowRight');
    await settle(page);
    assert.equal(await count(page), 4, 'an arrow key places no event');
  });

  test('the pair: its chooser stays whatever is chosen; two events at one place and time are the same event', async (t) => {
    const { page } = await openPage(t, '#demo=1&ev=1,0.5;1,0.5');
    assert.equal(await page.$eval('[data-quantity="pairKind"]', (e) => e.textContent), 'the same event');
    assert.match(await page.$eval('#pair-note', (e) => e.textContent), /^A and B are the same event/);
    await page.select('select[data-control="pair-second"]', '0');
    await settle(page);
    assert.equal(await page.$eval('#pair', (e) => e.hidden), false);
    assert.deepEqual(await page.$$eval('#pair select', (s) => s.map((e) => e.hidden || e.closest('[hidden]') !== null)), [false, false]);
    assert.match(await page.$eval('#pair-note', (e) => e.textContent), /A is chosen twice/);
  });
});
