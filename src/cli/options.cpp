#include "cli/options.h"

#include <charconv>

namespace kv508::cli {

namespace {

int ParseInt(const std::string &option, const std::string &text) {
  int value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || end != text.data() + text.size()) {
    throw UsageError{option + " expects a number, not '" + text + "'"};
  }
  return value;
}

} // namespace

const char *UsageText() {
  return R"(Usage: kv508-cli [OPTIONS] COMMAND ...

Programs marine VHF/DSC radios from the command line.

Commands:
  new -o OUT.{hex,dat}                    default data of the model (and its stored destination)
  convert IN.{hex,dat} OUT.{hex,dat}      .dat -> .hex encodes over the default image
                                          (or --base IMAGE.hex); .hex -> .dat decodes
  report IN.{hex,dat} [-o OUT.txt]        the text report (standard output by default)
  read  --port P -o OUT.{hex,dat}         read the radio (.hex keeps its bytes as read)
  write --port P IN.{hex,dat} [--verify] [--changes-only] [--keep-identity|--replace-identity]
                                          program the radio (--verify: read every written
                                          block back and compare; --changes-only: read the
                                          radio first, then send only the blocks that differ)
  compare --port P IN.{hex,dat}           read the radio and list the settings it holds
                                          otherwise than IN: SETTING: RADIO -> IN, grouped
                                          as the tree shows them
  clear --port P AREA                     AREA: mmsi dsc-log distress-log individual group
                                          waypoint dsc-tx-log all
  doctor --port P                         test the connection: open the port, handshake,
                                          model and product checks; on a failure the likely
                                          cause and its fix
  ports                                   the serial ports found: device, description,
                                          manufacturer, USB vendor:product id, serial number
  diff A B                                the settings that differ between two files
  check IN.{hex,dat}                      what the radio would not hold as shown, and what
                                          is probably not meant: one line per finding,
                                          "error:" or "warning:", where, what, how to fix
  backups                                 the automatic backups, newest first
  export KIND IN.{hex,dat} [-o OUT.csv]   a list as CSV (standard output by default); KIND:
                                          individual, group (directories: position,name,mmsi),
                                          expansion (channels 1-64), channels (USA, INTL, CAN)
  import KIND IN.csv FILE.{hex,dat} -o OUT.{hex,dat} [--merge] [--skip-refused]
                                          prints what each row adds, changes or refuses, then
                                          writes OUT: FILE with the rows applied; nothing is
                                          written when a row is refused, unless --skip-refused
  cards IN.{hex,dat} -o OUT.pdf [--paper a4|letter]
                                          a channel card per usable group and a DSC card

Options:
  --program-dir DIR    folder with global.ini and the destination images
  --settings FILE      per-user settings file (default ~/.config/KV508/KV508.conf, shared with kv508)
  --model N            model index (1 or 11) instead of the one global.ini selects
  --atis, --no-atis    override the model's ATIS capability
  --debug              monitor lines of the link, error log in the program folder
  --port P             COMn, a device path such as /dev/ttyUSB0, or sim (built-in simulated radio)
  --base IMAGE.hex     bytes the settings file does not carry come from this image
  --low-speed          run the link at 19200 baud after the handshake
  --retry-busy N       answer "Radio is busy!!" with Retry up to N times
  --resync             answer the re-synchronisation question with OK
  --merge              import into a directory by MMSI: a known MMSI gets the file's name,
                       a new one the next free entry (default: the file replaces the directory)
  --skip-refused       import the accepted rows even when others are refused
  --paper a4|letter    the paper of the cards (default a4)
  --keep-identity      when the radio's own MMSI or ATIS code would change, program the
                       radio's own instead and keep the file's settings otherwise
  --replace-identity   when the radio's own MMSI or ATIS code would change, write the file's
                       (without either, write refuses: most radios take a new own MMSI once)
  --trace FILE         keep the serial frames of read, write, clear, compare or doctor in FILE
  --no-backup          no automatic backup of the image read or programmed
                       (kept in $XDG_DATA_HOME/KV508/backups, else ~/.local/share/KV508/backups)
  -o, --output FILE    output file
  -h, --help           this text
  --version            the version

Exit status: 0 success, 1 the operation failed (the message is on stderr), 2 usage error.
diff, compare: 0 nothing differs, 1 something differs, 2 trouble (a usage error, a file that
cannot be read, a read of the radio that failed, data the radio cannot hold).
check: 0 no finding, 1 warnings only, 2 errors, a usage error or a file that cannot be read.
doctor: 0 the connection works, 1 it does not, 2 usage error.
)";
}

Options ParseOptions(int argc, char **argv) {
  Options options;
  auto value = [&](int &i, const std::string &name) -> std::string {
    if (i + 1 >= argc)
      throw UsageError{name + " needs a value"};
    return argv[++i];
  };
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "-h" || arg == "--help") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (arg == "--program-dir") {
      options.programDir = value(i, arg);
    } else if (arg == "--settings") {
      options.settingsFile = value(i, arg);
    } else if (arg == "--model") {
      options.model = ParseInt(arg, value(i, arg));
    } else if (arg == "--atis") {
      options.atis = true;
    } else if (arg == "--no-atis") {
      options.atis = false;
    } else if (arg == "--debug") {
      options.debug = true;
    } else if (arg == "--low-speed") {
      options.lowSpeed = true;
    } else if (arg == "--resync") {
      options.resync = true;
    } else if (arg == "--no-backup") {
      options.noBackup = true;
    } else if (arg == "--verify") {
      options.verify = true;
    } else if (arg == "--changes-only") {
      options.changesOnly = true;
    } else if (arg == "--keep-identity") {
      options.keepIdentity = true;
    } else if (arg == "--replace-identity") {
      options.replaceIdentity = true;
    } else if (arg == "--trace") {
      options.trace = value(i, arg);
    } else if (arg == "--merge") {
      options.merge = true;
    } else if (arg == "--skip-refused") {
      options.skipRefused = true;
    } else if (arg == "--paper") {
      options.paper = value(i, arg);
    } else if (arg == "--retry-busy") {
      options.retryBusy = ParseInt(arg, value(i, arg));
    } else if (arg == "--port") {
      options.port = value(i, arg);
    } else if (arg == "-o" || arg == "--output") {
      options.output = value(i, arg);
    } else if (arg == "--base") {
      options.base = value(i, arg);
    } else if (arg.size() > 1 && arg[0] == '-') {
      throw UsageError{"unknown option " + arg};
    } else if (options.command.empty()) {
      options.command = arg;
    } else {
      options.arguments.push_back(arg);
    }
  }
  return options;
}

} // namespace kv508::cli
