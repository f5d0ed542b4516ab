#pragma once

// Reading written glTF back in the tests with tinygltf, and evaluating its
// animation samplers as an importer that honours every interpolation would.

#include <tiny_gltf.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace bk::testing {

inline tinygltf::Model Load(const std::string& bytes, bool binary) {
  tinygltf::TinyGLTF loader;
  tinygltf::Model model;
  std::string error;
  std::string warning;
  const bool ok =
      binary ? loader.LoadBinaryFromMemory(&model, &error, &warning,
                                           reinterpret_cast<const unsigned char*>(bytes.data()),
                                           static_cast<unsigned>(bytes.size()))
             : loader.LoadASCIIFromString(&model, &error, &warning, bytes.data(),
                                          static_cast<unsigned>(bytes.size()), "");
  EXPECT_TRUE(ok) << error << warning;
  return model;
}

inline std::vector<float> Floats(const tinygltf::Model& m, int accessor_index) {
  const tinygltf::Accessor& a = m.accessors[accessor_index];
  const tinygltf::BufferView& v = m.bufferViews[a.bufferView];
  const int components = tinygltf::GetNumComponentsInType(a.type);
  const std::size_t stride = v.byteStride != 0 ? v.byteStride : components * sizeof(float);
  std::vector<float> out;
  const unsigned char* base = m.buffers[v.buffer].data.data() + v.byteOffset + a.byteOffset;
  for (std::size_t i = 0; i < a.count; ++i) {
    const float* f = reinterpret_cast<const float*>(base + i * stride);
    out.insert(out.end(), f, f + components);
  }
  return out;
}

inline const tinygltf::AnimationSampler* SamplerFor(const tinygltf::Model& m, int node, const std::string& path) {
  if (m.animations.empty()) return nullptr;
  for (const auto& c : m.animations[0].channels) {
    if (c.target_node == node && c.target_path == path) return &m.animations[0].samplers[c.sampler];
  }
  return nullptr;
}

// A sampler's value at time t: LINEAR (slerp for 4 components) or
// CUBICSPLINE with its tangents, held at the ends.
inline std::vector<double> SampleAt(const tinygltf::Model& m, const tinygltf::AnimationSampler& sampler, double t) {
  const std::vector<float> times = Floats(m, sampler.input);
  const std::vector<float> values = Floats(m, sampler.output);
  const std::size_t n = values.size() / times.size() / (sampler.interpolation == "CUBICSPLINE" ? 3 : 1);
  const bool cubic = sampler.interpolation == "CUBICSPLINE";
  auto at = [&](std::size_t key, std::size_t part) {
    const std::size_t first = (cubic ? 3 * key + part : key) * n;
    return std::vector<double>(values.begin() + first, values.begin() + first + n);
  };
  if (t <= times.front()) return at(0, 1);
  if (t >= times.back()) return at(times.size() - 1, 1);
  std::size_t k = 0;
  while (k + 2 < times.size() && t >= times[k + 1]) ++k;
  const double td = times[k + 1] - times[k];
  const double s = (t - times[k]) / td;
  std::vector<double> r(n);
  if (cubic) {
    const auto v0 = at(k, 1), b0 = at(k, 2), a1 = at(k + 1, 0), v1 = at(k + 1, 1);
    for (std::size_t i = 0; i < n; ++i) {
      r[i] = (2 * s * s * s - 3 * s * s + 1) * v0[i] + td * (s * s * s - 2 * s * s + s) * b0[i] +
             (-2 * s * s * s + 3 * s * s) * v1[i] + td * (s * s * s - s * s) * a1[i];
    }
    return r;
  }
  const auto v0 = at(k, 0), v1 = at(k + 1, 0);
  double dot = 0;
  for (std::size_t i = 0; i < n; ++i) dot += v0[i] * v1[i];
  const double angle = n == 4 ? std::acos(std::clamp(dot, -1.0, 1.0)) : 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    r[i] = angle > 1e-6 ? (std::sin((1 - s) * angle) * v0[i] + std::sin(s * angle) * v1[i]) / std::sin(angle)
                        : v0[i] + s * (v1[i] - v0[i]);
  }
  return r;
}

struct NodePose {
  std::vector<double> translation{0, 0, 0};
  std::vector<double> rotation{0, 0, 0, 1};
  std::vector<double> scale{1, 1, 1};
};

// A node's local transform at time t: its own values, overridden by its channels.
inline NodePose PoseAt(const tinygltf::Model& m, int node, double t) {
  NodePose pose;
  const tinygltf::Node& n = m.nodes[node];
  if (!n.translation.empty()) pose.translation = n.translation;
  if (!n.rotation.empty()) pose.rotation = n.rotation;
  if (!n.scale.empty()) pose.scale = n.scale;
  for (const char* path : {"translation", "rotation", "scale"}) {
    const tinygltf::AnimationSampler* sampler = SamplerFor(m, node, path);
    if (sampler == nullptr) continue;
    std::vector<double> value = SampleAt(m, *sampler, t);
    if (std::string(path) == "translation") pose.translation = value;
    if (std::string(path) == "rotation") pose.rotation = value;
    if (std::string(path) == "scale") pose.scale = value;
  }
  return pose;
}

}  // namespace bk::testing
