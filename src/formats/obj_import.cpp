#include "formats/obj_import.h"

#include <tiny_obj_loader.h>

#include <algorithm>
#include <istream>
#include <numeric>
#include <streambuf>
#include <sstream>

#include "formats/foreign_support.h"
#include "formats/mesh_builder.h"

namespace bk {

namespace {

namespace fs = std::filesystem;

// Takes MTL files only from the OBJ's own folder and remembers the ones it
// could not find, so that the user learns why the colours are missing.
class FolderMaterialReader : public tinyobj::MaterialReader {
 public:
  explicit FolderMaterialReader(fs::path folder) : folder_(std::move(folder)) {}

  bool operator()(const std::string& name, std::vector<tinyobj::material_t>* materials,
                  std::map<std::string, int>* names, std::string* warn, std::string* err) override {
    std::string text;
    if (folder_.empty() || !ReadFileWithin(folder_, folder_ / name, text)) {
      missing_.push_back(name);
      return false;
    }
    std::istringstream in(text);
    tinyobj::LoadMtl(names, materials, &in, warn, err);
    return true;
  }

  const std::vector<std::string>& Missing() const { return missing_; }

 private:
  fs::path folder_;
  std::vector<std::string> missing_;
};

struct ObjData {
  tinyobj::attrib_t attrib;
  std::vector<tinyobj::shape_t> shapes;
  std::vector<tinyobj::material_t> materials;
  std::vector<std::string> notes;
};

// Hands the text to the loader a block at a time, reporting each block and
// ending the text early when the sink asks to stop: the loader has no such
// hooks of its own, and a large file keeps it busy for seconds.
class ReportingTextBuffer : public std::streambuf {
 public:
  ReportingTextBuffer(std::string_view text, ProgressSink* progress, int first)
      : text_(text), progress_(progress), first_(first) {}

 protected:
  int_type underflow() override {
    if (at_ >= text_.size()) return traits_type::eof();
    if (progress_ != nullptr) {
      const double share = static_cast<double>(at_) / static_cast<double>(text_.size());
      progress_->ShowProgress(first_ + static_cast<int>(share * (kPerMille - first_)), kPerMille, "");
      if (progress_->CancelRequested()) return traits_type::eof();
    }
    const std::size_t size = std::min(kBlock, text_.size() - at_);
    char* begin = const_cast<char*>(text_.data() + at_);  // read only: the get area is never written
    setg(begin, begin, begin + size);
    at_ += size;
    return traits_type::to_int_type(*begin);
  }

 private:
  static constexpr std::size_t kBlock = std::size_t{1} << 20;
  static constexpr int kPerMille = 1000;
  std::string_view text_;
  ProgressSink* progress_;
  int first_;
  std::size_t at_ = 0;
};

ObjData Load(std::string_view text, const fs::path& folder, ProgressSink* progress, int first) {
  ObjData data;
  ReportingTextBuffer buffer(text, progress, first);
  std::istream in(&buffer);
  FolderMaterialReader materials(folder);
  std::string warn;
  std::string err;
  if (!tinyobj::LoadObj(&data.attrib, &data.shapes, &data.materials, &warn, &err, &in, &materials,
                        /*triangulate=*/false, /*default_vcols_fallback=*/false)) {
    Refuse();
  }
  for (const std::string& name : materials.Missing()) {
    data.notes.push_back("material file " + name + " not found; its faces take the default colour");
  }
  return data;
}

std::unique_ptr<CMaterial> MaterialFrom(const tinyobj::material_t& source) {
  const std::array<double, 4> rgba{source.diffuse[0], source.diffuse[1], source.diffuse[2], source.dissolve};
  auto material = MaterialFromColour(rgba, source.metallic >= 0.5f);
  material->Name = source.name;
  SetTextureMap(*material, source.diffuse_texname);
  return material;
}

// Which normals ("vn") the corners of more than one face use.
std::vector<bool> SharedNormals(const ObjData& data) {
  std::vector<std::int64_t> owner(data.attrib.normals.size() / 3, -1);
  std::vector<bool> shared(owner.size(), false);
  std::int64_t face = 0;
  for (const tinyobj::shape_t& shape : data.shapes) {
    std::size_t corner = 0;
    for (const unsigned char count : shape.mesh.num_face_vertices) {
      for (std::size_t k = 0; k < count && corner + k < shape.mesh.indices.size(); ++k) {
        const int normal = shape.mesh.indices[corner + k].normal_index;
        if (normal < 0 || static_cast<std::size_t>(normal) >= owner.size()) continue;
        std::int64_t& first = owner[static_cast<std::size_t>(normal)];
        if (first < 0) first = face;
        if (first != face) shared[static_cast<std::size_t>(normal)] = true;
      }
      corner += count;
      ++face;
    }
  }
  return shared;
}

class ObjReader {
 public:
  ObjReader(const ObjData& data, MeshBuilder& builder, UpAxis up)
      : data_(data), builder_(builder), shared_(SharedNormals(data)) {
    AddPoints(up);
    for (const tinyobj::material_t& material : data.materials) builder_.AddMaterial(MaterialFrom(material));
  }

