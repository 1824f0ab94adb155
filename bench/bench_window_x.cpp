// pixmora-bench-window-x PICTURE [FILTER]: the editor's main window on a real
// X server (DISPLAY; scripts/bench-window-x starts one), timed where the user
// sees it. PICTURE is opened as image A and B; then every menu command whose
// key or caption holds FILTER (all without) is chosen as a user does, a click
// on its menu title and one on its entry, sent as XTest events, while another
// connection reads the result preview's pixels back from the server every
// 5 ms until they have not changed for 500 ms. The figure is from the click on
// the entry to the last frame that changed the preview: when the preview has
// settled. Five rounds over the commands; each command's median and worst are
// printed beside their targets. Then Live as a hand meets it, for the Live
// commands whose key holds FILTER: a click on a bar's arrow 16 times a second
// for 4 s, the preview looked at every 10 ms; the results it painted a
// second, the frames on the server that changed it a second (a small step
// may change no pixel of it), and the time from the last click to the last
// change.
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <thread>
#include <vector>

#include "app/form1.h"
#include "app/open_commands.h"
#include "app/picture_box.h"
#include "bench/live_cases.h"
#include "bench/bench_window_start.h"
#include "bench/x_screen.h"
#include "ops/image/geometry.h"
#include "session/captions/control_names.h"
#include "session/catalogue/catalogue.h"
#include "windows/display_pool.h"

