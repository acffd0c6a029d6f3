#include "ui/core_texts.h"

#include "ui/translations.h"
#include "ui/ui_text.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

#include <optional>

namespace kv508::ui {

namespace {

// Every text of the core's the desktop can show, for the translators.
const char *const kTemplates[] = {
    // Titles: the transfers, the application's error boxes.
    QT_TRANSLATE_NOOP("CoreText", "Read from Radio"),
    QT_TRANSLATE_NOOP("CoreText", "Program to Radio"),
    QT_TRANSLATE_NOOP("CoreText", "Program Changes to Radio"),
    QT_TRANSLATE_NOOP("CoreText", "Compare with Radio"),
    QT_TRANSLATE_NOOP("CoreText", "Clear MMSI Data"),
    QT_TRANSLATE_NOOP("CoreText", "Clear DSC Log Data"),
    QT_TRANSLATE_NOOP("CoreText", "Clear Distress Log Data"),
    QT_TRANSLATE_NOOP("CoreText", "Clear Individual Directory"),
    QT_TRANSLATE_NOOP("CoreText", "Clear Group Directory"),
    QT_TRANSLATE_NOOP("CoreText", "Clear WayPoint Directory"),
    QT_TRANSLATE_NOOP("CoreText", "Clear DSC TX Log Data"),
    QT_TRANSLATE_NOOP("CoreText", "Clear All Data"),
    QT_TRANSLATE_NOOP("CoreText", "Clear Data"),
    QT_TRANSLATE_NOOP("CoreText", "Model Check"),
    QT_TRANSLATE_NOOP("CoreText", "Test Connection"),
    QT_TRANSLATE_NOOP("CoreText", "Check Settings"),
    QT_TRANSLATE_NOOP("CoreText", "User MMSI"),
    QT_TRANSLATE_NOOP("CoreText", "Individual Directory"),
    QT_TRANSLATE_NOOP("CoreText", "Group Directory"),
    // The DSC calls and their categories.
    QT_TRANSLATE_NOOP("CoreText", "ALL Ships Call"),
    QT_TRANSLATE_NOOP("CoreText", "Group Call"),
    QT_TRANSLATE_NOOP("CoreText", "Individual Call"),
    QT_TRANSLATE_NOOP("CoreText", "Position Request Call"),
    QT_TRANSLATE_NOOP("CoreText", "Position Report Call"),
    QT_TRANSLATE_NOOP("CoreText", "Distress"),
    QT_TRANSLATE_NOOP("CoreText", "Urgency"),
    QT_TRANSLATE_NOOP("CoreText", "Safety"),
    QT_TRANSLATE_NOOP("CoreText", "Routine"),
    // The radio system's own short messages.
    QT_TRANSLATE_NOOP("CoreText", "Complete!!"),
    QT_TRANSLATE_NOOP("CoreText", "Communication Error!!"),
    QT_TRANSLATE_NOOP("CoreText", "Radio not ready!!"),
    QT_TRANSLATE_NOOP("CoreText", "Radio is busy!!"),
    QT_TRANSLATE_NOOP("CoreText", "ModelType Error !!"),
    QT_TRANSLATE_NOOP("CoreText", "Product Code Error!"),
    QT_TRANSLATE_NOOP("CoreText", "FileRead Error!!"),
    QT_TRANSLATE_NOOP("CoreText", "FileSave Error!!"),
    QT_TRANSLATE_NOOP("CoreText", "IniFileRead Error!!"),
    QT_TRANSLATE_NOOP("CoreText", "Unknown model!!"),
    QT_TRANSLATE_NOOP("CoreText", "bad file!!"),
    QT_TRANSLATE_NOOP("CoreText", "Data Error!!"),
    QT_TRANSLATE_NOOP("CoreText", "Verify Error!!"),
    QT_TRANSLATE_NOOP("CoreText", "Are you sure ?"),
    QT_TRANSLATE_NOOP("CoreText", "Please input correct data."),
    QT_TRANSLATE_NOOP("CoreText", "confirm the synchronization of the communication"),
    QT_TRANSLATE_NOOP("CoreText", "Cancel"),
    // The transfer dialog's status line.
    QT_TRANSLATE_NOOP("CoreText", "Connecting to %1..."),
    QT_TRANSLATE_NOOP("CoreText", "Checking the radio's status..."),
    QT_TRANSLATE_NOOP("CoreText", "Checking the radio's model..."),
    QT_TRANSLATE_NOOP("CoreText", "Checking the radio's own MMSI..."),
    QT_TRANSLATE_NOOP("CoreText", "Clearing the MMSI..."),
    QT_TRANSLATE_NOOP("CoreText", "Reading %1 of %2 KB"),
    QT_TRANSLATE_NOOP("CoreText", "Reading %1 of %2 KB, about %3 s left"),
    QT_TRANSLATE_NOOP("CoreText", "Programming %1 of %2 KB"),
    QT_TRANSLATE_NOOP("CoreText", "Programming %1 of %2 KB, about %3 s left"),
    QT_TRANSLATE_NOOP("CoreText", "Verifying %1 of %2 KB"),
    QT_TRANSLATE_NOOP("CoreText", "Verifying %1 of %2 KB, about %3 s left"),
    QT_TRANSLATE_NOOP("CoreText", "Clearing %1 of %2 KB"),
    QT_TRANSLATE_NOOP("CoreText", "Clearing %1 of %2 KB, about %3 s left"),
    QT_TRANSLATE_NOOP("CoreText", "No answer yet: attempt %1 of %2"),
    QT_TRANSLATE_NOOP("CoreText", "Done"),
    QT_TRANSLATE_NOOP("CoreText", "Cancelled."),
    QT_TRANSLATE_NOOP("CoreText", "Stopped after an error. Check the radio and press OK to try "
                                  "again."),
    // A radio that does not answer, or answers with an error.
    QT_TRANSLATE_NOOP("CoreText", "The radio did not answer on the serial port."),
    QT_TRANSLATE_NOOP("CoreText", "The radio did not answer on %1."),
    QT_TRANSLATE_NOOP("CoreText", "Check that:"),
    QT_TRANSLATE_NOOP("CoreText", "- the cable is plugged into this port and into the radio;"),
    QT_TRANSLATE_NOOP("CoreText", "- the radio shows PC CONTROL (hold [DISTRESS] and [CALL] while "
                                  "turning it on);"),
    QT_TRANSLATE_NOOP("CoreText",
                      "- Options > SerialPort names the port the cable is plugged into."),
    QT_TRANSLATE_NOOP("CoreText", "The radio answered with an error on the serial port."),
    QT_TRANSLATE_NOOP("CoreText", "The radio answered with an error on %1."),
    QT_TRANSLATE_NOOP("CoreText", "Turn the radio off, then on again in PC CONTROL mode (hold "
                                  "[DISTRESS] and [CALL] while turning it on), and try again."),
    // What a broken-off transfer may have left in the radio.
    QT_TRANSLATE_NOOP("CoreText", "The radio now holds a partly written memory; the blocks "
                                  "already written stay written. Program it again before use."),
    QT_TRANSLATE_NOOP("CoreText", "The radio's own MMSI may now be damaged. Clear it again."),
    QT_TRANSLATE_NOOP("CoreText", "The radio's logs and directories may now be partly erased. "
                                  "Clear all data again."),
    QT_TRANSLATE_NOOP("CoreText", "The radio's DSC log may now be partly erased. Clear it again."),
    QT_TRANSLATE_NOOP("CoreText",
                      "The radio's distress log may now be partly erased. Clear it again."),
    QT_TRANSLATE_NOOP("CoreText", "The radio's individual directory may now be partly erased. "
                                  "Clear it again."),
    QT_TRANSLATE_NOOP("CoreText",
                      "The radio's group directory may now be partly erased. Clear it again."),
    QT_TRANSLATE_NOOP("CoreText",
                      "The radio's WayPoint directory may now be partly erased. Clear it again."),
    QT_TRANSLATE_NOOP("CoreText",
                      "The radio's DSC TX log may now be partly erased. Clear it again."),
    QT_TRANSLATE_NOOP("CoreText", "The radio was programmed, but it could not be read back to "
                                  "verify it."),
    QT_TRANSLATE_NOOP("CoreText", "address 0x%1: written 0x%2, read 0x%3"),
    QT_TRANSLATE_NOOP("CoreText", "Program the radio without it?"),
    QT_TRANSLATE_NOOP("CoreText", "The backup could not be saved in %1."),
    QT_TRANSLATE_NOOP("CoreText", "Nothing to send: the radio already holds these settings."),
    // The radio's identity before programming.
    QT_TRANSLATE_NOOP("CoreText", "Keep the Radio's Identity"),
    QT_TRANSLATE_NOOP("CoreText", "Write the New Identity"),
    QT_TRANSLATE_NOOP("CoreText", "This radio's own MMSI is %1."),
    QT_TRANSLATE_NOOP("CoreText", "This radio's ATIS code is %1."),
    QT_TRANSLATE_NOOP("CoreText", "The data would remove it."),
    QT_TRANSLATE_NOOP("CoreText", "The data would change it to %1."),
    QT_TRANSLATE_NOOP("CoreText", "Most radios accept a new own MMSI only once."),
    QT_TRANSLATE_NOOP("CoreText", "This radio has no own MMSI."),
    QT_TRANSLATE_NOOP("CoreText", "The data would give it %1."),
    QT_TRANSLATE_NOOP("CoreText", "This radio has no own MMSI: it receives %1."),
    QT_TRANSLATE_NOOP("CoreText", "Nothing was written."),
    QT_TRANSLATE_NOOP("CoreText", "The radio keeps its own MMSI and ATIS code."),
    QT_TRANSLATE_NOOP("CoreText", "The new own MMSI and ATIS code are written."),
    // Refused input.
    QT_TRANSLATE_NOOP("CoreText", "An MMSI has 9 digits."),
    QT_TRANSLATE_NOOP("CoreText", "Enter a name and an MMSI for entry %1 before adding entry %2."),
    QT_TRANSLATE_NOOP("CoreText", "The MMSI typed again differs from the one typed first."),
    QT_TRANSLATE_NOOP("CoreText", "Nothing was stored: the User MMSI stays empty."),
    QT_TRANSLATE_NOOP("CoreText", "Nothing was stored: the User MMSI stays %1."),
    // Test Connection: its steps, results, causes and fixes.
    QT_TRANSLATE_NOOP("CoreText", "Open the port"),
    QT_TRANSLATE_NOOP("CoreText", "Handshake"),
    QT_TRANSLATE_NOOP("CoreText", "Product check"),
    QT_TRANSLATE_NOOP("CoreText", "not run"),
    QT_TRANSLATE_NOOP("CoreText", "no such port"),
    QT_TRANSLATE_NOOP("CoreText", "permission denied"),
    QT_TRANSLATE_NOOP("CoreText", "in use"),
    QT_TRANSLATE_NOOP("CoreText", "cannot open"),
    QT_TRANSLATE_NOOP("CoreText", "OK, working speed %1 baud"),
    QT_TRANSLATE_NOOP("CoreText", "the port would not switch to the working speed"),
    QT_TRANSLATE_NOOP("CoreText", "the radio answered with an error"),
    QT_TRANSLATE_NOOP("CoreText", "an answer that is not the radio's"),
    QT_TRANSLATE_NOOP("CoreText", "no answer"),
    QT_TRANSLATE_NOOP("CoreText", "cancelled"),
    QT_TRANSLATE_NOOP("CoreText", "OK, product code %1"),
    QT_TRANSLATE_NOOP("CoreText", "product code %1"),
    QT_TRANSLATE_NOOP("CoreText", "There is no port %1."),
    QT_TRANSLATE_NOOP("CoreText", "Plug the cable in and choose its port in Options > SerialPort "
                                  "(kv508-cli ports lists the ports of this computer)."),
    QT_TRANSLATE_NOOP("CoreText", "This user may not open %1."),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "Add yourself to the %1 group: sudo usermod -aG %2 $USER, then log out and in again."),
    QT_TRANSLATE_NOOP("CoreText", "Another program has %1 open."),
    QT_TRANSLATE_NOOP("CoreText",
                      "Close the other program (a terminal program, other radio software). A modem "
                      "manager may take a USB serial adapter for half a minute after it is plugged "
                      "in: wait and test again, or stop it (sudo systemctl stop ModemManager)."),
    QT_TRANSLATE_NOOP("CoreText", "%1 could not be opened: %2."),
    QT_TRANSLATE_NOOP("CoreText",
                      "Choose another port in Options > SerialPort, or plug the cable in again."),
    QT_TRANSLATE_NOOP("CoreText", "%1 refused the working speed: %2."),
    QT_TRANSLATE_NOOP("CoreText",
                      "Try the low-speed link (start kv508 with /E; kv508-cli --low-speed)."),
    QT_TRANSLATE_NOOP("CoreText", "The radio refused the handshake."),
    QT_TRANSLATE_NOOP("CoreText", "Turn the radio off, then on again in PC CONTROL mode (hold "
                                  "[DISTRESS] and [CALL] while turning it on), and test again."),
    QT_TRANSLATE_NOOP("CoreText", "Something answered on %1, but not as the radio does."),
    QT_TRANSLATE_NOOP("CoreText",
                      "Check that this port is the one the radio's cable is plugged into, and try "
                      "the low-speed link (start kv508 with /E; kv508-cli --low-speed)."),
    QT_TRANSLATE_NOOP("CoreText", "The test was cancelled."),
    QT_TRANSLATE_NOOP("CoreText", "%1 went away: %2."),
    QT_TRANSLATE_NOOP("CoreText", "Plug the cable in again, then test again."),
    QT_TRANSLATE_NOOP("CoreText", "The radio stopped answering on %1."),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "Check that the cable is plugged into this port and into the radio, and that the radio "
        "shows PC CONTROL (hold [DISTRESS] and [CALL] while turning it on). Some cables only work "
        "at the low speed: try the low-speed link (start kv508 with /E; kv508-cli --low-speed)."),
    QT_TRANSLATE_NOOP("CoreText", "The model chosen, %1, is not one this program can program."),
    QT_TRANSLATE_NOOP("CoreText",
                      "Choose the radio's model in Edit > Model (kv508-cli --model N)."),
    QT_TRANSLATE_NOOP("CoreText", "This radio is not one this program can program."),
    // The kind and country of an MMSI or ATIS code, and what is wrong with one.
    QT_TRANSLATE_NOOP("CoreText", "Ship"),
    QT_TRANSLATE_NOOP("CoreText", "Group"),
    QT_TRANSLATE_NOOP("CoreText", "Coast station"),
    QT_TRANSLATE_NOOP("CoreText", "SAR aircraft"),
    QT_TRANSLATE_NOOP("CoreText", "Handheld VHF"),
    QT_TRANSLATE_NOOP("CoreText", "Craft of a parent ship"),
    QT_TRANSLATE_NOOP("CoreText", "Aid to navigation"),
    QT_TRANSLATE_NOOP("CoreText", "AIS-SART"),
    QT_TRANSLATE_NOOP("CoreText", "Man-overboard device"),
    QT_TRANSLATE_NOOP("CoreText", "EPIRB-AIS"),
    QT_TRANSLATE_NOOP("CoreText", "Not a valid MMSI"),
    QT_TRANSLATE_NOOP("CoreText", "a ship station"),
    QT_TRANSLATE_NOOP("CoreText", "a group MMSI"),
    QT_TRANSLATE_NOOP("CoreText", "a coast station"),
    QT_TRANSLATE_NOOP("CoreText", "a SAR aircraft"),
    QT_TRANSLATE_NOOP("CoreText", "a handheld VHF"),
    QT_TRANSLATE_NOOP("CoreText", "a craft of a parent ship"),
    QT_TRANSLATE_NOOP("CoreText", "an aid to navigation"),
    QT_TRANSLATE_NOOP("CoreText", "an AIS-SART"),
    QT_TRANSLATE_NOOP("CoreText", "a man-overboard device"),
    QT_TRANSLATE_NOOP("CoreText", "an EPIRB-AIS"),
    QT_TRANSLATE_NOOP("CoreText", "not a valid MMSI"),
    QT_TRANSLATE_NOOP("CoreText", "Unknown country code %1"),
    QT_TRANSLATE_NOOP("CoreText", "MID %1"),
    QT_TRANSLATE_NOOP("CoreText", "Not 10 digits"),
    QT_TRANSLATE_NOOP("CoreText", "Not 9 + MID + 6 digits"),
    QT_TRANSLATE_NOOP("CoreText", "The own MMSI %1 is %2, not a ship or handheld station."),
    QT_TRANSLATE_NOOP("CoreText", "The own MMSI %1 is %2."),
    QT_TRANSLATE_NOOP("CoreText", "Type the MMSI of this boat from its radio licence."),
    QT_TRANSLATE_NOOP("CoreText", "MMSI %1 is %2, not a station."),
    QT_TRANSLATE_NOOP("CoreText", "Move it to the Group Directory, or correct the MMSI."),
    QT_TRANSLATE_NOOP("CoreText", "MMSI %1 is also Group ID %2."),
    QT_TRANSLATE_NOOP("CoreText", "MMSI %1 is also Memory ID %2."),
    QT_TRANSLATE_NOOP("CoreText", "Delete one of the two entries."),
    QT_TRANSLATE_NOOP("CoreText", "MMSI %1 is %2."),
    QT_TRANSLATE_NOOP("CoreText", "Correct the MMSI."),
    QT_TRANSLATE_NOOP("CoreText", "Group MMSI %1 is %2."),
    QT_TRANSLATE_NOOP("CoreText", "Correct the group MMSI."),
    QT_TRANSLATE_NOOP("CoreText", "The own MMSI %1 has the unknown country code %2."),
    QT_TRANSLATE_NOOP("CoreText", "Group MMSI %1 has the unknown country code %2."),
    QT_TRANSLATE_NOOP("CoreText", "MMSI %1 has the unknown country code %2."),
    QT_TRANSLATE_NOOP("CoreText", "ATIS code %1 has the unknown country code %2."),
    QT_TRANSLATE_NOOP("CoreText", "Check the MMSI, digit by digit."),
    QT_TRANSLATE_NOOP("CoreText", "ATIS code %1 is not 9 + MID + 6 digits."),
    QT_TRANSLATE_NOOP("CoreText",
                      "Use 9 followed by the boat's MMSI, or the code of its ATIS licence."),
    // Steps of the Edit menu named by the window's commands.
    QT_TRANSLATE_NOOP("CoreText", "Restore Backup"),
    QT_TRANSLATE_NOOP("CoreText", "Import Memory IDs"),
    QT_TRANSLATE_NOOP("CoreText", "Import Group IDs"),
    QT_TRANSLATE_NOOP("CoreText", "Import EXP Channels"),
    QT_TRANSLATE_NOOP("CoreText", "Import Channels"),
    QT_TRANSLATE_NOOP("CoreText", "Use the Radio's Values"),
    QT_TRANSLATE_NOOP("CoreText", "Restoring %1."),
    QT_TRANSLATE_NOOP("CoreText", "Restoring %1:"),
    // What the desktop was doing when a file failed.
    QT_TRANSLATE_NOOP("CoreText", "Saving %1."),
    QT_TRANSLATE_NOOP("CoreText", "Saving %1:"),
    QT_TRANSLATE_NOOP("CoreText", "Importing %1."),
    QT_TRANSLATE_NOOP("CoreText", "Importing %1:"),
    QT_TRANSLATE_NOOP("CoreText", "Opening %1."),
    QT_TRANSLATE_NOOP("CoreText", "Opening %1:"),
    // The desktop's own questions and notes, asked through the same host.
    QT_TRANSLATE_NOOP("CoreText",
                      "The check found nothing: the radio will hold the settings as shown."),
    QT_TRANSLATE_NOOP("CoreText", "The file %1 is no longer there."),
    QT_TRANSLATE_NOOP("CoreText", "It has been taken off the Recent Files list."),
    QT_TRANSLATE_NOOP("CoreText", "KMT data has changed."),
    QT_TRANSLATE_NOOP("CoreText", "Do you want to save changes?"),
    QT_TRANSLATE_NOOP("CoreText", "Do you want to program the %1 series?"),
    QT_TRANSLATE_NOOP("CoreText", "Do you want to change to %1?"),
    QT_TRANSLATE_NOOP("CoreText", "Backups are off: there is no per-user data folder."),
    QT_TRANSLATE_NOOP("CoreText", "The backup folder %1 cannot be opened."),
    QT_TRANSLATE_NOOP("CoreText", "Copy its path to the clipboard?"),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "Unable to display Help Contents. There is no Help associated with this project."),
    QT_TRANSLATE_NOOP("CoreText",
                      "KV508 did not close properly. Restore the unsaved changes from %1?"),
    QT_TRANSLATE_NOOP("CoreText", "There is no serial port COM%1 on this computer."),
    QT_TRANSLATE_NOOP("CoreText", "Choose another entry of Options > SerialPort, or the simulated "
                                  "radio to try the program without one."),
    QT_TRANSLATE_NOOP("CoreText", "An ATIS code has 10 digits."),
    QT_TRANSLATE_NOOP("CoreText",
                      "The frequency must be between 137 and 174 MHz on the 25 kHz raster."),
    QT_TRANSLATE_NOOP("CoreText",
                      "The User MMSI and its setting count in the radio will be erased."),
    QT_TRANSLATE_NOOP("CoreText", "The DSC log in the radio will be erased."),
    QT_TRANSLATE_NOOP("CoreText", "The distress log in the radio will be erased."),
    QT_TRANSLATE_NOOP("CoreText", "The individual directory in the radio will be erased."),
    QT_TRANSLATE_NOOP("CoreText", "The group directory in the radio will be erased."),
    QT_TRANSLATE_NOOP("CoreText", "The waypoint directory in the radio will be erased."),
    QT_TRANSLATE_NOOP("CoreText", "The DSC TX log in the radio will be erased."),
    QT_TRANSLATE_NOOP("CoreText",
                      "The DSC log, the distress log, the DSC TX log and the individual, group and "
                      "waypoint directories in the radio will be erased."),
    QT_TRANSLATE_NOOP("CoreText", "Do you want to continue?"),
    // The import preview's reasons and summary (the CSV's column names stay as the file has them).
    QT_TRANSLATE_NOOP("CoreText", "%1 added, %2 changed, %3 unchanged, %4 refused, %5 removed"),
    QT_TRANSLATE_NOOP("CoreText", "%1 added, %2 changed, %3 unchanged, %4 refused"),
    QT_TRANSLATE_NOOP("CoreText", "column %1 appears twice"),
    QT_TRANSLATE_NOOP("CoreText", "no column %1"),
    QT_TRANSLATE_NOOP("CoreText", "columns ignored: %1"),
    QT_TRANSLATE_NOOP("CoreText", "name missing"),
    QT_TRANSLATE_NOOP("CoreText", "name %1 has no character the radio can show"),
    QT_TRANSLATE_NOOP("CoreText", "name %1 is stored as %2"),
    QT_TRANSLATE_NOOP("CoreText", "MMSI %1 is also on line %2"),
    QT_TRANSLATE_NOOP("CoreText", "position %1 is also on line %2"),
    QT_TRANSLATE_NOOP("CoreText", "%1 is also on line %2"),
    QT_TRANSLATE_NOOP("CoreText", "beyond the %1 entries of the directory"),
    QT_TRANSLATE_NOOP("CoreText", "the directory is full (%1 entries)"),
    QT_TRANSLATE_NOOP("CoreText", "low_power cannot be set on %1"),
    QT_TRANSLATE_NOOP("CoreText", "power_up needs low_power"),
    QT_TRANSLATE_NOOP("CoreText", "power_up cannot be set on %1"),
    QT_TRANSLATE_NOOP("CoreText", "%1 cannot be duplex"),
    QT_TRANSLATE_NOOP("CoreText", "scan cannot be set on %1"),
    QT_TRANSLATE_NOOP("CoreText", "bank %1 is not USA, INTL or CAN"),
    QT_TRANSLATE_NOOP("CoreText", "unknown channel label %1"),
    QT_TRANSLATE_NOOP("CoreText",
                      "an enabled channel needs a display of 2 characters and a receive frequency"),
    QT_TRANSLATE_NOOP("CoreText", "more than %1 fields"),
    QT_TRANSLATE_NOOP("CoreText", "a quoted field never ends"),
    QT_TRANSLATE_NOOP("CoreText", "more than %1 rows"),
    QT_TRANSLATE_NOOP("CoreText", "a NUL byte: this is not a text file"),
    QT_TRANSLATE_NOOP("CoreText", "byte %1 is text neither in UTF-8 nor in Windows-1252"),
    QT_TRANSLATE_NOOP("CoreText", "the file is larger than %1 MB"),
    QT_TRANSLATE_NOOP("CoreText", "the file is empty"),
    QT_TRANSLATE_NOOP("CoreText", "only a header, no rows"),
    QT_TRANSLATE_NOOP("CoreText", "%1 is not 1 or 0"),
    QT_TRANSLATE_NOOP("CoreText", "%1 is not a number of MHz"),
    QT_TRANSLATE_NOOP("CoreText", "%1 is outside 137 to 174 MHz"),
    QT_TRANSLATE_NOOP("CoreText", "%1 is off the 25 kHz raster"),
    QT_TRANSLATE_NOOP("CoreText", "%1 is no CTCSS tone or DCS code"),
    QT_TRANSLATE_NOOP("CoreText", "%1 is not Narrow or Wide"),
    QT_TRANSLATE_NOOP("CoreText", "%1 is longer than 3 characters"),
    QT_TRANSLATE_NOOP("CoreText", "%1 has characters the display cannot show"),
    QT_TRANSLATE_NOOP("CoreText", "%1 is not 9 digits"),
    QT_TRANSLATE_NOOP("CoreText", "%1 is not 0 and 8 digits"),
    QT_TRANSLATE_NOOP("CoreText", "%1 is not a number from 1 to %2"),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "%1 has a decimal comma, read only in files separated by semicolons; use a point"),
    // The check's findings: "warning: PLACE: WHAT. FIX.", each part a text of its own.
    QT_TRANSLATE_NOOP("CoreText", "warning: %1: %2. %3."),
    QT_TRANSLATE_NOOP("CoreText", "error: %1: %2. %3."),
    QT_TRANSLATE_NOOP("CoreText", "Common Setup"),
    QT_TRANSLATE_NOOP("CoreText", "DSC Setup"),
    QT_TRANSLATE_NOOP("CoreText", "ATIS Setup"),
    QT_TRANSLATE_NOOP("CoreText", "Usable CH Group Setup"),
    QT_TRANSLATE_NOOP("CoreText", "Receive frequency"),
    QT_TRANSLATE_NOOP("CoreText", "Transmit frequency"),
    QT_TRANSLATE_NOOP("CoreText",
                      "%1 has the priority channel %2, which is no channel of the group."),
    QT_TRANSLATE_NOOP("CoreText",
                      "The priority channel CH%1 of %2 is not switched on in the group."),
    QT_TRANSLATE_NOOP("CoreText", "%1 holds %2, which is none of its %3 choices."),
    QT_TRANSLATE_NOOP("CoreText", "DSC is switched on for %1, but there is no own MMSI."),
    QT_TRANSLATE_NOOP("CoreText", "ATIS is switched on for %1, but there is no ATIS code."),
    QT_TRANSLATE_NOOP("CoreText", "MMSI %1 has no name."),
    QT_TRANSLATE_NOOP("CoreText", "%1 %2 MHz is outside 137-174 MHz, which the radio cannot tune."),
    QT_TRANSLATE_NOOP("CoreText",
                      "%1 %2 MHz is off the 25 kHz raster, which the radio cannot tune."),
    QT_TRANSLATE_NOOP("CoreText", "%1 is that of channel %2, kept for distress and DSC."),
    QT_TRANSLATE_NOOP("CoreText", "%1 %2 becomes %3 in the radio."),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "%1 = %2 does not fit the radio: Program to Radio and convert refuse the data."),
    QT_TRANSLATE_NOOP("CoreText", "Choose a priority channel of %1."),
    QT_TRANSLATE_NOOP("CoreText", "Switch channel %1 on, or choose another priority channel."),
    QT_TRANSLATE_NOOP("CoreText", "Choose one of the %1 choices."),
    QT_TRANSLATE_NOOP("CoreText", "Type the boat's MMSI in User MMSI."),
    QT_TRANSLATE_NOOP("CoreText", "Type the ATIS code, or take it from the own MMSI."),
    QT_TRANSLATE_NOOP("CoreText", "Give the entry a name of at most 11 characters."),
    QT_TRANSLATE_NOOP("CoreText", "Type a frequency from 137 to 174 MHz in steps of 25 kHz."),
    QT_TRANSLATE_NOOP("CoreText", "Use another frequency for this channel."),
    QT_TRANSLATE_NOOP("CoreText",
                      "Use at most %1 characters of 0-9 A-Z a-z - + ( ) . * / , and blank."),
    QT_TRANSLATE_NOOP("CoreText", "Type the MMSI again, digits only."),
    QT_TRANSLATE_NOOP("CoreText", "Type the own MMSI again: 9 digits."),
    QT_TRANSLATE_NOOP("CoreText", "Type the ATIS code again: 10 digits."),
    QT_TRANSLATE_NOOP("CoreText", "Choose an offset from the list."),
    QT_TRANSLATE_NOOP("CoreText", "Choose the priority channel again."),
    QT_TRANSLATE_NOOP("CoreText", "The channel allows no duplex: the radio keeps it simplex."),
    QT_TRANSLATE_NOOP("CoreText", "Set it again on its screen."),
    QT_TRANSLATE_NOOP("CoreText", "The radio ends the directory at the first entry without an "
                                  "MMSI: give every entry in use an MMSI."),
    QT_TRANSLATE_NOOP("CoreText", "Switch a channel of the group on, or the group off."),
    QT_TRANSLATE_NOOP("CoreText",
                      "Correct the value; the rest of the data is checked once it fits."),
};

