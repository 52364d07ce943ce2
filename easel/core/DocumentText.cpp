// The canonical text of a document: one line per object in document order,
// indented by depth, then its segments; every real in its shortest exact form.
#include <string>

#include "DocumentState.h"
#include "NumberText.h"

namespace easel {

namespace {

class Text {
 public:
  Text& word(std::string_view w) {
    if (!out_.empty() && out_.back() != '\n' && out_.back() != ' ') out_ += ' ';
    out_ += w;
    return *this;
  }
  Text& real(AIReal x) { return word(shortestText(x)); }
  Text& integer(long long n) { return word(std::to_string(n)); }
  Text& quoted(std::string_view s) {
    std::string q = "\"";
    for (char c : s) {
      if (c == '"' || c == '\\') q += '\\';
      if (c == '\n') q += "\\n";
      else
        q += c;
    }
    q += '"';
    return word(q);
  }
  Text& point(const AIRealPoint& p) { return real(p.h).real(p.v); }
  void indent(int depth) { out_.append(static_cast<std::size_t>(depth) * 2, ' '); }
  void endLine() { out_ += '\n'; }
  std::string take() { return std::move(out_); }

 private:
  std::string out_;
};

void writeColor(Text& t, const AIColor& c) {
  switch (c.kind) {
    case kGrayColor: t.word("gray").real(c.c.g.gray); break;
    case kFourColor: t.word("cmyk").real(c.c.f.cyan).real(c.c.f.magenta).real(c.c.f.yellow).real(c.c.f.black); break;
    case kThreeColor: t.word("rgb").real(c.c.rgb.red).real(c.c.rgb.green).real(c.c.rgb.blue); break;
    case kNoneColor: t.word("none"); break;
    default:  // colours by reference: the reference, the tint and every parameter
      t.word("ref").integer(c.kind).integer(c.c.ref.reference).real(c.c.ref.tint);
      for (AIReal p : c.c.ref.params) t.real(p);
      break;
  }
}

void writeStyle(Text& t, const AIPathStyle& s) {
  t.word("fill").integer(s.fillPaint);
  writeColor(t, s.fill.color);
  t.word("overprint").integer(s.fill.overprint);
  t.word("stroke").integer(s.strokePaint);
  writeColor(t, s.stroke.color);
  t.word("overprint").integer(s.stroke.overprint).word("width").real(s.stroke.width);
  t.word("dash").real(s.stroke.dashOffset).integer(s.stroke.dashCount);
  for (int i = 0; i < s.stroke.dashCount && i < kMaxDashComponents; ++i) t.real(s.stroke.dashes[i]);
  t.word("cap").integer(s.stroke.cap).word("join").integer(s.stroke.join).word("miter").real(s.stroke.miterLimit);
  t.word("evenodd").integer(s.evenOdd);
}

void writeArt(Text& t, const ArtTree& tree, uint32_t slot, int depth, const SerializeOptions& options) {
  const ArtContent& a = tree.node(slot).content;
  t.indent(depth);
  t.word(depth == 0 ? "layer" : artTypeName(a.type)).quoted(a.name.get());
  if (options.handles) {
    std::string ref = "#";
    ref += std::to_string(tree.refOf(slot).bits());
    t.word(ref);
  }
  if (a.attributes & kArtSelected) t.word("selected");
  if (a.attributes & kArtLocked) t.word("locked");
  if (a.attributes & kArtHidden) t.word("hidden");
  t.word("opacity").real(a.opacity);
  if (hasSegments(a.type)) t.word(a.closed ? "closed" : "open");
  if (hasSegments(a.type) || a.type == ArtType::CompoundPath) writeStyle(t, a.style);
  if (hasMatrix(a.type)) {
    const AIRealMatrix& m = a.placement->matrix;
    const AIRealRect& box = a.placement->localBounds;
    t.word("matrix").real(m.a).real(m.b).real(m.c).real(m.d).real(m.tx).real(m.ty);
    t.word("box").real(box.left).real(box.top).real(box.right).real(box.bottom);
  }
  if (a.extra) t.word("extra").quoted(a.extra->canonical());
  t.endLine();
  for (const auto& s : a.segments) {
    t.indent(depth + 1);
    t.word("seg").point(s.p).word("in").point(s.in).word("out").point(s.out);
    if (s.corner) t.word("corner");
    t.endLine();
  }
}

}  // namespace

std::string Document::serialize(const SerializeOptions& options) const {
  const ArtTree& tree = state_->tree;
  Text t;
  t.word("page").real(state_->pageWidth).real(state_->pageHeight);
  t.endLine();
  for (const auto& s : state_->swatches.all()) {
    t.word("swatch").quoted(s.name);
    writeColor(t, s.color);
    t.endLine();
  }
  for (uint32_t s = tree.nextInSubtree(kRootSlot, kRootSlot); s != kNoSlot; s = tree.nextInSubtree(s, kRootSlot)) {
    int depth = -1;
    for (uint32_t p = s; p != kRootSlot; p = tree.node(p).parent) ++depth;
    writeArt(t, tree, s, depth, options);
  }
  return t.take();
}

}  // namespace easel
