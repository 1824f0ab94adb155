#include "tests/app/window_fixture.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>

#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "imageio/picture_files.h"
#include "session/captions/control_names.h"
#include "tests/support/batch_tool.h"
#include "tests/support/picture_files.h"
#include "tests/support/test_pictures.h"

namespace pixmora::test {

namespace fs = std::filesystem;

namespace {
const std::string kShipped = std::string(PIXMORA_SHARE) + "/VARDELO24/";
constexpr int kCommandTimeoutMs = 120000;
}  // namespace

void WindowTest::SetUp() {
  const char* tmp = std::getenv("TMPDIR");
  savedTmpdir = tmp ? std::optional<std::string>(tmp) : std::nullopt;
  root = MakeScratchFolder();
  data = root + "VARDELO24/";
  fs::create_directories(data + "supporto");
  fs::create_directories(root + "tmp");
  setenv("XDG_DATA_HOME", root.c_str(), 1);
  setenv("TMPDIR", (root + "tmp/").c_str(), 1);
  // Each test starts with nothing remembered.
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                     QString::fromStdString(root + "config"));
}

void WindowTest::TearDown() {
  window.reset();
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                     qEnvironmentVariable("XDG_CONFIG_HOME"));
  // Later tests in the same process make their scratch folders under TMPDIR.
  if (savedTmpdir) setenv("TMPDIR", savedTmpdir->c_str(), 1);
  else unsetenv("TMPDIR");
  RemoveFolder(root);
}

void WindowTest::Ship(const std::string& relative) {
  fs::create_directories(fs::path(data + relative).parent_path());
  fs::copy_file(kShipped + relative, data + relative, fs::copy_options::overwrite_existing);
}

void WindowTest::ShipAll() {
  fs::copy(kShipped, data, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

void WindowTest::Write(const std::string& relative, const std::string& text) {
  std::ofstream(data + relative, std::ios::binary) << text;
}

std::string WindowTest::WritePicture(const Picture& picture, const std::string& name) {
  return WriteTestPicture(picture, root + name);
}

app::Form1& WindowTest::Start() {
  window = std::make_unique<app::Form1>();
  window->Form_Load();
  return *window;
}

void WindowTest::StartScripted() {
  Start();
  auto owned = std::make_unique<ScriptedDialog>();
  dialog = owned.get();
  window->SetDialog1(std::move(owned));
}

void WindowTest::Answer(const std::string& path, int filterIndex) {
  dialog->answers.push_back({QString::fromStdString(path), filterIndex});
}

void WindowTest::OpenImageA(const std::string& path) {
  Answer(path);
  Action("mnuimma")->trigger();
  Settle();
}

QAction* WindowTest::CommandAction(const std::string& key) const {
  const CatalogueEntry& entry = Command(key);
  return Action(QString::fromStdString(MenuEntryName(entry.menu, entry.index)));
}

QString WindowTest::Notice() const {
  return static_cast<QLabel*>(window->Controls().panels[2])->text();
}

QStringList WindowTest::Notices() const {
  QCoreApplication::processEvents();
  auto* button = Find<QToolButton>("NoticesButton");
  if (!button->isEnabled()) return {};
  button->click();
  auto* list = Find<QPlainTextEdit>("NoticesList");
  const QStringList lines = list->toPlainText().split('\n');
  list->window()->close();
  return lines;
}

void WindowTest::RunAndWait(const std::function<void()>& start) {
  QSignalSpy finished(window.get(), &app::Form1::commandFinished);
  start();
  ASSERT_TRUE(finished.count() > 0 || finished.wait(kCommandTimeoutMs)) << "the command did not end";
}

Picture WindowTest::Published() const {
  const std::string path = data + "ps.bmp";
  EXPECT_TRUE(Eventually([&] { return std::filesystem::exists(path); })) << "no " << path;
  return LoadPictureFile(path);
}

void WindowTest::Settle() {
  const QDeadlineTimer deadline(kCommandTimeoutMs);
  // The planes and memory are made ready after a job on a thread of their
  // own: what the test reads next is settled only when that is done too.
  while ((window->Busy() || window->Preparing()) && !deadline.hasExpired())
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  ASSERT_FALSE(window->Busy()) << "the job did not end";
  ASSERT_FALSE(window->Preparing()) << "the preparations did not end";
  QCoreApplication::processEvents();
}

bool WindowTest::LookAtDialogOf(const std::function<void()>& open, const std::function<void(QWidget&)>& look) {
  bool looked = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    look(*dialog);
    looked = true;
    dialog->reject();
  });
  open();
  return looked;
}

void WindowTest::LookAtDialog(const QString& entry, const std::function<void(QWidget&)>& look) {
  EXPECT_TRUE(LookAtDialogOf([&] { Action(entry)->trigger(); }, look)) << entry.toStdString() << " opened no dialog";
}

void WindowTest::WaitUntilEnabled(const QWidget& w) {
  const QDeadlineTimer deadline(kCommandTimeoutMs);
  while (!w.isEnabled() && !deadline.hasExpired())
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  ASSERT_TRUE(w.isEnabled()) << "the write did not end";
}

int WindowTest::RunBatchTool(const std::string& arguments) {
  const std::string home = root + "batch/";
  fs::create_directories(home + "VARDELO24");
  std::string err;
  const int code = RunCli(home, arguments, &err);
  EXPECT_EQ(code, 0) << err;
  return code;
}

bool Eventually(const std::function<bool()>& condition) {
  for (QDeadlineTimer deadline(kCommandTimeoutMs); !condition() && !deadline.hasExpired();)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  return condition();
}

}  // namespace pixmora::test
