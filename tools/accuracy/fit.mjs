// Fits the numbers of efemerides.txt to the reference sky by least squares, body by body, with the
// program's own method (lib/method.mjs): the Earth's daily motion and eccentricity first (the Sun, and
// the Earth's place in every planet), then the Moon's daily motion, epoch longitude, eccentricity and
// inclination, then all seven elements of each planet. The method's fixed numbers stay fixed.
//
//   node fit.mjs [--elements ../../data/efemerides.txt] [--count 3000] [--seed 1980] [--write]
//
// Without --write it only prints the fitted values and the fit's RMS error per body.
import { parseArgs } from 'node:util';
import { readElements, writeElements } from './lib/elements.mjs';
import { levenbergMarquardt } from './lib/least_squares.mjs';
import { earth, methodTime, moon, orbitTable, planet } from './lib/method.mjs';
import { isCenturyQuirk } from './lib/moments.mjs';
import { signedDifference } from './lib/reference.mjs';
import { errorStats, expectedWholeDegreeP95 } from './lib/stats.mjs';
import { nelderMead } from './lib/nelder_mead.mjs';
import { referenceSamples } from './lib/samples.mjs';

const { values: options } = parseArgs({
  options: {
    elements: { type: 'string', default: new URL('../../data/efemerides.txt', import.meta.url).pathname },
    count: { type: 'string', default: '3000' },
    seed: { type: 'string', default: '1980' },
    from: { type: 'string', default: '1900' },
    to: { type: 'string', default: '2100' },
    write: { type: 'boolean', default: false },
  },
});

const NAMES = [null, 'Sol (Tierra)', 'Luna', 'Mercurio', 'Venus', 'Marte', 'Júpiter', 'Saturno', 'Urano', 'Neptuno', 'Plutón'];
// Decimals written per element: daily motion, epoch longitude, perihelion, eccentricity, axis,
// inclination, node.
const DIGITS = [0, 9, 6, 6, 8, 8, 6, 6];
// Differentiation steps per element, small against what the fit can move.
const STEPS = [0, 1e-8, 1e-4, 1e-4, 1e-6, 1e-5, 1e-4, 1e-4];

const elements = readElements(options.elements);
const tables = [null];
for (let b = 1; b <= 10; ++b) tables.push(orbitTable(elements[4][b]));

// The century-year quirk moves a whole day; those moments would only pull the fit off.
const samples = referenceSamples({
  count: Number(options.count), seed: Number(options.seed),
  fromYear: Number(options.from), toYear: Number(options.to),
}).filter((s) => !isCenturyQuirk(s.moment)).map((s) => ({ ...s, time: methodTime(s.moment) }));

// Fits `keys` ([element, body] pairs) against the residuals that `model` gives for one sample.
function fitBody(body, keys, model) {
  const apply = (params) => {
    keys.forEach(([e, b], k) => { elements[e][b] = params[k]; });
    tables[body] = orbitTable(elements[4][body]);
  };
  const residuals = (params) => {
    apply(params);
    return samples.map((s) => signedDifference(model(s), s.reference[body]));
  };
  const start = keys.map(([e, b]) => elements[e][b]);
  const before = Math.sqrt(residuals(start).reduce((a, v) => a + v * v, 0) / samples.length);
  const { params, rms } = levenbergMarquardt(residuals, start, keys.map(([e]) => STEPS[e]));
  // Least squares spends effort on the mean error too; the goal is the 95th percentile of the whole
  // degrees, so finish by minimising that (its smooth expectation) from the least-squares point.
  const refined = nelderMead((p) => expectedWholeDegreeP95(residuals(p)), params,
    keys.map(([e]) => STEPS[e] * 1000), { iterations: 300 * keys.length });
  apply(refined.point);
  const rounded = errorStats(samples.map((s) => signedDifference(Math.round(model(s)), s.reference[body])));
  console.log(`${NAMES[body].padEnd(12)} RMS ${before.toFixed(4)}° -> ${rms.toFixed(4)}°, whole degrees p95 ${rounded.p95.toFixed(2)}°  ` +
    keys.map(([e, b]) => `e${e}=${elements[e][b].toFixed(DIGITS[e])}`).join(' '));
}

const earthOf = (s) => earth(elements, tables, s.time.D);
fitBody(1, [[1, 1], [4, 1]], (s) => earthOf(s).sun);
fitBody(2, [[1, 2], [2, 2], [4, 2], [6, 2]], (s) => moon(elements, tables, s.time).moon);
for (let b = 3; b <= 10; ++b) {
  const keys = [1, 2, 3, 4, 5, 6, 7].map((e) => [e, b]);
  fitBody(b, keys, (s) => planet(elements, tables, b, s.time.D, s.time.P, earthOf(s)));
}

// The method uses only the cosine of an inclination, so its sign is free; angles are written in 0..360.
const fold = (x) => ((x % 360) + 360) % 360;
for (let b = 2; b <= 10; ++b) {
  elements[6][b] = Math.abs(elements[6][b]);
  for (const e of [2, 3, 7]) elements[e][b] = fold(elements[e][b]);
}

if (options.write) {
  writeElements(options.elements, elements, DIGITS);
  console.log(`written: ${options.elements}`);
}
