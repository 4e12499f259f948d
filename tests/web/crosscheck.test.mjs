// One standard for both builds: the desktop program through XTest (lorentz-play)
// and the page, given the same keys and drags, draw the same picture: each
// colour's pixels have a pixel of that colour within 2 px in the other picture.
// Allowances where rasterisers differ are explained at their constants.
import { describe, test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFile } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { openPage, readCanvas, pressKey, drag } from './browser.mjs';

const TOLERANCE_PX = 2;
// A feature moved or missing fails whole. At most 2% of a colour may stray
// where primitives cross or overlap: the desktop paints a half-covered pixel
// at the edge of an anti-aliased line in full, so its lines hide a pixel more
// of a lattice point lying on them than the page's exact widths do.
const STRAY_SHARE = 0.02;
// A colour of fewer pixels is no feature: for a zero-length wide line (the
// twin's velocity bar at rest) the desktop draws a dot where GL's rectangle is empty.
const SMALLEST_FEATURE = 10;
const SCRIPTS = {
  'F1 boosted right': ['key:F1', 'drag:1:256,300:356,300:50'],
  'F2 boosted left': ['key:F2', 'drag:1:356,300:256,300:50'],
  'F3 turnaround moved, then boosted': ['key:F3', 'drag:2:256,300:300,240:40', 'drag:1:256,300:300,300:30'],
  'F4 boosted diagonally': ['key:F4', 'drag:1:256,256:300,212:20'],
  'F4 boosted, then rotated': ['key:F4', 'drag:1:256,256:306,256:25', 'drag:3:256,256:286,226:30'],
  'F1 panned and rotated': ['key:F1', 'drag:1+2:256,256:296,236:20', 'drag:3:300,300:330,280:20'],
  'F12 icosahedron rotated': ['key:F12', 'drag:3:200,256:260,300:30'],
  // the 3D scenes: the desktop draws them with LORENTZ_SCENES=1
  'F5 cone boosted': { scenes: true, steps: ['key:F5', 'drag:1:230,256:280,256:25'] },
  'F6 cone boosted diagonally, then rotated': {
    scenes: true, steps: ['key:F6', 'drag:1:256,256:274,238:12', 'drag:3:256,256:276,236:20'] },
  'F7 gyroscope boosted': { scenes: true, steps: ['key:F7', 'drag:1:256,256:236,276:15'] },
  'F8 square seen, boosted': { scenes: true, steps: ['key:F8', 'drag:1:230,256:280,256:10'] },
  'F9 disk seen, boosted': { scenes: true, steps: ['key:F9', 'drag:1:230,256:280,256:10'] },
  // the accelerated observers, which the desktop draws at τ = 1 with LORENTZ_SCENES=1
  'F10 rocket boosted': { scenes: true, steps: ['key:F10', 'drag:1:230,300:280,300:20'] },
  'F11 ships boosted left': { scenes: true, steps: ['key:F11', 'drag:1:280,300:230,300:15'] },
  // 150 px a move: beta 0.99 each, the rod's world line swings behind the eye
  'F4 flicked hard, then rotated': ['key:F4', 'drag:1:50,256:350,256:2', 'drag:3:256,256:226,296:40'],
  // the page's one-pointer modes against the desktop's buttons
  'rotate mode as a right drag': {
    desktop: ['key:F4', 'drag:3:256,256:296,226:30'], web: ['key:F4', 'mode:rotate', 'drag:1:256,256:296,226:30'] },
  'pan mode as a left+middle drag': {
    desktop: ['key:F1', 'drag:1+2:256,256:216,286:20'], web: ['key:F1', 'mode:pan', 'drag:1:256,256:216,286:20'] },
  'depth pan mode as Shift+left+middle': {
    desktop: ['key:F4', 'drag:shift+1+2:256,256:286,216:30'], web: ['key:F4', 'mode:depth-pan', 'drag:1:256,256:286,216:30'] },
  'turnaround mode as a middle drag': {
    desktop: ['key:F3', 'drag:2:256,300:310,250:30'], web: ['key:F3', 'mode:turnaround', 'drag:1:256,300:310,250:30'] },
};

// Feature colours of the demonstrations. Lit pixels (r = g, no blue, yellow at
// full light) inside a uniformly lit patch of a face keep their brightness, a
// number that matches within LIT_TOLERANCE levels; elsewhere (lit lines, face
// borders) only the position counts: where two faces of the wire cube share
// an edge, which face's shade wins the depth tie differs between rasterisers.
const LIT_TOLERANCE = 12;
const SURFACE_RADIUS = 2; // pixels: the patch about a surface pixel
const PALETTE = {
  red: [255, 0, 0], blue: [0, 0, 255], cyan: [0, 255, 255], black: [0, 0, 0], green: [0, 255, 0],
  teal: [0, 204, 204], orange: [255, 102, 0], scale: [51, 51, 255], grey: [51, 51, 51],
  magenta: [255, 0, 255], sky: [77, 153, 255], 'dark green': [0, 115, 0], 'mid grey': [128, 128, 128],
  violet: [153, 0, 204], salmon: [255, 140, 140],
};
function classify([r, g, b]) {
  if (r > 200 && g > 200 && b > 200) return null;
  if (Math.abs(r - g) < 30 && b < 60 && r > 100) return r;
  for (const [name, c] of Object.entries(PALETTE)) {
    if (Math.abs(r - c[0]) <= 40 && Math.abs(g - c[1]) <= 40 && Math.abs(b - c[2]) <= 40) return name;
  }
  return null;
}

