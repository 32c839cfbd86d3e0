// Reading and writing efemerides.txt: 70 numbers, element 1 of bodies 1..10, then element 2 of
// bodies 1..10, and so on to element 7, separated by commas, blanks or line ends.
import fs from 'node:fs';

// elements[e][b] for e = 1..7, b = 1..10 (index 0 unused).
export function readElements(path) {
  const numbers = fs.readFileSync(path, 'latin1').split(/[\s,]+/).filter((w) => w !== '').slice(0, 70).map(Number);
  if (numbers.length < 70 || numbers.some((v) => !Number.isFinite(v))) throw new Error(`${path}: fewer than 70 numbers`);
  const elements = Array.from({ length: 8 }, () => new Array(11).fill(0));
  numbers.forEach((v, k) => { elements[Math.floor(k / 10) + 1][(k % 10) + 1] = v; });
  return elements;
}

// Rewrites the numbers of `path` in place, keeping its layout (separators, line ends, anything after
// the 70th number); each new number is written with `digits[e]` decimals.
export function writeElements(path, elements, digits) {
  const text = fs.readFileSync(path, 'latin1');
  let k = 0;
  const out = text.replace(/[^\s,]+/g, (word) => {
    if (k >= 70) return word;
    const e = Math.floor(k / 10) + 1;
    const b = (k % 10) + 1;
    k += 1;
    return elements[e][b].toFixed(digits[e]);
  });
  fs.writeFileSync(path, out, 'latin1');
}
