// Ctrl-C: the long-running commands stop cleanly at the next step.
#pragma once

namespace vtool {

void catch_interrupt();
bool interrupted();

}  // namespace vtool
