// Screenshot of the web page for the README, taken by headless Chromium: the
// time-dilation diagram after a rightward boost, with the teaching panel.
// Usage: node tools/page-screenshot.mjs [out.png]  (default docs/web-page.png)
import { launchBrowser, openPage, drag } from '../tests/web/browser.mjs';

const out = process.argv[2] || 'docs/web-page.png';
const browser = await launchBrowser();
const { page } = await openPage(browser);
await page.setViewport({ width: 920, height: 640 });
await drag(page, [1], 256, 300, 356, 300, 50);
await page.screenshot({ path: out, clip: { x: 0, y: 0, width: 920, height: 640 } });
await browser.close();
console.log(`Screenshot written to ${out}`);
