// Seeded moments for the measurements: the same seed always gives the same list, so two runs
// (before and after a change of the elements) compare the same instants.

// mulberry32: a small, well-mixed 32-bit generator; plenty for spreading sample moments.
export function seededRandom(seed) {
  let state = seed >>> 0;
  return () => {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = state;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

// `count` moments at whole minutes, uniformly between 1 January of `fromYear` and 31 December of
// `toYear` (UTC, proleptic Gregorian calendar), as {date, year, month, day, hour, minute}.
export function seededMoments(count, seed, fromYear, toYear) {
  const random = seededRandom(seed);
  const start = Date.UTC(fromYear, 0, 1);
  const minutes = (Date.UTC(toYear + 1, 0, 1) - start) / 60000;
  const moments = [];
  for (let i = 0; i < count; ++i) {
    const date = new Date(start + Math.floor(random() * minutes) * 60000);
    moments.push({
      date,
      year: date.getUTCFullYear(),
      month: date.getUTCMonth() + 1,
      day: date.getUTCDate(),
      hour: date.getUTCHours(),
      minute: date.getUTCMinutes(),
    });
  }
  return moments;
}

// January and February of 1800, 1900, 2100, 2200: the method takes its century term from the year
// as entered, so these dates come out a day early (a quirk the program keeps; in 2000 the two terms
// change together and nothing moves). The fit leaves them out; the measurement keeps them.
export function isCenturyQuirk(moment) {
  const century = Math.floor(moment.year / 100);
  const before = Math.floor((moment.year - 1) / 100);
  const shift = -century + Math.floor(century / 4) - (-before + Math.floor(before / 4));
  return moment.month < 3 && shift !== 0;
}
