// Switches the foreground between two helper windows at random moments and times how soon the
// stamp follows; reads stamps at random moments and compares their second with the clock's.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "wall_clock.h"

namespace {

struct Helper {
  std::wstring own;
  HWND hwnd = nullptr;
};

std::wstring Read(HWND hwnd) {
  // The title the system keeps: no message to the helper, so the reading costs it nothing.
  wchar_t text[512] = {};
  InternalGetWindowText(hwnd, text, 512);
  return text;
}

bool IsStamped(const std::wstring& title, const std::wstring& own) {
  return title.size() > own.size() + 3 && title.compare(0, own.size(), own) == 0 &&
         title.compare(own.size(), 2, L" [") == 0 && title.back() == L']';
}

BOOL CALLBACK FindHelper(HWND hwnd, LPARAM data) {
  auto* helper = reinterpret_cast<Helper*>(data);
  wchar_t cls[64] = {};
  GetClassNameW(hwnd, cls, 64);
  if (std::wstring(cls) != L"LartsenE2EHelper") return TRUE;
  std::wstring title = Read(hwnd);
  if (title == helper->own || IsStamped(title, helper->own)) {
    helper->hwnd = hwnd;
    return FALSE;
  }
  return TRUE;
}

double NowMs() { return WallMicroseconds() / 1000.0; }

// Seconds since midnight shown by a stamp "[h:mm:ss]", "[hh:mm:ss]" or "[h:mm:ss AM]", on a
// twelve-hour dial (so that both clocks compare); -1 when the stamp shows no time.
int StampSeconds(const std::wstring& title) {
  const std::size_t open = title.rfind(L'[');
  if (open == std::wstring::npos) return -1;
  int h = 0, m = 0, s = 0;
  if (swscanf(title.c_str() + open + 1, L"%d:%d:%d", &h, &m, &s) != 3) return -1;
  return ((h % 12) * 60 + m) * 60 + s;
}

int ClockSeconds(const SYSTEMTIME& t) { return ((t.wHour % 12) * 60 + t.wMinute) * 60 + t.wSecond; }

struct Figures {
  std::vector<double> values;
  int missed = 0;
  void Print(const char* name) {
    std::sort(values.begin(), values.end());
    auto at = [&](double share) {
      if (values.empty()) return 0.0;
      std::size_t i = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1) + 0.5);
      return values[i];
    };
    std::printf("%-18s median %7.1f ms   p95 %7.1f ms   max %7.1f ms   (%zu switches, %d missed)\n",
                name, at(0.5), at(0.95), values.empty() ? 0.0 : values.back(), values.size(), missed);
  }
};

}  // namespace

// Arguments: switches [seed]
int wmain(int count, wchar_t** args) {
  const int switches = count > 1 ? _wtoi(args[1]) : 100;
  const unsigned seed = count > 2 ? static_cast<unsigned>(_wtoi(args[2])) : 7u;

  Helper helpers[2] = {{L"Switch A"}, {L"Switch B"}};
  for (Helper& helper : helpers) {
    EnumWindows(FindHelper, reinterpret_cast<LPARAM>(&helper));
    if (!helper.hwnd) {
      std::fprintf(stderr, "switch bench: no helper window titled \"%ls\"\n", helper.own.c_str());
      return 1;
    }
  }

  std::mt19937 random(seed);
  std::uniform_real_distribution<double> pause(150.0, 1350.0);
  std::uniform_real_distribution<double> share(0.0, 1.0);
  Figures stamp, restore;
  int reads = 0, current = 0, behind = 0, ahead = 0;

  // Stamps read at a random moment of the wait; the clock read just before and just after.
  auto waitAndRead = [&](HWND front, const std::wstring& own, double ms) {
    const double end = NowMs() + ms;
    double next = NowMs() + share(random) * ms / 2;
    while (NowMs() < end) {
      if (NowMs() >= next) {
        next += share(random) * ms / 2;
        SYSTEMTIME before, after;
        GetLocalTime(&before);
        const std::wstring title = Read(front);
        GetLocalTime(&after);
        const int shown = IsStamped(title, own) ? StampSeconds(title) : -1;
        if (shown >= 0) {
          ++reads;
          const int a = ClockSeconds(before), b = ClockSeconds(after);
          const int day = 12 * 3600;
          auto diff = [&](int clock) { return ((shown - clock) % day + day + day / 2) % day - day / 2; };
          if (shown == a || shown == b) ++current;
          else if (diff(b) > 0) ++ahead;
          else ++behind;
        }
      }
      Sleep(1);
    }
  };

  int from = GetForegroundWindow() == helpers[1].hwnd ? 1 : 0;
  SetForegroundWindow(helpers[from].hwnd);
  const double settle = NowMs() + 5000;
  while (!IsStamped(Read(helpers[from].hwnd), helpers[from].own) && NowMs() < settle) Sleep(5);

  Figures activation;
  for (int i = 0; i < switches; ++i) {
    waitAndRead(helpers[from].hwnd, helpers[from].own, pause(random));
    const int to = 1 - from;
    // The layer activates another process's window a moment after the call: the switch counts
    // from the moment the system reports the new foreground window.
    const double call = NowMs();
    SetForegroundWindow(helpers[to].hwnd);
    while (GetForegroundWindow() != helpers[to].hwnd && NowMs() - call < 1000) Sleep(0);
    const double start = NowMs();
    if (GetForegroundWindow() != helpers[to].hwnd) {
      ++activation.missed;
      from = GetForegroundWindow() == helpers[1].hwnd ? 1 : 0;
      continue;
    }
    activation.values.push_back(start - call);
    double stamped = -1, restored = -1;
    while ((stamped < 0 || restored < 0) && NowMs() - start < 3000) {
      if (stamped < 0 && IsStamped(Read(helpers[to].hwnd), helpers[to].own)) stamped = NowMs() - start;
      if (restored < 0 && Read(helpers[from].hwnd) == helpers[from].own) restored = NowMs() - start;
      if (stamped < 0 || restored < 0) Sleep(1);
    }
    if (stamped >= 0) stamp.values.push_back(stamped); else ++stamp.missed;
    if (restored >= 0) restore.values.push_back(restored); else ++restore.missed;
    from = to;
  }

  activation.Print("call -> foreground");
  stamp.Print("switch -> stamp");
  restore.Print("switch -> restore");
  std::printf("stamps read at random moments: %d; current second %.1f%%, behind %.1f%%, ahead %d\n",
              reads, reads ? 100.0 * current / reads : 0.0, reads ? 100.0 * behind / reads : 0.0,
              ahead);
  std::fflush(stdout);
  return 0;
}
