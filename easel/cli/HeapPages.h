// The heap on large pages, where the system gives them on request (Linux's
// transparent huge pages with glibc's malloc). A command reads and makes
// tens of megabytes once each, a drawing's XML tree, its art and its
// indices, and the first touch of every 4 KB page is a fault, which costs
// more than the work on it; a 2 MB page takes one fault for 512 of them.
#ifndef EASEL_CLI_HEAPPAGES_H
#define EASEL_CLI_HEAPPAGES_H

namespace contour_cli {

// Before anything large is allocated: malloc keeps its memory in the one
// heap, grown in large steps and not given back while the command runs,
// and that heap asks for large pages: for a command that runs once, not for
// a session's (a 2 MB page stays resident for the last block on it). Where
// the system has no such pages it does nothing.
void useLargeHeapPages();

}  // namespace contour_cli

#endif
