#pragma once
// The busy pointer is a state, not a count: showing it twice and restoring it once leaves the
// normal pointer, as the game's long operations expect.
namespace sl {

void ShowBusyPointer(bool busy);
bool BusyPointerShown();

}  // namespace sl
