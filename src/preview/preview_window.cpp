#include "preview/preview_window.h"

#include <algorithm>
#include <cmath>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QSlider>
#include <QStatusBar>
#include <QStyle>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "preview/program_icon.h"
#include "preview/render_worker.h"
#include "preview/viewport.h"

namespace bk {
namespace {

constexpr const char* kTitle = "Burstkin Preview";

QString LocalFileOf(const QMimeData* mime) {
  if (mime == nullptr || !mime->hasUrls()) return {};
  for (const QUrl& url : mime->urls()) {
    if (url.isLocalFile()) return url.toLocalFile();
  }
  return {};
}

}  // namespace

PreviewWindow::PreviewWindow(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(kTitle);
  setWindowIcon(ProgramIcon());
  setAcceptDrops(true);

  viewport_ = new Viewport(this);
  viewport_->setHint(tr("Drop an exploded .cob file here, or use File > Open."));

  thread_ = new QThread(this);
  worker_ = new RenderWorker;
  worker_->moveToThread(thread_);
  connect(thread_, &QThread::finished, worker_, &QObject::deleteLater);
  connect(worker_, &RenderWorker::rendered, this, &PreviewWindow::onRendered, Qt::QueuedConnection);
  thread_->start();

  timer_ = new QTimer(this);
  timer_->setTimerType(Qt::PreciseTimer);
  connect(timer_, &QTimer::timeout, this, &PreviewWindow::tick);

  createActions();
  createMenus();
  createControls();
  createStatusBar();

  connect(viewport_, &Viewport::orbitRequested, this, [this](double dyaw, double dpitch) {
    camera_.Orbit(dyaw, dpitch);
    requestRender();
  });
  connect(viewport_, &Viewport::panRequested, this, [this](double dx, double dy) {
    camera_.Pan(dx, dy);
    requestRender();
  });
  connect(viewport_, &Viewport::zoomRequested, this, [this](double factor) {
    camera_.Zoom(factor);
    requestRender();
  });
  connect(viewport_, &Viewport::resetRequested, this, &PreviewWindow::resetView);
  connect(viewport_, &Viewport::resized, this, &PreviewWindow::requestRender);

  setSpeed(1.0);
  updateControls();
}

PreviewWindow::~PreviewWindow() {
  timer_->stop();
  thread_->quit();
  thread_->wait();
}

void PreviewWindow::createActions() {
  openAction_ = new QAction(tr("&Open..."), this);
  openAction_->setShortcut(QKeySequence::Open);
  connect(openAction_, &QAction::triggered, this, &PreviewWindow::chooseFile);

  closeAction_ = new QAction(tr("&Close"), this);
  closeAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
  connect(closeAction_, &QAction::triggered, this, &QWidget::close);

  // Escape closes too; kept off the menus, on the window itself.
  escapeAction_ = new QAction(this);
  escapeAction_->setShortcut(QKeySequence(Qt::Key_Escape));
  connect(escapeAction_, &QAction::triggered, this, &QWidget::close);
  addAction(escapeAction_);

  playAction_ = new QAction(style()->standardIcon(QStyle::SP_MediaPlay), tr("&Play"), this);
  playAction_->setShortcut(QKeySequence(Qt::Key_Space));
  connect(playAction_, &QAction::triggered, this, &PreviewWindow::togglePlay);

  firstAction_ = new QAction(style()->standardIcon(QStyle::SP_MediaSkipBackward), tr("&First Frame"), this);
  firstAction_->setShortcut(QKeySequence(Qt::Key_Home));
  connect(firstAction_, &QAction::triggered, this, &PreviewWindow::goFirst);

  lastAction_ = new QAction(style()->standardIcon(QStyle::SP_MediaSkipForward), tr("&Last Frame"), this);
  lastAction_->setShortcut(QKeySequence(Qt::Key_End));
  connect(lastAction_, &QAction::triggered, this, &PreviewWindow::goLast);

  stepBackAction_ = new QAction(style()->standardIcon(QStyle::SP_MediaSeekBackward), tr("Step &Back"), this);
  stepBackAction_->setShortcut(QKeySequence(Qt::Key_Left));
  connect(stepBackAction_, &QAction::triggered, this, &PreviewWindow::stepBack);

  stepForwardAction_ = new QAction(style()->standardIcon(QStyle::SP_MediaSeekForward), tr("Step &Forward"), this);
  stepForwardAction_->setShortcut(QKeySequence(Qt::Key_Right));
  connect(stepForwardAction_, &QAction::triggered, this, &PreviewWindow::stepForward);

  loopAction_ = new QAction(tr("L&oop"), this);
  loopAction_->setCheckable(true);
  loopAction_->setChecked(true);
  loopAction_->setShortcut(QKeySequence(Qt::Key_L));

  ghostAction_ = new QAction(tr("Show &Ghost at Rest"), this);
  ghostAction_->setCheckable(true);
  ghostAction_->setChecked(true);
  ghostAction_->setShortcut(QKeySequence(Qt::Key_G));
  connect(ghostAction_, &QAction::toggled, this, &PreviewWindow::requestRender);

  resetViewAction_ = new QAction(tr("&Reset View"), this);
  resetViewAction_->setShortcut(QKeySequence(Qt::Key_R));
  connect(resetViewAction_, &QAction::triggered, this, &PreviewWindow::resetView);
}

void PreviewWindow::createMenus() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->addAction(openAction_);
  file->addSeparator();
  file->addAction(closeAction_);

