// The simulated radio's side of every exchange, byte for byte, and its port.

#include "link/test_ports.h"
#include "model/convert.h"

namespace kv508::sim {
namespace {

using testing::Framed;
using testing::ToBytes;
using testing::ToText;

std::string Fill(std::size_t n) { return std::string(n, '\0'); }

const std::string kOk = "#CMDOK\r\n";

// Each step: what the PC sends, what the radio side must send back so that a
// PC reading away exactly its counts never waits for a time-out.
TEST(RadioEngine, AnswersWithTheCountsThePcReadsAway) {
  RadioEngine engine;
  engine.Memory()[0x21] = 0x11;
  const std::string readTop = Framed("#CEPRD\t7FFE\t02\t");
  const std::string write = Framed("#CEPWR\t0021\t01\t5A\t");
  const std::string badRead = "#CEPRD\t0000\t40\t6F\r\n";
  const std::string pastEnd = Framed("#CEPRD\t7FFF\t02\t");
  struct Step {
    std::string pc;
    std::string radio;
    int baud;
  } steps[] = {
      {"P", "P", 19200},
      {"0", "", 19200},
      {"ACMD:002\r\n", "ACMD:002\r\nOK\r\n", 57600},
      {"#CMDSY\r\n", "#CMDSY\r\n" + kOk, 57600},
      {"#CEPSR\t00\t74\r\n", "#CEPSR\t00\t74\r\n" + Fill(1) + kOk + Framed("#CEPSD\t00\t"), 57600},
      {kOk, kOk, 57600},
      {readTop, readTop + Fill(21) + kOk + Framed("#CEPDT\t7FFE\t02\t07D0\t"), 57600},
      {write, write + Fill(write.size() + 2) + kOk, 57600},
      {"#CMDSM\r\n", "#CMDSM\r\n", 57600},
      {badRead, badRead + Fill(21) + "ERROR", 57600},
      {pastEnd, pastEnd + Fill(21) + "ERROR", 57600},
      {"\x18", "\x06", 57600},
      {"P", "P", 19200}};
  for (const Step &s : steps) {
    EXPECT_EQ(ToText(engine.OnBytesFromPc(ToBytes(s.pc))), s.radio) << s.pc;
    EXPECT_EQ(engine.CurrentBaud(), s.baud) << s.pc;
  }
  EXPECT_EQ(engine.Memory()[0x21], 0x5A);
}

TEST(SimPort, PacedBytesArriveInOrderAndReopeningDropsThem) {
  SimPort port(SimPort::Pacing::LineRate);
  ASSERT_TRUE(port.Open("57600,N,8,1"));
  ASSERT_TRUE(port.Write(ToBytes("ACMD:002\r\n")));
  std::string got;
  while (got.size() < 14 && port.WaitForBytes(50))
    got += ToText(port.Read(1));
  EXPECT_EQ(got, "ACMD:002\r\nOK\r\n");
  EXPECT_EQ(port.Engine().CurrentBaud(), 57600);

  ASSERT_TRUE(port.Write(ToBytes("#CMDSY\r\n")));
  ASSERT_TRUE(port.Open("57600,N,8,1"));
  EXPECT_FALSE(port.WaitForBytes(5));
  EXPECT_EQ(port.BytesWaiting(), 0u);
}

// What a newcomer's first read shows: a radio in use, not erased memory.
TEST(RadioEngine, ServesTheMemoryOfARadioInUse) {
  const MemoryImage memory = RadioEngine().Memory();
  // The editor must accept what the demo radio holds, or its first screen
  // refuses to let the user move on.
  RadioData data;
  data.Image = memory;
  DecodeImage(data);
  for (int n = kExpLower; n <= kExpUpper; ++n) {
    const ChannelRecord &r = data.CHEXP[n];
    double f = 0;
    EXPECT_TRUE(!r.Enable || r.CHDisplayL.size() >= 2) << n;
    EXPECT_TRUE(!r.Enable || (ParseExpansionFreq(FormatFreq4(r.Rxfreq), f) && f > 0)) << n;
    EXPECT_TRUE(!r.Enable || ParseExpansionFreq(FormatFreq4(r.Txfreq), f)) << n;
  }
}

} // namespace
} // namespace kv508::sim
