// The PC side of the link against scripted answers, on the fake clock.

#include "fake_host.h"
#include "link/protocol.h"
#include "link/test_ports.h"

#include <gtest/gtest.h>

#include <tuple>

namespace kv508 {
namespace {

using testing::FakeHost;
using testing::RecordedMessage;
using testing::ScriptedPort;
using testing::ToText;

// A reply line with its checksum and CR LF.
std::string Reply(const std::string &body) {
  std::uint8_t sum = 0;
  for (char c : body)
    sum ^= static_cast<std::uint8_t>(c);
  return body + HexField(sum, 2) + "\r\n";
}

const std::string kAck = "#CMDOK\r\n";

TEST(Frame, ReadStatusAndWriteFramesByteForByte) {
  EXPECT_EQ(ToText(BuildFrame("#CEPRD", HexField(0, 4), HexField(64, 2), "")),
            "#CEPRD\t0000\t40\t6E\r\n");
  EXPECT_EQ(ToText(BuildFrame("#CEPSR", "00", "", "")), "#CEPSR\t00\t74\r\n");
  EXPECT_EQ(ToText(BuildFrame("#CEPWR", HexField(0x7FC0, 4), HexField(1, 2), "0A")),
            Reply("#CEPWR\t7FC0\t01\t0A\t"));
}

TEST(Frame, VerifyChecksum) {
  const std::string body = "#CEPSD\t00\t";
  const std::pair<std::string, bool> cases[] = {
      {body + "62", true},  {"#CEPRD\t0000\t40\t6e", true}, // either case
      {body + "00", false}, {body + "G4", false},
      {"7", false},         {"", false},
      {"#00", false},       {"#23", true}, // "#" is 0x23
  };
  for (const auto &[line, ok] : cases)
    EXPECT_EQ(VerifyChecksum(line), ok) << line;
}

struct LinkTest : ::testing::Test {
  LinkTest() {
    port.open = true;
    link.SetCaption("Read from Radio");
  }
  std::int64_t Elapsed() const { return host.now; }