  QMenu* play = menuBar()->addMenu(tr("&Playback"));
  play->addAction(playAction_);
  play->addSeparator();
  play->addAction(firstAction_);
  play->addAction(stepBackAction_);
  play->addAction(stepForwardAction_);
  play->addAction(lastAction_);
  play->addSeparator();
  play->addAction(loopAction_);

  QMenu* view = menuBar()->addMenu(tr("&View"));
  view->addAction(resetViewAction_);
  view->addAction(ghostAction_);
}

void PreviewWindow::createControls() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(viewport_, 1);

  auto* bar = new QWidget(central);
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(6, 4, 6, 4);
  auto button = [bar, row](QAction* action) {
    auto* b = new QToolButton(bar);
    b->setDefaultAction(action);
    b->setAutoRaise(true);
    row->addWidget(b);
    return b;
  };
  button(firstAction_);
  button(stepBackAction_);
  button(playAction_);
  button(stepForwardAction_);
  button(lastAction_);

  slider_ = new QSlider(Qt::Horizontal, bar);
  slider_->setRange(0, 0);
  slider_->setFocusPolicy(Qt::NoFocus);  // arrows step frames through the actions
  connect(slider_, &QSlider::valueChanged, this, &PreviewWindow::setFrame);
  row->addWidget(slider_, 1);

  frameLabel_ = new QLabel(bar);
  frameLabel_->setMinimumWidth(frameLabel_->fontMetrics().horizontalAdvance(QStringLiteral("Frame 00000 / 00000")));
  row->addWidget(frameLabel_);

  speedBox_ = new QComboBox(bar);
  for (double s : {0.25, 0.5, 1.0, 2.0, 4.0}) speedBox_->addItem(QStringLiteral("%1\u00d7").arg(s), s);
  speedBox_->setToolTip(tr("Playback speed (1\u00d7 is %1 frames per second)").arg(kFramesPerSecond));
  speedBox_->setFocusPolicy(Qt::NoFocus);
  connect(speedBox_, &QComboBox::currentIndexChanged, this,
          [this](int index) { setSpeed(speedBox_->itemData(index).toDouble()); });
  row->addWidget(speedBox_);
  // Switches, not commands: drawn as buttons at all times, pressed in while
  // on, so "off" does not read as a plain word.
  for (QAction* action : {loopAction_, ghostAction_}) {
    QToolButton* toggle = button(action);
    toggle->setToolButtonStyle(Qt::ToolButtonTextOnly);
    toggle->setAutoRaise(false);
    toggle->setCheckable(true);
    toggle->setObjectName(action == loopAction_ ? QStringLiteral("loopToggle")
                                                : QStringLiteral("ghostToggle"));
  }

  layout->addWidget(bar);
  setCentralWidget(central);
}