struct Template {
  const char *source;
  QRegularExpression pattern; // the English line, each %N a value
  int values = 0;
};

std::vector<Template> BuildTemplates() {
  static const QRegularExpression placeholder(QStringLiteral("%([1-9])"));
  std::vector<Template> templates;
  for (const char *source : kTemplates) {
    const QString text = QString::fromLatin1(source);
    QString expression = QStringLiteral("^");
    int values = 0;
    qsizetype at = 0;
    for (auto it = placeholder.globalMatch(text); it.hasNext();) {
      const QRegularExpressionMatch m = it.next();
      expression += QRegularExpression::escape(text.mid(at, m.capturedStart() - at));
      // A value never runs over the end of a sentence into the next one.
      expression += QStringLiteral("(?<v%1>(?:(?![.!?] [A-Z]).)+?)").arg(m.captured(1));
      values = std::max(values, m.captured(1).toInt());
      at = m.capturedEnd();
    }
    expression += QRegularExpression::escape(text.mid(at)) + QStringLiteral("$");
    templates.push_back({source, QRegularExpression(expression), values});
  }
  return templates;
}

const std::vector<Template> &Templates() {
  static const std::vector<Template> templates = BuildTemplates();
  return templates;
}

std::optional<QString> Whole(const QString &line);

// A value that is itself a text of the list ("a coast station"), or a
// sentence of it without its full stop, is translated too.
QString Value(const QString &value) {
  if (std::optional<QString> whole = Whole(value))
    return *whole;
  if (std::optional<QString> sentence = Whole(value + QLatin1Char('.'));
      sentence && sentence->endsWith(QLatin1Char('.')))
    return sentence->chopped(1);
  return value;
}

