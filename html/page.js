// The rig page: the skin and bones of vexil-host's glTF file in 3D, the
// bones as a tree, the selected bone's weights in colour and a slider that
// bends it, and the rig check's warnings. Names come from the glTF file's
// JSON and the rig data, and reach the page only as text.
(function () {
  'use strict';
  const T = window.VexilThree;
  const body = document.body;
  const rig = JSON.parse(document.getElementById('vexil-rig').textContent);

  // The embedded GLB file, and its JSON: the loaded nodes' names are
  // changed by the loader, the JSON's are as the mesh wrote them.
  const raw = atob(document.getElementById('vexil-gltf').textContent.trim());
  const glb = new Uint8Array(raw.length);
  for (let i = 0; i < raw.length; ++i) glb[i] = raw.charCodeAt(i);
  const jsonLength = new DataView(glb.buffer).getUint32(12, true);
  const gltf = JSON.parse(new TextDecoder().decode(glb.subarray(20, 20 + jsonLength)));
  const nodes = gltf.nodes || [];
  const parentOf = nodes.map(() => -1);
  nodes.forEach((node, i) => (node.children || []).forEach((child) => { parentOf[child] = i; }));
  const objectOf = nodes.map((node, i) => { let at = i; while (parentOf[at] >= 0) at = parentOf[at]; return at; });
  const isBone = (i) => parentOf[i] >= 0;

  if (rig.simplified) {
    const note = document.getElementById('simplified');
    note.textContent = rig.simplified;
    note.hidden = false;
  }

  const canvas = document.getElementById('view');
  const renderer = new T.WebGLRenderer({ canvas, antialias: true, preserveDrawingBuffer: true });
  renderer.setPixelRatio(window.devicePixelRatio || 1);
  const scene = new T.Scene();
  scene.background = new T.Color(0xf2f2f2);
  scene.add(new T.HemisphereLight(0xffffff, 0x777777, 2.2));
  const sun = new T.DirectionalLight(0xffffff, 1.2);
  sun.position.set(1, 2, 3);
  scene.add(sun);
  const camera = new T.PerspectiveCamera(40, 1, 0.001, 1e6);
  const controls = new T.OrbitControls(camera, canvas);

  function render() { renderer.render(scene, camera); }
  function resize() {
    const width = canvas.clientWidth || 1, height = canvas.clientHeight || 1;
    renderer.setSize(width, height, false);
    camera.aspect = width / height;
    camera.updateProjectionMatrix();
    render();
  }
  controls.addEventListener('change', render);
  window.addEventListener('resize', resize);

  const nodeObject = [];   // per node index, the loaded Object3D
  const restTurn = [];     // per bone node, its rotation at rest
  const wedges = [];       // per bone node drawn, its wedge
  const entries = [];      // per bone node, its entry in the list
  const skins = [];        // skinned meshes: { mesh, joints, colours }
  const drawnMarks = [];   // { object, ring, marker }
  let selected = -1;

  const rootColour = new T.Color(0xe4572e), childColour = new T.Color(0x2e86ab), pickedColour = new T.Color(0xffc400);
  const grey = new T.Color(0x9a9a9a), cold = new T.Color(0x0000ff), hot = new T.Color(0xff0000);

  // A wedge from the joint along +Z to the tip, its roll corner towards +Y.
  function Wedge(length) {
    const w = Math.max(length * 0.12, 1e-4);
    const corners = [0, w, 0, -w, -w * 0.5, 0, w, -w * 0.5, 0, 0, 0, length];
    const faces = [0, 1, 3, 1, 2, 3, 2, 0, 3, 0, 2, 1];
    const geometry = new T.BufferGeometry();
    geometry.setAttribute('position', new T.Float32BufferAttribute(corners, 3));
    geometry.setIndex(faces);
    geometry.computeVertexNormals();
    return geometry;
  }

  function boneText(i) { return nodes[i] ? nodes[i].name || '' : ''; }

  function warningsOf(i) {
    const name = boneText(i), object = boneText(objectOf[i]);
    return rig.warnings.filter((w) => w.object === object && (w.bones || []).indexOf(name) >= 0);
  }

  function showWarnings(list, items) {
    list.replaceChildren();
    for (const warning of items) {
      const li = document.createElement('li');
      li.textContent = warning.message;
      if (warning.severity === 'note') li.className = 'note';
      const named = (warning.bones || [])[0];
      li.addEventListener('click', () => {
        const found = nodes.findIndex((node, i) => isBone(i) && node.name === named && boneText(objectOf[i]) === warning.object);
        if (found >= 0) select(found);
      });
      list.appendChild(li);
    }
  }

  // Each skin vertex coloured by the selected bone's weight on it.
  function colourSkins() {
    for (const skin of skins) {
      const joint = skin.joints.indexOf(selected);
      const index = skin.mesh.geometry.getAttribute('skinIndex'), weight = skin.mesh.geometry.getAttribute('skinWeight');
      const colours = skin.colours;
      const colour = new T.Color();
      for (let v = 0; v < colours.count; ++v) {
        let w = 0;
        if (joint >= 0)
          for (let c = 0; c < 4; ++c) if (index.getComponent(v, c) === joint) w += weight.getComponent(v, c);
        if (w > 0) colour.copy(cold).lerp(hot, Math.min(1, w)); else colour.copy(grey);
        colours.setXYZ(v, colour.r, colour.g, colour.b);
      }
      colours.needsUpdate = true;
    }
  }

  const bend = document.getElementById('bend'), bendValue = document.getElementById('bend-value');
  function bendSelected() {
    const degrees = Number(bend.value);
    bendValue.textContent = degrees + '°';
    const bone = nodeObject[selected];
    if (!bone) return;
    bone.quaternion.copy(restTurn[selected]).multiply(new T.Quaternion().setFromAxisAngle(new T.Vector3(1, 0, 0), degrees * Math.PI / 180));
    render();
  }
  bend.addEventListener('input', bendSelected);

  function select(i) {
    if (selected >= 0) {
      if (nodeObject[selected]) nodeObject[selected].quaternion.copy(restTurn[selected]);
      if (wedges[selected]) wedges[selected].material.color.copy(parentOf[parentOf[selected]] >= 0 ? childColour : rootColour);
      if (entries[selected]) entries[selected].classList.remove('selected');
    }
    selected = i;
    bend.value = 0;
    bend.disabled = false;
    bendValue.textContent = '0°';
    if (wedges[i]) wedges[i].material.color.copy(pickedColour);
    if (entries[i]) { entries[i].classList.add('selected'); entries[i].scrollIntoView({ block: 'nearest' }); }
    const node = nodes[i], parent = parentOf[i];
    document.getElementById('info-name').textContent = node.name || '';
    document.getElementById('info-parent').textContent = isBone(parent) ? boneText(parent) : 'none: a root of ' + boneText(parent);
    const extras = node.extras || {};
    document.getElementById('info-length').textContent = extras.restLength !== undefined ? String(extras.restLength) : '';
    document.getElementById('info-map').textContent = extras.weightMap !== undefined ? extras.weightMap : '';
    showWarnings(document.getElementById('bone-warnings'), warningsOf(i));
    body.dataset.selected = node.name || '';
    colourSkins();
    render();
  }

  // The bones of each object as a tree.
  function listBones() {
    const list = document.getElementById('bones');
    function add(parentList, i) {
      const li = document.createElement('li');
      const entry = document.createElement('span');
      entry.className = 'bone';
      entry.textContent = boneText(i);
      entry.dataset.bone = boneText(i);
      entry.dataset.object = boneText(objectOf[i]);
      entry.addEventListener('click', () => select(i));
      entries[i] = entry;
      li.appendChild(entry);
      const children = (nodes[i].children || []);
      if (children.length > 0) {
        const ul = document.createElement('ul');
        for (const child of children) add(ul, child);
        li.appendChild(ul);
      }
      parentList.appendChild(li);
    }
    for (const root of (gltf.scenes && gltf.scenes[0] ? gltf.scenes[0].nodes : [])) {
      const li = document.createElement('li');
      const name = document.createElement('span');
      name.className = 'object';
      name.textContent = boneText(root);
      li.appendChild(name);
      li.dataset.object = boneText(root);
      const ul = document.createElement('ul');
      for (const child of nodes[root].children || []) add(ul, child);
      li.appendChild(ul);
      list.appendChild(li);
    }
  }

  // Marks where the rig check found points to weld (rings) and triangles
  // of no area (crosses), as the picture marks them.
  function markWarnings(size) {
    const material = new T.MeshBasicMaterial({ color: 0xd62728, depthTest: false });
    for (const mark of rig.marks) {
      const root = (gltf.scenes[0].nodes || []).find((r) => boneText(r) === mark.object);
      if (root === undefined || !nodeObject[root]) continue;
      const shape = mark.ring ? new T.TorusGeometry(size, size * 0.2, 6, 16) : new T.OctahedronGeometry(size * 0.8);
      const marker = new T.Mesh(shape, material);
      marker.position.set(mark.at[0], mark.at[1], -mark.at[2]);
      marker.renderOrder = 2;
      nodeObject[root].add(marker);
      drawnMarks.push({ object: mark.object, ring: shape.type === 'TorusGeometry', marker });
    }
  }

  function loaded(result) {
    scene.add(result.scene);
    result.scene.traverse((object) => {
      const found = result.parser.associations.get(object);
      if (found && found.nodes !== undefined && nodeObject[found.nodes] === undefined) nodeObject[found.nodes] = object;
    });
    result.scene.traverse((object) => {
      if (!object.isSkinnedMesh) return;
      const found = result.parser.associations.get(object);
      const node = found && found.nodes !== undefined ? nodes[found.nodes] : undefined;
      const joints = node && node.skin !== undefined ? gltf.skins[node.skin].joints : [];
      const count = object.geometry.getAttribute('position').count;
      const colours = new T.Float32BufferAttribute(new Float32Array(count * 3).fill(0.8), 3);
      object.geometry.setAttribute('color', colours);
      object.material = new T.MeshLambertMaterial({ vertexColors: true, transparent: true, opacity: 0.55, side: T.DoubleSide, depthWrite: false });
      skins.push({ mesh: object, joints, colours, object: node ? boneText(objectOf[found.nodes]) : '' });
    });
    // The view frames every bone and every skin point of every object: a
    // rig with no skin yet is all bones.
    result.scene.updateMatrixWorld(true);
    const box = new T.Box3().setFromObject(result.scene);
    nodes.forEach((node, i) => { if (isBone(i) && nodeObject[i]) box.expandByPoint(nodeObject[i].getWorldPosition(new T.Vector3())); });
    const size = (box.isEmpty() ? 0 : box.getSize(new T.Vector3()).length()) || 1;
    let drawn = 0;
    nodes.forEach((node, i) => {
      if (!isBone(i) || !nodeObject[i]) return;
      restTurn[i] = nodeObject[i].quaternion.clone();
      const length = node.extras && node.extras.restLength > 0 ? node.extras.restLength : size * 0.02;
      const wedge = new T.Mesh(Wedge(length), new T.MeshLambertMaterial({ color: parentOf[parentOf[i]] >= 0 ? childColour : rootColour }));
      wedge.userData.node = i;
      wedge.renderOrder = 1;
      nodeObject[i].add(wedge);
      wedges[i] = wedge;
      box.expandByObject(wedge);
      ++drawn;
    });
    listBones();
    markWarnings(size * 0.01);
    showWarnings(document.getElementById('warnings'), rig.warnings);
    // Frame it all from the front and a little to the side and above: far
    // enough that the sphere around it fits the narrower of the view's angles.
    const centre = box.isEmpty() ? new T.Vector3() : box.getCenter(new T.Vector3());
    const framed = (box.isEmpty() ? 0 : box.getSize(new T.Vector3()).length()) || size;
    const aspect = (canvas.clientWidth || 1) / (canvas.clientHeight || 1);
    const half = Math.min(camera.fov / 2, Math.atan(Math.tan(camera.fov / 2 * Math.PI / 180) * aspect) * 180 / Math.PI);
    const away = (framed / 2) / Math.sin(half * Math.PI / 180);
    camera.position.copy(centre).add(new T.Vector3(0.45, 0.25, 1.0).normalize().multiplyScalar(away));
    camera.near = framed / 1000;
    camera.far = framed * 100;
    controls.target.copy(centre);
    controls.update();
    resize();
    body.dataset.bones = String(drawn);
    body.dataset.ready = '1';
  }

  // A click that does not drag picks the bone whose wedge it hits.
  let downAt = null;
  canvas.addEventListener('pointerdown', (event) => { downAt = [event.clientX, event.clientY]; });
  canvas.addEventListener('pointerup', (event) => {
    if (!downAt || Math.hypot(event.clientX - downAt[0], event.clientY - downAt[1]) > 4) return;
    const rect = canvas.getBoundingClientRect();
    const pointer = new T.Vector2(((event.clientX - rect.left) / rect.width) * 2 - 1, -((event.clientY - rect.top) / rect.height) * 2 + 1);
    const ray = new T.Raycaster();
    ray.setFromCamera(pointer, camera);
    const hit = ray.intersectObjects(wedges.filter(Boolean), false)[0];
    if (hit) select(hit.object.userData.node);
  });

  // What tests and scripts may read of the view, without changing it: where
  // on the canvas (in its CSS pixels) a bone's joint or tip, a mark, or a
  // skin point lies, as drawn now.
  function onScreen(object3d, local) {
    if (!object3d) return null;
    object3d.updateWorldMatrix(true, false);
    const at = new T.Vector3(...local).applyMatrix4(object3d.matrixWorld).project(camera);
    return [(at.x + 1) / 2 * canvas.clientWidth, (1 - at.y) / 2 * canvas.clientHeight];
  }
  function boneNode(object, bone) {
    return nodes.findIndex((node, i) => isBone(i) && node.name === bone && boneText(objectOf[i]) === object);
  }
  window.vexilView = Object.freeze({
    joint: (object, bone) => onScreen(nodeObject[boneNode(object, bone)], [0, 0, 0]),
    tip: (object, bone) => {
      const i = boneNode(object, bone);
      return i >= 0 && nodes[i].extras ? onScreen(nodeObject[i], [0, 0, nodes[i].extras.restLength || 0]) : null;
    },
    marks: () => drawnMarks.map((m) => ({ object: m.object, ring: m.ring, at: onScreen(m.marker, [0, 0, 0]) })),
    skinPoint: (object, vertex) => {
      const skin = skins.find((s) => s.object === object);
      if (!skin) return null;
      const position = new T.Vector3();
      skin.mesh.getVertexPosition(vertex, position);
      return onScreen(skin.mesh, position.toArray());
    },
  });

  new T.GLTFLoader().parse(glb.buffer, '', loaded, (error) => {
    const failed = document.getElementById('failed');
    failed.textContent = 'The skeleton could not be shown: ' + (error && error.message ? error.message : String(error));
    failed.hidden = false;
    console.error(error);
  });
})();
