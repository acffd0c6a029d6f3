// The PC side of the link against scripted answers, on the fake clock.

#include "link/protocol.h"
#include "link/test_ports.h"

namespace kv508 {
namespace {

using testing::Framed;
using testing::ToText;
using Texts = std::vector<std::string>;

const std::string kAck = "#CMDOK\r\n";

TEST(Frame, FramesByteForByteAndTheirChecksums) {
  EXPECT_EQ(ToText(BuildFrame("#CEPRD", HexField(0, 4), HexField(64, 2), "")),
            "#CEPRD\t0000\t40\t6E\r\n");
  EXPECT_EQ(ToText(BuildFrame("#CEPSR", "00", "", "")), "#CEPSR\t00\t74\r\n");
  EXPECT_EQ(ToText(BuildFrame("#CEPWR", HexField(0x7FC0, 4), HexField(1, 2), "0A")),
            "#CEPWR\t7FC0\t01\t0A\t02\r\n");
  // Hex digits in either case; "#" alone is 0x23.
  for (const char *line : {"#CEPSD\t00\t62", "#CEPRD\t0000\t40\t6e", "#23"})
    EXPECT_TRUE(VerifyChecksum(line)) << line;
  for (const char *line : {"#CEPSD\t00\t00", "#CEPSD\t00\tG4", "7", ""})
    EXPECT_FALSE(VerifyChecksum(line)) << line;
}

struct LinkTest : ::testing::Test {
  LinkTest() {
    port.open = true;
    link.SetCaption("Read from Radio");
  }
  testing::FakeHost host;
  MemoryUserSettings settings;
  Session session{host, settings};
  testing::ScriptedPort port;
  Link link{session, port};
};

TEST_F(LinkTest, EchoDiscardAndReplyLines) {
  link.SendAcmd("ACMD:02"); // seven characters: nothing is sent
  EXPECT_TRUE(port.writes.empty());
  port.Feed("12345Z");
  link.DiscardEcho(4);
  EXPECT_FALSE(link.ExchangeFailed);
  EXPECT_EQ(port.input.size(), 1u);

  port.Feed("123");
  link.DiscardEcho(4);
  EXPECT_TRUE(link.ExchangeFailed);
  EXPECT_EQ(host.now, 5 + 1001);

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

TEST_F(LinkTest, TimeLimitsOnTheFakeClock) {
  std::string text;
  const std::pair<std::function<WaitOutcome()>, std::int64_t> waits[] = {
      {[&] { return link.WaitByte('P', 1); }, 1001},
      {[&] { return link.ReceiveAck(); }, 10001},
      {[&] { return link.ReceiveLineText(10, text); }, 10001}};
  for (const auto &[wait, ms] : waits) {
    host.now = 0;
    EXPECT_EQ(wait(), WaitOutcome::TimedOut);
    EXPECT_EQ(host.now, ms);
  }
  host.now = 0;
  port.Feed("#CMDOK"); // CR missing
  EXPECT_EQ(link.ReceiveAck(), WaitOutcome::WrongReply);
  EXPECT_EQ(host.now, 6 + 1001);

  // Three tries of a block read, each: pause, two echo discards, the wait for "#CMDOK".
  host.now = 0;
  std::vector<std::uint8_t> buffer(kImageSize, 0);
  link.ReadBlock(buffer.data(), 0, 64);
  EXPECT_TRUE(link.ExchangeFailed);
  EXPECT_EQ(port.writes.size(), 3u);
  EXPECT_EQ(host.now, 3 * (10 + 1001 + 1001 + 10001));

  // A cancelled read waits for the radio's acknowledgement of CAN.
  host.now = 0;
  link.CancelRequested = true;
  link.CancelRead();
  EXPECT_EQ(port.writes.back(), "\x18");
  EXPECT_TRUE(link.CancelRequested);
  EXPECT_EQ(host.now, 10 + 10001);
}

// One block read of two bytes at 0x0010 against a radio that answers `reply`
// after `fillers` filler bytes: what is stored, shown, and answered.
TEST_F(LinkTest, DataReplies) {
  const std::string good = Framed("#CEPDT\t0010\t02\tA55A\t");
  const Texts none, address{"address error!!"}, data{"data error!!"};
  const struct {
    std::size_t fillers;
    std::string reply;
    bool stored;
    Texts messages;
    std::string answer; // the PC's reply to the data line, if it is checked
  } cases[] = {{21, good, true, none, kAck},
               {20, good, false, none, ""}, // one filler short
               {21, "#CEPDT\t0010\t02\tA55A\t00\r\n", false, none, "#CMDSM\r\n"},
               {21, Framed("#CEPXX\t0010\t02\tA55A\t"), false, none, "#CMDER\r\n"},
               {21, Framed("#CEPDT\t0011\t02\tA55A\t"), false, address, ""},
               {21, Framed("#CEPDT\t0010\t03\tA55A\t"), false, data, ""},
               {21, Framed("#CEPDT\t0010\t02\tA55\t"), false, data, ""},
               {21, Framed("#CEPDT\t0010\t02\tA5Z5\t"), false, data, ""},
               {21, "ERROR", false, none, ""}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.reply);
    host.messages.clear();
    port.writes.clear();
    port.input.clear();
    // The echo of each line, then after the read command's the fillers, "#CMDOK" and the reply.
    port.respond = [&c](const std::string &line) {
      return line.rfind("#CEPRD", 0) != 0 ? line
                                          : line + std::string(c.fillers, 'X') + kAck + c.reply;
    };
    std::vector<std::uint8_t> buffer(kImageSize, 0);
    link.ReadBlock(buffer.data(), 0x10, 2);
    EXPECT_NE(link.ExchangeFailed, c.stored);
    EXPECT_EQ(buffer[0x10] == 0xA5 && buffer[0x11] == 0x5A, c.stored);
    EXPECT_EQ(host.Texts(), c.messages);
    EXPECT_EQ(c.answer.empty() ? "" : port.writes.back(), c.answer);
  }
}

// A radio that wakes, answers "ACMD:002" with `acmd` and acknowledges "#CMDSY".
std::function<std::string(const std::string &)> Radio(const std::string &acmd) {
  return [acmd](const std::string &line) -> std::string {
    if (line == "0")
      return "";
    if (line == "ACMD:002\r\n")
      return line + acmd;
    return line == "#CMDSY\r\n" ? line + kAck : line;
  };
}

TEST_F(LinkTest, ConnectAnswersToTheSpeedSwitch) {
  const struct {
    std::string acmd;
    bool connected;
    Texts messages;
  } cases[] = {{"OK\r\n", true, {}},
               {"", true, {}}, // silence is consent
               {"OK\rX", true, {"error!!"}},
               {"ERROR\r\n", false, {"ACMD Command error!!"}},
               {"NG\r\n", false, {"error!!"}}};
  for (const auto &c : cases) {
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
  session.state.LowSpeedLink = true;
  port.respond = [radio = Radio("OK\r\n")](const std::string &line) {
    return line == "P" ? std::string() : radio(line);
  };
  EXPECT_TRUE(link.Connect());
  EXPECT_EQ(port.Written().substr(0, 3), "PPP");
  EXPECT_EQ(port.opens, (Texts{"19200,N,8,1", "19200,N,8,1"}));
}

} // namespace
} // namespace kv508
