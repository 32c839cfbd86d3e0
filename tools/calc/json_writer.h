// orvanel-calc's commands write their documents with the project's JSON writer.
#pragma once

#include "json/json_writer.h"

namespace calc {
using json::ErrorDocument;
using json::JsonWriter;
using json::QuoteJson;
}  // namespace calc
