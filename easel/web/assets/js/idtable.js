// A table from the host's object ids (whole numbers from 1 to 2^32 - 1) to
// slots (whole numbers from 0), in typed arrays: open addressing with linear
// probing, at most half full. An answer puts in and takes out hundreds of
// thousands of objects, which a Map does several times slower.
const EMPTY = 0;  // no id is 0

export class IdTable {
  constructor(capacity = 1024) {
    this.allocate(capacity);
    this.size = 0;
  }

  allocate(capacity) {
    this.ids = new Uint32Array(capacity);
    this.slots = new Int32Array(capacity);
    this.mask = capacity - 1;
    this.shift = 32 - Math.log2(capacity);
  }

  // Where `id` is, or the empty place where it would go.
  place(id) {
    const { ids, mask } = this;
    let at = Math.imul(id, 0x9e3779b1) >>> this.shift;
    while (ids[at] !== id && ids[at] !== EMPTY) at = (at + 1) & mask;
    return at;
  }

  // The slot of `id`, or undefined.
  get(id) {
    const at = this.place(id);
    return this.ids[at] === id ? this.slots[at] : undefined;
  }

  set(id, slot) {
    if (2 * (this.size + 1) > this.ids.length) this.rehash(2 * this.ids.length);
    const at = this.place(id);
    if (this.ids[at] === EMPTY) this.size++;
    this.ids[at] = id;
    this.slots[at] = slot;
  }

  // Takes `id` out, moving back the ids after it that would no longer be found.
  delete(id) {
    const { ids, slots, mask } = this;
    let hole = this.place(id);
    if (ids[hole] !== id) return;
    this.size--;
    for (let at = (hole + 1) & mask; ids[at] !== EMPTY; at = (at + 1) & mask) {
      const home = Math.imul(ids[at], 0x9e3779b1) >>> this.shift;
      // It may fill the hole when its home is not between the hole and it (cyclically).
      if (((at - home) & mask) >= ((at - hole) & mask)) {
        ids[hole] = ids[at];
        slots[hole] = slots[at];
        hole = at;
      }
    }
    ids[hole] = EMPTY;
  }

  rehash(capacity) {
    const { ids, slots } = this;
    this.allocate(capacity);
    for (let i = 0; i < ids.length; i++) {
      if (ids[i] === EMPTY) continue;
      const at = this.place(ids[i]);
      this.ids[at] = ids[i];
      this.slots[at] = slots[i];
    }
  }
}
