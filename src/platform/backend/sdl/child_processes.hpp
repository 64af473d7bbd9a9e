#pragma once
// The processes this one has started. SDL shows its message box on X11 in a process of its
// own; a session that must end while the box is up ends that process, so no box is left behind.
namespace kartino::backend {

// Ends every process whose parent is this one, at once (SIGKILL: a forked process keeps this
// one's handlers, which only note a termination request).
void endchildprocesses();

} // namespace kartino::backend
