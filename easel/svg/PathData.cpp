#include "PathData.h"

#include <cstring>

#include "Arc.h"
#include "FloatText.h"
#include "Scanner.h"

namespace easel::svg {

namespace {

// How many numbers one repetition of each command takes.
int argumentCount(char command) {
  switch (command | 0x20) {  // lower case
    case 'm':
    case 'l':
    case 't': return 2;
    case 'h':
    case 'v': return 1;
    case 'c': return 6;
    case 's':
    case 'q': return 4;
    case 'a': return 7;
    case 'z': return 0;
    default: return -1;
  }
}

// Builds subpaths as the commands arrive and remembers what the smooth
// commands reflect.
class PathBuilder {
 public:
  Vec2 current() const { return current_; }

  void moveTo(Vec2 p) {
    finishSubpath();
    path_.push_back({{{p, p, p}}, false});
    open_ = true;
    current_ = start_ = p;
    previous_ = None;
  }
  void lineTo(Vec2 p) {
    ensureOpen();
    path_.back().anchors.push_back({p, p, p});
    current_ = p;
    previous_ = None;
  }
  void cubicTo(Vec2 c1, Vec2 c2, Vec2 p) {
    ensureOpen();
    path_.back().anchors.back().out = c1;
    path_.back().anchors.push_back({p, c2, p});
    current_ = p;
    control_ = c2;
    previous_ = CubicCurve;
  }
  void quadTo(Vec2 q, Vec2 p) {
    const Vec2 from = current_;
    cubicTo(from + (q - from) * (2.0 / 3.0), p + (q - p) * (2.0 / 3.0), p);
    control_ = q;
    previous_ = QuadCurve;
  }
  // The control point that S (or T) reflects: the previous curve's of the
  // same kind, else the current point.
  Vec2 reflected(bool quadratic) const {
    const bool same = previous_ == (quadratic ? QuadCurve : CubicCurve);
    return same ? current_ + (current_ - control_) : current_;
  }
  void close() {
    if (!open_) return;
    path_.back().closed = true;
    finishSubpath();
    current_ = start_;
    previous_ = None;
  }
  PathGeometry take() {
    finishSubpath();
    return std::move(path_);
  }

 private:
  enum Previous { None, CubicCurve, QuadCurve };

  // A drawing command right after a close starts a new subpath at the
  // closed one's start.
  void ensureOpen() {
    if (!open_) {
      path_.push_back({{{start_, start_, start_}}, false});
      open_ = true;
    }
  }
  void finishSubpath() {
    if (!open_) return;
    open_ = false;
    Subpath& s = path_.back();
    if (s.closed && s.anchors.size() > 1 && s.anchors.back().p == s.anchors.front().p) {
      s.anchors.front().in = s.anchors.back().in;
      s.anchors.pop_back();
    }
  }

