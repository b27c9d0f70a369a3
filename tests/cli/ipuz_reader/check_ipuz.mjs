// Reads ipuz files with a parser written elsewhere and compares what it finds with the puzzle
// records they were made from, read here straight from the puzzle and meanings files.
//
// node check_ipuz.mjs PUZZLE_FILE MEANINGS_FILE IPUZ_FOLDER FIRST LAST, run from a copy beside
// the parser's node_modules (the package loads as an ES module only).
// Exit code 0 when every puzzle FIRST..LAST matches; every mismatch is printed.
import fs from 'fs';
import path from 'path';
import { parse, parseIpuz } from '@xwordly/xword-parser';

const [puzzleFile, meaningsFile, folder, firstText, lastText] = process.argv.slice(2);

// Windows-1252: bytes 0x80-0x9F differ from Latin-1; the five it leaves undefined read as U+FFFD.
const HIGH = [0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030,
  0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
  0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178];
function fromCp1252(bytes) {
  let text = '';
  for (const b of bytes) text += String.fromCodePoint(b >= 0x80 && b < 0xA0 ? HIGH[b - 0x80] : b);
  return text;
}
const linesOf = (file) => fromCp1252(fs.readFileSync(file)).split(/\r\n|\r|\n/);

// The clue the game shows: the text after "WORD:" on the first line that starts with it.
const firstMeaning = new Map();
for (const line of linesOf(meaningsFile)) {
  const colon = line.indexOf(':');
  if (colon > 0 && !firstMeaning.has(line.slice(0, colon))) {
    firstMeaning.set(line.slice(0, colon), line.slice(colon + 1));
  }
}

function recordOf(line) {
  const fields = line.split(';');
  const n = parseInt(fields[0], 10);
  const words = fields.slice(n, 2 * n).map((f) => f.slice(0, f.indexOf(',')));
  return { n, links: fields.slice(1, n), words };
}

let failures = 0;
function expect(ok, what) {
  if (!ok) {
    failures += 1;
    console.log('MISMATCH ' + what);
  }
}
const same = (a, b) => JSON.stringify(a) === JSON.stringify(b);

const records = linesOf(puzzleFile);
const stem = path.basename(puzzleFile).replace(/\.[^.]*$/, '');
const first = parseInt(firstText, 10);
const last = parseInt(lastText, 10);
for (let number = first; number <= last; number++) {
  const file = path.join(folder, `${stem}-${number}.ipuz`);
  const where = `${path.basename(file)}:`;
  const text = fs.readFileSync(file, 'utf8');
  const { n, links, words } = recordOf(records[number - 1]);
  const raw = parseIpuz(text);
  const unified = parse(text, { filename: file });

  expect(raw.version === 'http://ipuz.org/v2', `${where} version ${raw.version}`);
  expect(raw.kind[0] === 'http://ipuz.org/crossword#1' && raw.kind.length === 2,
         `${where} kind ${raw.kind}`);
  expect(unified.title.includes(path.basename(puzzleFile)) &&
         unified.title.endsWith(` ${number}`), `${where} title ${unified.title}`);
  expect(/WordNet 3\.0/.test(unified.copyright) && /SCOWL/.test(unified.copyright),
         `${where} copyright ${unified.copyright}`);
  expect(unified.grid.width === n && unified.grid.height === n,
         `${where} ${unified.grid.width}x${unified.grid.height}, record size ${n}`);

  for (let r = 0; r < n; r++) {
    const linked = r < n - 1 ? [0, 2, 4].map((at) => parseInt(links[r].substr(at, 2), 10)) : [];
    for (let c = 0; c < n; c++) {
      const cell = unified.grid.cells[r][c];
      const at = `${where} row ${r + 1} column ${c + 1}`;
      expect(!cell.isBlack, `${at} is a block`);
      expect(cell.solution === words[r][c], `${at} solution ${cell.solution}, word ${words[r]}`);
      expect(cell.number === (c === 0 ? r + 1 : undefined), `${at} number ${cell.number}`);
      const style = raw.puzzle[r][c].style;
      const barred = !!(style && typeof style.barred === 'string' && style.barred.includes('B'));
      const wanted = r < n - 1 && !linked.includes(c + 1);
      expect(barred === wanted, `${at} bar below ${barred}, links ${links[r]}`);
    }
  }

  expect(unified.clues.down.length === 0, `${where} down clues`);
  expect(unified.clues.across.length === n, `${where} ${unified.clues.across.length} across clues`);
  raw.clues.Across.forEach((clue, i) => {
    const at = `${where} clue ${i + 1}`;
    const wanted = firstMeaning.get(words[i].toUpperCase()) ?? '';
    expect(unified.clues.across[i].number === i + 1, `${at} number ${clue.number}`);
    expect(unified.clues.across[i].text === wanted, `${at} "${clue.text}", meaning "${wanted}"`);
    const cells = Array.from({ length: n }, (_, c) => [c + 1, i + 1]);
    expect(same(clue.cells, cells), `${at} cells ${JSON.stringify(clue.cells)}`);
  });
  expect(same(raw.extensions['org.example.stacklinks:links'], links),
         `${where} links ${JSON.stringify(raw.extensions['org.example.stacklinks:links'])}`);
}

const count = last - first + 1;
console.log(`${count} ipuz files read, ${failures} mismatches`);
process.exit(failures === 0 && count > 0 ? 0 : 1);
