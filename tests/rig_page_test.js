// vexil-host --html in a real browser: Debian's chromium, headless, driven
// by playwright-core. Each page opens from a file:// URL with every network
// request refused, becomes ready with every bone drawn, draws something,
// selects a bone from its list and bends it, and logs no error; a rig with
// no skin is framed whole; warnings and their marks show where they belong;
// the picked bone's weights show in the key's colours; a mesh whose names
// try to break out of the page runs nothing of theirs. What the view shows
// is judged by its pixels, found where window.vexilView says things lie.
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

// The canvas pixel at a point of the view, in its CSS pixels: [r, g, b].
async function pixelAt(page, at) {
  return page.evaluate(([x, y]) => {
    const canvas = document.getElementById('view');
    const copy = document.createElement('canvas');
    copy.width = canvas.clientWidth, copy.height = canvas.clientHeight;
    const context = copy.getContext('2d');
    context.drawImage(canvas, 0, 0, copy.width, copy.height);
    return Array.from(context.getImageData(Math.round(x), Math.round(y), 1, 1).data.slice(0, 3));
  }, at);
}

function inView(at, size) {
  return at && at[0] >= 0 && at[1] >= 0 && at[0] <= size.width && at[1] <= size.height;
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
  // A rig before it is dressed, and one of three bones: the view frames
  // every bone, so a bone of the upper body, picked and bent, shows.
  const bare = path.join(work, 'three.obj');
  fs.writeFileSync(bare, ['o Three', 'v 0 0 5', 'v 0 1 5', 'v 0.1 0 5', 'v 0 2 5', 'v 0.1 1 5', 'v 0.8 2.6 5', 'v -0.1 2 5',
    'usemtl Low', 'f 1 2 3', 'usemtl Mid', 'f 2 4 5', 'usemtl Top', 'f 4 6 7'].join('\n') + '\n');
  for (const [input, object, bone, child] of [[path.join(examples, 'biped.obj'), 'Biped', 'RightUpperArm', 'RightForearm'],
    [bare, 'Three', 'Mid', 'Top']]) {
    await check(path.basename(input) + ': with no skin, every bone is in view, and picking and bending ' + bone + ' shows', async () => {
      const { page: file } = write(input, path.basename(input).replace('.', '_'));
      const { page, trouble } = await open(browser, file);
      const size = page.viewportSize();
      const view = await page.evaluate(() => { const c = document.getElementById('view'); return { left: c.getBoundingClientRect().left, width: c.clientWidth, height: c.clientHeight }; });
      const bones = await page.evaluate(() => Array.from(document.querySelectorAll('[data-bone]'), (e) => [e.dataset.object, e.dataset.bone]));
      for (const [o, b] of bones)
        for (const end of ['joint', 'tip'])
          assert.ok(inView(await page.evaluate(([o, b, end]) => window.vexilView[end](o, b), [o, b, end]), view), `${b}'s ${end} is out of view`);
      const before = await picture(page);
      await page.locator(`[data-bone="${bone}"]`).click();
      const picked = await picture(page);
      assert.notEqual(picked.image, before.image, 'picking ' + bone + ' changed nothing');
      const childBefore = await page.evaluate(([o, c]) => window.vexilView.joint(o, c), [object, child]);
      await page.fill('#bend', '45');
      await page.dispatchEvent('#bend', 'input');
      const bent = await picture(page);
      assert.notEqual(bent.image, picked.image, 'bending ' + bone + ' changed nothing');
      const childAfter = await page.evaluate(([o, c]) => window.vexilView.joint(o, c), [object, child]);
      assert.ok(Math.hypot(childAfter[0] - childBefore[0], childAfter[1] - childBefore[1]) > 2, 'bending ' + bone + ' left ' + child + ' in place');
      assert.ok(size.width > 0);
      assert.deepEqual(trouble, []);
      await page.close();
    });
  }

  // Two objects away from the origin: each lists its own warnings, and the
  // view rings the joint to weld and crosses the triangle of no area, each
  // where it lies.
  await check('each object shows its own warnings, and rings and crosses where they lie', async () => {
    const input = path.join(work, 'marks.obj');
    fs.writeFileSync(input, ['o Left',
      'v 2 1 3', 'v 2 0 3', 'v 2.05 1 3', 'usemtl Thigh', 'f 1 2 3',
      'v 2 0 3', 'v 2 -1 3', 'v 2.05 0 3', 'usemtl Shin', 'f 4 5 6',
      'v 2 -1 3', 'v 2 -1 3.000001', 'v 2.3 -1 3', 'usemtl Toe', 'f 7 8 9',
      'o Right',
      'v -2 1 -3', 'v -2 0 -3', 'v -2.05 1 -3', 'usemtl Arm', 'f 10 11 12',
      'v -2 0 -3', 'v -2 -1 -3', 'v -2.05 0 -3', 'usemtl Hand', 'f 13 14 15'].join('\n') + '\n');
    const { page: file } = write(input, 'marks');
    const { page, trouble } = await open(browser, file);
    const marks = await page.evaluate(() => window.vexilView.marks());
    const want = [['Left', true, 'Shin', 'joint'], ['Left', false, 'Shin', 'tip'], ['Right', true, 'Hand', 'joint']];
    assert.equal(marks.length, want.length, JSON.stringify(marks));
    for (const [object, ring, bone, end] of want) {
      const at = await page.evaluate(([o, b, e]) => window.vexilView[e](o, b), [object, bone, end]);
      const mark = marks.find((m) => m.object === object && m.ring === ring && Math.hypot(m.at[0] - at[0], m.at[1] - at[1]) < 3);
      assert.ok(mark, `no ${ring ? 'ring' : 'cross'} at ${object}'s ${bone} ${end} ${at}: ${JSON.stringify(marks)}`);
      const [r, g, b] = await pixelAt(page, mark.at);
      assert.ok(r > g + 40 && r > b + 40, `the ${ring ? 'ring' : 'cross'} at ${mark.at} is not drawn red: ${[r, g, b]}`);
    }
    for (const [object, bone, other] of [['Left', 'Shin', 'Hand'], ['Right', 'Hand', 'Shin']]) {
      await page.locator(`[data-object="${object}"][data-bone="${bone}"]`).click();
      const listed = await page.evaluate(() => Array.from(document.querySelectorAll('#bone-warnings li'), (li) => li.textContent));
      assert.ok(listed.length > 0 && listed.every((text) => text.includes(`'${bone}'`) && !text.includes(`'${other}'`)),
        `${object}'s ${bone} lists ${JSON.stringify(listed)}`);
    }
    assert.deepEqual(trouble, []);
    await page.close();
  });

  // The picked bone's weights in colour, as the key says: fully weighted
  // red, lightly weighted near blue, unweighed grey; a bone bends about its
  // joint's X axis; a root picked and left is orange again.
  await check('the picked bone\'s weights are coloured as the key says, and it bends about its X axis', async () => {
    const { page: file, glb } = write(path.join(examples, 'biped_skin.obj'), 'colours');
    const written = fs.readFileSync(glb);
    const json = JSON.parse(written.subarray(20, 20 + written.readUInt32LE(12)).toString('utf8'));
    const bin = written.subarray(28 + written.readUInt32LE(12));
    const mesh = json.nodes.findIndex((n) => n.mesh !== undefined);
    const joints = json.skins[json.nodes[mesh].skin].joints.map((j) => json.nodes[j].name);
    const attributes = json.meshes[json.nodes[mesh].mesh].primitives[0].attributes;
    const read = (accessor, kind) => {
      const a = json.accessors[accessor], view = json.bufferViews[a.bufferView];
      const size = kind === 'u8' ? 1 : kind === 'u16' ? 2 : 4;
      return (v, c) => {
        const at = view.byteOffset + (a.byteOffset || 0) + (v * 4 + c) * size;
        return kind === 'u8' ? bin.readUInt8(at) : kind === 'u16' ? bin.readUInt16LE(at) : bin.readFloatLE(at);
      };
    };
    const jointOf = read(attributes.JOINTS_0, json.accessors[attributes.JOINTS_0].componentType === 5121 ? 'u8' : 'u16');
    const weightOf = read(attributes.WEIGHTS_0, 'f32');
    const picked = joints.indexOf('LeftForearm');
    const weights = [];
    for (let v = 0; v < json.accessors[attributes.POSITION].count; ++v) {
      let w = 0;
      for (let c = 0; c < 4; ++c) if (jointOf(v, c) === picked) w += weightOf(v, c);
      weights.push(w);
    }
    const { page, trouble } = await open(browser, file);
    await page.locator('[data-bone="LeftForearm"]').click();
    const object = json.nodes[json.scenes[0].nodes[0]].name;
    // Most points of each kind show their colour where they lie; a bone
    // drawn over one, or the skin's far side behind it, may tint a few.
    const kinds = [['fully weighted', (w) => w > 0.99, ([r, g, b]) => r > b + 30],
      ['lightly weighted', (w) => w > 0 && w < 0.2, ([r, g, b]) => b > r + 30],
      ['unweighed', (w) => w === 0, ([r, g, b]) => Math.max(r, g, b) - Math.min(r, g, b) < 25]];
    for (const [kind, isKind, shows] of kinds) {
      const points = weights.map((w, v) => [w, v]).filter(([w]) => isKind(w)).map(([, v]) => v);
      assert.ok(points.length >= 10, 'too few ' + kind + ' points: ' + points.length);
      let right = 0, looked = 0;
      for (const v of points.filter((_, k) => k % Math.ceil(points.length / 40) === 0)) {
        const at = await page.evaluate(([o, v]) => window.vexilView.skinPoint(o, v), [object, v]);
        if (!at) continue;
        ++looked;
        if (shows(await pixelAt(page, at))) ++right;
      }
      assert.ok(looked > 0 && right >= 0.7 * looked, `${kind} points show the wrong colour: ${right} of ${looked} right`);
    }
    const joint = await page.evaluate((o) => window.vexilView.joint(o, 'LeftHand'), object);
    const tip = await page.evaluate((o) => window.vexilView.tip(o, 'LeftForearm'), object);
    const elbow = await page.evaluate((o) => window.vexilView.joint(o, 'LeftForearm'), object);
    await page.fill('#bend', '60');
    await page.dispatchEvent('#bend', 'input');
    const bentHand = await page.evaluate((o) => window.vexilView.joint(o, 'LeftHand'), object);
    const bentElbow = await page.evaluate((o) => window.vexilView.joint(o, 'LeftForearm'), object);
    assert.deepEqual(bentElbow, elbow, 'bending moved the joint it bends about');
    assert.ok(Math.hypot(bentHand[0] - joint[0], bentHand[1] - joint[1]) > 5, 'bending about X left the wrist in place');
    assert.ok(Math.hypot(tip[0] - joint[0], tip[1] - joint[1]) < 1, 'the forearm\'s tip is not the wrist');
    // The root, picked, then left for another bone: orange again, as it
    // was before it was picked.
    await page.locator('[data-bone="Spine"]').click();
    const hipsJoint = await page.evaluate((o) => window.vexilView.joint(o, 'Hips'), object);
    const hipsTip = await page.evaluate((o) => window.vexilView.tip(o, 'Hips'), object);
    const onHips = [(2 * hipsJoint[0] + hipsTip[0]) / 3, (2 * hipsJoint[1] + hipsTip[1]) / 3];
    const orange = await pixelAt(page, onHips);
    await page.locator('[data-bone="Hips"]').click();
    assert.notDeepEqual(await pixelAt(page, onHips), orange, 'picking the root did not show on it');
    await page.locator('[data-bone="Spine"]').click();
    assert.deepEqual(await pixelAt(page, onHips), orange, 'the root left is not orange again');
    assert.deepEqual(trouble, []);
    await page.close();
  });

  await check('names that try to break out of the page are shown as written and run nothing', async () => {
    // '<' alone ends or twists the rig data's script element: a name that
    // a warning quotes (every bone here is a root) lands in that data.
    const names = ['</script><img src=x onerror=alert(1)>', '"\');alert(1)//', "<b onmouseover='alert(2)'>x</b>",
      '&lt;not a reference&gt;', 'Upper</script/x', '<!--<script'];
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
    const warnings = await page.evaluate(() => document.getElementById('warnings').textContent);
    for (const name of ['Upper</script/x', '<!--<script']) assert.ok(warnings.includes(name), 'the warnings do not show ' + name);
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
