// Runs Khronos's glTF-Validator on each file named and prints what it says;
// exits with 1 when a file has an error or a warning.
'use strict';
const fs = require('fs');
const validator = require('gltf-validator');

const severities = ['error', 'warning', 'info', 'hint'];

(async () => {
  let failed = false;
  for (const file of process.argv.slice(2)) {
    const report = await validator.validateBytes(new Uint8Array(fs.readFileSync(file)), {uri: file, maxIssues: 0});
    const issues = report.issues;
    console.log(`${file}: ${issues.numErrors} errors, ${issues.numWarnings} warnings, ` +
                `${issues.numInfos} infos, ${issues.numHints} hints`);
    for (const message of issues.messages)
      console.log(`  ${severities[message.severity]} ${message.code} ${message.pointer || ''}: ${message.message}`);
    if (issues.numErrors > 0 || issues.numWarnings > 0) failed = true;
  }
  process.exit(failed ? 1 : 0);
})().catch((error) => {
  console.error(error);
  process.exit(2);
});
