// Writes, beside each GIFT sample in a folder, the question list the
// reference parser (gift-pegjs, at the version pinned in package.json)
// makes of it: <name>.gift gives <name>.expected.json. The C++ reader's
// test compares its questions and skipped kinds with these lists.
//
// Each entry is simplified to what the comparison needs: the type (MC,
// Matching, TF, Short, Numerical, Essay, Description, Category), the title,
// the stem's text and format, the choices of a multiple choice question
// (text, isCorrect, weight) and the pairs of a matching question. A
// category entry keeps its path as its title.
//
//   npm install && npm run generate
import { readdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { parse } from 'gift-pegjs';

const text = (value) => (value == null ? null : typeof value === 'string' ? value : value.text);

function simplify(question) {
  const entry = { type: question.type, title: question.title ?? null };
  if (question.type === 'Category')
    return entry;
  entry.stem = { format: question.stem.format, text: question.stem.text };
  if (question.type === 'MC' || question.type === 'Short')
    entry.choices = question.choices.map((c) => ({
      text: text(c.text), isCorrect: c.isCorrect, weight: c.weight,
    }));
  if (question.type === 'Matching')
    entry.pairs = question.matchPairs.map((p) => ({
      subquestion: text(p.subquestion), subanswer: p.subanswer,
    }));
  return entry;
}

const folder = process.argv[2];
if (!folder) {
  console.error('usage: node generate.js FOLDER');
  process.exit(2);
}
for (const name of readdirSync(folder).filter((n) => n.endsWith('.gift')).sort()) {
  let questions;
  try {
    questions = parse(readFileSync(join(folder, name), 'utf8')).map(simplify);
  } catch (error) {
    // The reference refuses a whole file at its first error; such a sample
    // gets no list.
    console.log(`${name}: refused at line ${error.location?.start.line}: ${error.message}`);
    continue;
  }
  const out = join(folder, name.replace(/\.gift$/, '.expected.json'));
  writeFileSync(out, JSON.stringify(questions, null, 2) + '\n');
  console.log(`${out}: ${questions.length} entries`);
}
