// Reads a glTF file with @gltf-transform/core (a reader independent of the
// one that wrote it) and prints every node's local translation, rotation and
// scale at the given times in seconds, as JSON:
//   node tools/node-transforms.mjs FILE.glb T1 T2 ...
//   -> {"nodes":[{"name":"...","at":[{"t":T1,"translation":[..],"rotation":[..],"scale":[..]}, ...]}, ...]}
// Animation samplers are evaluated as the glTF format defines them: STEP,
// LINEAR (slerp for rotations) and CUBICSPLINE with its tangents.
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const { NodeIO } = require('@gltf-transform/core');

function segment(times, t) {
  let k = 0;
  while (k + 2 < times.length && t >= times[k + 1]) k++;
  return k;
}

function slerp(a, b, s) {
  let dot = a[0] * b[0] + a[1] * b[1] + a[2] * b[2] + a[3] * b[3];
  const sign = dot < 0 ? -1 : 1;
  dot *= sign;
  let ka = 1 - s;
  let kb = s * sign;
  if (dot < 0.9999999) {
    const angle = Math.acos(Math.min(dot, 1));
    ka = Math.sin((1 - s) * angle) / Math.sin(angle);
    kb = (Math.sin(s * angle) / Math.sin(angle)) * sign;
  }
  const q = a.map((v, i) => ka * v + kb * b[i]);
  const length = Math.hypot(...q);
  return q.map((v) => v / length);
}

function sample(sampler, path, t) {
  const times = sampler.getInput().getArray();
  const values = sampler.getOutput().getArray();
  const n = path === 'rotation' ? 4 : 3;
  const cubic = sampler.getInterpolation() === 'CUBICSPLINE';
  const at = (key, part) => Array.from(values.slice((cubic ? 3 * key + part : key) * n, (cubic ? 3 * key + part : key) * n + n));
  const last = times.length - 1;
  if (t <= times[0]) return at(0, 1);
  if (t >= times[last]) return at(last, 1);
  const k = segment(times, t);
  const td = times[k + 1] - times[k];
  const s = (t - times[k]) / td;
  if (sampler.getInterpolation() === 'STEP') return at(k, 1);
  if (!cubic) return path === 'rotation' ? slerp(at(k, 0), at(k + 1, 0), s) : at(k, 0).map((v, i) => v + s * (at(k + 1, 0)[i] - v));
  const [v0, b0, a1, v1] = [at(k, 1), at(k, 2), at(k + 1, 0), at(k + 1, 1)];
  const s2 = s * s;
  const s3 = s2 * s;
  const r = v0.map((_, i) => (2 * s3 - 3 * s2 + 1) * v0[i] + td * (s3 - 2 * s2 + s) * b0[i] + (-2 * s3 + 3 * s2) * v1[i] + td * (s3 - s2) * a1[i]);
  if (path !== 'rotation') return r;
  const length = Math.hypot(...r);
  return r.map((v) => v / length);
}

const [file, ...timeArgs] = process.argv.slice(2);
const times = timeArgs.map(Number);
const document = await new NodeIO().read(file);
const root = document.getRoot();
const channels = new Map();
for (const animation of root.listAnimations()) {
  for (const channel of animation.listChannels()) {
    const node = channel.getTargetNode();
    if (!channels.has(node)) channels.set(node, []);
    channels.get(node).push(channel);
  }
}
const nodes = root.listNodes().map((node) => ({
  name: node.getName(),
  at: times.map((t) => {
    const pose = { t, translation: node.getTranslation(), rotation: node.getRotation(), scale: node.getScale() };
    for (const channel of channels.get(node) ?? []) pose[channel.getTargetPath()] = sample(channel.getSampler(), channel.getTargetPath(), t);
    return pose;
  }),
}));
console.log(JSON.stringify({ nodes }));
