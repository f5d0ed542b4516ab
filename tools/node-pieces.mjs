// Reads a glTF file with @gltf-transform/core (a reader independent of the
// one that wrote it) and prints, for every node with a mesh, the materials
// its primitives use (as indices into the file's material list) and its
// triangles as local positions, nine numbers each, as JSON:
//   node tools/node-pieces.mjs FILE.glb
//   -> {"pieces":[{"name":"...","materials":[0,2],"triangles":[[x,y,z,x,y,z,x,y,z], ...]}, ...]}
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const { NodeIO } = require('@gltf-transform/core');

const TRIANGLES = 4;

function triangles(primitive) {
  if (primitive.getMode() !== TRIANGLES) throw new Error('a primitive that is not made of triangles');
  const position = primitive.getAttribute('POSITION');
  const count = primitive.getIndices()?.getCount() ?? position.getCount();
  const corner = (i) => primitive.getIndices()?.getScalar(i) ?? i;
  const out = [];
  for (let t = 0; t + 2 < count; t += 3) {
    out.push([0, 1, 2].flatMap((k) => position.getElement(corner(t + k), [])));
  }
  return out;
}

const document = await new NodeIO().read(process.argv[2]);
const root = document.getRoot();
const materials = root.listMaterials();
const pieces = root
  .listNodes()
  .filter((node) => node.getMesh())
  .map((node) => {
    const primitives = node.getMesh().listPrimitives();
    return {
      name: node.getName(),
      materials: [...new Set(primitives.map((p) => materials.indexOf(p.getMaterial())))].sort((a, b) => a - b),
      triangles: primitives.flatMap(triangles),
    };
  });
console.log(JSON.stringify({ pieces }));
