// Writes the fixture the C++ scheduler (src/core/record/MemoryModel) is
// checked against: random review histories run through the reference
// scheduler, ts-fsrs, at the version pinned in package.json (5.4.2, FSRS-6
// with its 21 default parameters).
//
// Options: short-term scheduling on (same-day reviews change stability by
// the short-term formula), fuzz off (intervals are exact), maximum interval
// the default 36500 days, desired retention drawn per history from
// 0.80-0.97. Grades are Good and Again only, as the program records them.
//
// Each row is one review: the history, its desired retention, the whole
// days since the previous review as the reference counts them (UTC calendar
// days), the grade (1 Again, 3 Good), the recall the reference predicted
// just before the review (empty for a question's first), and the stability,
// difficulty and interval in days (for the desired retention) after it.
//
//   npm install && node generate.js ../../../tests/data/fsrs/reference.csv
import { writeFileSync } from 'node:fs';
import { createEmptyCard, fsrs, generatorParameters, Rating } from 'ts-fsrs';

const HISTORIES = 1000;
const SEED = 20240601;

// mulberry32: a small seeded generator, so the fixture is the same each run.
function random(seed) {
  let a = seed >>> 0;
  return () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

const rand = random(SEED);
const MINUTE = 60 * 1000;
const YEAR_MINUTES = 365 * 24 * 60;
// From a minute to a year, evenly on a log scale so that same-day, next-day
// and long gaps all come up often.
const gapMs = () => Math.round(Math.exp(rand() * Math.log(YEAR_MINUTES)) * MINUTE);

const rows = ['history,retention,elapsed_days,grade,retrievability,stability,difficulty,interval'];
for (let h = 0; h < HISTORIES; ++h) {
  const retention = Math.round((0.8 + rand() * 0.17) * 100) / 100;
  const f = fsrs(generatorParameters({ enable_fuzz: false, enable_short_term: true,
                                       request_retention: retention }));
  let now = new Date(Date.UTC(2025, 0, 1) + Math.floor(rand() * YEAR_MINUTES) * MINUTE);
  let card = createEmptyCard(now);
  const reviews = 1 + Math.floor(rand() * 10);
  for (let i = 0; i < reviews; ++i) {
    if (i > 0)
      now = new Date(now.getTime() + gapMs());
    const grade = rand() < 0.7 ? Rating.Good : Rating.Again;
    const before = card;
    const next = f.next(card, now, grade).card;
    const elapsed = i === 0 ? 0 : next.elapsed_days;
    const r = i === 0 ? '' : String(f.forgetting_curve(elapsed, before.stability));
    const interval = f.next_interval(next.stability, elapsed);
    rows.push([h, retention, elapsed, grade, r, next.stability, next.difficulty, interval].join(','));
    card = next;
  }
}
writeFileSync(process.argv[2] ?? 'reference.csv', rows.join('\n') + '\n');
console.log(`${rows.length - 1} reviews in ${HISTORIES} histories`);
