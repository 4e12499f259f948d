// The page's own inflate, for browsers without DecompressionStream, against
// zlib's deflate: stored, fixed and dynamic blocks, nothing and the page itself.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { deflateRawSync } from 'node:zlib';
import { inflate } from '../../src/web/page/unpack.js';
import { PAGE } from './browser.mjs';

describe('packing the page', () => {
 test('the page’s inflate gives back what zlib deflated, at every level', () => {
  const samples = { page: readFileSync(PAGE), nothing: Buffer.alloc(0),
    noise: Buffer.from(Array.from({ length: 70000 }, (_, i) => (i * 7919 + (i >> 3)) % 251)) };
  for (const [name, data] of Object.entries(samples)) {
    for (const level of [0, 1, 6, 9]) {
      const back = inflate(new Uint8Array(deflateRawSync(data, { level })));
      assert.ok(Buffer.from(back).equals(data), `${name} at level ${level}`);
    }
  }
});
});
