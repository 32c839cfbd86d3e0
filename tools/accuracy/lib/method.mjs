// A replica of the program's ComputeEphemeris in JavaScript, for fitting the elements: the same
// steps, but with the unrounded longitudes and the true-anomaly tables built here from each orbit's
// eccentricity (Kepler's equation solved at every whole degree, read by linear interpolation, as
// orbitas.txt is). The measurement itself always runs the program; this is only the model it fits.

const DEG_TO_RAD = Math.fround(3.141592 / 180);
const cosd = (d) => Math.cos(d * DEG_TO_RAD);
const sind = (d) => Math.sin(d * DEG_TO_RAD);

export const normalize = (x) => ((((x + 1080) % 360) + 360) % 360);
const modReal = (x, m) => (Math.trunc(x) % m) + (x - Math.trunc(x));

export function angleOf(x, y) {
  const a = Math.atan(Math.abs(y / (x + 0.001))) / DEG_TO_RAD;
  if (x >= 0) return y >= 0 ? a : 360 - a;
  return y >= 0 ? 180 - a : 180 + a;
}

// True anomaly in degrees for mean anomaly `meanDeg` and eccentricity `e`.
export function trueAnomaly(meanDeg, e) {
  const M = (meanDeg * Math.PI) / 180;
  let E = e < 0.8 ? M : Math.PI;
  for (let k = 0; k < 50; ++k) {
    const step = (E - e * Math.sin(E) - M) / (1 - e * Math.cos(E));
    E -= step;
    if (Math.abs(step) < 1e-15) break;
  }
  const nu = 2 * Math.atan2(Math.sqrt(1 + e) * Math.sin(E / 2), Math.sqrt(1 - e) * Math.cos(E / 2));
  const degrees = (nu * 180) / Math.PI;
  return degrees < 0 ? degrees + 360 : degrees;
}

// The 361 whole-degree values of one orbit, as the generator writes them (two decimals).
export function orbitTable(e) {
  const table = [];
  for (let m = 0; m <= 360; ++m) table.push(m === 360 ? 360 : Math.round(trueAnomaly(m, e) * 100) / 100);
  return table;
}

function lookup(table, mean) {
  const n = Math.floor(mean);
  return (mean - n) * (table[n + 1] - table[n]) + table[n];
}

// Day count and precession of the method (steps 2..6), with its century term from the entered year.
export function methodTime({ year, month, day, hour, minute }) {
  const h = hour + minute / 60;
  const [y, m] = month < 3 ? [year - 1, month + 13] : [year, month + 1];
  const A = Math.floor(year / 100);
  const B = Math.floor(A / 4);
  const jd = Math.floor(365.25 * y) + Math.floor(30.6001 * m) + day - A + B + 1720996.5;
  let D = jd - 2444238.5;
  const P = (D * 0.0139601) / 365.2442;
  D += h / 24;
  return { D, P, h };
}

// elements[e][b], e = 1..7, b = 1..10 (index 0 unused); tables[b] from orbitTable.
export function earth(elements, tables, t) {
  const L = modReal(t * elements[1][1], 360) + 98.3;
  const M = normalize(L - 102.5954);
  const nu = lookup(tables[1], M);
  const he = normalize(nu + 102.5954);
  const r = 0.999720508476 / (1 + 0.016718 * cosd(nu));
  const sun = normalize(he + 180);
  return { sun, X: r * cosd(sun), Y: r * sind(sun) };
}

export function moon(elements, tables, { D, P }) {
  const N = normalize(modReal(-D * 0.0529918 + 152.0 + P, 360));
  const perigee = normalize(modReal(D * 0.1113654 - 10.5 + P, 360));
  const lilith = normalize(perigee + 180 + P);
  const L = modReal(D * elements[1][2], 360) + elements[2][2];
  const M = normalize(L - perigee);
  const lambda = normalize(lookup(tables[2], M) + perigee + P);
  const u = lambda - N;
  const i = elements[6][2];
  const x = cosd(u) * cosd(N) - sind(u) * sind(N) * cosd(i);
  const y = cosd(u) * sind(N) + sind(u) * cosd(N) * cosd(i);
  return { moon: normalize(angleOf(x, y)), lilith, node: N };
}

export function planet(elements, tables, b, t, P, sunVector) {
  const [n, eps, peri, e, a, i, node] = [1, 2, 3, 4, 5, 6, 7].map((k) => elements[k][b]);
  const L = modReal(t * n, 360) + eps;
  const M = normalize(L - peri);
  const nu = lookup(tables[b], M);
  const l = normalize(nu + peri + P);
  const r = ((1 - e * e) * a) / (1 + e * cosd(nu));
  const u = l - node;
  const x = r * (cosd(u) * cosd(node) - sind(u) * sind(node) * cosd(i)) + sunVector.X;
  const y = r * (sind(u) * cosd(node) * cosd(i) + cosd(u) * sind(node)) + sunVector.Y;
  return normalize(angleOf(x, y));
}

// Unrounded longitudes of points 1..12 at the moment (index 0 unused).
export function methodLongitudes(elements, tables, moment) {
  const time = methodTime(moment);
  const out = new Array(13).fill(NaN);
  const sunVector = earth(elements, tables, time.D);
  out[1] = sunVector.sun;
  const m = moon(elements, tables, time);
  out[2] = m.moon;
  for (let b = 3; b <= 10; ++b) out[b] = planet(elements, tables, b, time.D, time.P, sunVector);
  out[11] = m.lilith;
  out[12] = m.node;
  return out;
}
