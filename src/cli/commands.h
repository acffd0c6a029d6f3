#pragma once

#include "app/session.h"
#include "cli/cli_host.h"
#include "cli/options.h"
#include "link/port.h"

#include <memory>

namespace kv508::cli {

// Exit statuses.
constexpr int kSuccess = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;
// Exit statuses of check: warnings only, errors (or a file that cannot be read).
constexpr int kCheckWarnings = 1;
constexpr int kCheckErrors = 2;
// Exit statuses of diff and compare, as diff(1) has them.
constexpr int kSame = 0;
constexpr int kDifferent = 1;
constexpr int kTrouble = 2;

struct Context {
  const Options &options;
  CliHost &host;
  UserSettings &settings;
  Session &session;
};

// Sets up the model of a fresh session from global.ini and the options;
// false after "Unknown model!!".
bool PrepareSession(Session &session, const Options &options);

// The built-in simulated radio, paced at the line rate like a real one.
std::unique_ptr<Port> MakeSimulatedRadioPort(bool lowSpeedLink);

int RunNew(Context &ctx);
int RunConvert(Context &ctx);
int RunReport(Context &ctx);
int RunDiff(Context &ctx);
int RunPorts(Context &ctx);
int RunRead(Context &ctx);
int RunWrite(Context &ctx);
int RunClear(Context &ctx);
int RunBackups(Context &ctx);
int RunCheck(Context &ctx);
int RunExport(Context &ctx);
int RunImport(Context &ctx);
int RunCards(Context &ctx);
int RunCompare(Context &ctx);
int RunDoctor(Context &ctx);

} // namespace kv508::cli
