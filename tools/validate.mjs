// Validates glTF files with the Khronos glTF validator and prints each one's
// error and warning counts. Takes files, or folders whose .glb and .gltf files
// are all checked. Exit status 1 on any error or warning (or when a file
// cannot be read), 0 otherwise. External resources are not loaded: the files
// Burstkin writes have none.
import { readFile, readdir, stat } from 'node:fs/promises';
import { join } from 'node:path';
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const validator = require('gltf-validator');

async function filesOf(path) {
  if (!(await stat(path)).isDirectory()) return [path];
  const names = (await readdir(path)).filter((n) => n.endsWith('.glb') || n.endsWith('.gltf'));
  return names.sort().map((n) => join(path, n));
}

async function validate(path) {
  try {
    const bytes = new Uint8Array(await readFile(path));
    const report = await validator.validateBytes(bytes, { maxIssues: 50 });
    const { numErrors, numWarnings, messages } = report.issues;
    console.log(`${path}: numErrors ${numErrors} numWarnings ${numWarnings}`);
    for (const m of messages) {
      if (m.severity <= 1) console.log(`${m.severity === 0 ? 'error' : 'warning'} ${m.code} ${m.pointer ?? ''} ${m.message}`);
    }
    return numErrors === 0 && numWarnings === 0;
  } catch (e) {
    console.log(`cannot validate ${path}: ${e.message ?? e}`);
    return false;
  }
}

let ok = true;
for (const arg of process.argv.slice(2)) {
  let files = [];
  try {
    files = await filesOf(arg);
  } catch (e) {
    console.log(`cannot read ${arg}: ${e.message ?? e}`);
    ok = false;
  }
  for (const file of files) ok = (await validate(file)) && ok;
}
process.exit(ok ? 0 : 1);
