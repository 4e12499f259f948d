// Screenshots of the web page for the README, taken by headless Chromium:
//   web-page.png    the 3D searchlight boosted right, then up, with the panel
//                   showing the rotation the two boosts leave behind
//   web-frames.png  F1 with the own frame's axes, lines of simultaneity, light
//                   cones and three events, with their table
//   web-trip.png    the twins' trip in four frames: going out, just before and
//                   just after the turnaround, and the reunion
//   web-camera.png  the camera's picture alone: F9's sphere at 0.6 c as a ruler
//                   has it and as the camera sees it at time 0, receding at 1.5
//                   in Doppler colour, and F8's cube at 1.5
//   web-de.png, web-ar.png  the page in German (a lesson) and in Arabic (right to left)
// Usage: node tools/page-screenshot.mjs [folder]  (default docs)
import { join } from 'node:path';
import { launchBrowser, openPage, pressKey, drag, settle } from '../tests/web/browser.mjs';

const folder = process.argv[2] || 'docs';
const browser = await launchBrowser();

const { page } = await openPage(null, '', { browser, viewport: { width: 920, height: 900 } });
await pressKey(page, 'F4');
await drag(page, [1], 256, 256, 336, 256, 40);
await drag(page, [1], 256, 256, 256, 176, 40);
await page.screenshot({ path: join(folder, 'web-page.png'), clip: { x: 0, y: 0, width: 920, height: 900 } });

const frames = '#demo=1&v=0.45&ev=1,0.5;-0.5,0.2;0,1.2&show=axes,simultaneity,cones';
const { page: twoFrames } = await openPage(null, frames, { browser, viewport: { width: 920, height: 1000 } });
await settle(twoFrames);
const table = await twoFrames.$eval('#events', (e) => e.getBoundingClientRect().bottom);
await twoFrames.screenshot({ path: join(folder, 'web-frames.png'), clip: { x: 0, y: 0, width: 920, height: Math.ceil(table) + 12 } });

// the trip: each moment's canvas, then the four side by side
const shots = [];
for (const tau of [0.4, 0.79, 0.8, 1.6]) {
  const { page: trip } = await openPage(null, `#demo=3&tx=0.6&tt=1&tau=${tau}`, { browser });
  await settle(trip);
  shots.push(await trip.$eval('#canvas', (c) => c.toDataURL('image/png')));
  await trip.close();
}
// four canvases side by side
async function strip(canvases, name) {
  const page = await browser.newPage();
  await page.setViewport({ width: 4 * 256 + 3 * 8, height: 256 });
  await page.setContent(`<body style="margin:0;display:flex;gap:8px;background:#fff">${
    canvases.map((s) => `<img src="${s}" width="256" height="256">`).join('')}</body>`);
  await page.screenshot({ path: join(folder, name) });
}
await strip(shots, 'web-trip.png');

const cameras = [];
for (const hash of ['#demo=9&boosts=0.6,0&view=camera&delay=0', '#demo=9&boosts=0.6,0&view=camera&doppler=1',
  '#demo=9&boosts=0.6,0&look=1.5&view=camera&doppler=1', '#demo=8&boosts=0.6,0&look=1.5&view=camera']) {
  const { page: camera } = await openPage(null, hash, { browser });
  await settle(camera);
  cameras.push(await camera.$eval('#canvas', (c) => c.toDataURL('image/png')));
  await camera.close();
}
await strip(cameras, 'web-camera.png');

// the page in two other languages: German in a lesson, Arabic right to left with events
for (const [hash, name] of [['#lang=de&lesson=time-dilation&step=3', 'web-de.png'],
  ['#lang=ar&demo=1&v=-0.45&ev=1,0.5;-0.5,0.2&show=axes,simultaneity', 'web-ar.png']]) {
  const { page: language } = await openPage(null, hash, { browser, viewport: { width: 920, height: 640 } });
  await settle(language);
  await language.screenshot({ path: join(folder, name), clip: { x: 0, y: 0, width: 920, height: 640 } });
  await language.close();
}

await browser.close();
console.log(`Screenshots written to ${folder}: web-page.png, web-frames.png, web-trip.png, web-camera.png, web-de.png, web-ar.png`);
