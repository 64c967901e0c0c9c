// What the platform's library entry (DllMain, the shared object's
// constructor and destructor) calls; defined by the facade.
#pragma once

namespace varanda {

bool library_attach();  // creates the facade when none exists; true when one exists
void library_detach();  // destroys it

}  // namespace varanda
