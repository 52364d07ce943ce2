// The trace form of segments, colours and path styles.
#include "DocumentCall.h"

namespace easel {

void writeJson(JsonWriter& w, const AIPathSegment& s) {
  w.beginObject().key("p");
  writeJson(w, s.p);
  w.key("in");
  writeJson(w, s.in);
  w.key("out");
  writeJson(w, s.out);
  w.key("corner").value(s.corner != 0).endObject();
}

void writeJson(JsonWriter& w, std::span<const AIPathSegment> segments) {
  w.beginArray();
  for (const auto& s : segments) writeJson(w, s);
  w.endArray();
}

void writeJson(JsonWriter& w, const AIColor& c) {
  int count = 0;
  switch (c.kind) {
    case kGrayColor: count = 1; break;
    case kFourColor: count = 4; break;
    case kThreeColor: count = 3; break;
    default: break;
  }
  w.beginObject().key("kind").value(c.kind);
  if (c.kind == kPattern || c.kind == kCustomColor || c.kind == kGradient)
    w.key("reference").value(c.c.ref.reference).key("tint").value(c.c.ref.tint);
  if (count > 0) {
    w.key("components").beginArray();
    for (int i = 0; i < count; ++i) w.value(c.c.components[i]);
    w.endArray();
  }
  w.endObject();
}

void writeJson(JsonWriter& w, const AIPathStyle& s) {
  w.beginObject().key("fillPaint").value(s.fillPaint != 0).key("fill");
  writeJson(w, s.fill.color);
  w.key("strokePaint").value(s.strokePaint != 0).key("stroke");
  writeJson(w, s.stroke.color);
  w.key("width").value(s.stroke.width).key("dashCount").value(s.stroke.dashCount);
  w.key("cap").value(s.stroke.cap).key("join").value(s.stroke.join).key("miterLimit").value(s.stroke.miterLimit);
  w.key("evenOdd").value(s.evenOdd != 0).endObject();
}

}  // namespace easel
