#pragma once

#include <memory>

#include <QMainWindow>
#include <QString>

#include "preview/camera.h"
#include "preview/renderer.h"
#include "preview/scene.h"

class QAction;
class QComboBox;
class QLabel;
class QSlider;
class QThread;
class QTimer;

namespace bk {

class RenderWorker;
class Viewport;

// The viewer: plays an exploded file frame by frame. The picture is drawn in
// a render thread; the window keeps at most one picture in flight and asks
// for the newest state when it lands, so slow pictures skip frames instead of
// queueing them.
class PreviewWindow : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr double kFramesPerSecond = 30.0;

  explicit PreviewWindow(QWidget* parent = nullptr);
  ~PreviewWindow() override;

  // Loads a file and shows its first frame. On failure keeps what was shown
  // and returns false with the reader's message in `error` (no dialog).
  bool loadFile(const QString& path, QString& error);
  // The same, telling the user about a failure in a message box.
  bool openFile(const QString& path);
  // Loads an exploded file's text held in memory (a preview not yet written),
  // shown under `name`; as loadFile otherwise.
  bool loadText(const std::string& text, const QString& name, QString& error);

  int currentFrame() const { return frame_; }
  int lastFrame() const;
  // The frame of the picture on screen (-1 before the first one lands).
  int shownFrame() const { return shownFrame_; }
  bool isPlaying() const { return playing_; }
  double speed() const { return speed_; }
  const Camera& camera() const { return camera_; }

  QAction* playAction() const { return playAction_; }
  QAction* firstAction() const { return firstAction_; }
  QAction* lastAction() const { return lastAction_; }
  QAction* stepForwardAction() const { return stepForwardAction_; }
  QAction* stepBackAction() const { return stepBackAction_; }
  QAction* loopAction() const { return loopAction_; }
  QAction* ghostAction() const { return ghostAction_; }
  QAction* resetViewAction() const { return resetViewAction_; }
  QSlider* frameSlider() const { return slider_; }
  QLabel* frameLabel() const { return frameLabel_; }
  QComboBox* speedBox() const { return speedBox_; }

 public slots:
  void setFrame(int frame);
  void play();
  void pause();
  void togglePlay();
  void stepForward();
  void stepBack();
  void goFirst();
  void goLast();
  void setSpeed(double factor);
  void resetView();

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void createActions();
  void createMenus();
  void createControls();
  void createStatusBar();
  void tick();
  void updateControls();
  int SliderFrame() const;
  void requestRender();
  void onRendered(const QImage& image, int frame, quint64 ticket, double milliseconds);
  void chooseFile();
  bool adoptScene(SceneLoadResult loaded, const QString& name, QString& error);

  std::shared_ptr<const PreviewScene> scene_;
  QString fileName_;
  Camera camera_;
  int frame_ = 0;
  int shownFrame_ = -1;
  bool playing_ = false;
  double speed_ = 1.0;
  bool renderBusy_ = false;
  bool renderDirty_ = false;
  quint64 ticket_ = 0;

  Viewport* viewport_ = nullptr;
  QThread* thread_ = nullptr;
  RenderWorker* worker_ = nullptr;  // lives in thread_; deleted when it finishes
  QTimer* timer_ = nullptr;

  QAction* openAction_ = nullptr;
  QAction* closeAction_ = nullptr;
  QAction* escapeAction_ = nullptr;
  QAction* playAction_ = nullptr;
  QAction* firstAction_ = nullptr;
  QAction* lastAction_ = nullptr;
  QAction* stepForwardAction_ = nullptr;
  QAction* stepBackAction_ = nullptr;
  QAction* loopAction_ = nullptr;
  QAction* ghostAction_ = nullptr;
  QAction* resetViewAction_ = nullptr;
  QSlider* slider_ = nullptr;
  QLabel* frameLabel_ = nullptr;
  QComboBox* speedBox_ = nullptr;
  QLabel* statusLabel_ = nullptr;
  QLabel* timeLabel_ = nullptr;
};

}  // namespace bk
