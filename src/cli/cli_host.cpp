#include "cli/cli_host.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>
#include <unistd.h>

namespace kv508::cli {

namespace {

std::atomic<bool> interrupted{false};

void OnInterrupt(int) { interrupted = true; }

// Messages may hold CR LF between lines; the terminal wants plain newlines.
std::string PlainLines(const std::string &text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
      continue;
    out += text[i] == '\r' ? '\n' : text[i];
  }
  return out;
}

} // namespace

void InstallInterruptHandler() {
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
}

CliHost::CliHost(Answers answers, bool debug)
    : answers_(answers), debug_(debug), progressOnTerminal_(::isatty(STDERR_FILENO) != 0) {}

Answer CliHost::Message(Icon icon, const std::string &title, const std::string &text,
                        Buttons buttons) {
  EndProgress();
  std::string shown = PlainLines(text);
  Answer answer = Answer::Ok;
  std::string reply;
  switch (buttons) {
  case Buttons::Ok:
    answer = Answer::Ok;
    break;
  case Buttons::RetryCancel:
    if (answers_.retryBusy > 0) {
      --answers_.retryBusy;
      answer = Answer::Retry;
      reply = " [Retry]";
    } else {
      answer = Answer::Cancel;
      reply = " [Cancel; --retry-busy N retries]";
    }
    break;
  case Buttons::OkCancel:
    if (answers_.resync && resyncsLeft_ > 0) {
      --resyncsLeft_;
      answer = Answer::Ok;
      reply = " [OK]";
    } else {
      answer = Answer::Cancel;
      reply = answers_.resync ? " [Cancel]" : " [Cancel; --resync answers OK]";
    }
    break;
  case Buttons::YesNoCancel:
    answer = Answer::Cancel;
    reply = " [Cancel]";
    break;
  case Buttons::YesNo:
    // The one question of the commands: programming without the backup.
    answer = Answer::No;
    reply = " [No; --no-backup programs without one]";
    break;
  case Buttons::RestoreDiscard: // the desktop's start-up question; never asked here
    answer = Answer::No;
    break;
  }
  if (icon == Icon::Critical || icon == Icon::Exclamation)
    showedFailure_ = true;
  if (debug_ && !title.empty()) {
    std::fprintf(stderr, "%s: %s%s\n", title.c_str(), shown.c_str(), reply.c_str());
  } else {
    std::fprintf(stderr, "%s%s\n", shown.c_str(), reply.c_str());
  }
  return answer;
}

void CliHost::Yield() {
  // Keep asking until the transfer ends: an echo discard clears a single request.
  if (interrupted && cancelHandler_)
    cancelHandler_();
}

void CliHost::Pause(int ms) {
  if (ms > 0)
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

std::int64_t CliHost::NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void CliHost::Monitor(const std::string &text) {
  if (!debug_)
    return;
  EndProgress();
  std::fprintf(stderr, "monitor: %s\n", text.c_str());
}

void CliHost::Reason(const std::string &text) {
  if (text.empty())
    return;
  EndProgress();
  std::fprintf(stderr, "%s\n", PlainLines(text).c_str());
}

void CliHost::Progress(int percent) {
  if (!progressOnTerminal_ || percent == lastPercent_)
    return;
  lastPercent_ = percent;
  int shown = percent > 100 ? 100 : (percent < 0 ? 0 : percent);
  constexpr int kWidth = 40;
  int filled = shown * kWidth / 100;
  std::fprintf(stderr, "\r[%s%s] %3d%%", std::string(filled, '#').c_str(),
               std::string(kWidth - filled, '.').c_str(), shown);
  std::fflush(stderr);
}

void CliHost::EndProgress() {
  if (lastPercent_ >= 0 && progressOnTerminal_)
    std::fputc('\n', stderr);
  lastPercent_ = -1;
}

} // namespace kv508::cli
