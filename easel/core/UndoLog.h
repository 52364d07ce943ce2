// The undo history: each command is a list of change records. A record holds
// what is needed to take one change back; taking it back swaps the document's
// value with the record's, so the same record then redoes the change. Undo and
// redo therefore cost time in proportion to the records, not to the document.
//
// Two rules keep the records few:
// - art made by the open command needs no record of its later changes:
//   taking back its creation removes it whole, and redo brings it back with
//   its final content, which stays in its slot meanwhile;
// - each object keeps one record per kind of change per command: only the
//   value before the command matters.
//
// Removed art stays in its slot (dead) while a record may bring it back, so it
// returns under the same ref; art whose creation is taken back for good is
// freed, and its refs go stale.
#ifndef EASEL_CORE_UNDOLOG_H
#define EASEL_CORE_UNDOLOG_H

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "ArtTree.h"

namespace easel {

enum class ChangeKind : uint8_t {
  Created,
  Disposed,
  Moved,  // place in the tree
  Geometry,
  Style,
  Opacity,
  Attributes,
  Identity  // content
};

struct GeometryValue {
  SegmentList segments;
  bool closed;
  Shared<Placement> placement;
  uint64_t stamp;  // see ArtNode::geometryStamp
};

struct IdentityValue {
  Shared<std::string> name;
  ExtraRef extra;
};

// A place in the tree: before `next` among the children of `parent`.
struct TreeSpot {
  uint32_t parent, next;
};

// One change: a command that makes a million contours keeps a million, so
// each holds only what its kind needs.
struct Change {
  ChangeKind kind;
  uint32_t slot;
  union {
    TreeSpot spot;     // Created, Disposed, Moved
    uint32_t payload;  // Geometry, Style, Identity: the index into the command's stored values
    AIReal opacity;
    uint8_t attributes;
  };
};

struct Command {
  std::string name;
  std::deque<Change> changes;  // grows without moving what it holds
  std::vector<GeometryValue> geometries;
  std::vector<Shared<AIPathStyle>> styles;
  std::vector<IdentityValue> identities;
};

class UndoLog {
 public:
  explicit UndoLog(ArtTree& tree) : tree_(tree) {}

  bool open() const { return open_; }
  uint32_t serial() const { return open_ ? serial_ : 0; }
  void begin(std::string name);
  void end();
  void undoOpen();

  bool canUndo() const { return !done_.empty() || !current_.changes.empty(); }
  bool canRedo() const { return !undone_.empty(); }
  bool undo();
  bool redo();
  const std::string& undoName() const;
  const std::string& redoName() const;
  void setLimit(std::size_t commands);
  std::size_t pending() const { return current_.changes.size(); }
  // Forget every command (art removed by them is freed for good).
  void forget();
  // Forget the commands that could be redone (art they made is freed for
  // good), as the first change of a new command does.
  void dropRedo();

  // Recording, by the document, before it changes anything.
  void created(uint32_t slot);
  void disposed(uint32_t slot);  // before unlinking
  void moved(uint32_t slot);     // before unlinking
  // Whether a change of `kind` to the art must be saved first: a command is
  // open, the art is older than the command, and this kind is not saved yet.
  bool wants(uint32_t slot, ChangeKind kind);
  void saveGeometry(uint32_t slot);
  void saveStyle(uint32_t slot);
  void saveOpacity(uint32_t slot);
  void saveAttributes(uint32_t slot);
  void saveIdentity(uint32_t slot);

 private:
  Change& push(ChangeKind kind, uint32_t slot);
  void undoCommand(Command& c);
  void redoCommand(Command& c);
  void swap(Command& c, Change& change);
  void discardDone(Command& c);
  void discardUndone(Command& c);
  void trim();

  ArtTree& tree_;
  bool open_ = false;
  uint32_t serial_ = 0;
  uint32_t lastSerial_ = 0;
  Command current_;
  std::vector<Command> done_;    // oldest first
  std::vector<Command> undone_;  // the next redo last
  std::size_t limit_ = 100;
};

}  // namespace easel

#endif
