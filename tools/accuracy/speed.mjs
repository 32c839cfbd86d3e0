// Times `orvanel-calc batch` and the reference on the same seeded moments, in one run, and prints
// their moments per second and the ratio. The program computes a whole chart line for each moment
// (positions with their motion marks, houses, aspects, vectors and astral concepts, as JSON); the
// reference computes the longitudes of the twelve points with their motion, as measure.mjs does.
// Each side runs --rounds times, alternating; the medians are compared, in elapsed time and, where
// GNU time is installed to measure the program, in processor time, which other work on a shared
// machine disturbs less.
//
//   node speed.mjs --calc BUILD/tools/calc/orvanel-calc [--data ../../data] [--count 4000]
//                  [--seed 2026] [--from 1900] [--to 2100] [--rounds 3]
import { execFileSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { performance } from 'node:perf_hooks';
import { parseArgs } from 'node:util';
import { seededMoments } from './lib/moments.mjs';
import { referenceLongitudes, referenceRetrograde } from './lib/reference.mjs';

const { values: options } = parseArgs({
  options: {
    calc: { type: 'string' },
    data: { type: 'string', default: new URL('../../data', import.meta.url).pathname },
    count: { type: 'string', default: '4000' },
    seed: { type: 'string', default: '2026' },
    from: { type: 'string', default: '1900' },
    to: { type: 'string', default: '2100' },
    rounds: { type: 'string', default: '3' },
  },
});
if (!options.calc) {
  console.error('usage: node speed.mjs --calc PATH/TO/orvanel-calc [--data DIR] [--count N] [--seed S] [--rounds R]');
  process.exit(2);
}

const moments = seededMoments(Number(options.count), Number(options.seed), Number(options.from), Number(options.to));
const input = moments.map((m) => `chart ${m.year} ${m.month} ${m.day} ${m.hour} ${m.minute}`).join('\n') + '\n';

const gnuTime = '/usr/bin/time';
const scratch = mkdtempSync(join(tmpdir(), 'orvanel-speed-'));

// Elapsed and processor seconds of the reference, computed in this process.
function runReference() {
  const start = performance.now();
  const cpu = process.cpuUsage();
  for (const { date } of moments) referenceRetrograde(date, referenceLongitudes(date));
  const used = process.cpuUsage(cpu);
  return { elapsed: (performance.now() - start) / 1000, cpu: (used.user + used.system) / 1e6 };
}

// Elapsed and processor seconds of one orvanel-calc batch over every moment, its process included.
function runProgram() {
  const times = join(scratch, 'times');
  const command = existsSync(gnuTime)
    ? [gnuTime, ['-f', '%U %S', '-o', times, options.calc, '--data', options.data, 'batch']]
    : [options.calc, ['--data', options.data, 'batch']];
  const start = performance.now();
  const output = execFileSync(...command, { input, maxBuffer: 1 << 30 });
  const elapsed = (performance.now() - start) / 1000;
  const lines = output.toString('utf8').trimEnd().split('\n');
  if (lines.length !== moments.length || lines.some((line) => JSON.parse(line).error)) {
    throw new Error('orvanel-calc did not chart every moment');
  }
  const cpu = existsSync(times) ? readFileSync(times, 'utf8').trim().split(' ').reduce((s, v) => s + Number(v), 0) : NaN;
  return { elapsed, cpu };
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const reference = [];
const program = [];
for (let round = 0; round < Number(options.rounds); ++round) {
  reference.push(runReference());
  program.push(runProgram());
}
rmSync(scratch, { recursive: true, force: true });

console.log(`${moments.length} momentos ${options.from}–${options.to}, semilla ${options.seed}, ${options.rounds} rondas`);
for (const kind of ['elapsed', 'cpu']) {
  const referenceRate = moments.length / median(reference.map((r) => r[kind]));
  const programRate = moments.length / median(program.map((r) => r[kind]));
  if (Number.isNaN(programRate)) continue;
  const show = (runs) => runs.map((r) => r[kind].toFixed(3)).join(' ');
  console.log(kind === 'elapsed' ? 'Tiempo transcurrido:' : 'Tiempo de procesador:');
  console.log(`  referencia:   ${referenceRate.toFixed(0).padStart(8)} momentos/s  (s por ronda: ${show(reference)})`);
  console.log(`  orvanel-calc: ${programRate.toFixed(0).padStart(8)} líneas/s    (s por ronda: ${show(program)})`);
  console.log(`  razón: ${(programRate / referenceRate).toFixed(2)} veces la referencia`);
}
