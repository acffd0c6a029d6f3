// The link on a hostile radio: every reply it parses (handshake, acknowledge,
// status, data) comes from the input. The first byte picks the operation; the
// rest, cut at each 0xFF (a byte the radio never sends), is what the radio side
// sends after each write of the PC's, the echo included. Waits run on the
// host's clock, so silence costs no time.

#include "fuzz_support.h"

#include "image/decode.h"
#include "image/default_image.h"
#include "link/transfer.h"

#include <deque>
#include <string_view>

namespace {

using kv508::fuzz::QuietHost;

constexpr char kCut = '\xFF';

class ScriptedRadio : public kv508::Port {
public:
  ScriptedRadio(QuietHost &host, std::string_view replies) : host_(host), replies_(replies) {}

  bool Open(const std::string &) override { return open_ = true; }
  void Close() override { open_ = false; }
  bool IsOpen() const override { return open_; }
  std::size_t BytesWaiting() override { return waiting_.size(); }
  bool WaitForBytes(int timeoutMs) override {
    if (waiting_.empty())
      host_.now += timeoutMs;
    return !waiting_.empty();
  }
  std::vector<std::uint8_t> Read(std::size_t maxBytes) override {
    std::vector<std::uint8_t> out;
    while (out.size() < maxBytes && !waiting_.empty()) {
      out.push_back(waiting_.front());
      waiting_.pop_front();
    }
    return out;
  }
  bool Write(const std::vector<std::uint8_t> &) override {
    const std::size_t cut = replies_.find(kCut);
    const std::string_view reply = replies_.substr(0, cut);
    waiting_.insert(waiting_.end(), reply.begin(), reply.end());
    replies_.remove_prefix(cut == std::string_view::npos ? replies_.size() : cut + 1);
    return true;
  }
  void Purge() override { waiting_.clear(); }

private:
  QuietHost &host_;
  std::string_view replies_;
  std::deque<std::uint8_t> waiting_;
  bool open_ = false;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  if (size == 0)
    return 0;
  static const int kModes[] = {kv508::kTransferRead, kv508::kTransferProgram, kv508::kClearMmsi,
                               kv508::kClearAll};
  const int mode = kModes[data[0] % 4];
  kv508::fuzz::FuzzSession fuzz;
  kv508::BuildDefaultImage(fuzz.session.data, 1);
  kv508::DecodeImage(fuzz.session.data);
  ScriptedRadio radio(fuzz.host, {reinterpret_cast<const char *>(data + 1), size - 1});
  kv508::TransferSession transfer(fuzz.session, radio);
  transfer.SetVerifyAfterProgram((data[0] & 4) != 0);
  transfer.Run(mode);
  return 0;
}
