#include "app/new_data.h"

#include "app/busy_scope.h"
#include "app/config.h"
#include "image/decode.h"
#include "image/default_image.h"
#include "image/encode.h"
#include "model/tables.h"

namespace kv508 {

void NewData(Session &session, bool withDestination) {
  RadioData &data = session.data;
  ReplacingData replacing(session);
  BusyScope busy(session.state);

  ApplyUsaPlan(data);
  ApplyIntlPlan(data);
  ApplyCanadaPlan(data);
  BuildBankFromTable(data.CHWX, WxTable(), false);
  ClearDirectory(data.CHMMSID);
  ClearDirectory(data.CHGRPID);

  BuildDefaultImage(data, session.model.ModelVariant);
  DecodeExpansionBank(data);
  // Every value of the default settings fits its byte, so this cannot fail; if it
  // ever did, the image would stay the default image, which is still consistent.
  (void)EncodeImage(data, session.model.ModelVariant);

  if (withDestination)
    RebuildDestinationList(session);
  session.state.CurrentFilePath.clear();
  session.DataReplaced();
}

void ApplyFactoryChoices(RadioData &data) {
  data.Common.Weater = 0;
  data.Common.Sog = 0;
  data.Common.Distance = 0;
  data.Common.OffsetTime = 0;
  for (AutoPosEntry &entry : data.AutoPos.Entry)
    entry = AutoPosEntry{};
}

} // namespace kv508
