// Assembles the one-file page: page.html with the style, the compiled program
// (its WebAssembly inlined by the build) and the page's ES modules put inside.
// The modules share one module script: their relative imports are dropped and
// their exports become plain declarations, in the order given.
// Usage: node assemble.mjs lorentz-demo.js out.html
import { readFileSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const [programPath, outPath] = process.argv.slice(2);
const read = (name) => readFileSync(join(here, name), 'utf8');
const scriptSafe = (text) => text.replace(/<\/script/gi, '<\\/script');
const inlineModule = (name) => read(name)
  .replace(/^import .* from '\.\/.*';\n/gm, '')
  .replace(/^export /gm, '');

const parts = {
  '<!-- style -->': `<style>\n${read('page.css')}</style>`,
  '<!-- program -->': `<script>\n${scriptSafe(readFileSync(programPath, 'utf8'))}</script>`,
  '<!-- page -->': `<script type="module">\n${scriptSafe(['input.js', 'panel.js', 'page.js'].map(inlineModule).join('\n'))}</script>`,
};
let page = read('page.html');
for (const [marker, content] of Object.entries(parts)) {
  page = page.replace(marker, () => content);
}
writeFileSync(outPath, page);
