#pragma once

// A Host for tests: records every message, answers from a script, and runs a
// fake clock that only moves when the code pauses or yields.

#include "app/host.h"
#include "app/user_settings.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace kv508::testing {

struct RecordedMessage {
  Icon icon;
  std::string title;
  std::string text;
  Buttons buttons;
  std::vector<std::string> choices = {}; // a Choose question's buttons
  std::size_t statusesBefore = 0;        // how many status lines came before the message
};

class FakeHost : public Host {
public:
  Answer Message(Icon icon, const std::string &title, const std::string &text,
                 Buttons buttons) override {
    messages.push_back({icon, title, text, buttons, {}, statuses.size()});
    if (!answers.empty()) {
      Answer a = answers.front();
      answers.pop_front();
      return a;
    }
    // Ok where it is the only answer, otherwise the refusal.
    return buttons == Buttons::Ok      ? Answer::Ok
           : buttons == Buttons::YesNo ? Answer::No
                                       : Answer::Cancel;
  }
  int Choose(Icon icon, const std::string &title, const std::string &text,
             const std::vector<std::string> &buttons) override {
    questions.push_back({icon, title, text, Buttons::Ok, buttons, statuses.size()});
    if (!choices.empty()) {
      const int choice = choices.front();
      choices.pop_front();
      return choice;
    }
    return unscriptedChoice >= 0 ? unscriptedChoice : static_cast<int>(buttons.size()) - 1;
  }
  void Yield() override {
    ++now;
    if (onYield)
      onYield();
  }
  void Pause(int ms) override { now += ms; }
  std::int64_t NowMs() override { return now; }
  void Monitor(const std::string &text) override { monitor.push_back(text); }
  void Progress(int percent) override { progress.push_back(percent); }
  void Reason(const std::string &text) override { reasons.push_back(text); }
  void Status(const std::string &text) override { statuses.push_back(text); }

  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const auto &m : messages)
      out.push_back(m.text);
    return out;
  }

  std::vector<RecordedMessage> messages;
  std::vector<RecordedMessage> questions; // Choose, kept apart from the messages
  std::deque<Answer> answers;             // scripted answers, then the default (Ok / Cancel)
  std::deque<int> choices;                // scripted answers to Choose, then unscriptedChoice
  int unscriptedChoice = -1;              // -1: the last button, the refusal
  std::vector<std::string> monitor;
  std::vector<int> progress;
  std::vector<std::string> reasons;
  std::vector<std::string> statuses;
  std::function<void()> onYield;
  std::int64_t now = 0;
};

} // namespace kv508::testing
