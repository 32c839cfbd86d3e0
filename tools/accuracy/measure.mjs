// Measures the whole-degree longitudes of the program against the reference sky: runs
// `orvanel-calc batch` with one `ephemeris` line per seeded moment, and prints per chart point the
// mean, 95th percentile and maximum error and how often the motion mark agrees with the sky.
//
//   node measure.mjs --calc BUILD/tools/calc/orvanel-calc [--data ../../data] [--count 2000]
//                    [--seed 2026] [--from 1900] [--to 2100] [--markdown]
//   node measure.mjs --table > ../../tests/astro/reference_positions.tsv
//
// With --table it needs no program: it prints the reference longitudes of 60 seeded moments, two
// thirds in 1900-2100 and a third in 1600-2400, for the test that checks the positions against them.
import { execFileSync } from 'node:child_process';
import { parseArgs } from 'node:util';
import { isCenturyQuirk } from './lib/moments.mjs';
import { signedDifference } from './lib/reference.mjs';
import { referenceSamples } from './lib/samples.mjs';
import { errorStats } from './lib/stats.mjs';

const { values: options } = parseArgs({
  options: {
    calc: { type: 'string' },
    data: { type: 'string', default: new URL('../../data', import.meta.url).pathname },
    count: { type: 'string', default: '2000' },
    seed: { type: 'string', default: '2026' },
    from: { type: 'string', default: '1900' },
    to: { type: 'string', default: '2100' },
    markdown: { type: 'boolean', default: false },
    table: { type: 'boolean', default: false },
  },
});
if (options.table) {
  printReferenceTable();
  process.exit(0);
}
if (!options.calc) {
  console.error('usage: node measure.mjs --calc PATH/TO/orvanel-calc [--data DIR] [--count N] [--seed S] [--from Y] [--to Y]');
  process.exit(2);
}

// January and February of century years are left out: the program keeps a quirk that puts those days
// a day early, which the test of the positions would have to tolerate for the Moon alone.
function printReferenceTable() {
  const usual = (from, to, count, seed) =>
    referenceSamples({ count, seed, fromYear: from, toYear: to }).filter((s) => !isCenturyQuirk(s.moment));
  const samples = [...usual(1900, 2100, 40, 1), ...usual(1600, 2400, 20, 2)];
  console.log('# Reference longitudes (tools/accuracy/measure.mjs --table): year month day hour minute, then');
  console.log('# the Sun, the Moon, Mercury to Pluto, Lilith (mean apogee) and the node (mean node) in degrees.');
  for (const { moment: m, reference } of samples) {
    const longitudes = reference.slice(1).map((v) => v.toFixed(1));
    console.log([m.year, m.month, m.day, m.hour, m.minute, ...longitudes].join('\t'));
  }
}

const POINTS = [null, 'Sol', 'Luna', 'Mercurio', 'Venus', 'Marte', 'Júpiter', 'Saturno', 'Urano', 'Neptuno',
  'Plutón', 'Lilith (apogeo medio)', 'Nodo (nodo medio)'];

const samples = referenceSamples({
  count: Number(options.count), seed: Number(options.seed),
  fromYear: Number(options.from), toYear: Number(options.to), withMotion: true,
});

const input = samples.map(({ moment: m }) => `ephemeris ${m.year} ${m.month} ${m.day} ${m.hour} ${m.minute}`).join('\n');
const output = execFileSync(options.calc, ['--data', options.data, 'batch'], { input, maxBuffer: 1 << 28 }).toString('utf8');
const documents = output.trim().split('\n').map((line) => JSON.parse(line));

const errors = POINTS.map(() => []);
// The same errors without January and February of 1800, 1900, 2100 and 2200 (a day early by the
// method's century term), to show what the quirk alone does to the maximum.
const usualErrors = POINTS.map(() => []);
const agreements = POINTS.map(() => 0);
documents.forEach((doc, k) => {
  if (doc.error) throw new Error(`orvanel-calc: ${doc.error} (line ${k + 1})`);
  const text = [...doc.ephemerisText];  // characters, not UTF-16 units: "¡" is one character
  for (let p = 1; p <= 12; ++p) {
    const degrees = Number(text.slice(4 * p - 4, 4 * p - 1).join(''));
    const retrograde = text[4 * p - 1] === '!';
    const error = signedDifference(degrees, samples[k].reference[p]);
    errors[p].push(error);
    if (!isCenturyQuirk(samples[k].moment)) usualErrors[p].push(error);
    if (retrograde === samples[k].retrograde[p]) agreements[p] += 1;
  }
});

const rows = POINTS.slice(1).map((name, i) => {
  const p = i + 1;
  const s = errorStats(errors[p]);
  const agree = (100 * agreements[p]) / documents.length;
  const usualMax = errorStats(usualErrors[p]).max;
  return [name, s.mean.toFixed(2), s.p95.toFixed(2), s.max.toFixed(2), usualMax.toFixed(2), `${agree.toFixed(1)} %`];
});
const header = ['Punto', 'media', 'p95', 'máximo', 'máx. sin ene–feb de siglo', 'marca de movimiento'];
console.log(`${documents.length} momentos ${options.from}–${options.to}, semilla ${options.seed}; errores en grados`);
if (options.markdown) {
  console.log(`| ${header.join(' | ')} |`);
  console.log(`|${header.map(() => '---').join('|')}|`);
  rows.forEach((r) => console.log(`| ${r.join(' | ')} |`));
} else {
  [header, ...rows].forEach((r) => console.log(r.map((c, i) => (i === 0 ? c.padEnd(22) : c.padStart(10))).join(' ')));
}