namespace {

using namespace pixmora;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr int kRounds = 5;
constexpr double kMedianTarget = 100, kWorstTarget = 200;
constexpr std::chrono::milliseconds kSampleEvery = 5ms, kStillFor = 500ms, kGiveUpAfter = 30s;

// Runs f on the window's thread and answers what it returns.
template <class F>
auto OnWindow(app::Form1& window, F f) {
  decltype(f()) result{};
  QMetaObject::invokeMethod(&window, f, Qt::BlockingQueuedConnection, &result);
  return result;
}

bench::ScreenRect GlobalRect(const QWidget& widget, const QRect& rect) {
  const QPoint at = widget.mapToGlobal(rect.topLeft());
  return {at.x(), at.y(), rect.width(), rect.height()};
}

struct Watched {
  double lastChangeMs = 0;  // after the click
  std::vector<uint32_t> last;
};

// Samples the rectangle until it has been still for a while with the window
// idle (a slow command may leave it still for longer while it works) and
// answers when it last changed.
Watched WatchUntilStill(bench::XScreen& screen, const bench::ScreenRect& rect, Clock::time_point clicked,
                        std::vector<uint32_t> shown, const std::function<bool()>& busy) {
  Clock::time_point changed = clicked, next = clicked;
  for (;;) {
    next += kSampleEvery;
    std::this_thread::sleep_until(next);
    std::vector<uint32_t> now = screen.Grab(rect);
    const Clock::time_point at = Clock::now();
    if (now != shown) shown = std::move(now), changed = at;
    if ((at - changed >= kStillFor && !busy()) || at - clicked >= kGiveUpAfter) break;
  }
  return {std::chrono::duration<double, std::milli>(changed - clicked).count(), std::move(shown)};
}

// Whether the window runs a job or still makes what it shows (the levels the
// previews are drawn from come after the result, on their own threads).
bool Working(app::Form1& window) {
  return OnWindow(window, [&] { return window.Busy(); }) || windows::DisplayPool().activeThreadCount() > 0;
}

void WaitUntilIdle(app::Form1& window) {
  while (Working(window)) std::this_thread::sleep_for(20ms);
}

// Clicks in the middle of a rectangle the window's thread works out.
template <class F>
void ClickAt(bench::XScreen& screen, app::Form1& window, F where) {
  const bench::ScreenRect r = OnWindow(window, where);
  screen.MoveTo(r.x + r.width / 2, r.y + r.height / 2);
  std::this_thread::sleep_for(150ms);  // a hand is not faster, and the entry lights up
  screen.Click();
}

// Chooses the command from its menu and answers when the preview settled, or
// a negative figure when the preview never changed.
double ChooseAndWatch(bench::XScreen& screen, app::Form1& window, const CatalogueEntry& e) {
  QMenuBar* bar = window.menuBar();
  auto* menu = bar->findChild<QMenu*>(MenuBarName(e.menu));
  auto* entry = bar->findChild<QAction*>(QString::fromStdString(MenuEntryName(e.menu, e.index)));
  const bench::ScreenRect preview =
      OnWindow(window, [&] { return GlobalRect(*window.Controls().Image1, window.Controls().Image1->rect()); });
  const std::vector<uint32_t> before = screen.Grab(preview);
  ClickAt(screen, window, [&] { return GlobalRect(*bar, bar->actionGeometry(menu->menuAction())); });
  while (!OnWindow(window, [&] { return menu->isVisible(); })) std::this_thread::sleep_for(10ms);
  const bench::ScreenRect item = OnWindow(window, [&] { return GlobalRect(*menu, menu->actionGeometry(entry)); });
  // Along the entry, as a hand comes to it, until the menu has lit it up.
  for (int x = item.x + 4; x <= item.x + item.width / 2; x += item.width / 8) screen.MoveTo(x, item.y + item.height / 2);
  while (OnWindow(window, [&] { return menu->activeAction(); }) != entry) std::this_thread::sleep_for(10ms);
  const std::vector<uint32_t> open = screen.Grab(preview);  // the menu may cover the preview
  const Clock::time_point clicked = Clock::now();
  screen.Click();
  const Watched watched = WatchUntilStill(screen, preview, clicked, open, [&] { return Working(window); });
  return watched.last == before ? -1 : watched.lastChangeMs;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

void OpenAsImage(app::Form1& window, Slot slot, const QString& picture) {
  OnWindow(window, [&] { return app::OpenPictureFile(window, slot, picture), true; });
  WaitUntilIdle(window);
  std::this_thread::sleep_for(1s);
}

// Shows the result of another command than e, untimed, so that choosing e
// again changes the preview.
void ShowOther(app::Form1& window, const CatalogueEntry& e) {
  const auto other = std::ranges::find_if(Catalogue(), [&](const CatalogueEntry& o) { return !o.IsSeparator() && &o != &e; });
  OnWindow(window, [&] { return window.RunOperation(other->menu, other->index), true; });
  WaitUntilIdle(window);
  std::this_thread::sleep_for(800ms);
}

// Where the arrow that steps the bar up (or down) is on the screen.
bench::ScreenRect ArrowOf(const QScrollBar& bar, bool up) {
  QStyleOptionSlider option;
  option.initFrom(&bar);
  option.orientation = bar.orientation();
  option.minimum = bar.minimum(), option.maximum = bar.maximum();
  option.sliderPosition = option.sliderValue = bar.value();
  option.singleStep = bar.singleStep(), option.pageStep = bar.pageStep();
  option.subControls = QStyle::SC_All;
  const auto arrow = up ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine;
  return GlobalRect(bar, bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, arrow, &bar));
}

// Runs the case's command with Live on, then clicks the bar's arrows as a
// hand does while watching the preview, and prints what it saw.
void MeasureLive(bench::XScreen& screen, app::Form1& window, const bench::LiveCase& c) {
  const CatalogueEntry* entry = FindByKey(c.key);
  OnWindow(window, [&] {
    c.bar->setValue(bench::LiveStepValue(c, 0));
    window.findChild<QAction*>("mnuLive")->setChecked(true);
    return window.RunOperation(entry->menu, entry->index), true;
  });
  WaitUntilIdle(window);
  std::this_thread::sleep_for(1s);
  const bench::ScreenRect preview =
      OnWindow(window, [&] { return GlobalRect(*window.Controls().Image1, window.Controls().Image1->rect()); });
  const bench::ScreenRect up = OnWindow(window, [&] { return ArrowOf(*c.bar, true); });
  const bench::ScreenRect down = OnWindow(window, [&] { return ArrowOf(*c.bar, false); });
  std::vector<uint32_t> shown = screen.Grab(preview);
  const auto drawn = [&] { return OnWindow(window, [&] { return window.Controls().Image1->Drawn().get(); }); };
  const PixelBuffer* painted = drawn();
  const Clock::time_point start = Clock::now();
  const Clock::time_point end = start + bench::kLiveSteps * std::chrono::milliseconds(bench::kLiveStepMs);
  int results = 0, frames = 0, steps = 0;
  // A bar stepped up and down comes back to values shown before, and a small
  // step may change no pixel of the preview: when the last click's result
  // looks the same as what is shown, nothing changes after it.
  Clock::time_point lastStep = start, lastChange = start, next = start;
  for (;;) {
    next += 10ms;
    std::this_thread::sleep_until(next);
    const Clock::time_point now = Clock::now();
    if (steps < bench::kLiveSteps && now - start >= (steps + 1) * std::chrono::milliseconds(bench::kLiveStepMs)) {
      ++steps;
      const bool rising = bench::LiveStepValue(c, steps) > bench::LiveStepValue(c, steps - 1);
      const bench::ScreenRect& arrow = rising ? up : down;
      screen.MoveTo(arrow.x + arrow.width / 2, arrow.y + arrow.height / 2);
      screen.Click();
      lastStep = lastChange = Clock::now();
    }
    if (const PixelBuffer* p = drawn(); p != painted) painted = p, results += now < end;
    std::vector<uint32_t> frame = screen.Grab(preview);
    if (frame != shown) shown = std::move(frame), lastChange = Clock::now(), frames += now < end;
    if (steps == bench::kLiveSteps && now - lastChange >= kStillFor && !Working(window)) break;
  }
  OnWindow(window, [&] { return window.findChild<QAction*>("mnuLive")->setChecked(false), true; });
  WaitUntilIdle(window);
  const double seconds = bench::kLiveSteps * bench::kLiveStepMs / 1000.0;
  std::printf("%-24s %-28s %8.1f  (>= %.0f) %12.1f %10.0f  (<= %.0f)\n", c.key, entry->caption, results / seconds,
              c.target, frames / seconds, std::chrono::duration<double, std::milli>(lastChange - lastStep).count(),
              bench::kLiveLastTarget);
  std::fflush(stdout);
}

// Chooses every command five times, round after round, and prints the figures.
void Measure(app::Form1& window, const QString& picture, const QString& filter) {
  bench::XScreen screen;
  if (!screen.Ok()) {
    std::fprintf(stderr, "pixmora-bench-window-x: cannot open the X display\n");
    return;
  }
  OpenAsImage(window, Slot::ImageA, picture);
  OpenAsImage(window, Slot::ImageB, picture);
  // Image B upside down, so that mixing it with image A changes with every value.
  OnWindow(window, [&] {
    const Picture b = window.Session().Pic2.GetPicture();
    return window.PutPicture(Slot::ImageB, Mirrored(CallContext{}, *b, Mirror::Vertical)), true;
  });
  std::vector<const CatalogueEntry*> chosen;
  for (const CatalogueEntry& e : Catalogue())
    if (!e.IsSeparator() && (QString(e.key).contains(filter) || QString(e.caption).contains(filter, Qt::CaseInsensitive)))
      chosen.push_back(&e);
  std::vector<std::vector<double>> settled(chosen.size());
  const CatalogueEntry* shown = nullptr;
  for (int round = 1; round <= kRounds; ++round) {
    std::fprintf(stderr, "round %d of %d\n", round, kRounds);
    for (size_t i = 0; i < chosen.size(); ++i) {
      if (shown == chosen[i]) ShowOther(window, *shown);
      shown = chosen[i];
      double ms = ChooseAndWatch(screen, window, *chosen[i]);
      // The command before may have left the very same preview.
      if (ms < 0) ShowOther(window, *chosen[i]), ms = ChooseAndWatch(screen, window, *chosen[i]);
      settled[i].push_back(ms);
      std::this_thread::sleep_for(300ms);  // a user looks at the result
    }
  }
  std::printf("%-24s %-28s %15s %15s %-4s %s\n", "settled after (ms)", "", "median (<=100)", "worst (<=200)", "",
              "runs in order");
  int met = 0;
  for (size_t i = 0; i < chosen.size(); ++i) {
    const auto& runs = settled[i];
    if (std::ranges::any_of(runs, [](double ms) { return ms < 0; })) {
      std::printf("%-24s %-28s %15s %15s\n", chosen[i]->key, chosen[i]->caption, "unchanged", "");
      continue;
    }
    const double median = Median(runs), worst = std::ranges::max(runs);
    const bool ok = median <= kMedianTarget && worst <= kWorstTarget;
    met += ok;
    std::printf("%-24s %-28s %15.0f %15.0f %-4s", chosen[i]->key, chosen[i]->caption, median, worst, ok ? "met" : "");
    for (const double ms : runs) std::printf(" %.0f", ms);
    std::printf("\n");
  }
  std::printf("%d of %zu commands settle within both targets (median <= %.0f ms, worst <= %.0f ms)\n", met,
              chosen.size(), kMedianTarget, kWorstTarget);
  std::printf("\n%-53s %18s %14s %24s\n", "Live, a bar's arrow clicked 16 times a second", "results a second",
              "frames (X)", "last click to shown (ms)");
  for (const bench::LiveCase& c : bench::LiveCases(window.Controls()))
    if (QString(c.key).contains(filter)) MeasureLive(screen, window, c);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: pixmora-bench-window-x PICTURE [FILTER]\n");
    return 2;
  }
  bench::BenchWindow started(argc, argv, "xcb");
  app::Form1& window = started.Window();
  const QString picture = QString::fromLocal8Bit(argv[1]);
  const QString filter = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString();
  std::thread hand([&] {
    Measure(window, picture, filter);
    // Leaves without closing the window, which would ask to save the result.
    QMetaObject::invokeMethod(qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
  });
  QApplication::exec();
  hand.join();
  return 0;
}
