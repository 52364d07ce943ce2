// A table from the host's object ids to slots (whole numbers from 0). The
// host gives ids in rising order, so that the objects of one answer have
// ids next to one another: the table is kept in pages of PAGE ids, each an
// array of their slots made when an id of it is first set and given back
// when its last is taken out. An answer puts in and takes out hundreds of
// thousands of objects: looking an id up is two reads from memory that the
// ids before it have just read, where a hash table would scatter them (and
// a Map is several times slower again).
const PAGE_BITS = 10, PAGE = 1 << PAGE_BITS, WITHIN = PAGE - 1;
const NONE = -1;

export class IdTable {
  constructor() {
    this.pages = [];  // page number -> Int32Array of slots (NONE: no such id), or undefined
    this.counts = [];  // page number -> the ids set in it
  }

  // The slot of `id`, or undefined.
  get(id) {
    const page = this.pages[id >>> PAGE_BITS];
    const slot = page === undefined ? NONE : page[id & WITHIN];
    return slot === NONE ? undefined : slot;
  }

  set(id, slot) {
    const n = id >>> PAGE_BITS;
    let page = this.pages[n];
    if (page === undefined) {
      page = this.pages[n] = new Int32Array(PAGE).fill(NONE);
      this.counts[n] = 0;
    }
    if (page[id & WITHIN] === NONE) this.counts[n]++;
    page[id & WITHIN] = slot;
  }

  delete(id) {
    const n = id >>> PAGE_BITS, page = this.pages[n];
    if (page === undefined || page[id & WITHIN] === NONE) return;
    page[id & WITHIN] = NONE;
    if (--this.counts[n] === 0) this.pages[n] = undefined;
  }
}