// %1 ... of the translation replaced in one pass, so a value holding "%2" stays as it is.
QString Fill(const QString &translation, const QRegularExpressionMatch &match) {
  QString out;
  for (qsizetype i = 0; i < translation.size(); ++i) {
    const QChar c = translation[i];
    if (c == QLatin1Char('%') && i + 1 < translation.size() && translation[i + 1].isDigit() &&
        translation[i + 1] != QLatin1Char('0')) {
      out += Value(match.captured(QStringLiteral("v") + translation[i + 1]));
      ++i;
    } else {
      out += c;
    }
  }
  return out;
}

std::optional<QString> Whole(const QString &line) {
  for (const Template &t : Templates()) {
    const QRegularExpressionMatch match = t.pattern.match(line);
    if (match.hasMatch())
      return Fill(QCoreApplication::translate("CoreText", t.source), match);
  }
  return std::nullopt;
}

// A line the list does not hold whole may be sentences it holds one by one.
QStringList Sentences(const QString &line) {
  static const QRegularExpression end(QStringLiteral("(?<=[.!?]) (?=[A-Z])"));
  return line.split(end);
}

QString Line(const QString &line) {
  if (std::optional<QString> whole = Whole(line))
    return *whole;
  QStringList sentences = Sentences(line);
  if (sentences.size() < 2)
    return line;
  for (QString &sentence : sentences)
    sentence = Whole(sentence).value_or(sentence);
  return sentences.join(QLatin1Char(' '));
}

