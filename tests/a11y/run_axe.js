#!/usr/bin/env node
// Runs axe-core on an HTML page in headless Chromium and fails on its
// violations.
//   node run_axe.js --chromium PATH --axe axe.min.js [--wcag | --all]
//                   [--except RULE]... PAGE.html
// By default only the rules of the table checker's concerns fail the run
// (contrast, table headers and captions, obsolete markup); --wcag adds every
// rule of WCAG level A and AA, --all every rule; --except leaves a rule out.
// Violations that do not count are listed as notes. Exit 0: none that
// count; 1: some; 2: axe could not run (Chromium or axe-core missing).
'use strict';

const childProcess = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');

const kTableRules = [
  'color-contrast', 'empty-table-header', 'th-has-data-cells', 'td-has-header',
  'td-headers-attr', 'scope-attr-valid', 'table-fake-caption', 'table-duplicate-name',
  'blink', 'marquee',
];

function fail(message) {
  process.stderr.write(`run_axe: ${message}\n`);
  process.exit(2);
}

function parseArgs(argv) {
  const options = {all: false, wcag: false, except: [], chromium: '', axe: '', page: ''};
  for (let i = 0; i < argv.length; ++i) {
    if (argv[i] === '--all') options.all = true;
    else if (argv[i] === '--wcag') options.wcag = true;
    else if (argv[i] === '--except') options.except.push(argv[++i] || '');
    else if (argv[i] === '--chromium') options.chromium = argv[++i] || '';
    else if (argv[i] === '--axe') options.axe = argv[++i] || '';
    else if (!options.page) options.page = argv[i];
    else fail(`unexpected argument ${argv[i]}`);
  }
  if (!options.page) fail('no page given');
  return options;
}

// The page as it is, bytes unchanged, with axe and a script that writes its
// results into the DOM, base64 so that no markup can disturb them.
function instrumentedPage(page, axe) {
  const bytes = fs.readFileSync(page);
  const rules = {};
  for (const id of kTableRules) rules[id] = {enabled: true};
  const runner =
      `<script src="${encodeURI('file://' + path.resolve(axe))}"></script>\n` +
      '<script>\n' +
      'axe.run(document, {resultTypes: ["violations"], rules: ' + JSON.stringify(rules) + '})\n' +
      '  .then(r => JSON.stringify(r.violations), e => JSON.stringify({error: String(e)}))\n' +
      '  .then(text => {\n' +
      '    const out = document.createElement("pre");\n' +
      '    out.id = "axe-result";\n' +
      '    out.setAttribute("data-result", btoa(unescape(encodeURIComponent(text))));\n' +
      '    document.documentElement.appendChild(out);\n' +
      '  });\n' +
      '</script>\n';
  return Buffer.concat([bytes, Buffer.from(runner, 'latin1')]);
}

function main() {
  const options = parseArgs(process.argv.slice(2));
  if (!options.chromium || !fs.existsSync(options.chromium)) {
    fail(`Chromium not found (${options.chromium || 'none given'}); run scripts/install-deps`);
  }
  if (!options.axe || !fs.existsSync(options.axe)) {
    fail(`axe-core not found (${options.axe || 'none given'}); run scripts/install-deps`);
  }
  if (!fs.existsSync(options.page)) fail(`no page ${options.page}`);

  const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'tabloom-axe-'));
  try {
    const page = path.join(scratch, 'page.html');
    fs.writeFileSync(page, instrumentedPage(options.page, options.axe));
    const run = childProcess.spawnSync(options.chromium, [
      '--headless', '--no-sandbox', '--disable-gpu', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      '--allow-file-access-from-files', `--user-data-dir=${path.join(scratch, 'profile')}`,
      '--virtual-time-budget=30000', '--dump-dom', 'file://' + page,
    ], {encoding: 'latin1', maxBuffer: 64 * 1024 * 1024, timeout: 120000});
    if (run.error) fail(`Chromium did not run: ${run.error.message}`);
    const found = /id="axe-result" data-result="([A-Za-z0-9+/=]*)"/.exec(run.stdout || '');
    if (!found) {
      fail(`no axe result in the page (Chromium exit ${run.status}):\n${run.stderr}`);
    }
    const violations = JSON.parse(Buffer.from(found[1], 'base64').toString('utf8'));
    if (!Array.isArray(violations)) fail(`axe failed: ${violations.error}`);

    let failing = 0;
    for (const v of violations) {
      const wcag = v.tags.some(tag => /^wcag2\d*a{1,2}$/.test(tag));
      const counts = !options.except.includes(v.id) &&
          (options.all || kTableRules.includes(v.id) || (options.wcag && wcag));
      if (counts) ++failing;
      process.stdout.write(`${counts ? 'VIOLATION' : 'note'} ${v.id} (${v.impact}): ${v.help}\n`);
      for (const node of v.nodes) {
        process.stdout.write(`    ${node.target.join(' ')}: ${node.failureSummary || ''}\n`);
      }
    }
    process.stdout.write(`run_axe: ${failing} violation(s) that count, ` +
                         `${violations.length - failing} note(s) on ${options.page}\n`);
    process.exitCode = failing === 0 ? 0 : 1;
  } finally {
    fs.rmSync(scratch, {recursive: true, force: true});
  }
}

main();
