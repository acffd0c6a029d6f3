#pragma once

// What the core needs from the front end: message boxes, yielding to the window
// system, pauses, a millisecond clock, the wait cursor and the transfer monitor.
// The GUI implements it with message boxes; the CLI prints to stderr and answers
// from its options; tests script the answers and can run a fake clock.

#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace kv508 {

enum class Icon { None, Information, Exclamation, Critical, Question };
// RestoreDiscard: "Restore" answers Yes, "Discard" No.
enum class Buttons { Ok, OkCancel, YesNoCancel, RetryCancel, YesNo, RestoreDiscard };
enum class Answer { Ok, Cancel, Yes, No, Retry };

class Host {
public:
  virtual ~Host() = default;

  virtual Answer Message(Icon icon, const std::string &title, const std::string &text,
                         Buttons buttons = Buttons::Ok) = 0;
  // A question with buttons of its own, the last one the refusal ("Cancel");
  // returns the index of the button chosen. Without buttons of its own a front
  // end shows the text and refuses.
  virtual int Choose(Icon icon, const std::string &title, const std::string &text,
                     const std::vector<std::string> &choices) {
    Message(icon, title, text, Buttons::Ok);
    return static_cast<int>(choices.size()) - 1;
  }
  // Lets the window system process pending events (a no-op outside the GUI).
  virtual void Yield() = 0;
  virtual void Pause(int ms) = 0;
  // The pause after a file operation, there only so that the windows repaint;
  // a front end without windows skips it.
  virtual void RepaintPause(int ms) { Pause(ms); }
  // Monotonic milliseconds.
  virtual std::int64_t NowMs() = 0;

  virtual void SetWaitCursor(bool /*on*/) {}
  virtual void SetMainWindowEnabled(bool /*enabled*/) {}
  // The transfer dialog's monitor line and progress bar (0..100).
  virtual void Monitor(const std::string & /*text*/) {}
  virtual void Progress(int /*percent*/) {}
  // The line after a failure message that names what failed and why
  // ("/dev/ttyUSB0: No such file or directory").
  virtual void Reason(const std::string & /*text*/) {}
  // The transfer dialog's status line: the step under way, in plain words.
  virtual void Status(const std::string & /*text*/) {}
};

// The reason line of a file error: the path and the system's reason.
inline void FileErrorReason(Host &host, const std::filesystem::path &path,
                            const std::error_code &error) {
  host.Reason(path.string() + ": " + error.message());
}

} // namespace kv508
