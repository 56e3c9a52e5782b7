#pragma once

namespace stapelwerk {

// What a path names once its links are followed. Only a regular file is read: a pipe or a
// device would make a reader wait for ever (a FIFO without a writer, a terminal) or read
// without end (/dev/zero).
enum class FileType { regular, directory, pipe, characterDevice, blockDevice, socket, other };

}  // namespace stapelwerk
