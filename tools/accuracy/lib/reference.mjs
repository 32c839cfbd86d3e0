// The reference sky: apparent geocentric ecliptic longitudes of date from astronomy-engine (a
// development dependency only), and the mean lunar node and mean apogee (Lilith) from the
// polynomials of the ELP-2000/82 mean elements, which astronomy-engine does not give.
import * as Astronomy from 'astronomy-engine';

const PLANETS = [null, null, null, 'Mercury', 'Venus', 'Mars', 'Jupiter', 'Saturn', 'Uranus', 'Neptune', 'Pluto'];

const fold = (x) => ((x % 360) + 360) % 360;

function meanNode(centuries) {
  const T = centuries;
  return fold(125.0445479 - 1934.1362891 * T + 0.0020754 * T * T + (T * T * T) / 467441 - (T ** 4) / 60616000);
}

function meanApogee(centuries) {
  const T = centuries;
  const perigee = 83.3532465 + 4069.0137287 * T - 0.01032 * T * T - (T * T * T) / 80053 + (T ** 4) / 18999000;
  return fold(perigee + 180);
}

// Longitudes of chart points 1..12 (index 0 unused) at a JavaScript Date (taken as UT).
export function referenceLongitudes(date) {
  const time = Astronomy.MakeTime(date);
  const longitudes = new Array(13).fill(NaN);
  longitudes[1] = Astronomy.SunPosition(time).elon;
  longitudes[2] = Astronomy.EclipticGeoMoon(time).lon;
  for (let body = 3; body <= 10; ++body) {
    longitudes[body] = Astronomy.Ecliptic(Astronomy.GeoVector(PLANETS[body], time, true)).elon;
  }
  const centuries = time.tt / 36525;
  longitudes[11] = meanApogee(centuries);
  longitudes[12] = meanNode(centuries);
  return longitudes.map((v, i) => (i === 0 ? v : fold(v)));
}

// Whether each point moves backwards at that moment: its longitude one day before, compared the way
// the program compares its two days.
export function referenceRetrograde(date, longitudes) {
  const before = referenceLongitudes(new Date(date.getTime() - 86400000));
  return longitudes.map((v, i) => (i === 0 ? false : signedDifference(v, before[i]) < 0));
}

// a - b folded into -180..180.
export function signedDifference(a, b) {
  return fold(a - b + 180) - 180;
}
