// Export then import gives the same settings file; imports of files written as
// spreadsheets write them; merge, capacity and every refusal reason.

#include "app/new_data.h"
#include "exchange/csv_export.h"
#include "exchange/import_preview.h"
#include "fake_host.h"
#include "files/dat_file.h"
#include "image/decode.h"
#include "model/tables.h"
#include "sim/demo_image.h"

#include <gtest/gtest.h>

#include <random>

namespace kv508 {
namespace {

const ModelInfo kModel{1, true, false};

// The simulated radio's memory, read as a .hex file is.
RadioData Demo() {
  testing::FakeHost host;
  MemoryUserSettings settings;
  Session session(host, settings);
  NewData(session, false);
  session.data.Image = sim::DemoRadioMemory();
  DecodeImage(session.data);
  return session.data;
}

CsvTable Table(const std::string &text) {
  CsvReadResult read = ReadCsv(text);
  EXPECT_TRUE(read.Ok()) << read.error;
  return read.table;
}

std::vector<std::string> Texts(const ImportPreview &preview) {
  std::vector<std::string> texts;
  for (const PreviewRow &row : preview.rows)
    texts.push_back(PreviewRowText(row));
  texts.insert(texts.end(), preview.notes.begin(), preview.notes.end());
  return texts;
}

// The part of the settings a kind carries, emptied.
void Blank(RadioSettings &s, ExchangeKind kind) {
  switch (kind) {
  case ExchangeKind::Individual:
    return ClearDirectory(s.CHMMSID);
  case ExchangeKind::Group:
    return ClearDirectory(s.CHGRPID);
  case ExchangeKind::Expansion:
    for (ChannelRecord &r : s.CHEXP)
      r = ChannelRecord{};
    return;
  case ExchangeKind::Channels:
    for (ChannelBank *bank : {&s.CHUSA, &s.CHINT, &s.CHCAN}) {
      for (ChannelRecord &r : *bank) {
        r.Enable = r.LowPower = r.PowUp = r.Duplex = r.ScanMemory = false;
        r.ChTag.clear();
      }
    }
  }
}

void ExpectRoundTrip(const RadioData &source, const std::string &what) {
  for (ExchangeKind kind : {ExchangeKind::Individual, ExchangeKind::Group, ExchangeKind::Expansion,
                            ExchangeKind::Channels}) {
    RadioData target = source;
    Blank(target, kind);
    const ImportPreview preview =
        PreviewImport(kind, Table(ExportCsv(source, kind)), target, ImportMode::Replace);
    EXPECT_EQ(preview.Count(RowState::Refused), 0) << what << ExchangeKindName(kind);
    ApplyImport(preview, target);
    EXPECT_EQ(BuildDatText(target, kModel), BuildDatText(source, kModel))
        << what << ExchangeKindName(kind);
    for (int n = kExpLower; kind == ExchangeKind::Expansion && n <= kExpUpper; ++n) {
      const ChannelRecord &a = source.CHEXP[n];
      const ChannelRecord &b = target.CHEXP[n];
      EXPECT_TRUE(a.Narrow == b.Narrow && a.Ctcss == b.Ctcss && a.Dcs == b.Dcs) << what << n;
    }
  }
}

class Random {
public:
  explicit Random(unsigned seed) : engine_(seed) {}
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }
  bool Coin() { return Below(2) == 1; }
  std::string Text(const std::string &alphabet, int length) {
    std::string text;
    for (int i = 0; i < length; ++i)
      text += alphabet[static_cast<std::size_t>(Below(static_cast<int>(alphabet.size())))];
    return text;
  }
  std::string Name(int longest) {
    const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    const int length = 1 + Below(longest);
    std::string name = Text(letters, 1);
    if (length > 2)
      name += Text(letters + "-+().*/, ", length - 2);
    return length > 1 ? name + Text(letters, 1) : name;
  }
  double Raster() { return (54800 + 10 * Below(1441)) / 400.0; } // 137 to 174 MHz, 25 kHz

private:
  std::mt19937 engine_;
};

void RandomDirectory(Random &random, Directory &directory, bool group) {
  ClearDirectory(directory);
  const int used = 1 + random.Below(directory.Size()); // an empty list exports a header only
  for (int i = 1; i <= used; ++i) {
    const std::string digits = std::to_string(10000000 + i * 7919 + random.Below(5000));
    directory[i] = {true, random.Name(11),
                    group ? "0" + digits + "0" : std::to_string(2 + random.Below(6)) + digits + "0",
                    directory[i].Member};
  }
}

void RandomChannels(Random &random, RadioData &data) {
  for (ChannelRecord &r : data.CHEXP) {
    r = ChannelRecord{};
    r.Enable = random.Coin();
    if (r.Enable || random.Coin()) {
      r.CHDisplayL = random.Text("0123456789AbCdEFGHIJLMnoPqrStUy", 2);
      r.CHDisplayR = random.Coin() ? random.Text("AbCd", 1) : "";
      r.Rxfreq = random.Raster();
      r.Txfreq = random.Coin() ? random.Raster() : 0.0;
      r.ChTag = random.Name(16);
    }
    r.LowPower = random.Coin();
    r.PowUp = r.LowPower && random.Coin();
    r.ScanMemory = random.Coin();
    r.Narrow = random.Coin();
    for (std::size_t e = 0; e < 2; ++e) {
      const int tone = random.Below(3);
      r.Ctcss[e] = static_cast<std::int16_t>(tone == 1 ? 1 + random.Below(50) : 0);
      r.Dcs[e] = static_cast<std::int16_t>(tone == 2 ? 1 + random.Below(104) : 0);
    }
  }
  for (ChannelBank *bank : {&data.CHUSA, &data.CHINT, &data.CHCAN}) {
    for (ChannelRecord &r : *bank) {
      r.Enable = random.Coin();
      r.ChTag = random.Coin() ? random.Name(16) : "";
      r.LowPower = r.TxEnable && !r.RxOnly && random.Coin();
      r.PowUp = r.LowPower && random.Coin();
      r.Duplex = r.DuplexAllowed && random.Coin();
      r.ScanMemory = r.Position != 140 && random.Coin();
    }
  }
}

TEST(ExchangeRoundTrip, GivesTheSameSettingsFileForEveryKind) {
  ExpectRoundTrip(Demo(), "simulated radio: ");
  for (unsigned seed = 1; seed <= 3; ++seed) {
    Random random(seed);
    RadioData data = Demo();
    RandomDirectory(random, data.CHMMSID, false);
    RandomDirectory(random, data.CHGRPID, true);
    RandomChannels(random, data);
    ExpectRoundTrip(data, "seed " + std::to_string(seed) + ": ");
  }
}

// Names are Windows-1252 bytes in the settings and UTF-8 in the file.
TEST(Export, WritesNamesAsUtf8) {
  RadioData data = Demo();
  data.CHMMSID[1].TagName = "CAF\xC9";
  const std::string csv = ExportCsv(data, ExchangeKind::Individual);
  EXPECT_EQ(csv.substr(0, csv.find("\r\n2,")), "position,name,mmsi\r\n1,CAF\xC3\x89,232000123");
  const ImportPreview preview =
      PreviewImport(ExchangeKind::Individual, Table(csv), data, ImportMode::Merge);
  EXPECT_EQ(PreviewRowText(preview.rows[0]),
            "line 2: changed entry 1: name \"CAF\xC3\x89\" -> \"CAF\" (name \"CAF\xC3\x89\" is "
            "stored as \"CAF\")");
}

TEST(DirectoryImport, ReadsASpreadsheetsFile) {
  RadioData data = Demo();
  ClearDirectory(data.CHMMSID);
  const std::string file = "\xEF\xBB\xBF"
                           "MMSI;Notes; Name ;Position\r\n"
                           "232000111;gate 3;\"PIER, 3\";2\r\n"
                           "232000222;;\"SAY \"\"HI\"\"\";1\r\n"
                           "232000333;;Caf\xC3\xA9 & Co;3\r\n";
  const ImportPreview preview =
      PreviewImport(ExchangeKind::Individual, Table(file), data, ImportMode::Replace);
  EXPECT_EQ(Texts(preview),
            (std::vector<std::string>{
                "line 2: added entry 2: name \"PIER, 3\"; MMSI 232000111",
                "line 3: added entry 1: name \"SAY HI\"; MMSI 232000222 (name \"SAY \"HI\"\" is "
                "stored as \"SAY HI\")",
                "line 4: added entry 3: name \"Caf  Co\"; MMSI 232000333 (name \"Caf\xC3\xA9 & "
                "Co\" is stored as \"Caf  Co\")",
                "columns ignored: Notes"}));
  ApplyImport(preview, data);
  EXPECT_EQ(data.CHMMSID[1].TagName, "SAY HI");
  EXPECT_EQ(data.CHMMSID[2].Mmsid, "2320001110");
  EXPECT_EQ(data.CHMMSID[3].TagName, "Caf  Co");
  EXPECT_FALSE(data.CHMMSID[4].Enable);
}

TEST(DirectoryImport, MergeUpdatesByMmsiAndAppends) {
  RadioData data = Demo();
  const RadioData before = data;
  const std::string file = "name,mmsi\r\nPILOT BOAT,232000456\r\nHARBOUR,232000123\r\n"
                           "NEW ONE,232000999\r\nBAD,2320\r\n";
  const ImportPreview preview =
      PreviewImport(ExchangeKind::Individual, Table(file), data, ImportMode::Merge);
  EXPECT_EQ(Texts(preview),
            (std::vector<std::string>{"line 2: changed entry 2: name \"PILOT\" -> \"PILOT BOAT\"",
                                      "line 3: unchanged entry 1",
                                      "line 4: added entry 4: name \"NEW ONE\"; MMSI 232000999",
                                      "line 5: refused: MMSI \"2320\" is not 9 digits"}));
  EXPECT_EQ(data, before) << "a preview changes nothing";
  ApplyImport(preview, data);
  EXPECT_EQ(data.CHMMSID[2].TagName, "PILOT BOAT");
  EXPECT_EQ(data.CHMMSID[3], before.CHMMSID[3]);
  EXPECT_EQ(data.CHMMSID[4].Mmsid, "2320009990");
  EXPECT_EQ(UsedCount(data.CHMMSID), 4);

  // A group MMSI whose leading 0 a spreadsheet dropped still matches.
  const ImportPreview group = PreviewImport(
      ExchangeKind::Group, Table("name,mmsi\nRACE FLEET,23212345\n"), data, ImportMode::Merge);
  EXPECT_EQ(Texts(group), std::vector<std::string>{"line 2: unchanged entry 1"});
}

TEST(DirectoryImport, ReplaceRemovesWhatTheFileLacksAndRefusesBeyondCapacity) {
  RadioData data = Demo();
  ImportPreview preview = PreviewImport(
      ExchangeKind::Individual, Table("name,mmsi\nHARBOUR,232000123\n"), data, ImportMode::Replace);
  EXPECT_EQ(Texts(preview),
            (std::vector<std::string>{"line 2: unchanged entry 1",
                                      "removed entry 2: name \"PILOT\"; MMSI 232000456",
                                      "removed entry 3: name \"SEA BREEZE\"; MMSI 232987654"}));

  for (const auto &[kind, capacity] :
       {std::pair{ExchangeKind::Individual, 80}, std::pair{ExchangeKind::Group, 32}}) {
    std::string file = "name,mmsi\n";
    for (int i = 1; i <= capacity + 2; ++i)
      file += "S" + std::to_string(i) + ",0" + std::to_string(23200000 + i) + "\n";
    preview = PreviewImport(kind, Table(file), data, ImportMode::Replace);
    const std::string beyond =
        ": refused: beyond the " + std::to_string(capacity) + " entries of the directory";
    EXPECT_EQ(preview.Count(RowState::Refused), 2);
    EXPECT_EQ(PreviewRowText(preview.rows[capacity]),
              "line " + std::to_string(capacity + 2) + beyond);
    ApplyImport(preview, data);
    preview =
        PreviewImport(kind, Table("name,mmsi\nONE MORE,012345678\n"), data, ImportMode::Merge);
    EXPECT_EQ(Texts(preview), std::vector<std::string>{"line 2: refused: the directory is full (" +
                                                       std::to_string(capacity) + " entries)"});
  }
}

TEST(Import, RefusesEachBadRowWithItsReason) {
  const struct {
    ExchangeKind kind;
    std::string file;
    std::string text; // of the last row
  } cases[] = {
      {ExchangeKind::Individual, "name,mmsi\nA,12345\n",
       "line 2: refused: MMSI \"12345\" is not 9 digits"},
      {ExchangeKind::Individual, "name,mmsi\n ,232000123\n", "line 2: refused: name missing"},
      {ExchangeKind::Individual, "name,mmsi\n___,232000123\n",
       "line 2: refused: name \"___\" has no character the radio can show"},
      {ExchangeKind::Individual, "position,name,mmsi\n81,A,232000123\n",
       "line 2: refused: position \"81\" is not a number from 1 to 80"},
      {ExchangeKind::Individual, "position,name,mmsi\n1,A,232000123\n1,B,232000124\n",
       "line 3: refused: position 1 is also on line 2"},
      {ExchangeKind::Individual, "name,mmsi\nA,232000123\nB,232000123\n",
       "line 3: refused: MMSI 232000123 is also on line 2"},
      {ExchangeKind::Group, "name,mmsi\nG,123456789\n",
       "line 2: refused: group MMSI \"123456789\" is not 0 and 8 digits"},
      {ExchangeKind::Expansion, "number,rx_mhz\n65,156.05\n",
       "line 2: refused: number \"65\" is not a number from 1 to 64"},
      {ExchangeKind::Expansion, "number,rx_mhz\n3,180\n",
       "line 2: refused EXP 3: rx_mhz \"180\" is outside 137 to 174 MHz"},
      {ExchangeKind::Expansion, "number,rx_mhz\n3,156.0125\n",
       "line 2: refused EXP 3: rx_mhz \"156.0125\" is off the 25 kHz raster"},
      {ExchangeKind::Expansion, "number,rx_mhz\n3,abc\n",
       "line 2: refused EXP 3: rx_mhz \"abc\" is not a number of MHz"},
      {ExchangeKind::Expansion, "number,rx_mhz\n3,1" + std::string(400, '0') + "\n",
       "line 2: refused EXP 3: rx_mhz \"1" + std::string(39, '0') + "...\" is not a number of MHz"},
      {ExchangeKind::Expansion, "number,rx_mhz\n3,1" + std::string(300, '0') + "\n",
       "line 2: refused EXP 3: rx_mhz \"1" + std::string(39, '0') +
           "...\" is outside 137 to 174 MHz"},
      {ExchangeKind::Expansion, "number,rx_mhz\n3,\"156,050\"\n",
       "line 2: refused EXP 3: rx_mhz \"156,050\" has a decimal comma, read only in files "
       "separated by semicolons; use a point"},
      {ExchangeKind::Expansion, "number;rx_mhz;tx_mhz\n3;156,050;157,1\n",
       "line 2: changed EXP 3: rx_mhz none -> 156.0500; tx_mhz none -> 157.1000"},
      {ExchangeKind::Expansion, "number,enabled\n3,1\n",
       "line 2: refused EXP 3: an enabled channel needs a display of 2 characters and a receive "
       "frequency"},
      {ExchangeKind::Expansion, "number,rx_tone,tx_tone\n3,67.1Hz,023\n",
       "line 2: refused EXP 3: rx_tone \"67.1Hz\" is no CTCSS tone or DCS code"},
      {ExchangeKind::Expansion, "number,rx_tone,tx_tone\n3,67 Hz,23\n",
       "line 2: changed EXP 3: rx_tone Off -> 67.0Hz; tx_tone Off -> 023"},
      {ExchangeKind::Expansion, "number,bandwidth\n3,medium\n",
       "line 2: refused EXP 3: bandwidth \"medium\" is not Narrow or Wide"},
      {ExchangeKind::Expansion, "number,display\n3,EK\n",
       "line 2: refused EXP 3: display \"EK\" has characters the display cannot show"},
      {ExchangeKind::Expansion, "number,low_power,power_up\n3,0,1\n",
       "line 2: refused EXP 3: power_up needs low_power"},
      {ExchangeKind::Channels, "bank,label\nUSB,16\n",
       "line 2: refused: bank \"USB\" is not USA, INTL or CAN"},
      {ExchangeKind::Channels, "bank,label\nUSA,16B\n",
       "line 2: refused: unknown channel label \"16B\""},
      {ExchangeKind::Channels, "bank,label,duplex\nUSA,07A,1\n",
       "line 2: refused USA 07A: channel 07A cannot be duplex"},
      {ExchangeKind::Channels, "bank,label,low_power\nUSA,15,1\n",
       "line 2: refused USA 15: low_power cannot be set on channel 15"},
      {ExchangeKind::Channels, "bank,label,scan\nUSA,70,1\n",
       "line 2: refused USA 70: scan cannot be set on channel 70"},
      {ExchangeKind::Channels, "bank,label,enabled\nUSA,16,maybe\n",
       "line 2: refused USA 16: enabled \"maybe\" is not 1 or 0"},
      {ExchangeKind::Channels, "bank,label,name\nUSA,16,CALL\nUSA,16,CALL\n",
       "line 3: refused USA 16: USA 16 is also on line 2"},
      {ExchangeKind::Channels, "Bank,Label,Name\nchint,5a,PORT\n",
       "line 2: changed INTL 05A: name \"\" -> \"PORT\""},
  };
  const RadioData data = Demo();
  for (const auto &c : cases) {
    const CsvTable table = Table(c.file);
    const ImportPreview preview = PreviewImport(c.kind, table, data, ImportMode::Replace);
    ASSERT_TRUE(preview.Ok()) << c.file;
    EXPECT_EQ(PreviewRowText(preview.rows[table.rows.size() - 1]), c.text);
  }
}

TEST(Import, RefusesAFileWithoutTheColumnsItNeeds) {
  const RadioData data = Demo();
  const struct {
    ExchangeKind kind;
    std::string file;
    std::string error;
  } cases[] = {
      {ExchangeKind::Individual, "name\nA\n", "no column \"mmsi\""},
      {ExchangeKind::Individual, "name,Name,mmsi\nA,B,232000123\n",
       "column \"Name\" appears twice"},
      {ExchangeKind::Channels, "label,name\n16,A\n", "no column \"bank\""},
      {ExchangeKind::Expansion, "\nrx_mhz\n156.05\n", "no column \"number\""},
  };
  for (const auto &c : cases) {
    const ImportPreview preview = PreviewImport(c.kind, Table(c.file), data, ImportMode::Replace);
    EXPECT_EQ(preview.error, c.error);
    EXPECT_EQ(preview.errorLine, c.file.front() == '\n' ? 2 : 1);
    EXPECT_TRUE(preview.rows.empty());
  }
}

} // namespace
} // namespace kv508