  FakeHost host;
  MemoryUserSettings settings;
  Session session{host, settings};
  ScriptedPort port;
  Link link{session, port};
};

TEST_F(LinkTest, AcmdOfSevenCharactersSendsNothing) {
  link.SendAcmd("ACMD:02");
  EXPECT_TRUE(port.writes.empty());
}

TEST_F(LinkTest, EchoDiscardTakesOneMoreThanItsCount) {
  port.Feed("12345Z");
  link.DiscardEcho(4);
  EXPECT_FALSE(link.ExchangeFailed);
  EXPECT_EQ(port.input.size(), 1u);

  port.Feed("123");
  link.DiscardEcho(4);
  EXPECT_TRUE(link.ExchangeFailed);
  EXPECT_EQ(Elapsed(), 5 + 1001);
}

TEST_F(LinkTest, TimeLimitsOnTheFakeClock) {
  std::string text;
  EXPECT_EQ(link.WaitByte('P', 1), WaitOutcome::TimedOut);
  EXPECT_EQ(Elapsed(), 1001);

  host.now = 0;
  EXPECT_EQ(link.ReceiveAck(), WaitOutcome::TimedOut);
  EXPECT_EQ(Elapsed(), 10001);

  host.now = 0;
  port.Feed("#CMDOK"); // CR missing
  EXPECT_EQ(link.ReceiveAck(), WaitOutcome::WrongReply);
  EXPECT_EQ(Elapsed(), 6 + 1001);

  host.now = 0;
  EXPECT_EQ(link.ReceiveLineText(10, text), WaitOutcome::TimedOut);
  EXPECT_EQ(Elapsed(), 10001);

  // Three tries of a block read, each: pause, two echo discards, the wait for "#CMDOK".
  host.now = 0;
  std::vector<std::uint8_t> buffer(kImageSize, 0);
  link.ReadBlock(buffer.data(), 0, 64);
  EXPECT_TRUE(link.ExchangeFailed);
  EXPECT_EQ(port.writes.size(), 3u);
  EXPECT_EQ(Elapsed(), 3 * (10 + 1001 + 1001 + 10001));
}

TEST_F(LinkTest, ReplyLines) {
  std::string text;
  port.Feed("error");
  EXPECT_EQ(link.ReceiveText(6, 10, text), WaitOutcome::RadioError);
  EXPECT_EQ(text, "error");
  port.Feed("\t00\t1A\rxyz\n");
  EXPECT_EQ(link.ReceiveLineText(10, text), WaitOutcome::Done);
  EXPECT_EQ(text, "\t00\t1A");

  // A line without end is cut off instead of growing.
  port.Feed(std::string(kMaxReplyLine + 1, 'A'));
  EXPECT_EQ(link.ReceiveLineText(10, text), WaitOutcome::WrongReply);
  EXPECT_EQ(text.size(), kMaxReplyLine);
}

// One block read of two bytes at 0x0010 against a radio that answers `reply`
// after `fillers` filler bytes; every line the PC sends is echoed.
struct BlockCase {
  const char *name;
  int fillers;
  std::string reply;
  bool stored;
  std::vector<std::string> messages;
  std::string answerLine; // the PC's reply to the data line
};

TEST_F(LinkTest, DataReplies) {
  const std::string good = Reply("#CEPDT\t0010\t02\tA55A\t");
  const BlockCase cases[] = {
      {"good", 21, good, true, {}, "#CMDOK\r\n"},
      {"one filler short", 20, good, false, {}, ""},
      {"bad checksum", 21, "#CEPDT\t0010\t02\tA55A\t00\r\n", false, {}, "#CMDSM\r\n"},
      {"wrong token", 21, Reply("#CEPXX\t0010\t02\tA55A\t"), false, {}, "#CMDER\r\n"},
      {"wrong address", 21, Reply("#CEPDT\t0011\t02\tA55A\t"), false, {"address error!!"}, ""},
      {"wrong length", 21, Reply("#CEPDT\t0010\t03\tA55A\t"), false, {"data error!!"}, ""},
      {"short data", 21, Reply("#CEPDT\t0010\t02\tA55\t"), false, {"data error!!"}, ""},
      {"not hex", 21, Reply("#CEPDT\t0010\t02\tA5Z5\t"), false, {"data error!!"}, ""},
      {"address not hex", 21, Reply("#CEPDT\t001G\t02\tA55A\t"), false, {"data error!!"}, ""},
      {"error", 21, "ERROR", false, {}, ""},
  };
  for (const BlockCase &c : cases) {
    SCOPED_TRACE(c.name);
    host.messages.clear();
    port.writes.clear();
    port.input.clear();
    port.respond = [&c](const std::string &line) {
      if (line.rfind("#CEPRD", 0) != 0)
        return line;
      return line + std::string(static_cast<std::size_t>(c.fillers), 'X') + kAck + c.reply;
    };
    std::vector<std::uint8_t> buffer(kImageSize, 0);
    link.ReadBlock(buffer.data(), 0x10, 2);

    EXPECT_NE(link.ExchangeFailed, c.stored);
    EXPECT_EQ(buffer[0x10] == 0xA5 && buffer[0x11] == 0x5A, c.stored);
    EXPECT_EQ(host.Texts(), c.messages);
    if (!c.answerLine.empty()) {
      EXPECT_EQ(ToText(port.writes.back()), c.answerLine);
    }
  }
}

// A radio that wakes, answers "ACMD:002" with `acmd` and acknowledges "#CMDSY".
std::function<std::string(const std::string &)> Radio(const std::string &acmd) {
  return [acmd](const std::string &line) -> std::string {
    if (line == "P")
      return "P";
    if (line == "0")
      return "";
    if (line == "ACMD:002\r\n")
      return line + acmd;
    if (line == "#CMDSY\r\n")
      return line + kAck;
    return line;
  };
}

TEST_F(LinkTest, ConnectAnswersToTheSpeedSwitch) {
  struct Case {
    std::string acmd;
    bool connected;
    std::vector<std::string> messages;
  } cases[] = {{"OK\r\n", true, {}},
               {"", true, {}}, // silence is consent
               {"OK\rX", true, {"error!!"}},
               {"ERROR\r\n", false, {"ACMD Command error!!"}},
               {"NG\r\n", false, {"error!!"}}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.acmd);
    host.messages.clear();
    port.opens.clear();
    port.writes.clear();
    port.respond = Radio(c.acmd);
    EXPECT_EQ(link.Connect(), c.connected);
    EXPECT_EQ(host.Texts(), c.messages);
    EXPECT_EQ(port.opens.front(), "19200,N,8,1");
    if (c.connected) {
      EXPECT_EQ(port.opens.back(), "57600,N,8,1");
      EXPECT_EQ(port.Written(), "P0ACMD:002\r\n#CMDSY\r\n#CMDSY\r\n");
    }
  }
}

TEST_F(LinkTest, ConnectWithoutWakeUpAnswerGoesOnAtLowSpeed) {
  session.state.DebugMode = true;
  session.state.LowSpeedLink = true;
  port.respond = [radio = Radio("OK\r\n")](const std::string &line) {
    return line == "P" ? std::string() : radio(line);
  };
  EXPECT_TRUE(link.Connect());
  EXPECT_EQ(port.Written().substr(0, 3), "PPP");
  EXPECT_EQ(port.opens, (std::vector<std::string>{"19200,N,8,1", "19200,N,8,1"}));
  EXPECT_EQ(host.monitor, (std::vector<std::string>{
                              "19200,N,8,1", "sync failed!!", "sending 'ACMD:002'...",
                              "19200,N,8,1", "sending '#CMDSY'...(1)", "sending '#CMDSY'...(2)"}));
}

TEST_F(LinkTest, SyncFailsAfterThreeUnansweredTries) {
  session.state.DebugMode = true;
  port.respond = [](const std::string &line) { return line; };
  EXPECT_FALSE(link.SyncCommand());
  EXPECT_EQ(port.writes.size(), 3u);
  EXPECT_EQ(host.monitor.back(), "can'not Receive '#CMDOK' !!");
}

TEST_F(LinkTest, StatusCheckBusyRetryAndResync) {
  int statusReplies = 0;
  int errors = 3;
  port.respond = [&](const std::string &line) -> std::string {
    if (line == "#CMDSY\r\n")
      return line + kAck;
    if (line.rfind("#CEPSR", 0) != 0)
      return line;
    if (errors > 0) {
      --errors;
      return line + "X" + "ERROR";
    }
    return line + "X" + kAck + Reply(++statusReplies == 1 ? "#CEPSD\t01\t" : "#CEPSD\t00\t");
  };
  host.answers = {Answer::Ok, Answer::Retry};
  EXPECT_TRUE(link.StatusCheck());
  std::vector<std::tuple<std::string, Icon, Buttons>> shown;
  for (const RecordedMessage &m : host.messages)
    shown.emplace_back(m.text, m.icon, m.buttons);
  EXPECT_EQ(shown, (decltype(shown){{"confirm the synchronization of the communication",
                                     Icon::Question, Buttons::OkCancel},
                                    {"Radio is busy!!", Icon::Exclamation, Buttons::RetryCancel}}));
  EXPECT_EQ(host.messages[1].title, "Read from Radio");
}

TEST_F(LinkTest, CancelReadWaitsForTheAcknowledgement) {
  link.CancelRequested = true;
  link.CancelRead();
  EXPECT_EQ(port.Written(), "\x18");
  EXPECT_TRUE(link.CancelRequested);
  EXPECT_EQ(Elapsed(), 10 + 10001);
}

} // namespace
} // namespace kv508
