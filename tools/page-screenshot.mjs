// Screenshot of the web page for the README, taken by headless Chromium: the
// 3D searchlight boosted right, then up, with the teaching panel showing the
// rotation the two boosts leave behind.
// Usage: node tools/page-screenshot.mjs [out.png]  (default docs/web-page.png)
import { launchBrowser, openPage, pressKey, drag } from '../tests/web/browser.mjs';

const out = process.argv[2] || 'docs/web-page.png';
const browser = await launchBrowser();
const { page } = await openPage(browser);
await page.setViewport({ width: 920, height: 640 });
await pressKey(page, 'F4');
await drag(page, [1], 256, 256, 336, 256, 40);
await drag(page, [1], 256, 256, 256, 176, 40);
await page.screenshot({ path: out, clip: { x: 0, y: 0, width: 920, height: 640 } });
await browser.close();
console.log(`Screenshot written to ${out}`);
