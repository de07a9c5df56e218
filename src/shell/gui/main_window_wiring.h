#pragma once

namespace tarvo {
class Session;
}

namespace tarvo::shell {

class TForm1;

// Plugs the open session into the main window: activation, closing, refreshing the data, borrowed tables
// and the handlers of the windows that exist.
void wireMainWindow(TForm1& window, Session& session);

}  // namespace tarvo::shell
