// Test Connection step by step on a good radio, a radio of another model, a
// silent line and ports that will not open; and the serial trace a failed read
// leaves for a bug report.

#include "link/connection_test.h"
#include "link/port_info.h"
#include "link/protocol.h"
#include "link/test_ports.h"

namespace kv508 {
namespace {

using Texts = std::vector<std::string>;

struct ConnectionCheckTest : testing::TransferFixture {
  Texts Steps(const ConnectionDiagnosis &d) {
    Texts out;
    for (const ConnectionStep &step : d.steps)
      out.push_back(step.name + ": " + step.result);
    return out;
  }
};

// A port that will not open, for the reason the system gave.
class RefusingPort : public testing::ScriptedPort {
public:
  RefusingPort(PortProblem problem, std::string group) : problem_(problem), group_(group) {}
  bool Open(const std::string &) override { return false; }
  std::string ErrorText() const override { return "Cannot open /dev/ttyUSB0: Permission denied"; }
  PortProblem Problem() const override { return problem_; }
  std::string DeviceGroup() const override { return group_; }

private:
  PortProblem problem_;
  std::string group_;
};

TEST_F(ConnectionCheckTest, AGoodRadioPassesEveryStepAndNothingIsWritten) {
  ConnectionTest test(session, port, "COM1 (/dev/ttyUSB0)");
  int shown = 0;
  const ConnectionDiagnosis d = test.Run([&shown](const ConnectionDiagnosis &) { ++shown; });
  EXPECT_TRUE(d.passed);
  EXPECT_EQ(Steps(d), (Texts{"Open the port: OK", "Handshake: OK, working speed 57600 baud",
                             "Model check: OK, model identifier 07D0 (TR4100/TR4300)",
                             "Product check: OK, product code QZ318R"}));
  EXPECT_EQ(shown, 4);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(Radio().Counters().blockReads, 3u);
  EXPECT_EQ(Radio().Counters().blockWrites, 0u);
  EXPECT_FALSE(port.IsOpen());
  EXPECT_EQ(DiagnosisText(d), "Open the port: OK\nHandshake: OK, working speed 57600 baud\n"
                              "Model check: OK, model identifier 07D0 (TR4100/TR4300)\n"
                              "Product check: OK, product code QZ318R\n\n"
                              "The radio answers: the connection works.\n");
}

TEST_F(ConnectionCheckTest, ARadioOfAnotherModelIsNamedWithWhatItReports) {
  Radio().Faults().wrongModelId = true;
  ConnectionTest test(session, port, "/dev/ttyUSB0");
  const ConnectionDiagnosis d = test.Run();
  EXPECT_FALSE(d.passed);
  EXPECT_EQ(Steps(d)[2], "Model check: model identifiers 07D0 (start) and 07D1 (end)");
  EXPECT_EQ(Steps(d)[3], "Product check: not run");
  EXPECT_EQ(d.cause, "The radio reports model identifiers 07D0 (start) and 07D1 (end); the model "
                     "chosen, TR4100/TR4300, has 07D0.");
  EXPECT_TRUE(host.messages.empty());

  Reset();
  Radio().Faults().wrongProductCode = true;
  const ConnectionDiagnosis product = test.Run();
  EXPECT_EQ(Steps(product)[3], "Product check: product code QZ318X");
  EXPECT_EQ(product.cause, "The radio reports product code QZ318X; the TR4100/TR4300 has QZ318R.");
}

TEST_F(ConnectionCheckTest, ASilentLineIsNoAnswerWithWhatToCheck) {
  testing::ScriptedPort silent;
  ConnectionTest test(session, silent, "/dev/ttyUSB0");
  const ConnectionDiagnosis d = test.Run();
  EXPECT_FALSE(d.passed);
  EXPECT_EQ(Steps(d), (Texts{"Open the port: OK", "Handshake: no answer", "Model check: not run",
                             "Product check: not run"}));
  EXPECT_EQ(d.cause, "The radio did not answer on /dev/ttyUSB0.");
  EXPECT_NE(d.fix.find("PC CONTROL"), std::string::npos);
  EXPECT_NE(d.fix.find("low-speed link"), std::string::npos);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_FALSE(silent.IsOpen());
}

TEST_F(ConnectionCheckTest, APortThatWillNotOpenSaysWhyAndHowToFixIt) {
  const struct {
    PortProblem problem;
    std::string result, cause, fixStart;
  } cases[] = {
      {PortProblem::Permission, "permission denied", "This user may not open P.",
       "Add yourself to the uucp group: sudo usermod -aG uucp $USER, then log out and in again."},
      {PortProblem::Busy, "in use", "Another program has P open.", "Close the other program"},
      {PortProblem::NotFound, "no such port", "There is no port P.", "Plug the cable in"},
  };
  for (const auto &c : cases) {
    RefusingPort refusing(c.problem, "uucp");
    ConnectionTest test(session, refusing, "P");
    const ConnectionDiagnosis d = test.Run();
    EXPECT_EQ(Steps(d)[0], "Open the port: " + c.result);
    EXPECT_EQ(Steps(d)[1], "Handshake: not run");
    EXPECT_EQ(d.cause, c.cause);
    EXPECT_EQ(d.fix.rfind(c.fixStart, 0), 0u) << d.fix;
  }
}

// The trace of a read that failed holds its frames each way, with the steps.
TEST_F(ConnectionCheckTest, AFailedReadLeavesItsFramesInTheTrace) {
  Arm([this] { return Radio().Counters().blockReads == 3 + 10; },
      [this] { Radio().Faults().silenceAfterFrames = 0; });
  transfer.SetPortName("/dev/ttyUSB0");
  ASSERT_FALSE(transfer.Run(kTransferRead).succeeded);
  const std::string text = transfer.Trace().Text();
  EXPECT_EQ(text.rfind("KV508 serial trace: Read from Radio on /dev/ttyUSB0\n", 0), 0u);
  for (const char *expected :
       {"-- open 19200,N,8,1\n", "PC> P\n", "<RX P\n", "PC> ACMD:002<CR><LF>\n",
        "== Checking the radio's model...\n", "== Reading 0 of 32 KB\n",
        "PC> #CEPRD<TAB>0000<TAB>40<TAB>", "<RX #CEPRD<TAB>0000<TAB>40<TAB>"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected;
  }
  // The last frame sent got no answer; then the port was closed.
  const std::size_t close = text.rfind(" -- close\n");
  ASSERT_NE(close, std::string::npos);
  const std::size_t lineBefore = text.rfind('\n', text.rfind('\n', close) - 1);
  EXPECT_NE(text.substr(lineBefore, close - lineBefore).find(" PC> #CEPRD"), std::string::npos);
  const std::string last =
      " == Stopped after an error. Check the radio and press OK to try again.\n";
  EXPECT_EQ(text.substr(text.size() - last.size()), last);

  // The next run starts a trace of its own.
  Reset();
  ASSERT_TRUE(transfer.Run(kTransferRead).succeeded);
  EXPECT_EQ(transfer.Trace().Text().find("PC> #CEPRD<TAB>0280"),
            transfer.Trace().Text().rfind("PC> #CEPRD<TAB>0280"));
}

} // namespace
} // namespace kv508

namespace kv508 {
namespace {

TEST(PortInfo, MenuAndPortsListShowWhatTheSystemKnows) {
  SerialPortInfo usb{"/dev/ttyUSB0", "ttyUSB0", "FT232R USB UART", "FTDI",
                     0x0403,         0x6001,    "A50285BI"};
  SerialPortInfo plain{"/dev/ttyS0", "ttyS0", "", "", -1, -1, ""};
  EXPECT_EQ(UsbIdText(usb), "0403:6001");
  EXPECT_EQ(PortDetailsText(usb), "FT232R USB UART, FTDI, USB 0403:6001, serial A50285BI");
  EXPECT_EQ(PortDetailsText(plain), "");
  EXPECT_EQ(PortTableText({usb, plain}),
            "PORT  DEVICE        DESCRIPTION      MANUFACTURER  USB ID     SERIAL\n"
            "COM1  /dev/ttyUSB0  FT232R USB UART  FTDI          0403:6001  A50285BI\n"
            "COM2  /dev/ttyS0    -                -             -          -\n");
}

} // namespace
} // namespace kv508
