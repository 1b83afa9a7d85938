// The X11 adapters against a real server with openbox: foreground, titles, class, process, full screen.
#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>

#include <xcb/xcb.h>

#include "engine/testing/stamping_writer.h"
#include "platform/linux/system/host_linux.h"
#include "platform/linux/tests/x11_test_windows.h"
#include "platform/linux/x11/x11_full_screen.h"
#include "platform/linux/x11/x11_process_routes.h"
#include "platform/linux/x11/x11_windows.h"
#include "process/window_process_path.h"

namespace lartsen::x11 {
namespace {

using lartsen::testing::Shell;
using lartsen::testing::StampingWriter;
using lartsen::testing::TestWindow;

class X11Test : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs an X11 session (scripts/with-x11)";
    connection_ = std::make_unique<Connection>();
    windows_ = std::make_unique<X11Windows>(*connection_);
  }
  void Activate(const TestWindow& w) { ASSERT_EQ(Shell("xdotool windowactivate --sync " + w.hex()), 0); }
  std::string RawProperty(const TestWindow& w, const char* name) {
    const std::string command = "xprop -id " + w.hex() + " " + name;
    std::string text;
    if (FILE* p = popen(command.c_str(), "r")) {
      char buffer[65536];
      while (std::size_t n = std::fread(buffer, 1, sizeof buffer, p)) text.append(buffer, n);
      pclose(p);
    }
    return text;
  }

  // Every request sent so far has reached the server.
  void Sync() { std::free(xcb_get_input_focus_reply(connection_->get(), xcb_get_input_focus(connection_->get()), nullptr)); }

  std::unique_ptr<Connection> connection_;
  std::unique_ptr<X11Windows> windows_;
};

TEST_F(X11Test, ForegroundIsTheActivatedWindow) {
  TestWindow a({"--title", "A"});
  TestWindow b({"--title", "B"});
  Activate(a);
  EXPECT_EQ(windows_->GetForegroundWindow(), a.id());
  Activate(b);
  EXPECT_EQ(windows_->GetForegroundWindow(), b.id());
}

TEST_F(X11Test, TitlesAreWrittenToBothPropertiesAndReadBackWhole) {
  TestWindow w({"--title", "own"});
  std::u16string longTitle;
  for (int i = 0; i < 5000; ++i) longTitle += (i % 2 ? u'ж' : u'z');
  windows_->SetWindowText(w.id(), longTitle);
  EXPECT_EQ(windows_->GetWindowText(w.id()), longTitle);
  EXPECT_NE(RawProperty(w, "_NET_WM_NAME").find("(UTF8_STRING) = \"zжzж"), std::string::npos);
  EXPECT_NE(RawProperty(w, "WM_NAME").find("zжzж"), std::string::npos);

  // Latin-1 text goes to WM_NAME as ICCCM's STRING.
  windows_->SetWindowText(w.id(), u"Caf\u00e9 [12:00]");
  EXPECT_EQ(windows_->GetWindowText(w.id()), u"Caf\u00e9 [12:00]");
  EXPECT_NE(RawProperty(w, "WM_NAME").find("WM_NAME(STRING)"), std::string::npos);
}

TEST_F(X11Test, WriterAdoptsTheApplicationsNewTitle) {
  TestWindow w({"--title", "Документ"});
  StampingWriter stamp(*windows_, u"hh");
  stamp.writer.ApplyTitle(w.id());
  EXPECT_EQ(windows_->GetWindowText(w.id()), u"Документ [12]");
  ASSERT_EQ(Shell("xdotool set_window --name 'Новый' " + w.hex()), 0);
  stamp.writer.ApplyTitle(w.id());
  EXPECT_EQ(windows_->GetWindowText(w.id()), u"Новый [12]");
  stamp.writer.ApplyTitle(0);
  EXPECT_EQ(windows_->GetWindowText(w.id()), u"Новый");
}

TEST_F(X11Test, TitlesOverTheFirstReplyAreReadWholeAndLeftWhole) {
  TestWindow w({"--title", "own"});
  std::string own(300000, 'x');
  own.replace(0, 5, "start");
  own.replace(own.size() - 3, 3, "end");
  xcb_connection_t* c = connection_->get();
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, w.id(), connection_->atom(Atom::NetWmName),
                      connection_->atom(Atom::Utf8String), 8, static_cast<std::uint32_t>(own.size()), own.data());
  Sync();
  const std::u16string title(own.begin(), own.end());
  ASSERT_EQ(windows_->GetWindowText(w.id()), title);  // not the first 256 KiB alone
  // Far beyond a stamped title's bound: the window keeps its title, whole.
  StampingWriter stamp(*windows_, u"hh");
  stamp.writer.ApplyTitle(w.id());
  stamp.writer.ApplyTitle(w.id());
  stamp.writer.ApplyTitle(0);
  EXPECT_TRUE(windows_->GetWindowText(w.id()) == title);
}