function classes(image) {
  const { width, height } = image;
  const map = new Array(width * height);
  for (let y = 0; y < height; ++y) {
    for (let x = 0; x < width; ++x) map[y * width + x] = classify(image.at(x, y));
  }
  const litLike = (x, y, c) => {
    const k = x >= 0 && y >= 0 && x < width && y < height ? map[y * width + x] : null;
    return typeof k === 'number' && Math.abs(k - c) <= LIT_TOLERANCE;
  };
  const surface = map.map((c, i) => {
    if (typeof c !== 'number') return c;
    const x = i % width, y = Math.floor(i / width);
    for (let dy = -SURFACE_RADIUS; dy <= SURFACE_RADIUS; ++dy) {
      for (let dx = -SURFACE_RADIUS; dx <= SURFACE_RADIUS; ++dx) if (!litLike(x + dx, y + dy, c)) return 'lit line';
    }
    return c;
  });
  return { width, height, map: surface };
}

// a surface pixel matches a lit pixel of close brightness; a lit line any lit pixel
function sameFeature(a, b) {
  if (typeof a === 'number') return typeof b === 'number' && Math.abs(a - b) <= LIT_TOLERANCE;
  if (a === 'lit line') return b === 'lit line' || typeof b === 'number';
  return a === b;
}

const label = (c) => (typeof c === 'number' ? 'lit surface' : c);

// Pixels of a class in `from` with no pixel of that class within the tolerance in `to`.
function strays(from, to) {
  const found = {};
  for (let y = 0; y < from.height; ++y) {
    for (let x = 0; x < from.width; ++x) {
      const c = from.map[y * from.width + x];
      if (!c) continue;
      let near = false;
      for (let dy = -TOLERANCE_PX; dy <= TOLERANCE_PX && !near; ++dy) {
        for (let dx = -TOLERANCE_PX; dx <= TOLERANCE_PX && !near; ++dx) {
          const px = x + dx, py = y + dy;
          near = px >= 0 && py >= 0 && px < to.width && py < to.height && sameFeature(c, to.map[py * to.width + px]);
        }
      }
      if (!near) (found[label(c)] ||= []).push([x, y]);
    }
  }
  return found;
}

function pixelCount(picture, c) {
  return picture.map.filter((k) => label(k) === c).length;
}

function readPpm(path) {
  const bytes = readFileSync(path);
  const header = bytes.toString('latin1', 0, 32).match(/^P6\s+(\d+)\s+(\d+)\s+255\s/);
  const [width, height, offset] = [Number(header[1]), Number(header[2]), header[0].length];
  return { width, height, at: (x, y) => [...bytes.subarray(offset + (y * width + x) * 3, offset + (y * width + x) * 3 + 3)] };
}

// One X display: the desktop pictures are taken one at a time, while the
// page's pictures are drawn beside them.
let desktopQueue = Promise.resolve();
function desktopPicture(steps, name, scenes) {
  const play = process.env.LORENTZ_PLAY, program = process.env.LORENTZ_DEMO_PATH;
  assert.ok(play && program, 'LORENTZ_PLAY and LORENTZ_DEMO_PATH name the desktop tools (ctest sets them)');
  assert.ok(process.env.DISPLAY, 'the desktop program needs an X display');
  const out = join(folder, `${name.replace(/\W+/g, '-')}.ppm`);
  const run = () => new Promise((resolve, reject) => {
    const env = { ...process.env, ...(scenes ? { LORENTZ_SCENES: '1' } : {}) };
    execFile(play, [program, out, ...steps], { timeout: 60000, env }, (error, stdout, stderr) => {
      if (error) reject(new Error(`lorentz-play failed: ${error.message}\n${stderr}`));
      else resolve(readPpm(out));
    });
  });
  const picture = desktopQueue.then(run);
  desktopQueue = picture.catch(() => {});
  return picture;
}

async function webPicture(t, steps) {
  const { page } = await openPage(t, '#labels=0'); // the desktop draws no labels
  for (const step of steps) {
    const [kind, a, from, to, count] = step.split(':');
    if (kind === 'key') {
      await pressKey(page, a);
    } else if (kind === 'mode') {
      await page.select('#drag-mode', a);
    } else {
      const [x0, y0] = from.split(',').map(Number), [x1, y1] = to.split(',').map(Number);
      await drag(page, a.split('+').map(Number), x0, y0, x1, y1, Number(count));
    }
  }
  const image = await readCanvas(page);
  await page.close();
  return image;
}

let folder;
const desktopPictures = new Map();
describe('desktop and page', { concurrency: true }, () => {
  // the desktop's pictures are taken one after another from the start, beside the page's tests
  before(() => {
    folder = mkdtempSync(join(tmpdir(), 'lorentz-crosscheck-'));
    for (const [name, script] of Object.entries(SCRIPTS)) {
      const picture = desktopPicture(script.desktop || script.steps || script, name, script.scenes);
      picture.catch(() => {}); // reported by its test
      desktopPictures.set(name, picture);
    }
  });
  after(() => rmSync(folder, { recursive: true, force: true }));

  for (const [name, script] of Object.entries(SCRIPTS)) {
    test(`desktop and page agree: ${name}`, async (t) => {
      const [desktopImage, webImage] = await Promise.all([desktopPictures.get(name), webPicture(t, script.web || script.steps || script)]);
      const desktop = classes(desktopImage), web = classes(webImage);
      const report = [];
      for (const [label, [from, to]] of Object.entries({ 'desktop only': [desktop, web], 'page only': [web, desktop] })) {
        for (const [c, pixels] of Object.entries(strays(from, to))) {
          const count = pixelCount(from, c);
          if (count < SMALLEST_FEATURE || pixels.length <= STRAY_SHARE * count) continue;
          report.push(`${label}: ${pixels.length} ${c} pixels, e.g. at ${pixels.slice(0, 4).map((p) => `(${p})`).join(' ')}`);
        }
      }
      assert.deepEqual(report, [], report.join('\n'));
    });
  }
});
