// Error statistics of one body: mean and maximum of the absolute errors and their 95th percentile.
export function errorStats(errors) {
  const sorted = errors.map(Math.abs).sort((a, b) => a - b);
  const at = (q) => sorted[Math.min(sorted.length - 1, Math.floor(q * sorted.length))];
  const mean = sorted.reduce((s, v) => s + v, 0) / sorted.length;
  return { mean, p95: at(0.95), max: sorted[sorted.length - 1], count: sorted.length };
}

// The 95th percentile of the whole-degree errors to expect from unrounded errors `errors`: rounding
// adds an error spread evenly over -0.5..0.5, so an unrounded error c ends beyond x with probability
// |c| + 0.5 - x (clipped to 0..1). Smooth in the errors, so that a minimiser can follow it.
export function expectedWholeDegreeP95(errors) {
  const exceed = (x) => errors.reduce((s, c) => s + Math.min(1, Math.max(0, Math.abs(c) + 0.5 - x)), 0) / errors.length;
  let low = 0.45;
  let high = 200;
  for (let k = 0; k < 50; ++k) {
    const mid = (low + high) / 2;
    if (exceed(mid) > 0.05) low = mid; else high = mid;
  }
  return high;
}