  void AddShape(const tinyobj::shape_t& shape) {
    const tinyobj::mesh_t& mesh = shape.mesh;
    const std::size_t corners = std::accumulate(mesh.num_face_vertices.begin(), mesh.num_face_vertices.end(),
                                                std::size_t{0});
    // The loader counts a face's corners in a byte: a face of more than 255
    // corners would come apart into wrong faces.
    if (corners != mesh.indices.size()) Refuse();
    if (!shape.lines.indices.empty() || !shape.points.indices.empty()) ++skipped_;
    std::size_t corner = 0;
    for (std::size_t f = 0; f < mesh.num_face_vertices.size(); ++f) {
      AddFace(mesh, f, corner);
      corner += mesh.num_face_vertices[f];
    }
  }

  bool SkippedAny() const { return skipped_ > 0; }

  std::vector<std::string> Notes() const {
    if (skipped_ == 0) return {};
    return {"left out the lines and points of " + std::to_string(skipped_) + " OBJ group(s)"};
  }

 private:
  void AddPoints(UpAxis up) {
    const std::vector<tinyobj::real_t>& v = data_.attrib.vertices;
    const std::vector<tinyobj::real_t>& t = data_.attrib.texcoords;
    if (!builder_.HasRoomForVertices(v.size() / 3) || !builder_.HasRoomForUvs(t.size() / 2)) {
      Refuse(messages::kTooLarge);
    }
    for (std::size_t i = 0; i + 2 < v.size(); i += 3) {
      const CVector p = up == UpAxis::Y ? FromYUp(v[i], v[i + 1], v[i + 2]) : CVector(v[i], v[i + 1], v[i + 2]);
      if (!builder_.AddVertex(p)) Refuse();
    }
    for (std::size_t i = 0; i + 1 < t.size(); i += 2) {
      if (!builder_.AddUv(CUvPoint(t[i], t[i + 1]))) Refuse();
    }
  }

  void AddFace(const tinyobj::mesh_t& mesh, std::size_t f, std::size_t first) {
    const std::size_t count = mesh.num_face_vertices[f];
    corners_.clear();
    uvs_.clear();
    bool shares_normal = false;
    for (std::size_t k = 0; k < count; ++k) {
      const tinyobj::index_t& index = mesh.indices[first + k];
      if (index.vertex_index < 0 || static_cast<std::size_t>(index.vertex_index) >= builder_.VertexCount()) {
        Refuse(messages::kIndexOutOfRange);
      }
      corners_.push_back(static_cast<std::uint32_t>(index.vertex_index));
      uvs_.push_back(UvIndex(index.texcoord_index));
      shares_normal = shares_normal || (index.normal_index >= 0 &&
                                        static_cast<std::size_t>(index.normal_index) < shared_.size() &&
                                        shared_[static_cast<std::size_t>(index.normal_index)]);
    }
    const int id = f < mesh.material_ids.size() ? mesh.material_ids[f] : -1;
    const std::int32_t material = id >= 0 && static_cast<std::size_t>(id) < data_.materials.size()
                                      ? id
                                      : builder_.DefaultMaterial();
    const bool grouped = f < mesh.smoothing_group_ids.size() && mesh.smoothing_group_ids[f] != 0;
    if (!builder_.AddFace(corners_, uvs_, material, grouped || shares_normal)) Refuse(messages::kTooLarge);
  }

  std::uint32_t UvIndex(int texcoord) {
    if (texcoord < 0) {
      std::uint32_t placeholder = 0;
      if (!builder_.PlaceholderUv(placeholder)) Refuse(messages::kTooLarge);
      return placeholder;
    }
    if (static_cast<std::size_t>(texcoord) >= data_.attrib.texcoords.size() / 2) {
      Refuse(messages::kIndexOutOfRange);
    }
    return static_cast<std::uint32_t>(texcoord);
  }

  const ObjData& data_;
  MeshBuilder& builder_;
  std::vector<bool> shared_;
  std::vector<std::uint32_t> corners_;
  std::vector<std::uint32_t> uvs_;
  int skipped_ = 0;
};

std::string FirstShapeName(const ObjData& data) {
  for (const tinyobj::shape_t& shape : data.shapes) {
    if (!shape.name.empty() && !shape.mesh.indices.empty()) return shape.name;
  }
  return {};
}

}  // namespace

MeshImportResult ImportObj(std::string_view text, const fs::path& folder, const std::string& stem, UpAxis up,
                           ProgressSink* progress, int first) {
  MeshImportResult result;
  result.format = MeshFormat::Obj;
  return GuardedImport(std::move(result), [&](MeshImportResult& out) {
    const ObjData data = Load(text, folder, progress, first);
    MeshBuilder builder;
    ObjReader reader(data, builder, up);
    for (const tinyobj::shape_t& shape : data.shapes) reader.AddShape(shape);
    const std::string name = FirstShapeName(data);
    out.object = builder.Finish(name.empty() ? stem : name);
    if (!out.object) Refuse(reader.SkippedAny() ? messages::kOnlyPointsOrLines : messages::kNoMesh);
    out.notes = data.notes;
    for (std::string& note : reader.Notes()) out.notes.push_back(std::move(note));
  });
}

}  // namespace bk
