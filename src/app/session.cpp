#include "app/session.h"

namespace kv508 {

namespace {

// Both named models share one memory layout and the model identifier 2000.
constexpr const char *kModelIdText = "07D0";

} // namespace

std::string ModelName(int variant) {
  switch (variant) {
  case 1:
    return "TR4100/TR4300";
  case 11:
    return "TR4100M";
  default:
    return "Unknown model";
  }
}

std::string ModelMenuCaption(int variant) { return variant == 1 ? "TR4100/TR4300" : ""; }

std::string DestinationSuffix(int variant) {
  switch (variant) {
  case 1:
    return std::string("_") + kModelIdText;
  case 11:
    return std::string("-M_") + kModelIdText;
  default:
    return "";
  }
}

void Session::DataReplaced() {
  if (replacing_ > 0) {
    replaced_ = true;
    return;
  }
  replaced_ = false;
  if (observer)
    observer->DataReplaced();
}

ReplacingData::~ReplacingData() {
  if (--session_.replacing_ == 0 && session_.replaced_)
    session_.DataReplaced();
}

} // namespace kv508
