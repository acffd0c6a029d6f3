// Verify after programming: a cable can corrupt a block that the radio still
// acknowledges, so every block that was written is read back and compared.
// Blocks come in address order, so the first difference named is the lowest.

#include "link/protocol.h"
#include "link/transfer.h"

#include <vector>

namespace kv508 {

namespace {

constexpr const char *kTitle = "Program to Radio";

} // namespace

void TransferSession::VerifyProgram(const std::vector<int> &blocks) {
  Link &link = *link_;
  link.Monitor("radio verifying...");
  if (!link.EnsurePortOpen()) {
    link.ExchangeFailed = true;
    return;
  }
  std::vector<std::uint8_t> buffer(kImageSize, 0);
  const long total = static_cast<long>(blocks.size()) * kBlockSize;
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    const long done = static_cast<long>(i) * kBlockSize;
    ShowBlockProgress(done, total);
    ShowBlockStatus("Verifying", done, total);
    link.ReadBlock(buffer.data(), blocks[i], kBlockSize);
    if (link.ExchangeFailed || link.CancelRequested)
      break;
  }
  const bool cancelled = link.CancelRequested;
  if (cancelled)
    link.CancelRead();
  link.ClosePort();
  if (cancelled)
    return;
  if (link.ExchangeFailed) {
    link.Error("Communication Error!!\r\nThe radio was programmed, but it could not be read back "
               "to verify it.",
               kTitle);
    return;
  }

  const MemoryImage &sent = session_.data.Image;
  for (int block : blocks) {
    for (int a = block; a < block + kBlockSize; ++a) {
      const auto i = static_cast<std::size_t>(a);
      if (!ProgramWritesByte(a) || buffer[i] == sent[i])
        continue;
      link.ExchangeFailed = true;
      link.Error("Verify Error!!\r\naddress 0x" + HexField(static_cast<unsigned>(a), 4) +
                     ": written 0x" + HexField(sent[i], 2) + ", read 0x" + HexField(buffer[i], 2),
                 kTitle);
      return;
    }
  }
  ShowProgress(100);
}

} // namespace kv508
