#pragma once

// Radio data for report tests, made the way File > New makes it.

#include "app/config_fixtures.h"
#include "report/report.h"
#include "report/report_values.h"

namespace kv508::testing {

// An ATIS model whose every section holds edited values and whose tables are cut
// to a few rows, so that a whole report stays short.
struct EditedSession : NewSession {
  EditedSession() : NewSession(1, true) {
    RadioData &d = data();
    d.ChannelGroups[0].PriorityCh = 245;
    d.ChannelGroups[1].StatusName = "ABCD";
    d.ChannelGroups[2].StatusName = "CAN";
    d.ChannelGroups[3].Enable = true;
    d.ChannelGroups[3].ExpChGroup[1] = false;
    d.Common.Sog = 1;
    d.Common.Weater = 3;
    d.Common.OffsetTime = -5;
    d.DscBasic.UserMmsi = "3669990010";
    d.Image[421] = 123; // the user MMSI count
    d.DscBasic.DscGroup[1] = false;
    d.DscBasic.BeepOut[4] = false;
    d.DscAdvanced.GroupCallTx[1] = true;
    d.Atis.AtisCode = "1234567890";
    d.Atis.UsableAtisChGroup[3] = false;
    auto keep = [](ChannelBank &bank, std::initializer_list<std::string> labels) {
      for (ChannelRecord &r : bank)
        r.Enable = r.Enable && std::find(labels.begin(), labels.end(), ChannelLabel(r.Position)) !=
                                   labels.end();
    };
    keep(d.CHUSA, {"15", "16", "24"}); // receive only, plain, duplex
    keep(d.CHINT, {});
    keep(d.CHCAN, {});
    ChannelRecord &c16 = d.CHUSA[32];
    c16.ChTag = "ABCDEFGHIJKLMN";
    c16.Scramble = 5;
    c16.ScanMemory = c16.PowUp = true;
    const ChannelRecord wx1 = d.CHWX[0];
    d.CHWX.Reset(0, 1);
    d.CHWX[0] = wx1;
    d.CHWX[1].ScanMemory = true;
    d.CHMMSID.Reset(1, 1);
    d.CHMMSID[1].TagName = "HARBOUR";
    d.CHMMSID[1].Mmsid = "3669990020";
    d.CHGRPID.Reset(1, 1);
    d.CHEXP.Reset(1, 2);
    ChannelRecord &exp = d.CHEXP[2];
    exp.Enable = exp.LowPower = exp.ScanMemory = true;
    exp.CHDisplayL = "12";
    exp.CHDisplayR = "AB";
    exp.Rxfreq = 156.0125;
    exp.Scramble = 4;
  }
};

} // namespace kv508::testing
