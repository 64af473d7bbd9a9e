#pragma once
// SIGTERM, SIGINT and SIGHUP end a session like the close box does: the handler only notes
// the request, and the event loop, between two events, writes the cancel record and ends.
namespace kartino::basic {

void installTerminationHandlers();
bool terminationRequested();
void clearTerminationRequest(); // for tests

} // namespace kartino::basic
