// The page's start: its program, its modules and its languages come packed
// (deflate, then base64) to keep the one file small; this unpacks the
// WebAssembly and the code, with the browser's DecompressionStream or, in a
// browser without one, the inflate below (RFC 1951), and then runs the code.
// Kept apart from the modules it unpacks, and written plainly for old browsers.

// Bytes of raw deflate data, inflated.
function inflate(input) {
  const out = [];
  let at = 0, bits = 0, count = 0;
  const bit = () => {
    if (count === 0) { bits = input[at++]; count = 8; }
    const b = bits & 1;
    bits >>= 1; count -= 1;
    return b;
  };
  const read = (n) => { let v = 0; for (let i = 0; i < n; ++i) v |= bit() << i; return v; };
  // a canonical Huffman code from its code lengths: counts and symbols in order
  const code = (lengths) => {
    const counts = new Array(16).fill(0), symbols = [];
    lengths.forEach((l) => { counts[l] += 1; });
    counts[0] = 0;
    for (let l = 1; l < 16; ++l) lengths.forEach((length, s) => { if (length === l) symbols.push(s); });
    return { counts, symbols };
  };
  const decode = ({ counts, symbols }) => {
    let value = 0, first = 0, index = 0;
    for (let l = 1; l < 16; ++l) {
      value |= bit();
      const n = counts[l];
      if (value - first < n) return symbols[index + value - first];
      index += n; first = (first + n) << 1; value <<= 1;
    }
    throw new Error('bad deflate data');
  };
  const LENGTH_BASE = [3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258];
  const LENGTH_EXTRA = [0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0];
  const DISTANCE_BASE = [1, 2, 3, 4, 5, 7, 9, 13, 17, 25, 33, 49, 65, 97, 129, 193, 257, 385, 513, 769, 1025, 1537, 2049,
    3073, 4097, 6145, 8193, 12289, 16385, 24577];
  const DISTANCE_EXTRA = [0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13];
  const ORDER = [16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15];
  const fixed = [code([...new Array(144).fill(8), ...new Array(112).fill(9), ...new Array(24).fill(7), ...new Array(8).fill(8)]),
    code(new Array(30).fill(5))];
  let last = 0;
  while (!last) {
    last = bit();
    const type = read(2);
    if (type === 0) { // stored
      count = 0;
      const length = input[at] | (input[at + 1] << 8);
      at += 4;
      for (let i = 0; i < length; ++i) out.push(input[at++]);
      continue;
    }
    let [literals, distances] = fixed;
    if (type === 2) { // dynamic codes
      const nLiterals = read(5) + 257, nDistances = read(5) + 1, nLengths = read(4) + 4;
      const lengths = new Array(19).fill(0);
      for (let i = 0; i < nLengths; ++i) lengths[ORDER[i]] = read(3);
      const lengthCode = code(lengths);
      const all = [];
      while (all.length < nLiterals + nDistances) {
        const s = decode(lengthCode);
        if (s < 16) all.push(s);
        else if (s === 16) { const r = 3 + read(2), p = all[all.length - 1]; for (let i = 0; i < r; ++i) all.push(p); }
        else { const r = s === 17 ? 3 + read(3) : 11 + read(7); for (let i = 0; i < r; ++i) all.push(0); }
      }
      literals = code(all.slice(0, nLiterals));
      distances = code(all.slice(nLiterals));
    } else if (type !== 1) {
      throw new Error('bad deflate data');
    }
    for (;;) {
      const s = decode(literals);
      if (s < 256) { out.push(s); continue; }
      if (s === 256) break;
      const length = LENGTH_BASE[s - 257] + read(LENGTH_EXTRA[s - 257]);
      const d = decode(distances);
      const distance = DISTANCE_BASE[d] + read(DISTANCE_EXTRA[d]);
      for (let i = 0; i < length; ++i) out.push(out[out.length - distance]);
    }
  }
  return new Uint8Array(out);
}

// base64 text of raw deflate data, unpacked to bytes
export async function unpack(text) {
  const bytes = Uint8Array.from(atob(text), (c) => c.charCodeAt(0));
  if (typeof DecompressionStream === 'undefined') return inflate(bytes);
  const stream = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('deflate-raw'));
  return new Uint8Array(await new Response(stream).arrayBuffer());
}
export const unpackText = async (text) => new TextDecoder().decode(await unpack(text));
export { inflate };

// the page: the program's WebAssembly, for createLorentzDemo, then the code as a module
const packedText = (id) => (typeof document === 'undefined' ? null : document.getElementById(id)?.textContent);
if (packedText('packed-code')) {
  const [program, code] = await Promise.all([unpack(packedText('packed-program')), unpackText(packedText('packed-code'))]);
  window.lorentzProgram = program;
  const script = document.createElement('script');
  script.type = 'module';
  script.textContent = code;
  document.body.append(script);
}
