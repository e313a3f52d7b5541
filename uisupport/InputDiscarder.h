#pragma once

#include <functional>

// While a device operation runs, the windows stay drawn but what the operator clicks or types is
// dropped, not queued: replayed once the operation has ended, a click would change a form that was
// already sent, or start the same operation a second time.
class InputDiscarder
{
public:
    // Installs the application-wide filter (once); busy tells whether an operation runs.
    static void install(std::function<bool()> busy);
    // Handles the events that came in meanwhile, dropping every input event among them; run when an
    // operation ends, so that nothing typed or clicked during its last wait reaches the form.
    static void discardPending();
};