void PreviewWindow::createStatusBar() {
  statusLabel_ = new QLabel(this);
  statusBar()->addWidget(statusLabel_, 1);
  timeLabel_ = new QLabel(this);
  statusBar()->addPermanentWidget(timeLabel_);
}

int PreviewWindow::lastFrame() const { return scene_ ? std::max(0, scene_->LastFrame()) : 0; }

bool PreviewWindow::loadFile(const QString& path, QString& error) {
  return adoptScene(LoadPreviewScene(path.toStdString()), QFileInfo(path).fileName(), error);
}

bool PreviewWindow::loadText(const std::string& text, const QString& name, QString& error) {
  return adoptScene(LoadPreviewSceneFromText(text), name, error);
}

bool PreviewWindow::adoptScene(SceneLoadResult loaded, const QString& name, QString& error) {
  if (!loaded.scene) {
    error = QString::fromStdString(loaded.error);
    return false;
  }
  pause();
  scene_ = std::shared_ptr<const PreviewScene>(std::move(loaded.scene));
  fileName_ = name;
  setWindowTitle(QStringLiteral("%1 - %2").arg(fileName_, kTitle));
  // The picture on screen is of the scene before, and one still being drawn
  // will be too: neither may be shown under the new scene's counts (a large
  // scene's first picture can take many seconds).
  ++ticket_;
  viewport_->setImage(QImage());
  viewport_->setHint(tr("Loading..."));
  frame_ = 0;
  shownFrame_ = -1;
  resetView();  // also asks for a picture
  updateControls();
  statusLabel_->setText(tr("%1: %2 objects, %3 triangles, frames 0 to %4%5")
                            .arg(fileName_)
                            .arg(scene_->Objects().size())
                            .arg(scene_->Triangles().size())
                            .arg(lastFrame())
                            .arg(scene_->IsAnimated() ? QString() : tr(" (not animated: shown at rest)")));
  return true;
}

bool PreviewWindow::openFile(const QString& path) {
  QString error;
  if (loadFile(path, error)) return true;
  QMessageBox::warning(this, kTitle, QStringLiteral("%1\n\n%2").arg(QDir::toNativeSeparators(path), error));
  return false;
}

void PreviewWindow::chooseFile() {
  const QString path = QFileDialog::getOpenFileName(this, tr("Open"), QString(),
                                                    tr("trueSpace object files (*.cob);;All files (*)"));
  if (!path.isEmpty()) openFile(path);
}

void PreviewWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!LocalFileOf(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void PreviewWindow::dropEvent(QDropEvent* event) {
  const QString path = LocalFileOf(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  // After the drop has finished: a message box inside the drop would hold
  // the source application's drag.
  QTimer::singleShot(0, this, [this, path] { openFile(path); });
}

void PreviewWindow::setFrame(int frame) {
  frame = std::clamp(frame, 0, lastFrame());
  if (frame == frame_ && slider_->value() == frame) return;
  frame_ = frame;
  updateControls();
  requestRender();
}

void PreviewWindow::play() {
  if (!scene_ || lastFrame() == 0) return;
  if (frame_ >= lastFrame()) setFrame(0);  // playing from the end starts over
  playing_ = true;
  timer_->start();
  updateControls();
}

void PreviewWindow::pause() {
  playing_ = false;
  timer_->stop();
  updateControls();
}

void PreviewWindow::togglePlay() { playing_ ? pause() : play(); }

void PreviewWindow::stepForward() {
  pause();
  setFrame(frame_ + 1);
}

void PreviewWindow::stepBack() {
  pause();
  setFrame(frame_ - 1);
}

void PreviewWindow::goFirst() {
  pause();
  setFrame(0);
}

void PreviewWindow::goLast() {
  pause();
  setFrame(lastFrame());
}

void PreviewWindow::setSpeed(double factor) {
  if (!(factor > 0.0)) return;
  speed_ = factor;
  timer_->setInterval(std::max(1, static_cast<int>(std::lround(1000.0 / (kFramesPerSecond * factor)))));
  const int index = speedBox_->findData(factor);
  if (index >= 0 && index != speedBox_->currentIndex()) speedBox_->setCurrentIndex(index);
}

void PreviewWindow::tick() {
  if (frame_ < lastFrame()) {
    setFrame(frame_ + 1);
  } else if (loopAction_->isChecked()) {
    setFrame(0);
  } else {
    pause();
  }
}

void PreviewWindow::resetView() {
  if (scene_) {
    Bounds bounds = scene_->RestBounds();
    bounds.Add(scene_->MotionBounds(0, lastFrame()));
    camera_ = Camera::Framing(bounds, ViewKind::Iso, scene_->MotionPoints(0, lastFrame()));
  } else {
    camera_ = Camera::Framing(Bounds{}, ViewKind::Iso);
  }
  requestRender();
}

void PreviewWindow::updateControls() {
  const int last = lastFrame();
  {
    const QSignalBlocker block(slider_);
    slider_->setRange(0, last);
    slider_->setValue(SliderFrame());
  }
  // The picture trails the controls while it is drawn: the label names the
  // frame on screen, not the one asked for.
  frameLabel_->setText(tr("Frame %1 / %2").arg(shownFrame_ >= 0 ? shownFrame_ : frame_).arg(last));
  const bool canPlay = scene_ && last > 0;
  playAction_->setEnabled(canPlay);
  playAction_->setText(playing_ ? tr("&Pause") : tr("&Play"));
  playAction_->setIcon(style()->standardIcon(playing_ ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
  firstAction_->setEnabled(canPlay);
  lastAction_->setEnabled(canPlay);
  stepBackAction_->setEnabled(canPlay);
  stepForwardAction_->setEnabled(canPlay);
  slider_->setEnabled(canPlay);
  resetViewAction_->setEnabled(scene_ != nullptr);
}

int PreviewWindow::SliderFrame() const {
  // While playing, the slider follows the picture as the label does; the
  // user's own moves (paused) show at once.
  return playing_ && shownFrame_ >= 0 ? shownFrame_ : frame_;
}

void PreviewWindow::requestRender() {
  if (!scene_ || worker_ == nullptr) return;
  if (renderBusy_) {
    renderDirty_ = true;
    return;
  }
  renderBusy_ = true;
  renderDirty_ = false;
  RenderRequest request;
  request.Scene = scene_;
  request.Frame = frame_;
  request.View = camera_;
  request.DevicePixelRatio = viewport_->devicePixelRatioF();
  request.Size = viewport_->size() * request.DevicePixelRatio;
  request.Options.Ghost = ghostAction_->isChecked();
  request.Ticket = ++ticket_;
  RenderWorker* worker = worker_;
  QMetaObject::invokeMethod(worker, [worker, request] { worker->Render(request); },
                            Qt::QueuedConnection);
}

void PreviewWindow::onRendered(const QImage& image, int frame, quint64 ticket, double milliseconds) {
  renderBusy_ = false;
  if (ticket == ticket_) {
    viewport_->setImage(image);
    viewport_->setHint({});
    shownFrame_ = frame;
    frameLabel_->setText(tr("Frame %1 / %2").arg(frame).arg(lastFrame()));
    const QSignalBlocker block(slider_);
    slider_->setValue(SliderFrame());
    timeLabel_->setText(tr("%1 ms").arg(milliseconds, 0, 'f', 1));
  }
  if (renderDirty_) requestRender();
}

}  // namespace bk
