#pragma once

namespace huewright {

/// Makes sure descriptors 0, 1 and 2 are open before the program opens any file, so that a file
/// it opens never takes one of them and receives what was meant for a standard stream. A closed
/// one is opened on /dev/null in the direction it cannot be used in (standard input for writing,
/// the others for reading): a read or write through it still fails with EBADF, as when it was
/// closed. Call it first thing in main().
void keepStandardDescriptorsTaken();

}  // namespace huewright
