// What the rig page uses of three.js, bundled into one script by
// tools/make-three-bundle.sh into third_party/three/: a page opened from
// disk cannot load modules.
export * from 'three';
export { GLTFLoader } from 'three/examples/jsm/loaders/GLTFLoader.js';
export { OrbitControls } from 'three/examples/jsm/controls/OrbitControls.js';
