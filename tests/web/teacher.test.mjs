// What a teacher does with the picture, in headless Chromium: undo and redo
// whole changes, save the picture as the canvas's own pixels, record Play,
// print a worksheet, copy the link, read F4's speed, a refused pulse interval,
// colours the legend tells apart in every palette, and the first step in view.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { openPage, settle, drag, programReadouts, readCanvas, column, row, colourNear } from './browser.mjs';

const ctrl = async (page, key, shift = false) => {
  await page.keyboard.down('Control');
  if (shift) await page.keyboard.down('Shift');
  await page.keyboard.press(key);
  if (shift) await page.keyboard.up('Shift');
  await page.keyboard.up('Control');
  await settle(page);
};
const eventCount = (page) => page.evaluate(() => window.lorentzDemo.module._webEventCount());
// what the page hands the browser to download: the blob and its name
const keepDownloads = (page) => page.evaluateOnNewDocument(() => {
  window.downloads = [];
  const click = HTMLAnchorElement.prototype.click;
  HTMLAnchorElement.prototype.click = function keep() {
    if (this.download) window.downloads.push({ name: this.download, href: this.href });
    return click.call(this);
  };
});

// CIE76 from sRGB in 0..1
function lab(rgb) {
  const linear = rgb.map((c) => (c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4));
  const [r, g, b] = linear;
  const xyz = [(0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047, 0.2126 * r + 0.7152 * g + 0.0722 * b,
    (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883];
  const [fx, fy, fz] = xyz.map((v) => (v > 216 / 24389 ? Math.cbrt(v) : ((24389 / 27) * v + 16) / 116));
  return [116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)];
}

describe('what a teacher does with the picture', { concurrency: true }, () => {
  test('undo and redo: Clear all, a whole drag, with the buttons and the keys', async (t) => {
    const { page } = await openPage(t, '#demo=1&ev=1,0.5;0,1');
    await page.$eval('button[data-control="clear-events"]', (b) => b.click());
    await settle(page);
    assert.equal(await eventCount(page), 0);
    await ctrl(page, 'z');
    assert.equal(await eventCount(page), 2, 'Ctrl+Z brings the events back');
    await drag(page, [1], 200, 256, 300, 256, 25);
    const dragged = (await programReadouts(page)).velocity;
    assert.ok(dragged > 0.05);
    await ctrl(page, 'z');
    assert.equal((await programReadouts(page)).velocity, 0, 'the whole drag undone at once');
    assert.equal(await eventCount(page), 2);
    await ctrl(page, 'z', true);
    // a step is kept as its link: v to the digits that reopen its Lorentz factor
    assert.ok(Math.abs((await programReadouts(page)).velocity - dragged) < 1e-7, 'Ctrl+Shift+Z redoes it');
    await page.$eval('button[data-control="undo"]', (b) => b.click());
    await settle(page);
    assert.equal((await programReadouts(page)).velocity, 0, 'the Undo button');
    assert.equal(await page.$eval('button[data-control="undo"]', (b) => b.disabled), true, 'the undone Clear all left the history');
    await page.focus('input[data-control="event-x"]');
    await ctrl(page, 'y');
    assert.equal((await programReadouts(page)).velocity, 0, 'in a text field the keys are the field’s');
    await page.$eval('button[data-control="redo"]', (b) => b.click());
    await settle(page);
    assert.ok(Math.abs((await programReadouts(page)).velocity - dragged) < 1e-7, 'the Redo button');
  });

  test('Save picture: a PNG of the canvas at its device pixels, named after the state', async (t) => {
    const { page } = await openPage(t, '#demo=1&v=0.6&show=cones&ev=1,0.5', {
      viewport: { width: 800, height: 900, deviceScaleFactor: 2 }, beforeLoad: keepDownloads,
    });
    await page.click('button[data-control="save-picture"]');
    await page.waitForFunction(() => window.downloads.length === 1);
    const saved = await page.evaluate(async () => {
      const blob = await (await fetch(window.downloads[0].href)).blob();
      const image = await createImageBitmap(blob);
      const canvas = document.getElementById('canvas');
      const copy = (source) => {
        const c = document.createElement('canvas');
        [c.width, c.height] = [canvas.width, canvas.height];
        const context = c.getContext('2d');
        context.drawImage(source, 0, 0);
        return context.getImageData(0, 0, c.width, c.height).data;
      };
      const [a, b] = [copy(image), copy(canvas)];
      let differ = 0;
      for (let i = 0; i < a.length; ++i) differ += a[i] !== b[i];
      return { name: window.downloads[0].name, type: blob.type, size: [image.width, image.height], canvas: [canvas.width, canvas.height], differ };
    });
    assert.equal(saved.name, 'lorentz-F1-v0.60.png');
    assert.equal(saved.type, 'image/png');
    assert.deepEqual(saved.size, [1024, 1024]);
    assert.deepEqual(saved.canvas, [1024, 1024]);
    assert.equal(saved.differ, 0, 'the file is the canvas, pixel for pixel');
  });

  test('Record while the trip plays: a WebM video when Play ends', async (t) => {
    const { page } = await openPage(t, '#demo=3&tx=0.6&tt=1', { beforeLoad: keepDownloads });
    assert.equal(await page.$eval('button[data-control="record"]', (b) => b.hidden), false);
    await page.click('button[data-control="record"]');
    await page.click('#twins button[data-control="play"]');
    await page.waitForFunction(() => window.downloads.length === 1, { timeout: 30000 });
    const video = await page.evaluate(async () => {
      const blob = await (await fetch(window.downloads[0].href)).blob();
      return { name: window.downloads[0].name, type: blob.type, size: blob.size };
    });
    assert.equal(video.name, 'lorentz-F3-v0.00.webm');
    assert.equal(video.type, 'video/webm');
    assert.ok(video.size > 1000, `${video.size} bytes`);
    assert.equal(await page.$eval('button[data-control="record"]', (b) => b.textContent), 'Record');
  });

  test('printed as a worksheet: the picture and the legend in colour, no controls; a lesson leaves room to answer', async (t) => {
    const { page } = await openPage(t, '#lesson=time-dilation&step=2');
    await page.emulateMediaType('print');
    const printed = await page.evaluate(() => {
      const shown = (selector) => getComputedStyle(document.querySelector(selector)).display !== 'none';
      return {
        picker: shown('#demo-select'), canvas: shown('#canvas'), readouts: shown('#readouts'), legend: shown('#legend'),
        swatch: getComputedStyle(document.querySelector('#legend .swatch')).printColorAdjust,
        question: shown('#lesson-ask'), room: shown('.answer-space'), check: shown('[data-control="lesson-check"]'),
      };
    });
    assert.deepEqual(printed, { picker: false, canvas: true, readouts: true, legend: true, swatch: 'exact',
      question: true, room: true, check: false });
    const pdf = await page.pdf();
    assert.ok(pdf.length > 10000, 'a printout is made');
  });

  test('Copy link says what it did, and that a file’s link opens only where the file is', async (t) => {
    const { page } = await openPage(t, '#demo=2&v=0.5');
    await page.click('button[data-control="copy-link"]');
    await page.waitForFunction(() => document.getElementById('picture-status').textContent !== '');
    const said = await page.$eval('#picture-status', (e) => e.textContent);
    assert.match(said, /^(Link copied\.|The browser did not let the page copy; copy this address: file:\S+#demo=2&v=0\.5)/);
    assert.match(said, /opens only where the same file is: .* course site/);
  });

  test('F4’s velocity field shows the speed and its direction; a pulse interval out of range is refused and said', async (t) => {
    const { page } = await openPage(t, '#demo=4&boosts=0.6,0;0,0.6');
    const speed = Math.hypot(0.48, 0.6);
    assert.deepEqual(await page.$eval('#velocity-number', (e) => [e.value, e.disabled]), [speed.toFixed(2), false]);
    assert.equal(await page.$eval('#heading-number', (e) => e.value), ((Math.atan2(0.6, 0.48) * 180) / Math.PI).toFixed(1));
    const { page: trip } = await openPage(t, '#demo=3&tx=0.6&tt=1');
    await trip.$eval('#signal-interval', (e) => {
      e.value = '0.01';
      e.dispatchEvent(new Event('change'));
    });
    await settle(trip);
    assert.equal(await trip.$eval('#signal-interval', (e) => e.value), '0.2');
    assert.match(await trip.$eval('#signal-message', (e) => e.textContent), /0\.01 is not an interval between pulses: 0\.02 to 10/);
    assert.equal((await programReadouts(trip)).reunionHomeSent, 10, 'still a pulse every 0.2 of home’s 2');
  });

  test('in every palette the legend’s differently named colours are 20 apart or more; the first step is in view', async (t) => {
    const { page } = await openPage(t, '', { viewport: { width: 1366, height: 768 } });
    for (const palette of [1, 2]) { // the desktop's own colours are the desktop's
      const entries = await page.evaluate((p) => {
        const m = window.lorentzDemo.module;
        m._webSetPalette(p);
        return Array.from({ length: m._webPaletteEntryCount() }, (_, i) => ({
          name: m.UTF8ToString(m._webPaletteEntryName(i)), rgb: [...new Float32Array(m.HEAPF32.buffer, m._webPaletteEntryShown(i), 3)],
        }));
      }, palette);
      const close = [];
      for (const [i, a] of entries.entries()) {
        for (const b of entries.slice(i + 1)) {
          const [p, q] = [lab(a.rgb), lab(b.rgb)];
          const distance = Math.hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
          if (a.name !== b.name && distance < 20) close.push(`${a.name} and ${b.name}: ${distance.toFixed(1)}`);
        }
      }
      assert.deepEqual(close, [], `palette ${palette}`);
    }
    for (const viewport of [{ width: 1366, height: 768 }, { width: 1280, height: 900 }]) {
      await page.setViewport(viewport);
      const bottoms = await page.evaluate(() => ['#start-here', '#lesson-pick']
        .map((s) => document.querySelector(s).getBoundingClientRect().bottom));
      assert.ok(bottoms.every((b) => b > 0 && b <= viewport.height), `${bottoms} within ${viewport.height}`);
    }
    const { page: phone } = await openPage(t, '#demo=1&v=0.45&ev=1,0.5;0.3,0.9999999', { viewport: { width: 390, height: 844 } });
    const cells = await phone.$$eval('#events-body td[data-quantity]', (es) => es.map((e) => e.textContent));
    assert.ok(cells.every((c) => /^-?\d+\.\d{3}$/.test(c)), cells.join(' '));
    assert.equal(await phone.evaluate(() => document.documentElement.scrollWidth), 390, 'no sideways scrolling');
    assert.ok((await readCanvas(phone)).width > 0);
  });
});

describe('labels on the diagram', { concurrency: true }, () => {
  test('on by default in every palette and at ratio 2, off with labels=0 as on the desktop', async (t) => {
    const pictureOf = async (hash, ratio) => {
      const { page } = await openPage(t, hash, { viewport: { width: 800, height: 900, deviceScaleFactor: ratio } });
      return [await readCanvas(page), page];
    };
    // pixels changed by the labels where the number 1 stands under the x axis
    const changed = (a, b) => {
      let count = 0;
      for (let x = Math.round(a.width * (0.5 + 0.9 / 4)); x < a.width * (0.5 + 1.1 / 4); ++x) {
        for (let y = Math.round(a.height * (0.5 + 0.03 / 4)); y < a.height * (0.5 + 0.2 / 4); ++y) {
          count += a.at(x, y).some((c, k) => Math.abs(c - b.at(x, y)[k]) > 60);
        }
      }
      return count;
    };
    for (const colours of ['', '&colours=high-contrast', '&colours=dark']) {
      for (const ratio of [1, 2]) {
        const [[on], [off, page]] = await Promise.all([pictureOf(`#demo=1${colours}`, ratio), pictureOf(`#demo=1${colours}&labels=0`, ratio)]);
        const count = changed(on, off);
        assert.ok(count >= 6 * ratio * ratio, `${colours || 'desktop colours'} at ratio ${ratio}: ${count} pixels of the number 1`);
        assert.match(await page.evaluate(() => window.lorentzDemo.link()), /labels=0/);
        await page.close();
      }
    }
  });
});

describe('the room and the screen', { concurrency: true }, () => {
  test('full screen at 1920x1080: the panel scaled, what is in use fitting beside the picture; headings fold', async (t) => {
    for (const hash of ['#lesson=time-dilation&step=3', '#demo=1&ev=1,0.5;-0.5,0.2&show=axes']) {
      const { page } = await openPage(t, hash, { viewport: { width: 1920, height: 1080 } });
      await page.click('#fullscreen-button');
      await page.waitForFunction(() => document.getElementById('fullscreen-button').getAttribute('aria-pressed') === 'true');
      await settle(page);
      const shown = await page.evaluate(() => {
        const panel = document.getElementById('panel');
        return { zoom: Number(getComputedStyle(panel).zoom), fits: panel.scrollHeight <= panel.clientHeight,
          picture: document.getElementById('canvas').clientWidth };
      });
      assert.ok(shown.zoom > 1.3 && shown.fits && shown.picture === 1056, `${hash}: ${JSON.stringify(shown)}`);
      const overlays = '#frames .checks';
      assert.equal(await page.$eval(overlays, (e) => getComputedStyle(e).display), 'none', 'the events folded');
      await page.click('#frames h2 .fold');
      await settle(page);
      assert.notEqual(await page.$eval(overlays, (e) => getComputedStyle(e).display), 'none', 'unfolded by its heading');
    }
  });

  test('a portrait tablet filling its window keeps the picture to its share; the legend follows a palette at once', async (t) => {
    const { page } = await openPage(t, '#demo=1', { viewport: { width: 768, height: 1024 } });
    await page.click('#fullscreen-button');
    await page.waitForFunction(() => document.getElementById('fullscreen-button').getAttribute('aria-pressed') === 'true');
    await settle(page);
    // 12 px around: (1024 - 24) x 0.6 of the height for the picture, the numbers below
    assert.equal(await page.$eval('#canvas', (c) => c.clientWidth), 600);
    const { page: legend } = await openPage(t, '#demo=1');
    await legend.select('select[data-control="palette"]', 'dark');
    await settle(legend);
    const first = await legend.$eval('#legend-list li', (li) => [li.querySelector('b').textContent, li.querySelector('.swatch').style.background]);
    assert.deepEqual(first, ['orange red', 'rgb(255, 122, 61)'], 'the dark palette’s name and colour, without a change of demonstration');
  });

  test('points and lines scale with the pixel ratio; the traveller’s line of simultaneity runs through the traveller', async (t) => {
    const markArea = async (ratio) => {
      const { page } = await openPage(t, '#demo=1&ev=0.5,0.5&labels=0', { viewport: { width: 800, height: 900, deviceScaleFactor: ratio } });
      const image = await readCanvas(page);
      let count = 0;
      for (let y = 0; y < image.height; ++y) {
        for (let x = 0; x < image.width; ++x) {
          const [r, g, b] = image.at(x, y);
          count += r < 40 && g > 90 && g < 140 && b < 40; // the event's dark green
        }
      }
      return count;
    };
    const [one, two] = [await markArea(1), await markArea(2)];
    assert.ok(Math.abs(two / one - 4) < 0.6, `the mark and its letter: ${one} pixels at ratio 1, ${two} at ratio 2`);

    // at tau = 0.5 the traveller is at (0.375, 0.625), going out at 0.6: its "now" is t - 0.625 = 0.6 (x - 0.375)
    const { page } = await openPage(t, '#demo=3&tx=0.6&tt=1&tau=0.5&sig=0&labels=0');
    const image = await readCanvas(page);
    const MAGENTA = [255, 0, 255];
    for (const dx of [-0.5, -0.25, 0.25, 0.5]) {
      assert.ok(colourNear(image, column(0.375 + dx), row(0.625 + 0.6 * dx - 1), MAGENTA, 2), `magenta at dx ${dx}`);
    }
    assert.ok(!colourNear(image, column(0.875), row(0.625 - 1), MAGENTA, 2), 'not level through the traveller');
  });
});

describe('the browser’s menu on the picture', () => {
  test('a right click without a drag leaves the browser its own menu; a right drag does not', async (t) => {
    const { page } = await openPage(t, '#demo=1');
    const menuAllowed = () => page.$eval('#canvas', (c) => c.dispatchEvent(new MouseEvent('contextmenu', { cancelable: true, bubbles: true })));
    await drag(page, [3], 256, 256, 256, 256, 0); // pressed and released where it was
    assert.equal(await menuAllowed(), true, 'after a click');
    await drag(page, [3], 256, 256, 296, 236, 10);
    assert.equal(await menuAllowed(), false, 'after a drag');
  });
});
