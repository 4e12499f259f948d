// Every test of the web page in one process, side by side in two headless
// Chromiums (and a smoke test in Firefox): the page as a user meets it, the teaching panel, the classroom
// (screens, mixed input, keyboard, colours, speech), two frames and events,
// the twins in time, lessons, the 3D scenes and the camera's picture, the accelerated observers, what a frame
// costs, every state a link can carry, the boundaries, the page's packing, its languages, and the
// cross-check with the desktop program.
// node --test all.test.mjs (ctest's "web" runs it).
import { describe, after } from 'node:test';
import { closeSharedBrowser } from './browser.mjs';

describe('the web page', { concurrency: true }, async () => {
  after(closeSharedBrowser);
  // the cross-check first: the desktop's pictures are then taken while the rest runs
  await import('./crosscheck.test.mjs');
  await import('./twins.test.mjs');
  await import('./page.test.mjs');
  await import('./panel.test.mjs');
  await import('./classroom.test.mjs');
  await import('./frames.test.mjs');
  await import('./lessons.test.mjs');
  await import('./scenes.test.mjs');
  await import('./rocket.test.mjs');
  await import('./camera.test.mjs');
  await import('./costs.test.mjs');
  await import('./teacher.test.mjs');
  await import('./state.test.mjs');
  await import('./boundaries.test.mjs');
  await import('./unpack.test.mjs');
  await import('./messages.test.mjs');
  await import('./languages.test.mjs');
  await import('./firefox.test.mjs');
});
