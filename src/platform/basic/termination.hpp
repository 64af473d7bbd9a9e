#pragma once
// SIGTERM, SIGINT and SIGHUP end a session like the close box does: the handler only notes
// the request, and the event loop, between two events, writes the cancel record and ends.
// Before the handlers are installed a signal ends the process at once, without a record; a
// launcher that cannot accept that starts the program with the three signals blocked, and
// installing the handlers unblocks them, so one that came early is noted then.
namespace kartino::basic {

void installTerminationHandlers();
bool terminationRequested();
void clearTerminationRequest(); // for tests

} // namespace kartino::basic