TEST_F(X11Test, ATitleInACharacterSetNotKnownHereIsLeftAlone) {
  TestWindow w({"--title", "old", "--wm-name-only"});
  // Latin-2 in the right half: "Łódź" would come back as Latin-1 mojibake.
  const std::string latin2 = "\x1b-B\xa3\xf3" "d\xbc";
  xcb_connection_t* c = connection_->get();
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, w.id(), XCB_ATOM_WM_NAME, connection_->atom(Atom::CompoundText), 8,
                      static_cast<std::uint32_t>(latin2.size()), latin2.data());
  Sync();
  StampingWriter stamp(*windows_, u"hh");
  stamp.writer.ApplyTitle(w.id());
  stamp.writer.ApplyTitle(w.id());
  stamp.writer.ApplyTitle(0);
  const std::string raw = RawProperty(w, "WM_NAME");
  EXPECT_NE(raw.find("COMPOUND_TEXT"), std::string::npos) << raw;
  EXPECT_EQ(raw.find("[12]"), std::string::npos) << raw;
}

TEST_F(X11Test, AWindowWithWmNameAloneKeepsItAlone) {
  TestWindow w({"--title", "Старое окно", "--wm-name-only", "--compound"});
  EXPECT_EQ(windows_->GetWindowText(w.id()), u"Старое окно");
  StampingWriter stamp(*windows_, u"hh");
  stamp.writer.ApplyTitle(w.id());
  EXPECT_NE(RawProperty(w, "WM_NAME").find("Старое окно [12]"), std::string::npos);
  stamp.writer.ApplyTitle(0);
  EXPECT_EQ(windows_->GetWindowText(w.id()), u"Старое окно");
  // A _NET_WM_NAME left behind would hide the application's later WM_NAME titles.
  EXPECT_NE(RawProperty(w, "_NET_WM_NAME").find("not found"), std::string::npos);
}

TEST_F(X11Test, ClassAndExecutableNames) {
  TestWindow w({"--class", "Редактор"});
  EXPECT_EQ(windows_->GetWindowClassName(w.id()), u"Редактор");
  HostLinux host;
  X11ProcessRoutes routes(*windows_);
  WindowProcessPath processes(routes, host);
  std::uint32_t pid = 0;
  EXPECT_EQ(processes.GetWindowProcessPath(w.id(), pid), u"lartsen-test-window");
  EXPECT_EQ(pid, static_cast<std::uint32_t>(w.pid()));

  // A window of another machine names no local process.
  ASSERT_EQ(Shell("xprop -id " + w.hex() + " -f WM_CLIENT_MACHINE 8s -set WM_CLIENT_MACHINE elsewhere"), 0);
  pid = 0;
  EXPECT_EQ(processes.GetWindowProcessPath(w.id(), pid), u"");
  EXPECT_EQ(pid, 0u);
}

TEST_F(X11Test, FullScreenByStateAndByExactGeometryOnly) {
  X11FullScreen guard(*windows_);
  auto full = [&](const TestWindow& w) {
    return guard.IsFullScreenWindow(w.id(), 0).FullScreen;
  };
  TestWindow state({"--fullscreen"});
  EXPECT_TRUE(full(state));
  TestWindow exact({"--unmanaged", "--geometry", "1280x1024+0+0"});
  EXPECT_TRUE(full(exact));
  TestWindow narrower({"--unmanaged", "--geometry", "1279x1024+0+0"});
  EXPECT_FALSE(full(narrower));
  TestWindow shifted({"--unmanaged", "--geometry", "1280x1024+1+0"});
  EXPECT_FALSE(full(shifted));
  TestWindow ordinary({});
  EXPECT_FALSE(full(ordinary));
  // Desktops and docks are never full screen, whatever they cover.
  TestWindow desktop({"--type", "desktop", "--unmanaged", "--geometry", "1280x1024+0+0"});
  EXPECT_FALSE(full(desktop));
  TestWindow dock({"--type", "dock", "--fullscreen"});
  EXPECT_FALSE(full(dock));
  // The foreground is examined when no window is named.
  Activate(state);
  const FullScreenCheck check = guard.IsFullScreenWindow(0, 0);
  EXPECT_TRUE(check.FullScreen);
  EXPECT_EQ(check.Window, state.id());
}

