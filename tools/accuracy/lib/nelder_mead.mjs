// Nelder-Mead simplex minimisation, for objectives without a useful derivative (a percentile).
export function nelderMead(objective, start, steps, { iterations = 400 } = {}) {
  const n = start.length;
  let simplex = [start, ...start.map((_, k) => start.map((v, i) => (i === k ? v + steps[k] : v)))]
    .map((point) => ({ point, value: objective(point) }));
  const combine = (a, b, t) => a.map((v, i) => v + t * (b[i] - v));
  for (let it = 0; it < iterations; ++it) {
    simplex.sort((a, b) => a.value - b.value);
    const worst = simplex[n];
    const centroid = start.map((_, i) => simplex.slice(0, n).reduce((s, p) => s + p.point[i], 0) / n);
    const tryPoint = (t) => { const point = combine(centroid, worst.point, t); return { point, value: objective(point) }; };
    const reflected = tryPoint(-1);
    if (reflected.value < simplex[0].value) {
      const expanded = tryPoint(-2);
      simplex[n] = expanded.value < reflected.value ? expanded : reflected;
    } else if (reflected.value < simplex[n - 1].value) {
      simplex[n] = reflected;
    } else {
      const contracted = tryPoint(0.5);
      if (contracted.value < worst.value) {
        simplex[n] = contracted;
      } else {
        const best = simplex[0].point;
        simplex = simplex.map((p, k) => (k === 0 ? p : (() => {
          const point = combine(best, p.point, 0.5);
          return { point, value: objective(point) };
        })()));
      }
    }
  }
  simplex.sort((a, b) => a.value - b.value);
  return simplex[0];
}
