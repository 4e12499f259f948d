// A reporter for node's test runner that says what the page's tests are doing
// while they run side by side: a line as each test file's tests end (their
// count passed and failed, and seconds), each failure in full when it happens,
// and the totals at the end.
// node --test --test-reporter=./progress.mjs all.test.mjs
import { basename } from 'node:path';
import { inspect } from 'node:util';

const FILE_NESTING = 1; // all.test.mjs's suite holds one suite a file

export default async function* progress(source) {
  const seen = new Set(); // a test may be reported complete twice
  const counts = new Map(); // file -> { passed, failed }
  const totals = { passed: 0, failed: 0, skipped: 0 };
  const started = Date.now();
  for await (const event of source) {
    if (event.type === 'test:stderr' || event.type === 'test:stdout') {
      yield event.data.message;
      continue;
    }
    if (event.type !== 'test:complete') continue;
    const { name, nesting, file, line, column, details } = event.data;
    const key = `${file}:${line}:${column}:${nesting}:${name}`;
    if (seen.has(key)) continue;
    seen.add(key);
    const passed = !details.error;
    if (nesting > FILE_NESTING && details.type !== 'suite') {
      const count = counts.get(file) ?? { passed: 0, failed: 0, skipped: 0 };
      const outcome = event.data.skip !== undefined || event.data.todo !== undefined ? 'skipped' : passed ? 'passed' : 'failed';
      count[outcome] += 1;
      counts.set(file, count);
      totals[outcome] += 1;
      if (!passed) {
        const error = details.error.cause ?? details.error;
        yield `FAILED ${basename(file ?? '')}: ${name}\n${inspect(error, { depth: 4 })}\n`;
      }
    } else if (nesting === FILE_NESTING) {
      const count = counts.get(file) ?? { passed: 0, failed: 0, skipped: 0 };
      const seconds = (details.duration_ms / 1000).toFixed(1);
      const skipped = count.skipped ? `, ${count.skipped} skipped` : '';
      yield `${basename(file ?? '')} (${name}): ${count.passed} passed, ${count.failed} failed${skipped}, ${seconds} s\n`;
      if (!passed && !count.failed) {
        yield `FAILED ${basename(file ?? '')}: ${name}\n${inspect(details.error.cause ?? details.error, { depth: 4 })}\n`;
      }
    } else if (nesting === 0 && !passed && !counts.size) {
      yield `FAILED: ${name}\n${inspect(details.error.cause ?? details.error, { depth: 4 })}\n`;
    }
  }
  const seconds = ((Date.now() - started) / 1000).toFixed(0);
  const skipped = totals.skipped ? `, ${totals.skipped} skipped` : '';
  yield `the page's tests: ${totals.passed} passed, ${totals.failed} failed${skipped}, ${seconds} s\n`;
}