QString Translated(const QString &source) {
  if (LanguageInUse() == QLatin1String("en"))
    return source;
  QStringList lines = source.split(QStringLiteral("\r\n"));
  for (QString &line : lines)
    line = Line(line);
  return lines.join(QStringLiteral("\r\n"));
}

} // namespace

QString CoreText(const std::string &text) { return Translated(ToQt(text)); }

QString CoreTextUtf8(const std::string &text) {
  const QString separator = QStringLiteral(" \u00B7 ");
  QStringList parts = Utf8ToQt(text).split(separator);
  for (QString &part : parts)
    part = Translated(part);
  return parts.join(separator);
}

std::string CoreTextBytes(const std::string &text) {
  if (LanguageInUse() == QLatin1String("en"))
    return text;
  return FromQt(CoreText(text));
}

bool CoreTextKnown(const std::string &line) {
  const QString text = ToQt(line);
  if (Whole(text))
    return true;
  const QStringList sentences = Sentences(text);
  return sentences.size() > 1 && std::all_of(sentences.begin(), sentences.end(),
                                             [](const QString &s) { return Whole(s).has_value(); });
}

std::vector<QString> CoreTextTemplates() {
  std::vector<QString> out;
  for (const char *source : kTemplates)
    out.push_back(QString::fromLatin1(source));
  return out;
}

} // namespace kv508::ui
