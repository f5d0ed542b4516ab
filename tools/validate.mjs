// Validates one glTF file with the Khronos glTF validator and prints its
// error and warning counts. Exit status 1 on any error or warning (or when the
// file cannot be read), 0 otherwise. External resources are not loaded: the
// files Burstkin writes have none.
import { readFile } from 'node:fs/promises';
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const validator = require('gltf-validator');

const path = process.argv[2];
try {
  const bytes = new Uint8Array(await readFile(path));
  const report = await validator.validateBytes(bytes, { maxIssues: 50 });
  const { numErrors, numWarnings, messages } = report.issues;
  console.log(`numErrors ${numErrors} numWarnings ${numWarnings}`);
  for (const m of messages) {
    if (m.severity <= 1) console.log(`${m.severity === 0 ? 'error' : 'warning'} ${m.code} ${m.pointer ?? ''} ${m.message}`);
  }
  process.exit(numErrors > 0 || numWarnings > 0 ? 1 : 0);
} catch (e) {
  console.log(`cannot validate ${path}: ${e.message ?? e}`);
  process.exit(1);
}