  PathGeometry path_;
  bool open_ = false;
  Vec2 current_, start_, control_;
  Previous previous_ = None;
};

void readCommands(Scanner& s, PathBuilder& b);

}  // namespace

PathGeometry parsePathData(std::string_view d, std::optional<ValueError>* error) {
  Scanner s(d);
  PathBuilder b;
  try {
    readCommands(s, b);
  } catch (const ValueError& e) {
    // Each command is drawn once it is whole: what the builder has is the
    // path up to the command with the error.
    if (error == nullptr) throw;
    *error = e;
  }
  return b.take();
}

namespace {

void readCommands(Scanner& s, PathBuilder& b) {
  s.skipSpace();
  if (s.atEnd()) return;
  if (s.peek() != 'M' && s.peek() != 'm') s.fail("path data must begin with a moveto");
  char command = 0;
  double a[7];
  while (true) {
    s.skipSpace();
    if (s.atEnd()) break;
    const char c = s.peek();
    if (argumentCount(c) >= 0 && std::strchr("MmLlHhVvCcSsQqTtAaZz", c) != nullptr) {
      command = c;
      s.advance();
    } else if (command != 0 && argumentCount(command) > 0 && s.atNumber()) {
      // An implicit repeat; after a moveto the repeats are linetos.
      if (command == 'M') command = 'L';
      if (command == 'm') command = 'l';
    } else {
      s.fail(std::string("unexpected '") + c + "' in path data");
    }
    const int count = argumentCount(command);
    for (int i = 0; i < count; ++i) {
      if (i > 0) s.skipCommaSpace();
      else
        s.skipSpace();
      const bool isFlag = (command | 0x20) == 'a' && (i == 3 || i == 4);
      a[i] = isFlag ? (s.flag() ? 1 : 0) : s.number();
    }
    const bool relative = command >= 'a';
    const Vec2 origin = relative ? b.current() : Vec2{};
    const auto pt = [&](int i) { return origin + Vec2{a[i], a[i + 1]}; };
    switch (command | 0x20) {
      case 'm': b.moveTo(pt(0)); break;
      case 'l': b.lineTo(pt(0)); break;
      case 'h': b.lineTo({origin.x + a[0], b.current().y}); break;
      case 'v': b.lineTo({b.current().x, origin.y + a[0]}); break;
      case 'c': b.cubicTo(pt(0), pt(2), pt(4)); break;
      case 's': b.cubicTo(b.reflected(false), pt(0), pt(2)); break;
      case 'q': b.quadTo(pt(0), pt(2)); break;
      case 't': b.quadTo(b.reflected(true), pt(0)); break;
      case 'a': {
        const Vec2 from = b.current(), to = pt(5);
        if (from == to) break;  // an arc to its own start draws nothing
        if (a[0] == 0 || a[1] == 0) {
          b.lineTo(to);
          break;
        }
        for (const Cubic& k : arcToCubics(from, a[0], a[1], a[2], a[3] != 0, a[4] != 0, to)) {
          b.cubicTo(k.c1, k.c2, k.end);
        }
        break;
      }
      case 'z': b.close(); break;
    }
    // A comma may separate repeats but must be followed by one.
    if (count > 0 && s.skipCommaSpace() && !s.atNumber()) s.fail("expected a number after ','");
  }
}

}  // namespace

PathGeometry transformed(PathGeometry path, const Affine& m) {
  for (Subpath& sp : path) {
    for (Anchor& a : sp.anchors) a = {m.apply(a.p), m.apply(a.in), m.apply(a.out)};
  }
  return path;
}

std::string writePathData(const PathGeometry& path) {
  std::string out;
  std::size_t anchors = 0;
  for (const Subpath& sp : path) anchors += sp.anchors.size();
  out.reserve(anchors * 72);  // a cubic's three points, mostly: growing would copy it all
  // Each command is put together here and appended at once: appending its
  // dozen pieces one by one cost more than formatting them.
  char piece[8 + 3 * (2 * kFloatTextRoom + 2)];
  char* at = piece;
  const auto point = [&](Vec2 p) {
    at = writeFloat(at, static_cast<float>(p.x));
    *at++ = ',';
    at = writeFloat(at, static_cast<float>(p.y));
  };
  const auto put = [&](char c) { *at++ = c; };
  const auto flush = [&] {
    out.append(piece, at);
    at = piece;
  };
  // Compared as floats: that is what is written.
  const auto same = [](Vec2 a, Vec2 b) {
    return static_cast<float>(a.x) == static_cast<float>(b.x) && static_cast<float>(a.y) == static_cast<float>(b.y);
  };
  const auto segment = [&](const Anchor& from, const Anchor& to) {
    put(' ');
    if (same(from.out, from.p) && same(to.in, to.p)) {
      put('L');
      point(to.p);
    } else {
      put('C');
      point(from.out);
      put(' ');
      point(to.in);
      put(' ');
      point(to.p);
    }
    flush();
  };
  for (const Subpath& sp : path) {
    if (sp.anchors.empty()) continue;
    if (!out.empty()) put(' ');
    put('M');
    point(sp.anchors.front().p);
    flush();
    for (std::size_t i = 1; i < sp.anchors.size(); ++i) segment(sp.anchors[i - 1], sp.anchors[i]);
    if (sp.closed) {
      const Anchor& last = sp.anchors.back();
      const Anchor& first = sp.anchors.front();
      // A curved closing segment is drawn out; a straight one is the close itself.
      if (!(same(last.out, last.p) && same(first.in, first.p))) segment(last, first);
      out += " Z";
    }
  }
  return out;
}

}  // namespace easel::svg
