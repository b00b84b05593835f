// vexil-host --html in a real browser: Debian's chromium, headless, driven
// by playwright-core. Each page opens from a file:// URL with every network
// request refused, becomes ready with every bone drawn, draws something,
// selects a bone from its list and bends it, and logs no error; a mesh whose
// names try to break out of the page runs nothing of theirs.
//   node rig_page_test.js VEXIL_HOST CHROMIUM EXAMPLES_DIR [SCREENSHOT_DIR]
'use strict';
const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { chromium } = require('playwright-core');

const [host, browserPath, examples, screenshots] = process.argv.slice(2);
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'vexil-page-'));
let failures = 0, passes = 0;

// A rig of random bone chains, each in a box of skin.
function randomRig(seed) {
  let state = seed;
  const random = () => ((state = (state * 1103515245 + 12345) % 2147483648) / 2147483648);
  const lines = ['o Random'];
  let points = 0;
  const point = (x, y, z) => { lines.push(`v ${x.toFixed(4)} ${y.toFixed(4)} ${z.toFixed(4)}`); return ++points; };
  const tips = [[point(0, 0, 0), [0, 0, 0]]];
  for (let b = 0; b < 12; ++b) {
    const [from, at] = tips[Math.floor(random() * tips.length)];
    const to = [at[0] + random() - 0.5, at[1] + 0.5 + random() * 0.5, at[2] + random() - 0.5];
    const tip = point(...to), roll = point(at[0] + 0.05, at[1], at[2]);
    lines.push(`usemtl Bone${b}`, `f ${from} ${tip} ${roll}`);
    const c = [];
    for (let k = 0; k < 8; ++k) {
      const end = k < 4 ? at : to, u = k & 1 ? 0.08 : -0.08, w = k & 2 ? 0.08 : -0.08;
      c.push(point(end[0] + u, end[1], end[2] + w));
    }
    lines.push('usemtl Skin');
    for (const f of [[0, 1, 3, 2], [4, 6, 7, 5], [0, 4, 5, 1], [2, 3, 7, 6], [0, 2, 6, 4], [1, 5, 7, 3]])
      lines.push('f ' + f.map((i) => c[i]).join(' '));
    tips.push([tip, to]);
  }
  return lines.join('\n') + '\n';
}

// The page and the glTF file vexil-host writes for `input`.
function write(input, name) {
  const page = path.join(work, name + '.html'), glb = path.join(work, name + '.glb');
  execFileSync(host, ['--quiet', '--html', page, '--gltf', glb, input], { stdio: ['ignore', 'ignore', 'inherit'] });
  return { page, glb };
}

function embeddedGltf(html) {
  const found = /<script type="application\/octet-stream" id="vexil-gltf">([A-Za-z0-9+/=]*)<\/script>/.exec(html);
  return found ? Buffer.from(found[1], 'base64') : Buffer.alloc(0);
}

function jointCount(glb) {
  const json = JSON.parse(glb.subarray(20, 20 + glb.readUInt32LE(12)).toString('utf8'));
  const roots = new Set(json.scenes[0].nodes);
  return json.nodes.filter((node, i) => !roots.has(i)).length;
}

async function open(browser, file) {
  const page = await browser.newPage({ viewport: { width: 1000, height: 700 } });
  const trouble = [];
  page.on('console', (message) => { if (message.type() === 'error') trouble.push('console error: ' + message.text()); });
  page.on('pageerror', (error) => trouble.push('page error: ' + error.message));
  page.on('dialog', (dialog) => { trouble.push('dialog: ' + dialog.message()); dialog.dismiss(); });
  await page.route('**', (route) => {
    if (route.request().url().startsWith('file:')) return route.continue();
    trouble.push('network request: ' + route.request().url());
    return route.abort();
  });
  await page.goto('file://' + file);
  await page.waitForFunction(() => document.body.dataset.ready === '1', null, { timeout: 60000 });
  return { page, trouble };
}

// The canvas as a data URL, and how many colours it shows.
async function picture(page) {
  return page.evaluate(() => {
    const canvas = document.getElementById('view');
    const copy = document.createElement('canvas');
    copy.width = 200, copy.height = 140;
    const context = copy.getContext('2d');
    context.drawImage(canvas, 0, 0, copy.width, copy.height);
    const pixels = context.getImageData(0, 0, copy.width, copy.height).data;
    const colours = new Set();
    for (let i = 0; i < pixels.length; i += 4) colours.add((pixels[i] << 16) | (pixels[i + 1] << 8) | pixels[i + 2]);
    return { image: canvas.toDataURL(), colours: colours.size };
  });
}

