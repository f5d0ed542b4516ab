#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <sstream>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "cob/cob_file.h"
#include "cob/cob_writer.h"
#include "cob/exploded_file.h"
#include "engine/explosion.h"
#include "cob/poly_chunk.h"
#include "preview/renderer.h"
#include "preview/scene.h"
#include "preview_fixture.h"
#include "support/random_export.h"

using namespace bk;
using namespace bk::preview_test;

namespace {

std::unique_ptr<CPolyChunk> MeshWithFace(const std::vector<CVector>& points,
                                         std::vector<std::uint32_t> corners) {
  auto owned = std::make_unique<CPolyChunk>();
  CPolyChunk& mesh = *owned;
  mesh.Axis.Row0 = {1, 0, 0};
  mesh.Axis.Row1 = {0, 1, 0};
  mesh.Axis.Row2 = {0, 0, 1};
  for (const CVector& p : points) mesh.AddOwnedVertex(p);
  CFace face;
  face.VertexCount = static_cast<std::int32_t>(corners.size());
  face.UvIndices.assign(corners.size(), 0);
  face.VertexIndices.assign(corners.begin(), corners.end());
  mesh.AddOwnedFace(face);
  return owned;
}

double TriangleAreaSum(const PreviewScene& scene) {
  double sum = 0.0;
  const auto& v = scene.RestVertices();
  for (const SceneTriangle& t : scene.Triangles()) {
    const CVector a = v[t.a], b = v[t.b], c = v[t.c];
    const double ux = b.x - a.x, uy = b.y - a.y, uz = b.z - a.z;
    const double wx = c.x - a.x, wy = c.y - a.y, wz = c.z - a.z;
    const double nx = uy * wz - uz * wy, ny = uz * wx - ux * wz, nz = ux * wy - uy * wx;
    sum += 0.5 * std::sqrt(nx * nx + ny * ny + nz * nz);
  }
  return sum;
}

}  // namespace

class SceneTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QVERIFY(dir_.isValid()); }

  void explodedFilePlaysFromRest() {
    const QString path = dir_.filePath(QStringLiteral("explosion.cob"));
    const std::string error = WriteExplosion(path.toStdString(), 5.0f);
    QVERIFY2(error.empty(), error.c_str());
    const SceneLoadResult loaded = LoadPreviewScene(path.toStdString());
    QVERIFY2(loaded.scene, loaded.error.c_str());
    const PreviewScene& scene = *loaded.scene;
    QVERIFY(scene.Objects().size() > 1);
    QCOMPARE(scene.Triangles().size(), std::size_t(6 * 9 * 2));
    QVERIFY(scene.IsAnimated());

    std::vector<CVector> at;
    scene.PositionsAt(0, at);
    QCOMPARE(at.size(), scene.RestVertices().size());
    for (std::size_t i = 0; i < at.size(); ++i) {
      const CVector r = scene.RestVertices()[i];
      QVERIFY(std::fabs(at[i].x - r.x) < 1e-4f && std::fabs(at[i].y - r.y) < 1e-4f &&
              std::fabs(at[i].z - r.z) < 1e-4f);
    }
    const Bounds rest = scene.RestBounds();
    QVERIFY(std::fabs(rest.Min.x + 1.0f) < 1e-5f && std::fabs(rest.Max.z - 2.0f) < 1e-5f);
    QVERIFY(scene.MotionBounds(0, scene.LastFrame()).Radius() > rest.Radius() * 2.0f);
  }

  // Every file an export writes plays: random exports and the golden set load
  // as explosions and pose every frame with finite positions.
  void everyExportLoadsAndPosesEveryFrame() {
    std::vector<std::pair<std::string, std::string>> files;
    const std::filesystem::path folder = dir_.filePath(QStringLiteral("random")).toStdString();
    std::filesystem::create_directories(folder);
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
      const testing::RandomExport run = testing::RunRandomExport(seed, folder);
      QVERIFY2(run.error.empty(), run.error.c_str());
      files.emplace_back("seed " + std::to_string(seed), run.text);
    }
    const QDir golden(QStringLiteral(BURSTKIN_SOURCE_DIR "/tests/golden"));
    for (const QString& name : golden.entryList({QStringLiteral("*.cob")})) {
      QFile file(golden.filePath(name));
      QVERIFY(file.open(QIODevice::ReadOnly));
      files.emplace_back(name.toStdString(), file.readAll().toStdString());
    }
    QVERIFY(files.size() > 60);
    std::vector<CVector> positions;
    for (const auto& [name, text] : files) {
      const SceneLoadResult loaded = LoadPreviewSceneFromText(text);
      QVERIFY2(loaded.scene != nullptr, (name + ": " + loaded.error).c_str());
      QVERIFY2(loaded.scene->IsAnimated(), name.c_str());
      for (int frame = 0; frame <= loaded.scene->LastFrame(); ++frame) {
        loaded.scene->PositionsAt(frame, positions);
        const bool finite = std::all_of(positions.begin(), positions.end(), [](CVector v) {
          return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
        });
        QVERIFY2(finite, (name + " at frame " + std::to_string(frame)).c_str());
      }
    }
  }

  // Regression: pieces that keep only their runs of faces were drawn with
  // the cut lists' (absent) materials, grey instead of their colours.
  void groupInMemoryLooksLikeItsFileReadBack() {
    const auto crate = ImportObject((std::filesystem::path(BURSTKIN_EXAMPLES_DIR) / "crate.cob").string());
    QVERIFY(crate.object);
    ExplosionOptions options;
    options.ObjectFaces = crate.object->FaceTotal;
    MotionContext motion;
    CRandom random(3);
    NoProgress progress;
    GroupResult run = ExplodeObject(*crate.object, MotionInputs{motion, options, random}, 0, progress);
    QVERIFY(run.ok());
    const ExplodedGroup* groups[] = {&run.group};
    std::ostringstream text;
    {
      CobWriter writer(text);
      QVERIFY(WriteGroups(writer, groups, progress).ok());
    }
    ExplodedReadResult read = ReadExplodedFile(text.str());
    QVERIFY(read.ok());
    const auto memory = PreviewScene::FromGroup(run.group);
    const auto file = PreviewScene::FromExplodedFile(std::move(read.File));
    QCOMPARE(memory->Triangles().size(), file->Triangles().size());
    for (std::size_t t = 0; t < file->Triangles().size(); ++t) {
      const SceneTriangle& m = memory->Triangles()[t];
      const SceneTriangle& f = file->Triangles()[t];
      QVERIFY(m.red == f.red && m.green == f.green && m.blue == f.blue);
    }
  }

  void plainObjectIsShownAtRest() {
    const QString path = dir_.filePath(QStringLiteral("box.cob"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray::fromStdString(BoxText(2)));
    f.close();
    const SceneLoadResult loaded = LoadPreviewScene(path.toStdString());
    QVERIFY2(loaded.scene, loaded.error.c_str());
    QVERIFY(!loaded.scene->IsAnimated());
    QCOMPARE(loaded.scene->LastFrame(), 0);
    QCOMPARE(loaded.scene->RestVertices().size(), std::size_t(6 * 4 * 4));  // each used vertex once
  }

  void unreadableFilesGiveTheirMessages() {
    const std::string missing = dir_.filePath(QStringLiteral("absent.cob")).toStdString();
    SceneLoadResult r = LoadPreviewScene(missing);
    QVERIFY(!r.scene);
    QCOMPARE(r.error, std::string(messages::kCouldNotOpen));

    r = LoadPreviewScene(dir_.path().toStdString());  // a folder
    QVERIFY(!r.scene);
    QCOMPARE(r.error, std::string(messages::kCouldNotOpen));

    for (const std::string& text :
         {std::string(), std::string("not a model\n"), std::string("\x00\x01\x02 binary", 10),
          std::string("Caligari V00.01ALH\nGrou V1.00 Id 5 Parent 0 Size -1\nChan V0.04 Id 9")}) {
      r = LoadPreviewSceneFromText(text);
      QVERIFY(!r.scene);
      QVERIFY(!r.error.empty());
    }
    QCOMPARE(LoadPreviewSceneFromText("not a model\n").error,
             ImportObjectFromText("not a model\n").error);
  }

  // A damaged file of ours is refused with the reader's message rather than
  // shown as its first piece at rest.
  void damagedExplosionIsRefused() {
    const QString path = dir_.filePath(QStringLiteral("whole.cob"));
    QVERIFY(WriteExplosion(path.toStdString(), 5.0f).empty());
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray whole = f.readAll();
    const std::string cut = whole.left(whole.size() * 2 / 3).toStdString();
    const SceneLoadResult r = LoadPreviewSceneFromText(cut);
    QVERIFY(!r.scene);
    QCOMPARE(r.error, ReadExplodedFile(cut).error);
  }

  // Files the modeller wrote (thumbnails, channels of their own) show at rest.
  void realFilesShowAtRest() {
    const QString folder = qEnvironmentVariable("BURSTKIN_REAL_DATA");
    const QStringList names = QDir(folder).entryList({QStringLiteral("*.cob")}, QDir::Files);
    if (folder.isEmpty() || names.isEmpty()) QSKIP("real test files not found (set BURSTKIN_REAL_DATA)");
    SceneRenderer renderer;
    QImage image(160, 120, QImage::Format_ARGB32_Premultiplied);
    for (const QString& name : names) {
      const SceneLoadResult r = LoadPreviewScene(QDir(folder).filePath(name).toStdString());
      QVERIFY2(r.scene, qPrintable(name + QStringLiteral(": ") + QString::fromStdString(r.error)));
      QVERIFY(!r.scene->IsAnimated());
      QVERIFY(!r.scene->Triangles().empty());
      const Camera camera = Camera::Framing(r.scene->RestBounds(), ViewKind::Front);
      const RenderStats stats = renderer.Render(*r.scene, r.scene->RestVertices(), camera, {}, image);
      QCOMPARE(stats.Culled, 0);  // framed whole
    }
  }

  // An L-shaped face: a fan from its reflex corner would cover area outside it.
  void concaveFacesAreClippedNotFanned() {
    const std::vector<CVector> l = {{0, 0, 0}, {2, 0, 0}, {2, 1, 0}, {1, 1, 0}, {1, 2, 0}, {0, 2, 0}};
    const auto mesh = MeshWithFace(l, {3, 4, 5, 0, 1, 2});
    const auto scene = PreviewScene::FromObject(*mesh);
    QCOMPARE(scene->Triangles().size(), std::size_t(4));
    QVERIFY(std::fabs(TriangleAreaSum(*scene) - 3.0) < 1e-6);
  }

  // A hole cuts the face before it, as in the glTF export.
  void holesAreCutOutOfTheirFace() {
    const std::vector<CVector> corners = {{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {0, 4, 0},
                                          {1, 1, 0}, {1, 3, 0}, {3, 3, 0}, {3, 1, 0}};
    const auto mesh = MeshWithFace(corners, {0, 1, 2, 3});
    CFace hole;
    hole.Flags = CFace::kHoleFlag;
    hole.VertexCount = 4;
    hole.VertexIndices = {4, 5, 6, 7};
    hole.UvIndices = {0, 0, 0, 0};
    mesh->AddOwnedFace(hole);
    const auto scene = PreviewScene::FromObject(*mesh);
    QVERIFY(std::fabs(TriangleAreaSum(*scene) - (16.0 - 4.0)) < 1e-6);
  }

  void brokenFacesAreLeftOut() {
    const auto owned = MeshWithFace({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {0, 1, 7});  // index past the end
    CPolyChunk& mesh = *owned;
    CFace two;
    two.VertexCount = 2;
    two.VertexIndices = {0, 1};
    two.UvIndices = {0, 0};
    mesh.AddOwnedFace(two);
    CFace hole;
    hole.Flags = CFace::kHoleFlag;
    hole.VertexCount = 3;
    hole.VertexIndices = {0, 1, 2};
    hole.UvIndices = {0, 0, 0};
    mesh.AddOwnedFace(hole);
    CFace good = hole;
    good.Flags = 0;
    good.MaterialIndex = 99;  // no such material: drawn in the default colour
    mesh.AddOwnedFace(good);
    mesh.Vertices.push_back(nullptr);  // an empty slot
    CFace toEmpty = good;
    toEmpty.VertexIndices = {0, 1, 3};
    mesh.AddOwnedFace(toEmpty);
    const auto scene = PreviewScene::FromObject(mesh);
    QCOMPARE(scene->Triangles().size(), std::size_t(1));
  }

  // The camera inside the object, points behind it and points that are not
  // numbers: the renderer clips or drops them and still paints the rest.
  void rendererClipsAndCulls() {
    const std::unique_ptr<CPolyChunk> box = ImportBox();
    QVERIFY(box);
    const auto scene = PreviewScene::FromObject(*box);
    Camera inside;
    inside.Target = {0, 0, 1};
    inside.Distance = 0.5;
    inside.Near = 0.01;
    SceneRenderer renderer;
    RenderOptions options;
    QImage image(120, 90, QImage::Format_ARGB32_Premultiplied);
    RenderStats stats = renderer.Render(*scene, scene->RestVertices(), inside, options, image);
    QVERIFY(stats.Clipped > 0);
    QVERIFY(stats.Culled > 0);
    QVERIFY(stats.Drawn > 0);
    QVERIFY(CountSet(CoverageMask(image, options.Background)) > 0);

    std::vector<CVector> broken = scene->RestVertices();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (std::size_t i = 0; i < broken.size(); i += 2) broken[i] = {nan, 1e30f, -1e30f};
    const Camera outside = Camera::Framing(scene->RestBounds(), ViewKind::Iso);
    stats = renderer.Render(*scene, broken, outside, options, image);
    QCOMPARE(stats.Triangles, int(scene->Triangles().size()));
    QVERIFY(stats.Culled > 0);

    // Everything far to the side of the view is dropped before painting.
    std::vector<CVector> away = scene->RestVertices();
    for (CVector& v : away) v.x += 1e4f;
    stats = renderer.Render(*scene, away, outside, options, image);
    QCOMPARE(stats.Drawn, 0);
  }

 private:
  QTemporaryDir dir_;
};

QTEST_MAIN(SceneTest)
#include "scene_test.moc"