TEST_F(X11Test, AWindowGoneBetweenReadAndWriteIsNoFailure) {
  auto w = std::make_unique<TestWindow>(std::vector<std::string>{"--title", "x"});
  const WindowHandle id = w->id();
  EXPECT_EQ(windows_->GetWindowText(id), u"x");
  w.reset();
  // The server destroys the window when its client's connection closes; wait for that.
  for (int i = 0; i < 200 && windows_->Facts(id).exists; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_NO_THROW(windows_->SetWindowText(id, u"x [12]"));
  EXPECT_EQ(windows_->GetWindowText(id), u"");
  EXPECT_EQ(windows_->GetWindowClassName(id), u"");
  X11FullScreen guard(*windows_);
  EXPECT_FALSE(guard.IsFullScreenWindow(id, 0).FullScreen);
  EXPECT_EQ(windows_->GetWindowText(0), u"");
  EXPECT_NO_THROW(windows_->SetWindowText(0, u"nothing"));
}

TEST_F(X11Test, ATickWaitsForTheServerTwice) {
  TestWindow w({"--title", "t", "--class", "K"});
  Activate(w);
  X11FullScreen guard(*windows_);
  HostLinux host;
  X11ProcessRoutes routes(*windows_);
  WindowProcessPath processes(routes, host);
  const auto before = connection_->RoundTrips();
  {
    X11Windows::TickScope tick(*windows_);
    const FullScreenCheck check = guard.IsFullScreenWindow(0, 0);
    EXPECT_FALSE(check.FullScreen);
    const WindowHandle window = check.Window;
    EXPECT_EQ(windows_->GetWindowClassName(window), u"K");
    EXPECT_EQ(windows_->GetWindowText(window), u"t");
    std::uint32_t pid = 0;
    EXPECT_EQ(processes.GetWindowProcessPath(window, pid), u"lartsen-test-window");
    windows_->SetWindowText(window, u"t [1]");
    EXPECT_EQ(windows_->GetWindowText(window), u"t [1]");
  }
  EXPECT_EQ(connection_->RoundTrips() - before, 2u);
  // Outside a tick every question goes to the server.
  EXPECT_EQ(windows_->GetWindowText(w.id()), u"t [1]");
}

TEST_F(X11Test, KeptFactsSpareTheServerUntilForgotten) {
  TestWindow w({"--title", "t", "--class", "K"});
  Activate(w);
  X11FullScreen guard(*windows_);
  auto tick = [&] {
    const auto before = connection_->RoundTrips();
    X11Windows::TickScope scope(*windows_);
    const WindowHandle window = guard.IsFullScreenWindow(0, 0).Window;
    EXPECT_EQ(window, w.id());
    EXPECT_EQ(windows_->GetWindowClassName(window), u"K");
    windows_->GetWindowText(window);
    return connection_->RoundTrips() - before;
  };
  // Facts read before the watch vouched for the window are not kept.
  EXPECT_EQ(tick(), 2u);
  windows_->Watching(true, w.id());
  EXPECT_EQ(tick(), 2u);
  EXPECT_EQ(tick(), 0u);
  // Our own write keeps them current.
  windows_->SetWindowText(w.id(), u"t [1]");
  {
    X11Windows::TickScope scope(*windows_);
    EXPECT_EQ(windows_->GetWindowText(w.id()), u"t [1]");
  }
  ASSERT_EQ(Shell("xdotool set_window --name 'u' " + w.hex()), 0);
  windows_->ForgetFacts(w.id());
  EXPECT_EQ(tick(), 1u);
  {
    X11Windows::TickScope scope(*windows_);
    EXPECT_EQ(windows_->GetWindowText(w.id()), u"u");
  }
  windows_->ForgetActiveWindow();
  EXPECT_EQ(tick(), 1u);
  windows_->ForgetAll();
  EXPECT_EQ(tick(), 2u);
  // The root no more watched: the foreground is asked every tick; the window no more watched:
  // its facts are read every tick.
  windows_->Watching(false, w.id());
  EXPECT_EQ(tick(), 1u);
  EXPECT_EQ(tick(), 1u);
  windows_->Watching(true, 0);
  EXPECT_EQ(tick(), 2u);
  EXPECT_EQ(tick(), 1u);
}

}  // namespace
}  // namespace lartsen::x11