async function check(name, test) {
  try {
    await test();
    ++passes;
    console.log('ok: ' + name);
  } catch (error) {
    ++failures;
    console.log('FAILED: ' + name + '\n' + (error && error.stack ? error.stack : error));
  }
}

(async () => {
  const randomFile = path.join(work, 'random.obj');
  fs.writeFileSync(randomFile, randomRig(7));
  const inputs = [path.join(examples, 'biped_skin.obj'), path.join(examples, 'biped_dressed.lwo'),
    path.join(examples, 'hand.obj'), randomFile];
  const browser = await chromium.launch({
    executablePath: browserPath,
    args: ['--no-sandbox', '--use-gl=swiftshader', '--enable-unsafe-swiftshader', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--no-first-run'],
  });
  for (const input of inputs) {
    const name = path.basename(input).replace('.', '_');
    await check(name + ': the page embeds the glTF file --gltf writes, opens, draws, selects and bends', async () => {
      const { page: file, glb } = write(input, name);
      const html = fs.readFileSync(file, 'utf8');
      const written = fs.readFileSync(glb);
      assert.ok(embeddedGltf(html).equals(written), 'the embedded glTF differs from --gltf');
      const { page, trouble } = await open(browser, file);
      assert.equal(await page.evaluate(() => document.body.dataset.bones), String(jointCount(written)));
      const before = await picture(page);
      assert.ok(before.colours > 20, 'the canvas is blank: ' + before.colours + ' colours');
      const entry = page.locator('[data-bone]').nth(1);
      const bone = await entry.getAttribute('data-bone');
      await entry.click();
      assert.equal(await page.evaluate(() => document.body.dataset.selected), bone);
      const selected = await picture(page);
      assert.notEqual(selected.image, before.image, 'selecting ' + bone + ' changed nothing');
      await page.fill('#bend', '45');
      await page.dispatchEvent('#bend', 'input');
      const bent = await picture(page);
      assert.notEqual(bent.image, selected.image, 'bending ' + bone + ' changed nothing');
      if (screenshots && input.endsWith('biped_skin.obj')) {
        await page.locator('[data-bone="LeftForearm"]').click();
        await page.screenshot({ path: path.join(screenshots, 'rig-page-rest.png') });
        await page.fill('#bend', '60');
        await page.dispatchEvent('#bend', 'input');
        await page.screenshot({ path: path.join(screenshots, 'rig-page-elbow-60.png') });
      }
      assert.deepEqual(trouble, []);
      await page.close();
    });
  }
  await check('names that try to break out of the page are shown as written and run nothing', async () => {
    const names = ['</script><img src=x onerror=alert(1)>', '"\');alert(1)//', "<b onmouseover='alert(2)'>x</b>",
      '&lt;not a reference&gt;'];
    const lines = ['o <script>alert(3)</script>'];
    names.forEach((name, b) => {
      lines.push(`v ${b} 0 0`, `v ${b} 1 0`, `v ${b + 0.1} 0 0`, 'usemtl ' + name, `f ${3 * b + 1} ${3 * b + 2} ${3 * b + 3}`);
    });
    const input = path.join(work, '<script>"\'&.obj');
    fs.writeFileSync(input, lines.join('\n') + '\n');
    const { page: file } = write(input, 'names');
    const { page, trouble } = await open(browser, file);
    const shown = await page.evaluate(() => Array.from(document.querySelectorAll('[data-bone]'),
      (entry) => [entry.dataset.bone, entry.textContent, entry.dataset.object]));
    assert.deepEqual(shown.map((entry) => entry[0]).sort(), names.slice().sort());
    for (const [bone, text, object] of shown) {
      assert.equal(text, bone);
      assert.equal(object, '<script>alert(3)</script>');
    }
    assert.equal(await page.evaluate(() => document.querySelectorAll('img, b').length), 0);
    assert.equal(await page.evaluate(() => document.querySelector('h1').textContent), '<script>"\'&.obj');
    await page.locator('[data-bone]').first().click();
    await page.locator('[data-bone]').first().hover();
    assert.deepEqual(trouble, []);
    await page.close();
  });
  await browser.close();
  fs.rmSync(work, { recursive: true, force: true });
  console.log(`${passes} passed, ${failures} failed`);
  process.exit(failures === 0 ? 0 : 1);
})().catch((error) => {
  console.log(error && error.stack ? error.stack : error);
  process.exit(1);
});
