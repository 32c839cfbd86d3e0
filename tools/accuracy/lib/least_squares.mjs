// Levenberg-Marquardt least squares with a numerical Jacobian: small, dependency-free, and enough
// for a handful of orbital elements at a time.

function solve(matrix, vector) {
  const n = vector.length;
  const a = matrix.map((row, i) => [...row, vector[i]]);
  for (let col = 0; col < n; ++col) {
    let pivot = col;
    for (let r = col + 1; r < n; ++r) if (Math.abs(a[r][col]) > Math.abs(a[pivot][col])) pivot = r;
    [a[col], a[pivot]] = [a[pivot], a[col]];
    for (let r = 0; r < n; ++r) {
      if (r === col) continue;
      const f = a[r][col] / a[col][col];
      for (let c = col; c <= n; ++c) a[r][c] -= f * a[col][c];
    }
  }
  return a.map((row, i) => row[n] / row[i]);
}

const sumSquares = (r) => r.reduce((s, v) => s + v * v, 0);

// Minimises the sum of squares of residuals(params). `steps` are the differentiation steps, one
// per parameter, in the parameter's own unit.
export function levenbergMarquardt(residuals, start, steps, { iterations = 40 } = {}) {
  let params = [...start];
  let current = residuals(params);
  let cost = sumSquares(current);
  let lambda = 1e-3;
  for (let it = 0; it < iterations; ++it) {
    const jacobian = params.map((_, k) => {
      const up = [...params];
      const down = [...params];
      up[k] += steps[k];
      down[k] -= steps[k];
      const ru = residuals(up);
      const rd = residuals(down);
      return ru.map((v, i) => (v - rd[i]) / (2 * steps[k]));
    });
    const n = params.length;
    const jtj = Array.from({ length: n }, (_, i) => Array.from({ length: n }, (_, j) =>
      jacobian[i].reduce((s, v, m) => s + v * jacobian[j][m], 0)));
    const jtr = jacobian.map((column) => column.reduce((s, v, m) => s + v * current[m], 0));
    let improved = false;
    while (lambda < 1e12) {
      const damped = jtj.map((row, i) => row.map((v, j) => (i === j ? v * (1 + lambda) : v)));
      const delta = solve(damped, jtr);
      const trial = params.map((p, i) => p - delta[i]);
      const trialResiduals = residuals(trial);
      const trialCost = sumSquares(trialResiduals);
      if (Number.isFinite(trialCost) && trialCost < cost) {
        const gain = (cost - trialCost) / cost;
        params = trial;
        current = trialResiduals;
        cost = trialCost;
        lambda = Math.max(lambda / 10, 1e-9);
        improved = gain > 1e-12;
        break;
      }
      lambda *= 10;
    }
    if (!improved) break;
  }
  return { params, rms: Math.sqrt(cost / current.length) };
}
