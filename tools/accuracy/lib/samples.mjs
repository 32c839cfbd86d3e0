// Sample moments with their reference longitudes, computed once per run.
import { seededMoments } from './moments.mjs';
import { referenceLongitudes, referenceRetrograde } from './reference.mjs';

export function referenceSamples({ count, seed, fromYear, toYear, withMotion = false }) {
  return seededMoments(count, seed, fromYear, toYear).map((moment) => {
    const reference = referenceLongitudes(moment.date);
    const retrograde = withMotion ? referenceRetrograde(moment.date, reference) : null;
    return { moment, reference, retrograde };
  });
}
